// The hidden main window: discovery at start, the tray icon and its tooltip, exit from the menu.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/station/resource.h"
#include "station/core/hide_dlg.h"
#include "station/core/station_globals.h"
#include "station_fixture.h"

namespace {

constexpr const char* kTipFirstLine = "Norvane Wireless LAN Card\n";

class HideDlgTest : public StationTest {};

TEST_F(HideDlgTest, StartsWithDisconnectedIconThenFollowsTheLinkAndExitsFromTheMenu) {
    Load(testutil::Scenario("default.scn"));
    CHideDlg dialog;
    dialog.m_bOpenSheetAtStart = 0;

    platform::sim::TrayRecord atStart, afterPoll;
    testutil::AtNextTick([&] {
        atStart = world.Tray();
        dialog.SendMessage(WM_TIMER, 1, 0);
        afterPoll = world.Tray();
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
    });
    EXPECT_EQ(dialog.DoModal(), 1);

    EXPECT_TRUE(atStart.present);
    EXPECT_EQ(atStart.id, kTrayIconId);
    EXPECT_EQ(atStart.callbackMessage, kTrayCallbackMessage);
    EXPECT_EQ(atStart.icon, CHideDlg::TrayIconHandle(IDI_TRAY_DISCONNECTED));
    EXPECT_EQ(atStart.tip, std::string(kTipFirstLine) + "Disconnected");

    // -55 and -60 dBm: the larger reading counts, 86 percent is Good.
    EXPECT_EQ(afterPoll.icon, CHideDlg::TrayIconHandle(IDI_TRAY_GOOD));
    EXPECT_EQ(afterPoll.tip, std::string(kTipFirstLine) + "Status : Good (Harbor Open)");

    EXPECT_FALSE(world.Tray().present);
    EXPECT_EQ(g_ChipIndex, 5);
    EXPECT_EQ(world.LiveWlanAllocations(), 0u);
}

TEST_F(HideDlgTest, NoAdapterShowsNotExistOnTheFirstPoll) {
    Load(testutil::Scenario("no-adapter.scn"));
    CHideDlg dialog;
    platform::sim::TrayRecord afterPoll;
    testutil::AtNextTick([&] {
        dialog.SendMessage(WM_TIMER, 1, 0);
        afterPoll = world.Tray();
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
    });
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.m_bDeviceExist, 0);
    EXPECT_EQ(afterPoll.icon, CHideDlg::TrayIconHandle(IDI_TRAY_NO_ADAPTER));
    EXPECT_EQ(afterPoll.tip, std::string(kTipFirstLine) + "Not exist");
}

}  // namespace
