// The "11n Configuration" page in a sheet of its own against an 802.11n adapter: the
// capability sent at start and by APPLY (and stored as BACapability), the controls it
// enables, the session lists from the driver's table, and ADD / delete / DELETE ENTRY
// through their dialogs.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver_key_util.h"
#include "dialog_steps.h"
#include "tests/win/common/block_ack_steps.h"
#include "page_fixture.h"
#include "resources/station/resource.h"
#include "shared/block_ack/block_ack.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/station_globals.h"
#include "station/pages/block_ack_page.h"
#include "station_fixture.h"

namespace {

using platform::sim::Bytes;
using testutil::BlockAckRequest;
using testutil::ListRows;

constexpr DWORD kSetCapability = 0xFF8C0026, kAdd = 0xFF8C0025, kDelete = 0xFF8C0027;
const uint8_t kAp[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
const int kSessionButtons[] = {IDC_BA_ORIGINATOR_ADD, IDC_BA_ORIGINATOR_DELETE, IDC_BA_ORIGINATOR_DELETE_ALL,
                               IDC_BA_RECIPIENT_ADD,  IDC_BA_RECIPIENT_DELETE,  IDC_BA_RECIPIENT_DELETE_ALL};

std::string Scenario(const std::string& adapterExtra = "",
                     const std::string& link = "connected \"Harbor N\" 02:11:22:33:44:55") {
    return testutil::HtScenario(adapterExtra, "", link);
}

class BlockAckTest : public PageInSheetTest<CBlockAck> {
protected:
    void Bind(const std::string& scenario) {
        Load(scenario);
        testutil::BindAdapter(world, 7);
        std::memcpy(g_CurrentBssid, kAp, 6);
        world.ClearJournal();
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    }
    void TearDown() override {
        PageInSheetTest<CBlockAck>::TearDown();
        std::memset(g_CurrentBssid, 0, sizeof(g_CurrentBssid));
    }
    std::vector<Bytes> Sent(DWORD oid) {
        std::vector<Bytes> out;
        for (const auto& e : testutil::SetsOf(world, oid)) out.push_back(e.in);
        return out;
    }
    void Tick() { page->SendMessage(WM_TIMER, 1, 0); }
    std::vector<std::vector<std::string>> Rows(int list) { return ListRows(page->GetDlgItem(list), 9); }
    testutil::BlockAckPageInSheet InSheet() { return {sheet, page, other, &world, BLOCK_ACK_RESOURCE_IDS}; }
};

TEST_F(BlockAckTest, StartSendsTheStoredCapabilityOrTheInitialOne) {
    for (const auto& c : testutil::BlockAckStartCases()) {
        SCOPED_TRACE(c.name);
        Bind(Scenario(c.value));
        Open();
        auto sent = Sent(kSetCapability);
        ASSERT_GE(sent.size(), 1u) << c.name;
        EXPECT_EQ(sent[0], c.sent) << c.name;
    }
}

TEST_F(BlockAckTest, ControlsAndTextsWhenShown) {
    Bind(Scenario());
    Open();
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_ORIGINATOR_GROUP), "Originator of");
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_RECIPIENT_GROUP), "Recipient of");
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_ORIGINATOR_DELETE), "delete");
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_RECIPIENT_DELETE_ALL), "DELETE ENTRY");
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_APPLY), "APPLY");
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_DENSITY_LABEL), "MPDU density");
    for (int id : {IDC_BA_AMSDU_GROUP, IDC_BA_AMSDU, IDC_BA_AMSDU_3839, IDC_BA_SMPS_GROUP, IDC_BA_SM_ENABLE,
                   IDC_BA_SMPS_STATIC, IDC_BA_SMPS_DYNAMIC})
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_FALSE(Visible(IDC_BA_AMSDU_7935));

    testutil::ExpectSessionColumns(page->GetDlgItem(IDC_BA_ORIGINATOR_LIST));
    // Initial values: aggregation on, sessions set up automatically.
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_BA_AGGREGATION), 1u);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_BA_AUTO), 1u);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_BA_SM_ENABLE), 1u);
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_DENSITY), "0");
    EXPECT_TRUE(Enabled(IDC_BA_MANUAL));
    for (int id : kSessionButtons) EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(BlockAckTest, AggregationOffStoresTwoAndDisablesTheSessionButtons) {
    Bind(Scenario());
    Open();
    // Manual sessions: the buttons come on with APPLY.
    testutil::Press(page, IDC_BA_MANUAL);
    testutil::Press(page, IDC_BA_APPLY);
    for (int id : kSessionButtons) EXPECT_TRUE(Enabled(id)) << id;

    world.ClearJournal();
    testutil::Press(page, IDC_BA_AGGREGATION);  // off
    for (int id : kSessionButtons) EXPECT_FALSE(Enabled(id)) << id;
    for (int id : {IDC_BA_MANUAL, IDC_BA_AUTO, IDC_BA_DENSITY}) EXPECT_FALSE(Enabled(id)) << id;
    testutil::Press(page, IDC_BA_APPLY);
    auto sent = Sent(kSetCapability);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], (Bytes{32, 32, 2, 0, 1, 0, 3, 0}));
    auto stored = testutil::ReadValue(HKEY_LOCAL_MACHINE, g_DriverKeyPath, "BACapability");
    ASSERT_TRUE(stored.present);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.data, testutil::U32(0x03442020));
    for (int id : kSessionButtons) EXPECT_FALSE(Enabled(id)) << id;

    // A-MSDU off disables its size choice.
    testutil::Press(page, IDC_BA_AMSDU);
    EXPECT_FALSE(Enabled(IDC_BA_AMSDU_3839));
}

TEST_F(BlockAckTest, ShowingThePageReadsTheDriverAndKeepsTheFieldsWhenItDoesNotAnswer) {
    Bind(Scenario());
    Open();
    sheet->SetActivePage(other);
    // Someone else changes the driver's capability meanwhile.
    const uint8_t changed[8] = {0x40, 0x40, 1, 6, 1, 0, 1, 0};
    DriverOidOps().SetOid0026(changed);
    sheet->SetActivePage(page);
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_DENSITY), "6");
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_BA_SMPS_DYNAMIC), 1u);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_BA_MANUAL), 1u);
    EXPECT_EQ(page->m_Fields.OriginatorWindowLimit, 0x40);

    sheet->SetActivePage(other);
    world.FailOid(0xFF0C0026, 1);
    sheet->SetActivePage(page);
    EXPECT_EQ(page->GetDlgItemText(IDC_BA_DENSITY), "6");
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_BA_AGGREGATION), 1u);
}

// Session tables of peers 02-AA-BB-CC-DD-xx.
const uint8_t kPeerPrefix[5] = {0x02, 0xAA, 0xBB, 0xCC, 0xDD};
std::string TableLine(const std::vector<testutil::BlockAckSession>& sessions, int originators, int recipients) {
    return testutil::BlockAckTableLine(0xFF0C0025, kPeerPrefix, sessions, originators, recipients);
}

using RowList = std::vector<std::vector<std::string>>;

TEST_F(BlockAckTest, SessionListsFromTheDriversTable) {
    for (const auto& c : testutil::BlockAckListCases(kPeerPrefix)) {
        SCOPED_TRACE(c.name);
        Bind(Scenario(TableLine(c.sessions, c.originators, c.recipients)));
        Open();
        page->SendMessage(WM_TIMER, 1, 0);
        EXPECT_EQ(ListRows(page->GetDlgItem(IDC_BA_ORIGINATOR_LIST), 9), c.originatorRows) << c.name;
        EXPECT_EQ(ListRows(page->GetDlgItem(IDC_BA_RECIPIENT_LIST), 9), c.recipientRows) << c.name;
    }
}

TEST_F(BlockAckTest, RefreshRunsOnlyWhileActiveAndAFailedQueryKeepsTheLists) {
    Bind(Scenario(TableLine({{0, 0, 0x01, 0x01}}, 1, 0)));
    Open();
    testutil::ExpectRefreshOnlyWhileActive(InSheet(), 0xFF0C0025);
}

// The Add dialog's BSSIDs come from the driver with the associated one first.
TEST_F(BlockAckTest, AddSendsTheRequestAndTheSessionAppears) {
    Bind(Scenario("oid 0xFF0C0029 = 03 00 00 00 02 99 00 00 00 01 00 00 00 00 "
                  "02 11 22 33 44 55 00 00 00 00 02 99 00 00 00 02 00 00 00 00\n"));
    Open();
    testutil::Press(page, IDC_BA_MANUAL);
    testutil::Press(page, IDC_BA_APPLY);
    world.ClearJournal();

    RowList bssids;
    std::string title;
    testutil::WithModal(
        "add MPDU Aggregation", [&] { return page->SendMessage(WM_COMMAND, IDC_BA_ORIGINATOR_ADD, 0); },
        [&](HWND dialog) {
            bssids = ListRows(GetDlgItem(dialog, IDC_BA_BSSID_LIST), 1);
            EXPECT_EQ(SelectedListRow(GetDlgItem(dialog, IDC_BA_BSSID_LIST)), 0);
            char text[16] = {};
            GetDlgItemTextA(dialog, IDC_BA_WINDOW, text, sizeof(text));
            EXPECT_STREQ(text, "32");
            EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_BA_TID), CB_GETCOUNT, 0, 0), 8);
            SetDlgItemTextA(dialog, IDC_BA_WINDOW, "300");
            SendMessageA(GetDlgItem(dialog, IDC_BA_TID), CB_SETCURSEL, 3, 0);
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
    EXPECT_EQ(bssids, (RowList{{"02-11-22-33-44-55"}, {"02-99-00-00-00-01"}, {"02-99-00-00-00-02"}}));
    // 300 is sent as its low byte, 44; the driver keeps the window at its limit of 32.
    EXPECT_EQ(Sent(kAdd), (std::vector<Bytes>{BlockAckRequest(0, kAp, 3, 44, 0)}));
    Tick();
    EXPECT_EQ(Rows(IDC_BA_ORIGINATOR_LIST),
              (RowList{{"02-11-22-33-44-55", "-", "-", "-", "32", "-", "-", "-", "-"}}));
    ASSERT_EQ(page->Sessions(kBaOriginator).size(), 1u);
    EXPECT_TRUE(page->Sessions(kBaOriginator)[0].Tids[3].InUse);
}

TEST_F(BlockAckTest, DeleteAndDeleteEntryEndWhatTheListShows) {
    Bind(Scenario());
    Open();
    testutil::Press(page, IDC_BA_MANUAL);
    testutil::Press(page, IDC_BA_APPLY);
    for (int tid : {1, 4, 6}) {
        Bytes r = BlockAckRequest(1, kAp, tid, 16, 0);
        DriverOidOps().SetOid0025(r.data());
    }
    Tick();
    testutil::ExpectDeleteThenDeleteEntry(InSheet(), "delete MPDU Aggregation", kDelete, kAp, false);
}

TEST_F(BlockAckTest, DialogsWithoutABssidOrANumberSayWhatIsMissingAndSendNothing) {
    Bind(Scenario("", "disconnected"));
    std::memset(g_CurrentBssid, 0, sizeof(g_CurrentBssid));
    Open();
    testutil::Press(page, IDC_BA_MANUAL);
    testutil::Press(page, IDC_BA_APPLY);
    world.ClearJournal();

    testutil::WithModal(
        "add MPDU Aggregation", [&] { return page->SendMessage(WM_COMMAND, IDC_BA_RECIPIENT_ADD, 0); },
        [&](HWND dialog) {
            EXPECT_EQ(ListRowCount(GetDlgItem(dialog, IDC_BA_BSSID_LIST)), 0);
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
            SetDlgItemTextA(dialog, IDC_BA_WINDOW, "");
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    auto boxes = world.MessageBoxCalls();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Please choose BSSID");
    EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(boxes[1].text, "Please enter an integer.");

    testutil::WithModal(
        "delete MPDU Aggregation", [&] { return page->SendMessage(WM_COMMAND, IDC_BA_ORIGINATOR_DELETE, 0); },
        [&](HWND dialog) {
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    boxes = world.MessageBoxCalls();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].text, "Please choose BSSID");
    EXPECT_TRUE(Sent(kAdd).empty());
    EXPECT_TRUE(Sent(kDelete).empty());
}

TEST_F(BlockAckTest, PageAndDialogsHoldTheirTextsWithoutOverlap) {
    Bind(Scenario());
    Open();
    testutil::ExpectTidyLayout(page->m_hWnd);
    testutil::Press(page, IDC_BA_MANUAL);
    testutil::Press(page, IDC_BA_APPLY);
    for (int button : {IDC_BA_ORIGINATOR_ADD, IDC_BA_ORIGINATOR_DELETE, IDC_BA_ORIGINATOR_DELETE_ALL}) {
        const char* caption = button == IDC_BA_ORIGINATOR_ADD ? "add MPDU Aggregation" : "delete MPDU Aggregation";
        testutil::WithModal(caption, [&] { return page->SendMessage(WM_COMMAND, button, 0); }, [&](HWND dialog) {
            SCOPED_TRACE(button);
            testutil::ExpectTidyLayout(dialog);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    }
}

}  // namespace
