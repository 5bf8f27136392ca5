// Lumora kept running: ten thousand poll ticks with the sheet open on each of its pages in
// turn, the rescans and their relays, the link coming and going; what the process holds may
// grow in the first rounds (caches, lazily made pages) and never after.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/message_loop.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/station_globals.h"
#include "soak_bounds.h"
#include "tests/win/common/resource_counters.h"
#include "tests/win/station/station_fixture.h"

namespace {

constexpr int kTicks = 10000;
constexpr int kTicksPerPage = 50;
constexpr int kLinkToggleTicks = 25;  // the access point goes and comes back
constexpr UINT_PTR kPollTimer = 1, kRescanTimer = 3;

class StationSoakTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        world.clock().SetManual(0);
        Load(testutil::Scenario("default.scn"));
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    }
    // One tick of every timer: the main window's poll (and its rescan timer now and then),
    // then a timer of the active page, the service's notifications and the relays.
    void Tick(int i) {
        world.clock().Advance(2000);
        if (i % 10 == 0) dialog.SendMessage(WM_TIMER, kRescanTimer, 0);
        Poll();
        // The pages' timers are 1 and 2: one of them every tick.
        if (dialog.IsSheetOpen())
            if (HWND page = PropSheet_GetCurrentPageHwnd(dialog.m_pSheet->m_hWnd))
                SendMessageA(page, WM_TIMER, 1 + i % 2, 0);
        world.WaitWlanNotificationsDelivered(1000);
        fw::PumpPending();
        // The world's own logs of the calls would grow without end.
        world.ClearJournal();
        world.ClearWlanCalls();
        world.ClearTrayCalls();
    }

    testutil::TempDataDirectory data{"station-soak"};
};

TEST_F(StationSoakTest, TenThousandPollTicksOverEveryPageHoldNothingMoreAfterTheWarmUp) {
    ASSERT_TRUE(data.Made());
    Run([&] {
        ASSERT_TRUE(dialog.IsSheetOpen());
        const int pages = dialog.m_pSheet->GetPageCount();
        ASSERT_GE(pages, 6);
        // Whole rounds over the pages, each with the link up and down, so the two counts
        // are taken in the same state.
        const int round = pages * kTicksPerPage;
        const int warmUp = 2 * round;
        const int last = kTicks / round * round;
        testutil::ResourceCounts before, after;
        for (int i = 0; i <= kTicks; ++i) {
            if (i % kTicksPerPage == 0 && dialog.IsSheetOpen())
                dialog.m_pSheet->SetActivePage((i / kTicksPerPage) % dialog.m_pSheet->GetPageCount());
            if (i % kLinkToggleTicks == 0) {
                const bool up = (i / kLinkToggleTicks) % 2 == 0;
                world.SetLink(0, up, "Harbor Open", {0x02, 0x11, 0x22, 0x33, 0x44, 0x55});
            }
            if (i == warmUp) before = testutil::CountResources();
            if (i == last) after = testutil::CountResources();
            Tick(i);
        }
        ASSERT_TRUE(dialog.IsSheetOpen()) << "the sheet stayed open all along";
        EXPECT_EQ(dialog.m_pSheet->GetPageCount(), pages);
        soak::ExpectNoGrowth(before, after);
    });
    EXPECT_EQ(world.OpenDriverHandles(), 0u);
    EXPECT_EQ(world.LiveWlanAllocations(), 0u);
}

}  // namespace

