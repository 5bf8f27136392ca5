#include "station/profiles/dot1x/cert_desc.h"

#include <cstdio>
#include <cstring>

#include "platform/cert_stores.h"
#include "shared/text/hex_text.h"

namespace {

template <size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    const size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

}  // namespace

CertDesc g_ClientCertDesc = {};
CertDesc g_ServerCertDesc = {};

uint32_t ThumbprintFromText(long storedLength, const std::string& hexText, uint8_t (&out)[kCertThumbprintMax]) {
    std::memset(out, 0, sizeof(out));
    size_t length = storedLength > 0 ? static_cast<size_t>(storedLength) : 0;
    size_t digits = 0;
    while (digits < hexText.size() && HexDigitValue(hexText[digits]) != 0xFF) ++digits;
    if (length > digits / 2) length = digits / 2;
    if (length > kCertThumbprintMax) length = kCertThumbprintMax;
    HexTextToBytes(hexText.c_str(), 2 * length, out, length);
    return static_cast<uint32_t>(length);
}

void SetThumbprintFromText(CertDesc& desc, long storedLength, const std::string& hexText) {
    desc.ThumbprintLength = ThumbprintFromText(storedLength, hexText, desc.Thumbprint);
}

CertDesc DescribeCertificate(const platform::StoredCertificate& cert) {
    CertDesc d{};
    CopyText(d.IssuedTo, cert.subject);
    CopyText(d.IssuedBy, cert.issuer);
    if (cert.expiryYear > 0)
        std::snprintf(d.ExpiredOn, sizeof d.ExpiredOn, "%04d/%02d/%02d", cert.expiryYear, cert.expiryMonth,
                      cert.expiryDay);
    CopyText(d.FriendlyName, cert.friendlyName);
    d.FriendlyNameLength = static_cast<uint32_t>(std::strlen(d.FriendlyName));
    const size_t n = cert.sha1.size() < kCertThumbprintMax ? cert.sha1.size() : kCertThumbprintMax;
    if (n) std::memcpy(d.Thumbprint, cert.sha1.data(), n);
    d.ThumbprintLength = static_cast<uint32_t>(n);
    return d;
}

bool SameCertDesc(const CertDesc& a, const CertDesc& b) {
    if (std::strcmp(a.ExpiredOn, b.ExpiredOn) != 0 || std::strcmp(a.IssuedBy, b.IssuedBy) != 0 ||
        std::strcmp(a.IssuedTo, b.IssuedTo) != 0)
        return false;
    if (a.FriendlyNameLength != b.FriendlyNameLength || a.FriendlyNameLength > sizeof a.FriendlyName ||
        std::memcmp(a.FriendlyName, b.FriendlyName, a.FriendlyNameLength) != 0)
        return false;
    return a.ThumbprintLength == b.ThumbprintLength && a.ThumbprintLength <= kCertThumbprintMax &&
           std::memcmp(a.Thumbprint, b.Thumbprint, a.ThumbprintLength) == 0;
}
