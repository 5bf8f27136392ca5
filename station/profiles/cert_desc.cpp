#include "station/profiles/cert_desc.h"

#include <cstring>

#include "shared/hex_text.h"

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
