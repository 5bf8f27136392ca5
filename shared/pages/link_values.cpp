#include "shared/pages/link_values.h"

#include <algorithm>
#include <limits>

#include "shared/radio/ht_table.h"

LinkClass ClassifyQuality(int percent) {
    if (percent > 70) return LinkClass::Good;
    if (percent > 40) return LinkClass::Normal;
    return LinkClass::Weak;
}

namespace link_status {

namespace {

int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

RateWord SplitRateWord(uint32_t word) {
    return {word & 0x7F, static_cast<int>((word >> 7) & 1), static_cast<int>((word >> 8) & 1), (word >> 14) & 3,
            (word >> 9) & 3};
}

double RateOfWord(uint32_t word, const CHTTable& table) {
    static const double kCck[4] = {1, 2, 5.5, 11};
    static const double kOfdm[8] = {6, 9, 12, 18, 24, 36, 48, 54};
    const RateWord w = SplitRateWord(word);
    switch (w.mode) {
        case 0: return (w.index <= 3 || (w.index >= 8 && w.index <= 11)) ? kCck[w.index & 3] : 0;
        case 1: return w.index <= 7 ? kOfdm[w.index] : 0;
        default: {
            double rate = 0;
            return table.GetHtRate(w.bw40, w.shortGi, static_cast<int>(w.index), rate) ? rate : 0;
        }
    }
}

double LegacyRateOfIndex(uint32_t index) {
    static const double kRates[12] = {1, 2, 5.5, 11, 6, 9, 12, 18, 24, 36, 48, 54};
    return index < 12 ? kRates[index] : 1;
}

int LinkQualityPercent(uint32_t rawQuality, int previous) {
    int q = static_cast<int>(std::min(static_cast<double>(rawQuality) * 1.2 + 10, 100.0));
    if (previous != 0) q = static_cast<int>((previous + q) / 2.0 + 0.5);
    return q;
}

int NoiseDbm(bool htChip, const int32_t rssi[3], const uint32_t snr[2], uint32_t noiseValue) {
    if (!htChip) return ClampToInt(static_cast<int64_t>(noiseValue) - 143);
    const int64_t strongest = std::max({rssi[0], rssi[1], rssi[2]});
    if (strongest >= -70) return -92;
    return ClampToInt(strongest - static_cast<int64_t>(std::min(snr[0], snr[1])));
}

int NoisePercent(int noiseDbm) {
    return static_cast<int>(std::clamp<int64_t>((static_cast<int64_t>(noiseDbm) + 100) * 10 / 3, 0, 100));
}

NoiseClass ClassifyNoise(int percent) {
    if (percent >= 91) return NoiseClass::Strong;
    if (percent >= 51) return NoiseClass::Normal;
    return NoiseClass::Low;
}

double ThroughputKbps(uint32_t counter, uint32_t previous) { return static_cast<uint32_t>(counter - previous) / 250.0; }

}  // namespace link_status
