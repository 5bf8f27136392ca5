#include "station/profiles/cert_desc.h"

#include <cstring>

#include "shared/hex_text.h"

CertDesc g_ClientCertDesc = {};
CertDesc g_ServerCertDesc = {};

void SetThumbprintFromText(CertDesc& desc, long storedLength, const std::string& hexText) {
    std::memset(desc.Thumbprint, 0, sizeof(desc.Thumbprint));
    size_t length = storedLength > 0 ? static_cast<size_t>(storedLength) : 0;
    if (length > hexText.size() / 2) length = hexText.size() / 2;
    if (length > kCertThumbprintMax) length = kCertThumbprintMax;
    HexTextToBytes(hexText.c_str(), 2 * length, desc.Thumbprint, length);
    desc.ThumbprintLength = static_cast<uint32_t>(length);
}
