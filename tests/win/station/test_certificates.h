#pragma once
// Self-signed certificates that a test puts into a system store of the current user and takes
// out again, however the test ends.
#include <windows.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/crypto/sha1.h"

namespace testutil {

class TestCertificate {
public:
    // subject: the common name; the certificate is valid from..to (UTC dates).
    TestCertificate(const char* storeName, const std::string& subject, SYSTEMTIME from, SYSTEMTIME to,
                    const std::wstring& friendlyName = L"") {
        const std::string x500 = "CN=" + subject;
        DWORD size = 0;
        CertStrToNameA(X509_ASN_ENCODING, x500.c_str(), CERT_X500_NAME_STR, nullptr, nullptr, &size, nullptr);
        std::vector<BYTE> name(size);
        if (!CertStrToNameA(X509_ASN_ENCODING, x500.c_str(), CERT_X500_NAME_STR, nullptr, name.data(), &size, nullptr))
            return;
        CERT_NAME_BLOB blob{size, name.data()};
        PCCERT_CONTEXT made = CertCreateSelfSignCertificate(0, &blob, 0, nullptr, nullptr, &from, &to, nullptr);
        if (!made) return;
        store_ = CertOpenSystemStoreA(0, storeName);
        if (store_ && CertAddCertificateContextToStore(store_, made, CERT_STORE_ADD_REPLACE_EXISTING, &cert_)) {
            if (!friendlyName.empty()) {
                CRYPT_DATA_BLOB text{static_cast<DWORD>((friendlyName.size() + 1) * sizeof(wchar_t)),
                                     reinterpret_cast<BYTE*>(const_cast<wchar_t*>(friendlyName.c_str()))};
                CertSetCertificateContextProperty(cert_, CERT_FRIENDLY_NAME_PROP_ID, 0, &text);
            }
            // Written out now, for the program's own opening of the store.
            CertControlStore(store_, 0, CERT_STORE_CTRL_COMMIT, nullptr);
        }
        CertFreeCertificateContext(made);
    }
    ~TestCertificate() {
        if (cert_) CertDeleteCertificateFromStore(cert_);  // frees the context too
        if (store_) {
            CertControlStore(store_, 0, CERT_STORE_CTRL_COMMIT, nullptr);
            CertCloseStore(store_, 0);
        }
    }
    TestCertificate(const TestCertificate&) = delete;
    TestCertificate& operator=(const TestCertificate&) = delete;

    bool Made() const { return cert_ != nullptr; }
    // SHA-1 of the encoded certificate, worked out here rather than asked of the store.
    std::vector<uint8_t> Sha1() const {
        std::vector<uint8_t> digest(20);
        if (!cert_) return digest;
        Sha1Context ctx;
        Sha1Init(ctx);
        Sha1Update(ctx, cert_->pbCertEncoded, cert_->cbCertEncoded);
        Sha1Final(ctx, digest.data());
        return digest;
    }

private:
    HCERTSTORE store_ = nullptr;
    PCCERT_CONTEXT cert_ = nullptr;
};

// Takes out of a store every certificate whose subject begins with prefix (left behind by a
// test that did not end).
inline void RemoveCertificates(const char* storeName, const std::string& prefix) {
    HCERTSTORE store = CertOpenSystemStoreA(0, storeName);
    if (!store) return;
    std::vector<PCCERT_CONTEXT> found;
    for (PCCERT_CONTEXT c = CertEnumCertificatesInStore(store, nullptr); c; c = CertEnumCertificatesInStore(store, c)) {
        char name[256] = {};
        CertGetNameStringA(c, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, name, sizeof name);
        if (std::string(name).rfind(prefix, 0) == 0) found.push_back(CertDuplicateCertificateContext(c));
    }
    for (PCCERT_CONTEXT c : found) CertDeleteCertificateFromStore(c);
    CertControlStore(store, 0, CERT_STORE_CTRL_COMMIT, nullptr);
    CertCloseStore(store, 0);
}

inline SYSTEMTIME Date(WORD year, WORD month, WORD day) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = 12;
    return t;
}

}  // namespace testutil
