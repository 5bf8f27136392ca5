// Havix's adapter discovery against the simulated Net-class devices: its own hardware-ID
// tables, the identity it keeps, the selection dialog from Havix's resources, and Esc.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "softap/core/device/ap_discovery.h"
#include "havix_fixture.h"
#include "resources/softap/resource.h"
#include "tests/win/common/sel_card_steps.h"

namespace {

std::string OneAdapter(const std::string& hardwareId) {
    return "[adapter]\n"
           "hardware_id = " + hardwareId + "\n"
           "description = Norvane ZQ-4402\n"
           "friendly_name = Norvane ZQ-4402 #1\n"
           "instance_id = {11111111-2222-3333-4444-555555555555}\n"
           "driver = {4d36e972-e325-11ce-bfc1-08002be10318}\\0010\n";
}

struct TableCase {
    const char* hardwareId;
    int chip;  // -1: not Havix's adapter
    int usb;
    int ht;
};

class ApDiscoveryTableTest : public HavixTest, public ::testing::WithParamInterface<TableCase> {};

TEST_P(ApDiscoveryTableTest, HavixTablesDecideWhatIsFound) {
    const TableCase& c = GetParam();
    Load(OneAdapter(c.hardwareId));
    softap::DiscoveryContext context;
    const int found = softap::DiscoverAdapter(context);
    EXPECT_EQ(world.LiveDeviceInfoSets(), 0u);
    EXPECT_EQ(world.OpenDriverHandles(), 0u);
    if (c.chip < 0) {
        EXPECT_EQ(found, 0);
        EXPECT_EQ(g_ChipIndex, -1);
        EXPECT_EQ(g_DevicePath[0], 0);
        return;
    }
    ASSERT_EQ(found, 1);
    EXPECT_EQ(g_ChipIndex, c.chip);
    EXPECT_EQ(g_IsUsbAdapter, c.usb);
    EXPECT_EQ(g_IsHtChip, c.ht);
    EXPECT_EQ(std::string(g_NetCfgInstanceId), "{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(std::string(g_DevicePath), world.DevicePath(0));
    EXPECT_EQ(std::string(g_DriverKeyPath), "System\\CurrentControlSet\\Control\\Class\\" + world.DriverName(0));
    // Nothing of the station side's identity is kept here.
    EXPECT_EQ(g_HardwareId[0], 0);
    EXPECT_EQ(g_AdapterDescription[0], 0);
    EXPECT_EQ(IsAdapterPresent(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ApDiscoveryTableTest,
    ::testing::Values(TableCase{"USB\\VID_F0E1&PID_1101", 1, 1, 0}, TableCase{"USB\\VID_F0E1&PID_1124", 1, 1, 0},
                      TableCase{"USB\\VID_F0E1&PID_5127&REV_0001", 5, 1, 0},
                      TableCase{"USB\\VID_F0E1&PID_5128", -1, 0, 0},  // the station's, not Havix's
                      TableCase{"USB\\VID_F0E1&PID_8116", 8, 1, 1}, TableCase{"USB\\VID_F0E1&PID_8117", -1, 0, 0},
                      TableCase{"PCI\\VEN_F0E1&DEV_4005&SUBSYS_00000000", 4, 0, 0},
                      TableCase{"PCI\\VEN_F0E1&DEV_6001", 6, 0, 1}, TableCase{"PCI\\VEN_F0E1&DEV_7002", 7, 0, 1},
                      TableCase{"PCI\\VEN_F0E1&DEV_7003", -1, 0, 0}, TableCase{"PCI\\VEN_F0E1&DEV_0001", -1, 0, 0},
                      TableCase{"pci\\ven_f0e1&dev_4001", 4, 0, 0}));

using testutil::SelCardAnswer;

class ApDiscoveryTest : public HavixTest {
protected:
    int DiscoverAnswering(SelCardAnswer& answer) {
        return testutil::AnswerSelCardWhile(answer, [&] { return softap::DiscoverAdapter(context); });
    }
    softap::DiscoveryContext context;
    int busy = 0;
};

TEST_F(ApDiscoveryTest, TwoAdaptersAskWithHavixsDialogAndTakeTheChosenOne) {
    Load(testutil::Scenario("two-adapters.scn"));
    context.busy = &busy;
    SelCardAnswer answer;
    answer.line = 1;
    answer.checkLayout = true;
    ASSERT_EQ(DiscoverAnswering(answer), 1);
    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(busy, 0);
    EXPECT_EQ(g_ChipIndex, 7);
    EXPECT_EQ(g_IsUsbAdapter, 0);
    EXPECT_EQ(std::string(g_DevicePath), world.DevicePath(1));
    EXPECT_EQ(world.LiveDeviceInfoSets(), 0u);
}

TEST_F(ApDiscoveryTest, EscIsNotAskedAgainUntilTheCandidatesChange) {
    Load(testutil::Scenario("two-adapters.scn"));
    SelCardAnswer answer;
    answer.pressOk = false;
    EXPECT_EQ(DiscoverAnswering(answer), 0);
    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(g_DevicePath[0], 0);

    // The poll's next rounds: the same two adapters, no dialog, no adapter.
    EXPECT_EQ(DiscoverAnswering(answer), 0);
    EXPECT_EQ(DiscoverAnswering(answer), 0);
    EXPECT_EQ(answer.shown, 1);

    // One of them goes: the other is taken without asking.
    world.Unplug(1);
    EXPECT_EQ(DiscoverAnswering(answer), 1);
    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(std::string(g_DevicePath), world.DevicePath(0));

    // Both again: a new choice, asked again.
    world.Replug(1);
    answer.pressOk = true;
    answer.line = 1;
    EXPECT_EQ(DiscoverAnswering(answer), 1);
    EXPECT_EQ(answer.shown, 2);
    EXPECT_EQ(std::string(g_DevicePath), world.DevicePath(1));
    EXPECT_EQ(world.LiveDeviceInfoSets(), 0u);
}

TEST_F(ApDiscoveryTest, DeviceWhoseDriverDoesNotAnswerIsNoCandidate) {
    Load(OneAdapter("PCI\\VEN_F0E1&DEV_7001") + "responds = no\n");
    EXPECT_EQ(softap::DiscoverAdapter(context), 0);
    EXPECT_EQ(IsAdapterPresent(), 0);
}

TEST_F(ApDiscoveryTest, OsCodeOfThisSystemIsALaterWorkstation) {
    // Wine reports 6.1, workstation: 11 here as for the station utility.
    EXPECT_EQ(softap::GetOsVersionCode(), 11);
    EXPECT_EQ(g_OsCode, 11);
}

// Not run by default: Havix's selection dialog held open for a screenshot.
//   havix_tests --gtest_also_run_disabled_tests --gtest_filter='*SelCardScreenshot*'
// (PAGES_SHOW_MS, 4000 by default).
// The PCI card is shown: its hardware ID is the longer one.
TEST_F(ApDiscoveryTest, DISABLED_SelCardScreenshot) {
    Load(testutil::Scenario("two-adapters.scn"));
    testutil::HoldSelCardOnSecondCard([&] { return softap::DiscoverAdapter(context); });
}

}  // namespace
