#include "station/pages/wps/wsc_info.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t kIdVendor = 221;
constexpr uint8_t kWpsPrefix[4] = {0x00, 0x50, 0xF2, 0x04};
constexpr size_t kHeader = 4;  // 16-bit type, 16-bit length

std::string Hex16(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFFu);
    return text;
}

std::string HexBytes(const uint8_t* p, size_t n) {
    std::string text;
    char pair[4];
    for (size_t i = 0; i < n && i < 16; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", p[i]);
        text += pair;
    }
    return text;
}

unsigned Be16(const uint8_t* p) { return static_cast<unsigned>(p[0] << 8 | p[1]); }

void DecodeAttribute(unsigned type, const uint8_t* value, size_t length, WscInfoTexts& out) {
    const bool word = length >= 2;
    switch (type) {
        case 0x1008:  // Config Methods
        case 0x1053:  // Selected Registrar Config Methods
            if (word) out.configMethods = Hex16(Be16(value));
            break;
        case 0x1012:
            if (word) out.devicePasswordId = Hex16(Be16(value));
            break;
        case 0x1041:
            out.selectedRegistrar = value[0] ? "TRUE" : "FALSE";
            break;
        case 0x101A:
            out.selectedRegistrar += HexBytes(value, length);
            break;
        case 0x1044:
            if (value[0] == 1) out.state = "Unconfigured";
            else if (value[0] == 2) out.state = "Configured";
            break;
        case 0x104A: {
            char text[16];
            std::snprintf(text, sizeof text, "%u.%u", static_cast<unsigned>(value[0] >> 4),
                          static_cast<unsigned>(value[0] & 0x0F));
            out.version = text;
            break;
        }
        case 0x1057:
            out.apSetupLocked = value[0] ? "TRUE" : "FALSE";
            break;
        case 0x103C:
            out.rfBands = value[0] == 1 ? "2.4GHz" : value[0] == 2 ? "5GHz" : value[0] == 3 ? "2.4GHz + 5GHz" : "";
            break;
        case 0x1047:
            out.uuidE += HexBytes(value, length);
            break;
        default:
            break;
    }
}

// body: the element after its id and length bytes, starting with the four prefix bytes.
void DecodeAttributes(const uint8_t* body, size_t size, WscInfoTexts& out) {
    size_t at = sizeof kWpsPrefix;
    while (at + kHeader < size) {
        const unsigned type = Be16(body + at);
        const size_t length = Be16(body + at + 2);
        if (length > size - at - kHeader) return;
        // An empty attribute carries nothing to read: the walk steps over its header.
        if (length != 0) DecodeAttribute(type, body + at + kHeader, length, out);
        at += kHeader + length;
    }
}

}  // namespace

bool DecodeWscInfo(const uint8_t* ies, size_t size, WscInfoTexts& out) {
    if (ies == nullptr || size <= 3) return false;
    size_t at = 0;
    while (at + 3 < size) {
        const uint8_t id = ies[at];
        const size_t length = ies[at + 1];
        // A zero length ends the walk after the first element (a hidden network's SSID may
        // be empty); an element past the end ends it anywhere.
        if ((length == 0 && at > 0) || length > size - at - 2) return false;
        const uint8_t* body = ies + at + 2;
        if (id == kIdVendor && length >= sizeof kWpsPrefix && std::memcmp(body, kWpsPrefix, sizeof kWpsPrefix) == 0) {
            DecodeAttributes(body, length, out);
            return true;
        }
        at += length + 2;
    }
    return false;
}
