#include "station/profiles/editor/wep_key_text.h"

#include <cstdio>
#include <cstring>

#include "shared/text/hex_text.h"

bool IsWepKeyText(const std::string& text, int format) {
    if (format == kKeyFormatAscii) return text.size() == 5 || text.size() == 13;
    // Pasted text passes the keystroke filter: every character is checked here.
    return (text.size() == 10 || text.size() == 26) && IsHexText(text.c_str(), text.size());
}

bool IsPskText(const std::string& text) {
    if (text.size() < 8 || text.size() > 64) return false;
    return text.size() < 64 || IsHexText(text.c_str(), text.size());
}

std::string HexOfBytes(const uint8_t* bytes, size_t count) {
    std::string hex;
    for (size_t i = 0; i < count; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof(pair), "%02x", static_cast<unsigned>(bytes[i]));
        hex += pair;
    }
    return hex;
}

bool AsciiOfStoredKey(const std::string& stored, std::string& ascii) {
    if ((stored.size() != 10 && stored.size() != 26) || !IsHexText(stored.c_str(), stored.size())) return false;
    uint8_t bytes[13] = {};
    const size_t n = stored.size() / 2;
    HexStringToBytes(stored.c_str(), bytes, n);
    ascii.assign(reinterpret_cast<const char*>(bytes), n);
    return true;
}

uint32_t PackWepKey(const std::string& text, int format, uint8_t out[kWepKeyPackSize]) {
    std::memset(out, 0, kWepKeyPackSize);
    if (format == kKeyFormatAscii) {
        const size_t n = text.size() < kWepKeyPackSize ? text.size() : kWepKeyPackSize;
        std::memcpy(out, text.data(), n);
        return static_cast<uint32_t>(n);
    }
    return static_cast<uint32_t>(HexTextToBytes(text.c_str(), text.size(), out, kWepKeyPackSize));
}
