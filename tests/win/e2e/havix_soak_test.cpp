// Havix kept running: ten thousand poll ticks with the sheet open on each of its pages in
// turn, stations associating and leaving, the driver's event table filling past what the
// store keeps; what the process holds may grow in the first rounds and never after.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "soak_bounds.h"
#include "tests/win/common/resource_counters.h"
#include "tests/win/softap/tray_fixture.h"

namespace {

constexpr int kTicks = 10000;
constexpr int kTicksPerPage = 50;

// Stations that come and go all through the run (each once), and a driver event every 8 s:
// the store of 100 and the Event Log's rows are full by tick 400, before the warm-up ends
// (filling them is growth of its own).
std::string Traffic() {
    std::string lines;
    char line[96];
    for (int k = 5; k <= 32; ++k) {  // ids 1 to 4 are the scenario's own stations
        const int join = (k - 3) * 650000;
        std::snprintf(line, sizeof line, "ap_station = 02:5A:10:00:01:%02X %d join %d leave %d\n", k, k, join,
                      join + 300000);
        lines += line;
    }
    for (int t = 1; t <= 2500; ++t) {
        std::snprintf(line, sizeof line, "ap_event_at = %d %d 02:5A:10:00:02:%02X\n", t * 8000, 1 + t % 5, t % 256);
        lines += line;
    }
    return lines;
}

class HavixSoakTest : public TrayTest {
protected:
    void Tick(int i) {
        world.clock().Advance(2000);
        Poll();
        // The pages' timers are 1 and 2: one of them every tick.
        if (SheetShown())
            if (HWND page = PropSheet_GetCurrentPageHwnd(Sheet()->m_hWnd))
                SendMessageA(page, WM_TIMER, 1 + i % 2, 0);
        fw::PumpPending();
        // The world's own logs of the calls would grow without end.
        world.ClearJournal();
        world.ClearTrayCalls();
    }
};

TEST_F(HavixSoakTest, TenThousandPollTicksOverEveryPageHoldNothingMoreAfterTheWarmUp) {
    world.clock().SetManual(0);
    LoadSoftAp({{"[bridge]", Traffic() + "\n[bridge]"}});
    Run([&] {
        ASSERT_TRUE(SheetShown());
        const int pages = Sheet()->GetPageCount();
        ASSERT_GE(pages, 5);
        const int round = pages * kTicksPerPage;
        const int warmUp = 2 * round;
        const int last = kTicks / round * round;
        testutil::ResourceCounts before, after;
        for (int i = 0; i <= kTicks; ++i) {
            if (i % kTicksPerPage == 0 && SheetShown())
                Sheet()->SetActivePage((i / kTicksPerPage) % Sheet()->GetPageCount());
            if (i == warmUp) {
                ASSERT_EQ(softap::g_EventArray.size(), softap::kMaxStoredEvents) << "the store is full before counting";
                before = testutil::CountResources();
            }
            if (i == last) after = testutil::CountResources();
            Tick(i);
        }
        ASSERT_TRUE(SheetShown()) << "the sheet stayed open all along";
        EXPECT_EQ(Sheet()->GetPageCount(), pages);
        EXPECT_EQ(softap::g_EventArray.size(), softap::kMaxStoredEvents);
        soak::ExpectNoGrowth(before, after);
    });
    EXPECT_EQ(world.OpenDriverHandles(), 0u);
    EXPECT_EQ(world.OpenBridgeHandles(), 0u);
}

}  // namespace
