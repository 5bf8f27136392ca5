#pragma once
// What a soak allows to grow between the end of its warm-up and its last round.
#include <gtest/gtest.h>

#include "tests/win/common/resource_counters.h"

namespace soak {

inline void ExpectNoGrowth(const testutil::ResourceCounts& before, const testutil::ResourceCounts& after) {
    SCOPED_TRACE("after the warm-up: " + testutil::Describe(before) + "\nat the end: " + testutil::Describe(after));
    // Wine makes a few objects once, late, on a busy machine; a leak of one object per
    // round of the pages would be 25 and more.
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 8);
    EXPECT_LE(after.windows, before.windows);
    EXPECT_LE(after.kernelHandles, before.kernelHandles + 2);
    EXPECT_LE(after.heapBlocks, before.heapBlocks + 16);
    EXPECT_LE(after.heapBytes, before.heapBytes + 64 * 1024);
    EXPECT_LE(after.privateBytes, before.privateBytes + 1024 * 1024);
}

}  // namespace soak
