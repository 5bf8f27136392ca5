// The certificate stores and the file-open dialog: straight to crypt32 and comdlg32.
#include <windows.h>
#include <commdlg.h>
#include <wincrypt.h>

#include <vector>

#include "platform/cert_stores.h"
#include "platform/file_dialogs.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

std::string NameOf(PCCERT_CONTEXT cert, DWORD flags) {
    const DWORD n = CertGetNameStringA(cert, CERT_NAME_SIMPLE_DISPLAY_TYPE, flags, nullptr, nullptr, 0);
    if (n <= 1) return {};
    std::string text(n, '\0');
    CertGetNameStringA(cert, CERT_NAME_SIMPLE_DISPLAY_TYPE, flags, nullptr, text.data(), n);
    text.resize(n - 1);
    return text;
}

std::string FriendlyNameOf(PCCERT_CONTEXT cert) {
    DWORD size = 0;
    if (!CertGetCertificateContextProperty(cert, CERT_FRIENDLY_NAME_PROP_ID, nullptr, &size) || size < sizeof(WCHAR))
        return {};
    std::vector<WCHAR> wide(size / sizeof(WCHAR) + 1, L'\0');
    if (!CertGetCertificateContextProperty(cert, CERT_FRIENDLY_NAME_PROP_ID, wide.data(), &size)) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text.data(), n, nullptr, nullptr);
    text.resize(static_cast<size_t>(n) - 1);
    return text;
}

StoredCertificate Describe(PCCERT_CONTEXT cert) {
    StoredCertificate c;
    c.subject = NameOf(cert, 0);
    c.issuer = NameOf(cert, CERT_NAME_ISSUER_FLAG);
    c.friendlyName = FriendlyNameOf(cert);
    SYSTEMTIME expiry{};
    if (FileTimeToSystemTime(&cert->pCertInfo->NotAfter, &expiry)) {
        c.expiryYear = expiry.wYear;
        c.expiryMonth = expiry.wMonth;
        c.expiryDay = expiry.wDay;
    }
    BYTE hash[20];
    DWORD size = sizeof(hash);
    if (CertGetCertificateContextProperty(cert, CERT_SHA1_HASH_PROP_ID, hash, &size)) c.sha1.assign(hash, hash + size);
    return c;
}

class RealCertificateStores final : public CertificateStores {
public:
    std::vector<StoredCertificate> List(const char* storeName) override {
        std::vector<StoredCertificate> out;
        HCERTSTORE store = CertOpenSystemStoreA(0, storeName);
        if (!store) return out;
        for (PCCERT_CONTEXT cert = CertEnumCertificatesInStore(store, nullptr); cert;
             cert = CertEnumCertificatesInStore(store, cert))
            out.push_back(Describe(cert));
        CertCloseStore(store, 0);
        return out;
    }
    bool FindBySha1(const char* storeName, const uint8_t* hash, uint32_t length, StoredCertificate* found) override {
        if (!hash || length == 0) return false;
        HCERTSTORE store = CertOpenSystemStoreA(0, storeName);
        if (!store) return false;
        CRYPT_HASH_BLOB blob{length, const_cast<BYTE*>(hash)};
        PCCERT_CONTEXT cert = CertFindCertificateInStore(store, X509_ASN_ENCODING, 0, CERT_FIND_SHA1_HASH, &blob, nullptr);
        if (cert) {
            if (found) *found = Describe(cert);
            CertFreeCertificateContext(cert);
        }
        CertCloseStore(store, 0);
        return cert != nullptr;
    }
};

class FileOpenDialog final : public FileDialogs {
public:
    bool OpenExistingFile(const OpenFileRequest& request, std::string* path) override {
        std::string filter = request.filterName + '\0' + request.filterPattern + '\0' + '\0';
        // Room for any path the dialog can give, so that a long one is not cut.
        std::vector<char> name(32768, '\0');
        lstrcpynA(name.data(), request.initialName.c_str(), static_cast<int>(name.size()));
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = request.owner;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = name.data();
        ofn.nMaxFile = static_cast<DWORD>(name.size());
        ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        // The dialog browses through shell objects, which work only in a single-threaded
        // apartment: this thread gets one for the dialog's time when it has none.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        const BOOL chosen = GetOpenFileNameA(&ofn);
        if (SUCCEEDED(com)) CoUninitialize();
        if (!chosen) return false;
        if (path) *path = name.data();
        return true;
    }
};

}  // namespace

CertificateStores& RealCertificates() {
    static RealCertificateStores stores;
    return stores;
}

FileDialogs& RealFileDialogs() {
    static FileOpenDialog dialogs;
    return dialogs;
}

}  // namespace platform::win32
