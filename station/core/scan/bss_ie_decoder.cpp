#include "station/core/scan/bss_ie_decoder.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t kIdRsn = 48;
constexpr uint8_t kIdHtOperation = 61;
constexpr uint8_t kIdVendor = 221;

constexpr uint8_t kOuiWfa[3] = {0x00, 0x50, 0xF2};
constexpr uint8_t kOuiIeee[3] = {0x00, 0x0F, 0xAC};
constexpr uint8_t kWpsPrefix[4] = {0x00, 0x50, 0xF2, 0x04};
constexpr uint8_t kWpaPrefix[4] = {0x00, 0x50, 0xF2, 0x01};
constexpr uint8_t kVendorHtPrefix[4] = {0x00, 0x90, 0x4C, 0x33};
constexpr size_t kVendorHtLength = 30;
constexpr uint16_t kWpsDevicePasswordId = 0x1012;

// One element body; every read goes through here.
struct Body {
    const uint8_t* p;
    size_t size;

    bool StartsWith(const uint8_t* prefix, size_t n) const { return size >= n && std::memcmp(p, prefix, n) == 0; }
    bool Has(size_t at, size_t n) const { return at <= size && n <= size - at; }
    uint16_t Le16(size_t at) const { return static_cast<uint16_t>(p[at] | p[at + 1] << 8); }
    uint16_t Be16(size_t at) const { return static_cast<uint16_t>(p[at] << 8 | p[at + 1]); }
};

void RecordCipher(uint8_t type, BssIeFlags& f) {
    switch (type) {
        case 2: f.tkip = 1; break;
        case 3: f.wrap = 1; break;
        case 4: f.ccmp = 1; break;
        default: break;  // WEP and unknown suites say nothing here
    }
}

bool SuiteHasOui(const Body& b, size_t at, const uint8_t oui[3]) { return std::memcmp(b.p + at, oui, 3) == 0; }

enum class Walk { Continue, Stop };

struct KeyManagementFlags {
    int* ieee8021x;
    int* psk;
    int* none;
};

// The suite part shared by the WPA and RSN elements, starting at the group suite. A group
// suite of another organisation ends the whole element walk.
Walk DecodeSuites(const Body& b, size_t at, const uint8_t oui[3], uint32_t infrastructureMode, BssIeFlags& f,
                  KeyManagementFlags km) {
    if (!b.Has(at, 4)) return Walk::Continue;
    if (!SuiteHasOui(b, at, oui)) return Walk::Stop;
    RecordCipher(b.p[at + 3], f);
    at += 4;

    if (!b.Has(at, 2)) return Walk::Continue;
    size_t pairwise = b.Le16(at);
    at += 2;
    for (size_t i = 0; i < pairwise; ++i) {
        size_t s = at + 4 * i;
        if (!b.Has(s, 4) || !SuiteHasOui(b, s, oui)) break;
        RecordCipher(b.p[s + 3], f);
    }
    // The count tells where the key-management part starts, even when the loop broke early.
    if (pairwise > b.size / 4) return Walk::Continue;
    at += 4 * pairwise;

    if (!b.Has(at, 2)) return Walk::Continue;
    size_t akm = b.Le16(at);
    at += 2;
    for (size_t i = 0; i < akm; ++i) {
        size_t s = at + 4 * i;
        if (!b.Has(s, 4)) break;
        if (!SuiteHasOui(b, s, oui)) continue;
        uint8_t type = b.p[s + 3];
        if (type == 1)
            *km.ieee8021x = 1;
        else if (type == 0 || type == 2)
            *(infrastructureMode != 0 ? km.psk : km.none) = 1;
        break;
    }
    return Walk::Continue;
}

void DecodeWps(const Body& b, BssIeFlags& f) {
    f.wps = 1;
    size_t at = sizeof kWpsPrefix;
    while (at + 4 < b.size) {
        uint16_t type = b.Be16(at);
        size_t length = b.Be16(at + 2);
        if (type == kWpsDevicePasswordId) {
            if (length >= 2 && b.Has(at + 4, 2)) {
                char text[8];
                std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(b.Be16(at + 4)));
                f.wpsDevicePasswordId = text;
            }
            return;
        }
        if (!b.Has(at + 4, length)) return;  // an attribute running past its element ends the walk
        at += 4 + length;
    }
}

bool IsVendorHt(const Body& b) { return b.StartsWith(kVendorHtPrefix, 4) && b.size == kVendorHtLength; }

Walk DecodeElement(uint8_t id, const Body& b, uint32_t infrastructureMode, BssIeFlags& f) {
    if (id == kIdVendor && b.StartsWith(kWpsPrefix, 4)) {
        DecodeWps(b, f);
        return Walk::Continue;
    }
    if (id == kIdVendor && b.size > 15) {
        if (IsVendorHt(b)) f.ht = 1;
        if (b.StartsWith(kWpaPrefix, 4))
            return DecodeSuites(b, 6, kOuiWfa, infrastructureMode, f, {&f.wpa8021x, &f.wpaPsk, &f.wpaNone});
        return Walk::Continue;
    }
    if (id == kIdRsn && b.size > 11) {
        if (IsVendorHt(b)) f.ht = 1;
        return DecodeSuites(b, 2, kOuiIeee, infrastructureMode, f, {&f.wpa2_8021x, &f.wpa2Psk, &f.wpa2None});
    }
    if (id == kIdHtOperation && b.size > 21) f.ht = 1;
    return Walk::Continue;
}

}  // namespace

BssIeFlags DecodeInformationElements(const uint8_t* ies, size_t size, uint32_t privacyField,
                                     uint32_t infrastructureMode) {
    BssIeFlags f;
    f.privacy = privacyField == 1;
    if (ies == nullptr || size < 4) return f;

    size_t at = 0;
    while (at + 3 < size) {
        uint8_t id = ies[at];
        size_t length = ies[at + 1];
        // An element that claims more than the blob holds is not trusted, nor anything after it.
        if (length > size - at - 2) break;
        if (DecodeElement(id, Body{ies + at + 2, length}, infrastructureMode, f) == Walk::Stop) break;
        at += length + 2;
        if (at + 1 >= size || ies[at + 1] == 0) break;
    }
    return f;
}

BssIeFlags DecodeBssInformationElements(const BssidEntryView& entry) {
    return DecodeInformationElements(entry.Ies(), entry.IeSize(), entry.Privacy(), entry.InfrastructureMode());
}
