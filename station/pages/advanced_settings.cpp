#include "station/pages/advanced_settings.h"

#include <cstdlib>

#include "station/core/radio/rate_tables.h"

namespace {

struct ModeText {
    int mode;
    const char* text;
};
constexpr ModeText kModeTexts[] = {
    {0, "802.11 B/G mix"},    {1, "802.11 B only"},       {2, "802.11 A only"},    {3, "802.11 A/B/G mix"},
    {4, "802.11 G only"},     {5, "802.11 A/B/G/N mix"},  {9, "802.11 B/G/N mix"},
};

constexpr const char* kRegions24ChipsA[] = {
    "0: FCC, CH1-11",   "1: IC (Canada), CH1-11", "2: ETSI, CH1-13",         "3: SPAIN, CH10-11",
    "4: FRANCE, CH10-13", "5: MKK, CH14",         "6: MKK1(TELEC), CH1-14", "7: ISRAEL, CH3-9",
};
constexpr const char* kRegions24ChipsB[] = {
    "0: CH1-11", "1: CH1-13", "2: CH10-11", "3: CH10-13", "4: CH14", "5: CH1-14", "6: CH3-9", "7: CH5-13",
};
constexpr const char* kRegions5[] = {
    "0: CH 36,40,44,48,52,56,60,64,149,153,157,161,165",
    "1: CH 36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140",
    "2: CH 36,40,44,48,52,56,60,64",
    "3: CH 52,56,60,64,149,153,157,161",
    "4: CH 149,153,157,161,165",
    "5: CH 149,153,157,161",
    "6: CH 36,40,44,48",
    "7: CH 36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,165",
    "8: CH 52, 56, 60, 64",
};

}  // namespace

std::string WirelessModeText(int mode) {
    if (mode == 6) return {};
    for (const ModeText& m : kModeTexts)
        if (m.mode == mode) return m.text;
    return kModeTexts[0].text;
}

int WirelessModeFromText(const std::string& text) {
    if (text.empty()) return 6;
    for (const ModeText& m : kModeTexts)
        if (text == m.text) return m.mode;
    return 0;
}

std::vector<int> TxRateChoices(int mode) {
    std::vector<int> rates;
    switch (mode) {
        case 1: rates = {0, 1, 2, 3}; break;                  // the CCK rates
        case 2:
        case 4: rates = {4, 5, 6, 7, 8, 9, 10, 11}; break;    // the OFDM rates
        case 6: break;                                         // "Auto" alone
        default:
            for (int i = 0; i < 12; ++i) rates.push_back(i);
            break;
    }
    return rates;
}

void ForceModeLimits(int mode, bool supports5GHz, int* protection, int* rateIndex) {
    if (mode == 1) {
        *protection = 0;
        if (*rateIndex > 4) *rateIndex = 0;
    } else if (mode == 2 && supports5GHz) {
        *protection = 0;
        if (*rateIndex > 8) *rateIndex = 0;
    }
}

std::array<uint8_t, kSupportedRatesSize> SupportedRatesRecord(int mode) {
    // The same rates a connect sends, supported and extended ones in one list.
    const RateRecord rates = BuildRateRecord(mode);
    std::array<uint8_t, kSupportedRatesSize> record{};
    uint32_t count = 0;
    for (int i = 0; i < rates[0] && i < 12; ++i) record[4 + count++] = rates[1 + i];
    for (int i = 0; i < rates[13] && i < 12; ++i) record[4 + count++] = rates[14 + i];
    for (int i = 0; i < 4; ++i) record[i] = static_cast<uint8_t>(count >> (8 * i));
    return record;
}

std::vector<std::string> Region24Texts(int chipIndex) {
    if (chipIndex >= 0 && chipIndex <= 3) return {std::begin(kRegions24ChipsA), std::end(kRegions24ChipsA)};
    if (chipIndex >= 4 && chipIndex <= 8) return {std::begin(kRegions24ChipsB), std::end(kRegions24ChipsB)};
    return {};
}

std::vector<std::string> Region5Texts(int chipIndex) {
    if (chipIndex >= 6 && chipIndex <= 8) return {std::begin(kRegions5), std::end(kRegions5)};
    return {};
}

int RegionChannelSpan(const std::string& text) {
    const size_t ch = text.rfind("CH");
    if (ch == std::string::npos) return 0;
    const char* p = text.c_str() + ch + 2;
    char* end = nullptr;
    const long first = std::strtol(p, &end, 10);
    if (end == p || *end != '-') return 0;
    const char* q = end + 1;
    const long last = std::strtol(q, &end, 10);
    if (end == q) return 0;
    return static_cast<int>(last - first);
}

uint32_t PackCcx2Control(const CcxSettings& s) {
    uint32_t limit = kCcxLimitDefault;
    uint32_t magnitude = static_cast<uint32_t>(-kRoamThresholdDefault);
    uint32_t bits = 0;
    if (s.ccx) {
        bits |= 0x01;
        if (s.cckm) bits |= 0x03;
        if (s.radioMeasurements) {
            bits |= 0x04;
            if (s.nonServing) bits |= 0x08;
        }
        if (s.qos) bits |= 0x10;
        limit = static_cast<uint32_t>(s.limitMs) & 0xFFFF;
    }
    if (s.fastRoaming) {
        bits |= 0x20;
        magnitude = static_cast<uint32_t>(-s.thresholdDbm) & 0xFF;
    }
    return (limit << 16) | (magnitude << 8) | bits;
}

CcxSettings UnpackCcx2Control(uint32_t value) {
    CcxSettings s;
    s.ccx = value & 0x01;
    s.cckm = value & 0x02;
    s.radioMeasurements = value & 0x04;
    s.nonServing = value & 0x08;
    s.qos = value & 0x10;
    s.fastRoaming = value & 0x20;
    const int limit = static_cast<int>(value >> 16);
    s.limitMs = limit > kCcxLimitMax ? kCcxLimitDefault : limit;
    const int threshold = -static_cast<int>((value >> 8) & 0xFF);
    s.thresholdDbm = threshold < kRoamThresholdMin || threshold > kRoamThresholdMax ? kRoamThresholdDefault : threshold;
    return s;
}

uint32_t PackTransmitSetting(const HtPhySettings& s) {
    return (static_cast<uint32_t>(s.wirelessMode) & 0x0F) | ((static_cast<uint32_t>(s.mcs) & 0x7F) << 4) |
           ((static_cast<uint32_t>(s.bw) & 1) << 11) | ((static_cast<uint32_t>(s.gi) & 1) << 12) |
           ((static_cast<uint32_t>(s.stbc) & 1) << 13) | kHtOperatingModeBits |
           ((static_cast<uint32_t>(s.htMode) & 1) << 16) | ((static_cast<uint32_t>(s.extension) & 3) << 17);
}

HtPhySettings UnpackTransmitSetting(uint32_t word) {
    HtPhySettings s;
    s.wirelessMode = static_cast<int>(word & 0x0F);
    s.mcs = static_cast<int>((word >> 4) & 0x7F);
    s.bw = static_cast<int>((word >> 11) & 1);
    s.gi = static_cast<int>((word >> 12) & 1);
    s.stbc = static_cast<int>((word >> 13) & 1);
    s.htMode = static_cast<int>((word >> 16) & 1);
    s.extension = static_cast<int>((word >> 17) & 3);
    return s;
}
