#pragma once
// The arithmetic of both utilities' Link Status pages: rate words, link quality, noise and
// throughput. Every input is a value the driver reported, so each is bounded here before it
// reaches a table or a text. Window-less.
#include <cstdint>

class CHTTable;

// The driver's link record (the station's 0xFF0C0009, the access point's 0x0D710102): 16
// bytes, 20 on an 802.11n adapter.
struct LinkInfoRecord {
    uint32_t LinkSpeed;       // 500 kbit/s units
    uint32_t Quality;         // raw percent
    uint32_t TxBytes;         // wraps at 2^32
    uint32_t RxBytes;
    uint32_t CentralChannel;  // 802.11n adapters only
};
static_assert(sizeof(LinkInfoRecord) == 20, "link record of an 802.11n adapter");
constexpr uint32_t kLinkInfoLegacySize = 16;

// The classes of a link-quality or signal percent: Good above 70, Normal from 41, else Weak.
enum class LinkClass { Good, Normal, Weak };
LinkClass ClassifyQuality(int percent);

namespace link_status {

// Receive and transmit rate words (low 16 bits): bits 0-6 MCS or rate index, bit 7 40 MHz,
// bit 8 short guard interval, bits 9-10 STBC, bits 14-15 mode (0 CCK, 1 OFDM, 2 HT mixed,
// 3 HT greenfield).
struct RateWord {
    uint32_t index;
    int bw40;
    int shortGi;
    uint32_t mode;
    uint32_t stbc;
};
RateWord SplitRateWord(uint32_t word);
inline bool IsHtRate(uint32_t word) { return SplitRateWord(word).mode >= 2; }
// Mbit/s; 0 for an index the mode does not know.
double RateOfWord(uint32_t word, const CHTTable& table);
// The rate index that adapters without 802.11n report: 0-11, anything else reads as 1 Mbit/s.
double LegacyRateOfIndex(uint32_t index);

// Percent from the driver's raw quality, averaged with the previous value when there is one
// (0 = none).
int LinkQualityPercent(uint32_t rawQuality, int previous);

// Noise in dBm. 802.11n adapters: from the strongest chain and the weaker SNR while the
// signal is below -70 dBm, else -92; others: the driver's noise value minus 143.
int NoiseDbm(bool htChip, const int32_t rssi[3], const uint32_t snr[2], uint32_t noiseValue);
int NoisePercent(int noiseDbm);
enum class NoiseClass { Strong, Normal, Low };
NoiseClass ClassifyNoise(int percent);

// kbit/s over the 2-second poll; unsigned, so a counter that wrapped still gives what was sent.
double ThroughputKbps(uint32_t counter, uint32_t previous);

}  // namespace link_status
