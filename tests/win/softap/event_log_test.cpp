// The Event Log page in a sheet of its own over the program-wide event store: the rows and
// texts of each event kind, the rows that follow the store while the page is away, the cut
// to 100 rows, Clear, and the timer that runs only while the page is active.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "softap/pages/event_log_page.h"
#include "softap/core/tables/event_store.h"
#include "tests/win/softap/pending_page.h"
#include "framework/app.h"
#include "framework/message_loop.h"
#include "framework/property_sheet.h"
#include "havix_fixture.h"
#include "resources/softap/resource.h"
#include "shared/controls/list_view_rows.h"
#include "tests/win/layout_check.h"

namespace {

using softap::EventRecord;
using softap::g_EventArray;
using softap::g_EventShownCount;

// 2026-03-14 15:09:26 UTC
constexpr uint64_t kSomeTime = 134179745660000000ull;

EventRecord Event(uint16_t code, uint8_t station, uint64_t time = kSomeTime) {
    EventRecord r;
    r.time = time;
    const uint8_t mac[6] = {0x02, 0x5A, 0x10, 0x00, 0x00, station};
    std::copy(mac, mac + 6, r.mac);
    r.code = code;
    return r;
}

// A driver table of count records of code 1 whose stations count up from first.
std::vector<uint8_t> Table(int count, int first) {
    std::vector<uint8_t> t(softap::kEventTableBytes, 0);
    t[0] = static_cast<uint8_t>(count);
    for (int i = 0; i < count; ++i) {
        uint8_t* p = t.data() + 8 + 16 * i;
        p[6] = 0x40;  // some time
        p[8] = 0x02;
        p[13] = static_cast<uint8_t>(first + i);
        p[14] = 1;
    }
    return t;
}

class EventLogTest : public HavixTest {
protected:
    void SetUp() override {
        HavixTest::SetUp();
        fw::CWinApp::InitCommonControls();
        g_EventArray.clear();
        g_EventShownCount = 0;
        sheet.AddPage(&other);
        sheet.AddPage(&log);
        ASSERT_TRUE(sheet.Create());
        fw::PumpPending();
    }
    void TearDown() override {
        if (sheet.IsWindow()) sheet.DestroyWindow();
        fw::PumpPending();
        g_EventArray.clear();
        g_EventShownCount = 0;
        HavixTest::TearDown();
    }
    void Show(bool logPage) {
        sheet.SetActivePage(logPage ? 1 : 0);
        fw::PumpPending();
    }
    void Tick() { log.SendMessage(WM_TIMER, softap::kRefreshTimerId, 0); }
    int Rows() const { return ListRowCount(log.List()); }
    std::string Message(int row) const { return ListItemText(log.List(), row, 1); }

    fw::CPropertySheet sheet{"Havix pages"};
    softap::CPendingPage other{IDS_CONFIG};
    softap::CEventLogPage log;
};

TEST_F(EventLogTest, EachEventKindShowsItsTimeAndMessage) {
    g_EventArray = {Event(0, 0), Event(1, 1), Event(2, 2), Event(3, 3), Event(4, 4), Event(5, 5), Event(9, 9),
                    Event(1, 7, 1ull << 63)};
    Show(true);
    EXPECT_EQ(Rows(), 0) << "rows come with the timer";
    Tick();
    ASSERT_EQ(Rows(), 8);
    EXPECT_EQ(g_EventShownCount, 8);

    SYSTEMTIME utc{}, local{};
    const FILETIME ft{static_cast<DWORD>(kSomeTime), static_cast<DWORD>(kSomeTime >> 32)};
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &utc));
    ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local));
    char time[64];
    std::snprintf(time, sizeof(time), "%04d / %02d / %02d - %02d : %02d : %02d", local.wYear, local.wMonth, local.wDay,
                  local.wHour, local.wMinute, local.wSecond);
    EXPECT_EQ(ListItemText(log.List(), 0, 0), time);

    const std::vector<std::string> messages = {
        "Restart Access Point",
        " 02-5A-10-00-00-01 associated",
        " 02-5A-10-00-00-02 left this BSS",
        " 02-5A-10-00-00-03 was aged-out and removed from this BSS",
        " 02-5A-10-00-00-04 generated active countermeasure",
        " 02-5A-10-00-00-05 associated with invalid PSK password",
        "",
        " 02-5A-10-00-00-07 associated",
    };
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Message(i), messages[static_cast<size_t>(i)]) << "row " << i;
    EXPECT_EQ(ListItemText(log.List(), 6, 0), time) << "an unknown code keeps its time";
    EXPECT_EQ(ListItemText(log.List(), 7, 0), "") << "a time the system cannot convert shows nothing";

    Tick();
    EXPECT_EQ(Rows(), 8) << "nothing new, nothing added";
    EXPECT_EQ(ListColumnText(log.List(), 0), "Event Time (yy/mm/dd- hh:mm:ss)");
    EXPECT_EQ(ListColumnText(log.List(), 1), "Message");
    testutil::ExpectWholeListTexts(log.List());
    testutil::ExpectTidyLayout(log.m_hWnd);
}

TEST_F(EventLogTest, RecordsMergedWhileAwayAreAppendedAndTheOldestRowsGo) {
    for (int i = 0; i < 100; ++i) g_EventArray.push_back(Event(1, static_cast<uint8_t>(i)));
    Show(true);
    Tick();
    ASSERT_EQ(Rows(), 100);
    Show(false);
    const auto table = Table(10, 0xA0);
    softap::MergeEventTable(table.data(), table.size());
    EXPECT_EQ(g_EventShownCount, 90);
    Show(true);
    Tick();
    ASSERT_EQ(Rows(), 100);
    EXPECT_EQ(g_EventShownCount, 100);
    EXPECT_EQ(Message(0), " 02-5A-10-00-00-0A associated") << "the ten oldest rows went";
    EXPECT_EQ(Message(89), " 02-5A-10-00-00-63 associated");
    EXPECT_EQ(Message(90), " 02-00-00-00-00-A0 associated");
    EXPECT_EQ(Message(99), " 02-00-00-00-00-A9 associated");
}

TEST_F(EventLogTest, ClearEmptiesTheListAndTheStoreAndTheNextRecordsStartAgain) {
    g_EventArray = {Event(0, 0), Event(1, 1), Event(2, 1)};
    Show(true);
    Tick();
    ASSERT_EQ(Rows(), 3);
    log.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EVENT_CLEAR, BN_CLICKED),
                    reinterpret_cast<LPARAM>(log.GetDlgItem(IDC_EVENT_CLEAR)));
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(g_EventArray.empty());
    EXPECT_EQ(g_EventShownCount, 0);
    char button[16] = {};
    GetWindowTextA(log.GetDlgItem(IDC_EVENT_CLEAR), button, sizeof(button));
    EXPECT_STREQ(button, "Clear");

    const auto table = Table(2, 0x30);
    softap::MergeEventTable(table.data(), table.size());
    Tick();
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Message(0), " 02-00-00-00-00-30 associated");
}

TEST_F(EventLogTest, TheTimerRunsOnlyWhileThePageIsActive) {
    g_EventArray = {Event(1, 1)};
    Show(true);
    fw::PumpMessages(2500);
    EXPECT_EQ(Rows(), 1) << "the 2-second timer added the row";
    Show(false);
    EXPECT_FALSE(KillTimer(log.m_hWnd, softap::kRefreshTimerId)) << "no timer while away";
    Show(true);
    EXPECT_TRUE(KillTimer(log.m_hWnd, softap::kRefreshTimerId));
}

}  // namespace
