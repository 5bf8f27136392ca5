#pragma once
// What a scenario says about the driver's link statistics: the link record, rate words,
// noise, SNR and the counters that move while the link is up (docs/scenario-format.md).
#include <array>
#include <cstdint>

namespace platform::sim {

enum LinkCounter : unsigned {
    kCounterTxBytes,      // link record, 32 bits
    kCounterRxBytes,      // link record, 32 bits
    kCounterTxFrames,     // statistics record +8
    kCounterTxFailed,     // +24
    kCounterTxRetried,    // +32
    kCounterRtsOk,        // +48
    kCounterRtsFailed,    // +56
    kCounterRxDuplicate,  // +72
    kCounterRxCrcError,   // +96
    kCounterRxFrames,     // +176
    kCounterRxNoBuffer,   // OID_GEN_RCV_NO_BUFFER, 32 bits
    kLinkCounterCount
};
// The scenario names of the counters, in LinkCounter order.
extern const char* const kLinkCounterNames[kLinkCounterCount];

struct LinkCounterSpec {
    bool given = false;
    std::uint64_t start = 0;
    std::uint64_t perSecond = 0;   // while the link is up
    std::uint32_t swingPercent = 0;  // the rate rises and falls by this much, 0 to 100
};

struct LinkStatsSpec {
    bool hasSpeed = false;
    std::uint32_t speed = 0;       // 500 kbit/s units
    bool hasQuality = false;
    std::uint32_t quality = 0;     // percent
    bool hasCentralChannel = false;
    std::uint32_t centralChannel = 0;
    bool hasTxRate = false;
    std::uint32_t txRate = 0;      // rate word
    bool hasRxRate = false;
    std::uint32_t rxRate = 0;      // rate word, or the rate index of adapters without 802.11n
    bool hasNoise = false;
    std::int32_t noise = 0;        // dBm
    int snrCount = 0;              // 0: both SNR OIDs fail; 1: only the first answers
    std::uint32_t snr[2] = {0, 0};
    std::array<LinkCounterSpec, kLinkCounterCount> counters{};
};

}  // namespace platform::sim
