#pragma once
// What both Statistics pages' reset tests check of the driver right after RESET COUNTERS, on
// a scenario whose driver refuses the first reset: the set goes out at once and the OID
// layer's retry gets it through.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/message_loop.h"
#include "platform/sim/world.h"
#include "shared/driver/oid_access.h"

namespace testutil {

// Only the reset's own entries: the window's poll timers add theirs while the retry is awaited.
inline std::vector<platform::sim::JournalEntry> ResetEntries(platform::sim::World& world, uint32_t resetOid) {
    std::vector<platform::sim::JournalEntry> resets;
    for (const auto& e : world.Journal())
        if (e.oid == resetOid) resets.push_back(e);
    return resets;
}

inline void ExpectResetRetried(platform::sim::World& world, uint32_t resetOid) {
    auto journal = ResetEntries(world, resetOid);
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_TRUE(journal[0].in.empty()) << "no data";
    EXPECT_FALSE(journal[0].result) << "the driver refused the first try";
    EXPECT_EQ(SetOidQueueSize(), 1u) << "and the OID layer tries again";
    for (int i = 0; i < 100 && SetOidQueueSize() != 0; ++i) fw::PumpMessages(20);
    ASSERT_EQ(SetOidQueueSize(), 0u);
    journal = ResetEntries(world, resetOid);
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_TRUE(journal[1].result);
}

}  // namespace testutil
