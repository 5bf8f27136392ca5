#pragma once
// The description of one certificate that the 802.1X settings pass around, and the two
// selections of the program (the client certificate and the server's CA). The thumbprint is
// held by value: a SHA-1 hash is 20 bytes, and nothing longer is ever taken. Window-less.
#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint32_t kCertThumbprintMax = 20;

struct CertDesc {
    char IssuedTo[256];
    char IssuedBy[256];
    char ExpiredOn[256];
    char FriendlyName[256];
    uint32_t ThumbprintLength;
    uint8_t Thumbprint[kCertThumbprintMax];
    uint32_t FriendlyNameLength;
    uint32_t Reserved;
};

namespace platform {
struct StoredCertificate;
}

// The description of a certificate of a store: its subject, issuer, expiry date (UTC, as
// "YYYY/MM/DD") and friendly name, each cut to what the field holds, and its SHA-1 hash.
CertDesc DescribeCertificate(const platform::StoredCertificate& cert);
// Equal for the selection dialog: the same expiry, issuer and subject texts, the same
// friendly-name length and bytes, the same thumbprint length and bytes.
bool SameCertDesc(const CertDesc& a, const CertDesc& b);

extern CertDesc g_ClientCertDesc;
extern CertDesc g_ServerCertDesc;

// A thumbprint from its stored form: storedLength bytes as hexadecimal text. Only what the
// text really holds counts, and at most kCertThumbprintMax bytes. Returns the byte count;
// the rest of out is zeroed.
uint32_t ThumbprintFromText(long storedLength, const std::string& hexText, uint8_t (&out)[kCertThumbprintMax]);
void SetThumbprintFromText(CertDesc& desc, long storedLength, const std::string& hexText);
