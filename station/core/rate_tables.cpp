#include "station/core/rate_tables.h"

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
