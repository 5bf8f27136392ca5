#include "platform/sim/sim_link_stats.h"

#include <cmath>
#include <cstring>

#include "platform/sim/sim_soft_ap.h"
#include "platform/sim/world_state.h"

namespace platform::sim {

namespace {

constexpr std::uint32_t kOidLinkInfo = 0xFF0C0009;
constexpr std::uint32_t kOidNoise = 0xFF0C000A;
constexpr std::uint32_t kOidStatistics = 0xFF0C000B;
constexpr std::uint32_t kOidRxRate = 0xFF0C000E;
constexpr std::uint32_t kOidTxRate = 0xFF0C0021;
constexpr std::uint32_t kOidSnr0 = 0xFF0C0023;
constexpr std::uint32_t kOidSnr1 = 0xFF0C0024;
constexpr std::uint32_t kOidRcvNoBuffer = 0x00020105;
constexpr std::uint32_t kOidRcvOk = 0x00020102;           // OID_GEN_RCV_OK
constexpr std::uint32_t kOidNdisStatistics = 0x0D020212;  // OID_802_11_STATISTICS

constexpr std::size_t kStatisticsSize = 184;
// The standard record is the private one without its last field (the frames received).
constexpr std::size_t kNdisStatisticsSize = 176;
constexpr double kSwingPeriodS = 13.0;  // not a multiple of the utilities' 2-second poll

// Where each counter of the statistics record sits.
struct Slot {
    LinkCounter counter;
    std::size_t offset;
};
constexpr Slot kStatisticsSlots[] = {
    {kCounterTxFrames, 8},    {kCounterTxFailed, 24},    {kCounterTxRetried, 32}, {kCounterRtsOk, 48},
    {kCounterRtsFailed, 56},  {kCounterRxDuplicate, 72}, {kCounterRxCrcError, 96}, {kCounterRxFrames, 176},
};

// start + the integral of rate x (1 + swing x sin(wt + phase)) over the link-up time: a rate
// that rises and falls but never goes below 0, so the counter never runs backwards.
std::uint64_t RawValue(const LinkCounterSpec& c, unsigned which, std::uint64_t upMs) {
    const double t = static_cast<double>(upMs) / 1000.0;
    const double rate = static_cast<double>(c.perSecond);
    const double w = 2 * 3.14159265358979323846 / kSwingPeriodS;
    const double phase = 1.3 * which;
    double moved = rate * t + c.swingPercent / 100.0 * rate * (std::cos(phase) - std::cos(w * t + phase)) / w;
    if (moved < 0) moved = 0;
    return c.start + static_cast<std::uint64_t>(std::floor(moved));
}

std::uint64_t Value(const AdapterState& a, LinkCounter which) {
    const LinkCounterSpec& c = a.spec.linkStats.counters[which];
    if (!c.given) return 0;
    return RawValue(c, which, a.linkCounters.upMs) - a.linkCounters.resetBase[which];
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, 4); }
void Put64(Bytes& b, std::size_t at, std::uint64_t v) { std::memcpy(b.data() + at, &v, 8); }

Bytes U32(std::uint32_t v) {
    Bytes b(4);
    Put32(b, 0, v);
    return b;
}

}  // namespace

void AccountLinkTime(AdapterState& a, std::uint64_t now) {
    LinkCounterState& s = a.linkCounters;
    // A clock set back (tests freeze it) counts from its new time on. An access point's link
    // is up while its BSS is.
    if (now > s.accountedAt && a.present && (a.spec.connected || ApBssUp(a))) s.upMs += now - s.accountedAt;
    s.accountedAt = now;
}

bool LinkStatsAnswer(const AdapterState& a, std::uint32_t oid, Bytes* answer) {
    const LinkStatsSpec& l = a.spec.linkStats;
    switch (oid) {
        case kOidLinkInfo: {
            if (!l.hasSpeed && !l.hasQuality && !l.hasCentralChannel && !l.counters[kCounterTxBytes].given &&
                !l.counters[kCounterRxBytes].given)
                return false;
            // Drivers of 802.11n adapters add the central channel.
            Bytes b(a.spec.supports11n ? 20 : 16, 0);
            Put32(b, 0, l.speed);
            Put32(b, 4, l.quality);
            Put32(b, 8, static_cast<std::uint32_t>(Value(a, kCounterTxBytes)));
            Put32(b, 12, static_cast<std::uint32_t>(Value(a, kCounterRxBytes)));
            if (a.spec.supports11n) Put32(b, 16, l.centralChannel);
            *answer = b;
            return true;
        }
        case kOidStatistics: {
            bool any = false;
            for (const Slot& slot : kStatisticsSlots) any |= l.counters[slot.counter].given;
            if (!any) return false;
            Bytes b(kStatisticsSize, 0);
            for (const Slot& slot : kStatisticsSlots) Put64(b, slot.offset, Value(a, slot.counter));
            *answer = b;
            return true;
        }
        case kOidNdisStatistics: {
            bool any = false;
            for (const Slot& slot : kStatisticsSlots) any |= slot.offset < kNdisStatisticsSize && l.counters[slot.counter].given;
            if (!any) return false;
            Bytes b(kNdisStatisticsSize, 0);
            Put32(b, 0, static_cast<std::uint32_t>(kNdisStatisticsSize));
            for (const Slot& slot : kStatisticsSlots)
                if (slot.offset < kNdisStatisticsSize) Put64(b, slot.offset, Value(a, slot.counter));
            *answer = b;
            return true;
        }
        case kOidRcvOk:
            if (!l.counters[kCounterRxFrames].given) return false;
            *answer = U32(static_cast<std::uint32_t>(Value(a, kCounterRxFrames)));
            return true;
        case kOidRcvNoBuffer:
            if (!l.counters[kCounterRxNoBuffer].given) return false;
            *answer = U32(static_cast<std::uint32_t>(Value(a, kCounterRxNoBuffer)));
            return true;
        case kOidNoise:
            if (!l.hasNoise) return false;
            *answer = U32(static_cast<std::uint32_t>(l.noise + 143));
            return true;
        case kOidRxRate:
            if (!l.hasRxRate) return false;
            *answer = U32(l.rxRate);
            return true;
        case kOidTxRate:
            if (!l.hasTxRate) return false;
            *answer = U32(l.txRate);
            return true;
        case kOidSnr0:
        case kOidSnr1: {
            const int k = oid == kOidSnr0 ? 0 : 1;
            if (l.snrCount <= k) return false;
            *answer = U32(l.snr[k]);
            return true;
        }
        default: return false;
    }
}

void ResetLinkCounters(AdapterState& a) {
    for (const Slot& slot : kStatisticsSlots) {
        const LinkCounterSpec& c = a.spec.linkStats.counters[slot.counter];
        if (c.given) a.linkCounters.resetBase[slot.counter] = RawValue(c, slot.counter, a.linkCounters.upMs);
    }
}

}  // namespace platform::sim
