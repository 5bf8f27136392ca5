// The Mac Table page in a sheet of its own against the simulated access point: the stations
// as they come and go on both kinds of adapter, the rate texts, and the driver's tables that
// fail, are empty or claim more than they hold.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "softap/pages/mac_table_page.h"
#include "tests/win/softap/pending_page.h"
#include "framework/app.h"
#include "framework/message_loop.h"
#include "framework/property_sheet.h"
#include "havix_fixture.h"
#include "resources/softap/resource.h"
#include "shared/controls/list_view_rows.h"
#include "tests/win/layout_check.h"

namespace {

constexpr uint32_t kStationTableQ = 0x0D71010B;

using Rows = std::vector<std::vector<std::string>>;

class MacTableTest : public HavixTest {
protected:
    void SetUp() override {
        HavixTest::SetUp();
        fw::CWinApp::InitCommonControls();
    }
    void TearDown() override {
        if (sheet.IsWindow()) sheet.DestroyWindow();
        fw::PumpPending();
        HavixTest::TearDown();
    }
    // The soft-AP scenario on its 802.11n adapter, or with an adapter without 802.11n.
    void Open(bool ht) {
        std::string text = testutil::Scenario("soft-ap.scn");
        if (!ht) text.replace(text.find("supports_11n   = yes"), 20, "supports_11n   = no");
        Load(text);
        Bind(ht ? 7 : 4, false);
        world.clock().SetManual(0);
        sheet.AddPage(&other);
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create());
        sheet.SetActivePage(1);
        fw::PumpPending();
    }
    void Tick() { page.SendMessage(WM_TIMER, softap::kRefreshTimerId, 0); }
    Rows Shown() const {
        Rows rows;
        for (int r = 0; r < ListRowCount(page.List()); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < 4; ++c) row.push_back(ListItemText(page.List(), r, c));
            rows.push_back(row);
        }
        return rows;
    }

    fw::CPropertySheet sheet{"Havix pages"};
    softap::CPendingPage other{IDS_CONFIG};
    softap::CMacTablePage page;
};

TEST_F(MacTableTest, StationsComeAndGoWithTheirRatesOnAnElevenNAdapter) {
    Open(true);
    EXPECT_EQ(ListColumnText(page.List(), 0), "MAC Address");
    EXPECT_EQ(ListColumnText(page.List(), 2), "Power Saving Mode");
    EXPECT_EQ(ListColumnText(page.List(), 3), "Status");
    const std::vector<std::string> first = {"02-5A-10-00-00-01", "1", "No",
                                            "N: MCS = 7, BW = 40, GI = 400, Rate = 150.00"};
    const std::vector<std::string> second = {"02-5A-10-00-00-02", "2", "Yes", "Rate = 54.00"};
    const std::vector<std::string> third = {"02-5A-10-00-00-03", "3", "No", "B: Rate = 11.00"};
    const std::vector<std::string> fourth = {"02-5A-10-00-00-05", "4", "Yes",
                                             "N: MCS = 15, BW = 20, GI = 800, Rate = 130.00"};
    const struct {
        uint64_t at;
        Rows rows;
    } steps[] = {
        {1000, {first, second}},
        {35000, {first, second, third, fourth}},
        {45000, {first, second, fourth}},  // the third left
        {65000, {first, second}},          // the fourth was aged out
    };
    EXPECT_TRUE(Shown().empty()) << "rows come with the timer";
    for (const auto& step : steps) {
        SCOPED_TRACE(step.at);
        world.clock().SetManual(step.at);
        Tick();
        EXPECT_EQ(Shown(), step.rows);
        testutil::ExpectWholeListTexts(page.List());
    }
}

TEST_F(MacTableTest, WithoutElevenNTheEntriesAreEightBytesApartAndTheStatusStaysEmpty) {
    Open(false);
    world.clock().SetManual(35000);
    Tick();
    EXPECT_EQ(Shown(), (Rows{{"02-5A-10-00-00-01", "1", "No", ""},
                             {"02-5A-10-00-00-02", "2", "Yes", ""},
                             {"02-5A-10-00-00-03", "3", "No", ""},
                             {"02-5A-10-00-00-05", "4", "Yes", ""}}));
    ASSERT_FALSE(world.Journal().empty());
    EXPECT_EQ(world.Journal().back().oid, kStationTableQ);
    EXPECT_EQ(world.Journal().back().in.size(), 260u) << "the buffer of the adapter's layout";
}

TEST_F(MacTableTest, DriverTablesThatFailAreEmptyOrClaimTooMuch) {
    Open(true);
    world.clock().SetManual(1000);
    Tick();
    ASSERT_EQ(Shown().size(), 2u);
    world.FailOid(kStationTableQ, 1);
    Tick();
    EXPECT_EQ(Shown().size(), 2u) << "a failed query keeps the rows";

    // A count of 1000 in a full table: the 32 entries there are.
    platform::sim::Bytes table = {0xE8, 0x03, 0, 0};
    for (int i = 0; i < 32; ++i)
        table.insert(table.end(), {0x02, 0, 0, 0, 0, static_cast<uint8_t>(i), static_cast<uint8_t>(i + 1), 0, 0x03, 0});
    world.SetOidAnswer(0, kStationTableQ, table);
    Tick();
    const Rows full = Shown();
    ASSERT_EQ(full.size(), 32u);
    EXPECT_EQ(full[31][0], "02-00-00-00-00-1F");
    EXPECT_EQ(full[31][3], "B: Rate = 11.00");

    // A count of 10 in an answer of three entries and a part: only the three.
    table.resize(4 + 3 * 10 + 6);
    table[0] = 10;
    table[1] = 0;
    world.SetOidAnswer(0, kStationTableQ, table);
    Tick();
    EXPECT_EQ(Shown().size(), 3u);

    world.SetOidAnswer(0, kStationTableQ, platform::sim::Bytes(324, 0));
    Tick();
    EXPECT_TRUE(Shown().empty()) << "no station: the list is emptied";
}

}  // namespace
