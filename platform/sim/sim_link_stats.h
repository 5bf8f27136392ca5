#pragma once
// The simulated driver's link statistics: the link record, rate words, noise, SNR, the
// statistics record and the counters in them, which move with the world's clock while the
// adapter's link is up.
#include <array>
#include <cstdint>

#include "platform/sim/scenario.h"

namespace platform::sim {

struct AdapterState;

struct LinkCounterState {
    std::uint64_t upMs = 0;         // time the link has been up
    std::uint64_t accountedAt = 0;  // world time upMs counts to
    std::array<std::uint64_t, kLinkCounterCount> resetBase{};  // what a reset took away
};

constexpr std::uint32_t kOidResetCounters = 0xFF0C000C;  // set as 0xFF8C000C, no data
constexpr std::uint32_t kOidApResetCounters = 0x0D710103;  // the soft-AP utility's: set as 0x0DF10103

// Brings upMs to now; call before the link changes and before reading a counter.
void AccountLinkTime(AdapterState& a, std::uint64_t now);
// The driver's answer to queryOid from the link statistics; false when the scenario says
// nothing about that OID.
bool LinkStatsAnswer(const AdapterState& a, std::uint32_t queryOid, Bytes* answer);
// The private reset: every counter of the statistics record starts again from 0.
void ResetLinkCounters(AdapterState& a);

}  // namespace platform::sim
