// The Statistics page inside the main window's sheet: the driver's statistics record and
// drop count in, the ten texts out; nothing read without a link; RESET COUNTERS; polling only
// while active.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/property_sheet.h"
#include "resources/station/resource.h"
#include "shared/driver/oid_access.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/pages/statistic_page.h"
#include "station_fixture.h"
#include "tests/win/common/reset_retry_checks.h"

namespace {

using platform::sim::Bytes;

constexpr UINT_PTR kPollTimer = 1;

std::string Scenario(const std::string& extra = "") {
    return "[adapter]\n"
           "hardware_id = USB\\VID_F0E1&PID_5101\n"
           "description = Norvane ZQ-4402 Wireless LAN Card\n"
           "instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}\n"
           "driver = {4d36e972-e325-11ce-bfc1-08002be10318}\\0007\n"
           "oid 0xFF0C001A = 00 00 00 00\n"
           "signal = -50 -61\n"
           "link = connected \"Harbor Open\" 02:11:22:33:44:55\n"
           "scan_delay = 0\n" +
           extra + "\n[network]\nssid = \"Harbor Open\"\nbssid = 02:11:22:33:44:55\nchannel = 6\n";
}

Bytes StatisticsRecord(std::initializer_list<std::pair<size_t, uint64_t>> counters) {
    Bytes b(184, 0);
    for (const auto& [offset, value] : counters) std::memcpy(b.data() + offset, &value, 8);
    return b;
}

class StatisticsTest : public MainWindowFixture {
protected:
    CStatisticPage* Page() { return dialog.m_pSheet ? dialog.m_pSheet->StatisticPage() : nullptr; }
    CStatisticPage* ActivePage() {
        if (!dialog.m_pSheet) return nullptr;
        dialog.m_pSheet->SetActivePage(Page());
        return Page()->IsWindow() ? Page() : nullptr;
    }
    void Tick() { Page()->SendMessage(WM_TIMER, kPollTimer, 0); }
    std::string Text(int id) { return Page()->GetDlgItemText(id); }
    std::vector<std::string> Values() {
        std::vector<std::string> v;
        for (int id : kValues) v.push_back(Text(id));
        return v;
    }
    size_t Queries(uint32_t oid) {
        size_t n = 0;
        for (const auto& e : world.Journal()) n += e.oid == oid;
        return n;
    }

    // Transmit rows top to bottom, the hidden one, then the receive rows.
    static constexpr int kValues[] = {IDC_ST_TX_OK, IDC_ST_TX_RETRY,    IDC_ST_TX_FAIL,  IDC_ST_RTS_OK,
                                      IDC_ST_RTS_FAIL, IDC_ST_TX_NO_RETRY, IDC_ST_RX_OK, IDC_ST_RX_CRC,
                                      IDC_ST_RX_DROPPED, IDC_ST_RX_DUPLICATE};
};

TEST_F(StatisticsTest, CountersAboveTwoToThe32ShowInFullExceptFramesReceived) {
    Load(Scenario("oid 0x00020105 = 09 00 00 00\n"));
    world.SetOidAnswer(0, 0xFF0C000B,
                       StatisticsRecord({{8, 0x100000010ull}, {24, 5000000000ull}, {32, 0x100000001ull},
                                         {48, 7}, {56, 0x200000000ull}, {72, 12}, {96, 0x123456789ull},
                                         {176, 0x100000007ull},
                                         // Offsets the page does not show.
                                         {16, 111}, {80, 222}, {104, 333}}));
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        EXPECT_EQ(Values(), std::vector<std::string>(10, "0")) << "before the first tick";
        Tick();
        EXPECT_EQ(Values(), (std::vector<std::string>{"4294967312", "4294967297", "5000000000", "7", "8589934592",
                                                     "15", "7", "4886718345", "9", "12"}));
        EXPECT_FALSE(IsWindowVisible(Page()->GetDlgItem(IDC_ST_TX_NO_RETRY)));
        EXPECT_FALSE(IsWindowVisible(Page()->GetDlgItem(IDC_ST_TX_NO_RETRY_LABEL)));
        EXPECT_EQ(Text(IDC_ST_RESET), "Reset Counter");
        EXPECT_EQ(Text(IDC_ST_TX_OK_LABEL), "Frames Transmitted Successfully ");
    });
}

TEST_F(StatisticsTest, WithoutALinkTheRecordIsNotReadButTheDropCountIs) {
    Load(Scenario("oid 0x00020105 = 09 00 00 00\n"));
    world.SetOidAnswer(0, 0xFF0C000B, StatisticsRecord({{8, 50}, {176, 60}}));
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        Tick();
        ASSERT_EQ(Text(IDC_ST_TX_OK), "50");
        world.SetLink(0, false);
        world.ClearJournal();
        Tick();
        EXPECT_EQ(Queries(0xFF0C000B), 0u);
        EXPECT_EQ(Queries(0x00020105), 1u);
        std::vector<std::string> expected(10, "0");
        expected[8] = "9";
        EXPECT_EQ(Values(), expected);

        // Connected, but neither query answers: zeros, not the last tick's values.
        world.SetLink(0, true, "Harbor Open", {0x02, 0x11, 0x22, 0x33, 0x44, 0x55});
        world.ClearOidAnswer(0, 0xFF0C000B);
        world.ClearOidAnswer(0, 0x00020105);
        Tick();
        EXPECT_EQ(Values(), std::vector<std::string>(10, "0"));
    });
}

TEST_F(StatisticsTest, ResetShowsZerosAtOnceThenWhatTheDriverCountsFromThere) {
    Load(Scenario("counter tx_frames = 1000 100\ncounter tx_retried = 40 5\ncounter rx_frames = 3000 250\n"
                  "counter rx_no_buffer = 6 1\nfail 0xFF8C000C 1\n"));
    world.clock().SetManual(0);
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        world.clock().Advance(2000);
        Tick();
        ASSERT_EQ(Text(IDC_ST_TX_OK), "1200");
        ASSERT_EQ(Text(IDC_ST_RX_OK), "3500");

        world.ClearJournal();
        Page()->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ST_RESET, BN_CLICKED), 0);
        EXPECT_EQ(Values(), std::vector<std::string>(10, "0")) << "at once, before the driver answers";
        ASSERT_NO_FATAL_FAILURE(testutil::ExpectResetRetried(world, 0xFF8C000C));

        world.clock().Advance(2000);
        Tick();
        EXPECT_EQ(Text(IDC_ST_TX_OK), "200");
        EXPECT_EQ(Text(IDC_ST_TX_RETRY), "10");
        EXPECT_EQ(Text(IDC_ST_TX_NO_RETRY), "190");
        EXPECT_EQ(Text(IDC_ST_RX_OK), "500");
        EXPECT_EQ(Text(IDC_ST_RX_DROPPED), "10") << "the drop count is the system's, not reset";
    });
}

TEST_F(StatisticsTest, PollsOnlyWhileItIsTheActivePage) {
    Load(Scenario("counter tx_frames = 1000 100\n"));
    auto ticked = [&] {
        world.ClearJournal();
        fw::PumpMessages(2400);
        return Queries(0x00020105) > 0;  // only this page asks for the drop count
    };
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        EXPECT_TRUE(Page()->Polling());
        EXPECT_TRUE(ticked());
        EXPECT_NE(Text(IDC_ST_TX_OK), "0");
        dialog.m_pSheet->SetActivePage(dialog.m_pSheet->SiteSurveyPage());
        EXPECT_FALSE(Page()->Polling());
        EXPECT_FALSE(KillTimer(Page()->m_hWnd, kPollTimer)) << "no timer left behind";
        EXPECT_FALSE(ticked());
    });
}

}  // namespace
