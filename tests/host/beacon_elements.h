#pragma once
// Builders of beacon information elements and BSSID-list entries for the scan-list tests.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "station/core/scan/bssid_list.h"

namespace beacon {

using Bytes = std::vector<uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes Element(uint8_t id, const Bytes& body) {
    Bytes e{id, static_cast<uint8_t>(body.size())};
    return e + body;
}

inline Bytes Ssid(const std::string& s) { return Element(0, Bytes(s.begin(), s.end())); }
inline Bytes Rates() { return Element(1, {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24}); }
inline Bytes DsParameter(uint8_t channel) { return Element(3, {channel}); }

inline Bytes Suite(uint8_t a, uint8_t b, uint8_t c, uint8_t type) { return {a, b, c, type}; }
inline Bytes Wfa(uint8_t type) { return Suite(0x00, 0x50, 0xF2, type); }
inline Bytes Ieee(uint8_t type) { return Suite(0x00, 0x0F, 0xAC, type); }

inline Bytes Le16(size_t v) { return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}; }
inline Bytes Be16(size_t v) { return {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)}; }

inline Bytes SuiteList(std::initializer_list<Bytes> suites) {
    Bytes out = Le16(suites.size());
    for (const Bytes& s : suites) out = out + s;
    return out;
}

// Cipher and key-management suite types.
constexpr uint8_t kWep40 = 1, kTkip = 2, kWrap = 3, kCcmp = 4;
constexpr uint8_t kAkm8021x = 1, kAkmPsk = 2;

inline Bytes Wpa(const Bytes& group, std::initializer_list<Bytes> pairwise, std::initializer_list<Bytes> akm) {
    return Element(221, Bytes{0x00, 0x50, 0xF2, 0x01} + Le16(1) + group + SuiteList(pairwise) + SuiteList(akm));
}

inline Bytes Rsn(const Bytes& group, std::initializer_list<Bytes> pairwise, std::initializer_list<Bytes> akm) {
    return Element(48, Le16(1) + group + SuiteList(pairwise) + SuiteList(akm) + Le16(0));
}

inline Bytes WpsAttribute(uint16_t type, const Bytes& value) { return Be16(type) + Be16(value.size()) + value; }

// A WPS element: version 1.0, state configured, then the given attributes.
inline Bytes Wps(const Bytes& attributes) {
    return Element(221, Bytes{0x00, 0x50, 0xF2, 0x04} + WpsAttribute(0x104A, {0x10}) +
                            WpsAttribute(0x1044, {0x02}) + attributes);
}
inline Bytes DevicePasswordId(uint16_t id) { return WpsAttribute(0x1012, Be16(id)); }

inline Bytes HtCapabilities() { return Element(45, Bytes(26, 0x00)); }
// secondaryOffset 0: 20 MHz only; 1 above, 3 below: 40 MHz.
inline Bytes HtOperation(uint8_t primary, uint8_t secondaryOffset) {
    Bytes body(22, 0x00);
    body[0] = primary;
    body[1] = static_cast<uint8_t>(secondaryOffset | (secondaryOffset ? 0x04 : 0x00));
    return Element(61, body);
}
inline Bytes VendorHt() { return Element(221, Bytes{0x00, 0x90, 0x4C, 0x33} + Bytes(26, 0x00)); }

inline MacAddress Mac(uint8_t last) { return {0x00, 0x0C, 0x43, 0x11, 0x22, last}; }

inline uint32_t Khz(int channel) {
    if (channel == 14) return 2484000;
    if (channel <= 13) return 2412000 + 5000 * static_cast<uint32_t>(channel - 1);
    return 5000000 + 5000 * static_cast<uint32_t>(channel);
}

}  // namespace beacon
