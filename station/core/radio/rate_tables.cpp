#include "station/core/radio/rate_tables.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr DesiredRates kRatesB = {22, 11, 4, 2, 0, 0, 0, 0};
constexpr DesiredRates kRatesA = {108, 96, 72, 48, 36, 24, 18, 12};
constexpr DesiredRates kRatesBG = {108, 96, 72, 48, 22, 11, 4, 2};
constexpr DesiredRates kRatesTopOnly = {108, 0, 0, 0, 0, 0, 0, 0};

RateRecord MakeRecord(std::initializer_list<uint8_t> supported, std::initializer_list<uint8_t> extended) {
    RateRecord r{};
    r[0] = static_cast<uint8_t>(supported.size());
    std::copy(supported.begin(), supported.end(), r.begin() + 1);
    r[13] = static_cast<uint8_t>(extended.size());
    std::copy(extended.begin(), extended.end(), r.begin() + 14);
    return r;
}

}  // namespace

bool IsHtWirelessMode(int wirelessMode) {
    return wirelessMode == 5 || wirelessMode == 6 || wirelessMode == 9;
}

DesiredRates DefaultDesiredRates(int wirelessMode) {
    switch (wirelessMode) {
        case 1: return kRatesB;
        case 2:
        case 4: return kRatesA;
        default: return kRatesBG;
    }
}

RateRecord BuildRateRecord(int wirelessMode) {
    switch (wirelessMode) {
        case 1: return MakeRecord({0x82, 0x84, 0x8B, 0x96}, {});
        case 2:
        case 4: return MakeRecord({0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C}, {});
        default:
            return MakeRecord({0x82, 0x84, 0x8B, 0x96, 0x12, 0x24, 0x48, 0x6C}, {0x8C, 0x98, 0xB0, 0x60});
    }
}

DesiredRates HtDesiredRates(uint32_t htSettingsWord) {
    return HtMcsBits(htSettingsWord) == kHtMcsAuto ? kRatesBG : kRatesTopOnly;
}

HtSettingsRecord UnpackHtSettings(uint32_t word) {
    HtSettingsRecord r{};
    r[0] = static_cast<uint8_t>(word & 0x0F);
    r[1] = static_cast<uint8_t>((word >> 14) & 0x03);
    r[2] = static_cast<uint8_t>((word >> 11) & 0x01);
    r[3] = static_cast<uint8_t>((word >> 12) & 0x01);
    r[4] = static_cast<uint8_t>((word >> 13) & 0x01);
    r[5] = static_cast<uint8_t>(HtMcsBits(word));
    r[6] = static_cast<uint8_t>((word >> 17) & 0x03);
    r[7] = static_cast<uint8_t>((word >> 16) & 0x01);
    return r;
}

DesiredRates ProfileDesiredRates(int mode, bool hasTransRate, long n, uint32_t htSettingsWord) {
    if (!hasTransRate) {
        if (IsHtWirelessMode(mode)) return DesiredRates{};
        return mode == 1 || mode == 2 || mode == 4 ? DesiredRates{22, 11, 4, 2, 0, 0, 0, 0} : kRatesBG;
    }
    if ((mode == 1 && n > 4) || (mode == 2 && n > 8)) n = 0;
    if (IsHtWirelessMode(mode)) return HtDesiredRates(htSettingsWord);
    if (mode == 2 || mode == 4) {
        static const uint8_t kA[8] = {12, 18, 24, 36, 48, 72, 96, 108};
        if (n >= 1 && n <= 8) return DesiredRates{kA[n - 1], 0, 0, 0, 0, 0, 0, 0};
        return kRatesA;
    }
    static const uint8_t kBG[12] = {2, 4, 11, 22, 12, 18, 24, 36, 48, 72, 96, 108};
    if (n >= 1 && n <= 12) return DesiredRates{kBG[n - 1], 0, 0, 0, 0, 0, 0, 0};
    return mode == 1 ? kRatesB : kRatesBG;
}

uint32_t ProfileHtSettingsWord(int mode, uint8_t extensionChannel, bool hasTransmitSetting, uint32_t setting) {
    uint32_t word = (static_cast<uint32_t>(mode) & 0x0F) | (static_cast<uint32_t>(extensionChannel & 3) << 17) |
                    (2u << 14);
    // MCS (bits 4-10), bandwidth, guard interval, STBC and HT mode come from the stored word.
    constexpr uint32_t kStored = 0x7Fu << 4 | 1u << 11 | 1u << 12 | 1u << 13 | 1u << 16;
    if (hasTransmitSetting) word |= setting & kStored;
    else word |= kHtMcsAuto << 4 | 1u << 11 | 1u << 12 | 1u << 13;
    return word;
}

int AdhocOfdmCode(int mode) {
    switch (mode) {
        case 0: return 1;
        case 1: return 0;
        case 2: return 3;
        case 3: return 4;
        case 4: return 2;
        case 5: return 5;
        case 6: return 6;
        case 9: return 9;
        default: return -1;
    }
}
