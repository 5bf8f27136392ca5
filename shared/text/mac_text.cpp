#include "shared/text/mac_text.h"

#include <cstdio>

#include "shared/text/hex_text.h"

std::string FormatMacText(const uint8_t mac[6]) {
    char text[18];
    std::snprintf(text, sizeof(text), "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return text;
}

bool ParseMacText(const std::string& text, uint8_t mac[6]) {
    std::string hex;
    for (char c : text)
        if (c != '-') hex += c;
    if (!IsHexText(hex.c_str(), 12)) return false;
    HexStringToBytes(hex.c_str(), mac, 6);
    return true;
}
