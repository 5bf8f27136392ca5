// The hidden main window under a simulated adapter: tray icon and tooltip, the poll, the
// sheet, adapter loss and return, power messages and the busy guard.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/message_loop.h"
#include "framework/property_sheet.h"
#include "resources/station/resource.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/station_globals.h"
#include "station_fixture.h"

namespace {

const std::string kTipFirstLine = "Norvane Wireless LAN Card\n";

int g_SetIconCount = 0;
LRESULT CALLBACK CountSetIcon(int code, WPARAM wp, LPARAM lp) {
    const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && msg->message == WM_SETICON && msg->wParam == ICON_SMALL) ++g_SetIconCount;
    return CallNextHookEx(nullptr, code, wp, lp);
}

// Answers the adapter selection dialog whenever it shows: OK or Esc, and counts it.
struct SelCardAnswers {
    bool ok = false;
    int shown = 0;
    HWND last = nullptr;
};
SelCardAnswers* g_selCard = nullptr;
void CALLBACK AnswerSelCard(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = testutil::FindThreadWindow("Select wireless lan card");
    if (!g_selCard || !dialog || dialog == g_selCard->last) return;
    g_selCard->last = dialog;
    ++g_selCard->shown;
    if (g_selCard->ok) SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    else SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

class MainWindowTest : public MainWindowFixture {
protected:
    HICON Icon(UINT id) { return CHideDlg::TrayIconHandle(id); }
    bool SheetShown() { return dialog.m_pSheet && dialog.m_pSheet->IsWindow(); }
    size_t JournalCount(uint32_t oid) {
        size_t n = 0;
        for (const auto& e : world.Journal()) n += (e.oid == oid);
        return n;
    }
};

TEST_F(MainWindowTest, StartsDisconnectedThenFollowsTheLinkAndExitsFromTheMenu) {
    Load(testutil::Scenario("default.scn"));
    dialog.m_bOpenSheetAtStart = 0;
    platform::sim::TrayRecord atStart, afterPoll;
    EXPECT_EQ(Run([&] {
                  atStart = world.Tray();
                  Poll();
                  afterPoll = world.Tray();
              }),
              1);

    EXPECT_TRUE(atStart.present);
    EXPECT_EQ(atStart.id, kTrayIconId);
    EXPECT_EQ(atStart.callbackMessage, kTrayCallbackMessage);
    EXPECT_EQ(atStart.icon, Icon(IDI_TRAY_DISCONNECTED));
    EXPECT_EQ(atStart.tip, kTipFirstLine + "Disconnected");
    // -55 and -60 dBm: the larger reading counts, 86 percent is Good.
    EXPECT_EQ(afterPoll.icon, Icon(IDI_TRAY_GOOD));
    EXPECT_EQ(afterPoll.tip, kTipFirstLine + "Status : Good (Harbor Open)");
    EXPECT_FALSE(world.Tray().present);
    EXPECT_EQ(world.LiveWlanAllocations(), 0u);
}

struct SignalCase {
    int readings;  // 2 both answer, 1 only the first, 0 neither
    int first, second;
    UINT icon;
    const char* tip;
};

TEST_F(MainWindowTest, SignalReadingsChooseTheIconAndTooltip) {
    const SignalCase cases[] = {
        {2, -50, -90, IDI_TRAY_GOOD, "Status : Good (Harbor Open)"},
        {2, -90, -61, IDI_TRAY_GOOD, "Status : Good (Harbor Open)"},
        {2, -62, -70, IDI_TRAY_NORMAL, "status : Normal (Harbor Open)"},
        {2, -73, -80, IDI_TRAY_NORMAL, "status : Normal (Harbor Open)"},
        {2, -74, -95, IDI_TRAY_WEAK, "Status : Weak (Harbor Open)"},
        {1, -75, 0, IDI_TRAY_WEAK, "Status : Weak (Harbor Open)"},
        {1, -55, 0, IDI_TRAY_GOOD, "Status : Good (Harbor Open)"},
        // Neither reading answers: the link is up but not measurable, never "Good".
        {0, 0, 0, IDI_TRAY_WEAK, "Status : Weak (Harbor Open)"},
    };
    Load(testutil::Scenario("default.scn"));
    dialog.m_bOpenSheetAtStart = 0;
    Run([&] {
        for (const SignalCase& c : cases) {
            if (c.readings == 2) world.SetSignal(0, c.first, c.second);
            else if (c.readings == 1) world.SetSignal(0, c.first);
            else world.ClearSignal(0);
            Poll();
            platform::sim::TrayRecord tray = world.Tray();
            EXPECT_EQ(tray.icon, Icon(c.icon)) << c.first << "/" << c.second;
            EXPECT_EQ(tray.tip, kTipFirstLine + c.tip) << c.first << "/" << c.second;
        }
    });
}

TEST_F(MainWindowTest, LinkWithoutBssidAndKeyErrorAndPercentInSsid) {
    Load(testutil::Scenario("default.scn"));
    dialog.m_bOpenSheetAtStart = 0;
    Run([&] {
        world.SetLink(0, true, "Harbor Open", platform::sim::Mac{});
        Poll();
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_DISCONNECTED));
        EXPECT_EQ(world.Tray().tip, kTipFirstLine + "Disconnected");

        // An SSID is shown as it is, a '%' included; the shell would take "&" for a mnemonic
        // mark, so it goes there doubled.
        world.SetLink(0, true, "100%s free %d", platform::sim::Mac{2, 0x11, 0x22, 0x33, 0x44, 0x55});
        Poll();
        EXPECT_EQ(world.Tray().tip, kTipFirstLine + "Status : Good (100%s free %d)");
        world.SetLink(0, true, "Fish & Chips", platform::sim::Mac{2, 0x11, 0x22, 0x33, 0x44, 0x55});
        Poll();
        EXPECT_EQ(world.Tray().tip, kTipFirstLine + "Status : Good (Fish && Chips)");

        g_KeyErrorFlag = 1;
        Poll();
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_KEY_ERROR));
        EXPECT_EQ(world.Tray().tip, kTipFirstLine + "Status : WEP Error");

        // The driver's event clears the key error (a WPS-capable chip).
        dialog.SendMessage(0x8001, 0, 0);
        EXPECT_EQ(g_KeyErrorFlag, 0);

        g_KeyErrorFlag = 1;
        world.SetLink(0, false);
        Poll();
        EXPECT_EQ(g_KeyErrorFlag, 0);
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_DISCONNECTED));
    });
}

// The driver's WMI events through the listener's sink: an event of the class clears the key
// error unless the chip has no WPS; other classes and an unreadable first object do nothing.
TEST_F(MainWindowTest, DriverEventsClearTheKeyErrorOnWpsChips) {
    const std::vector<std::string> ours{"QelWLANMessageEvent"};
    const struct {
        const char* what;
        const char* product;  // the card's USB product id: 5101 is chip 5, 1101 chip 1 (no WPS)
        std::vector<std::string> batch;
        int flagAfter;
    } cases[] = {
        {"an event of the class", "5101", ours, 0},
        {"on a chip without WPS", "1101", ours, 1},
        {"another class", "5101", {"QelWLANMessageEventEx"}, 1},
        {"a batch that starts with an unreadable object", "5101", {"", "QelWLANMessageEvent"}, 1},
        {"a batch with an unreadable object after ours", "5101", {"QelWLANMessageEvent", ""}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = testutil::Scenario("default.scn");
        for (std::size_t at = 0; (at = text.find("PID_5101", at)) != std::string::npos; at += 8)
            text.replace(at + 4, 4, c.product);
        Load(text);
        CHideDlg window;
        window.m_bOpenSheetAtStart = 0;
        testutil::AtNextTick([&] {
            EXPECT_TRUE(world.DriverEventsConnected());
            g_KeyErrorFlag = 1;
            world.RaiseDriverEvent(c.batch);
            ASSERT_TRUE(world.WaitDriverEventsDelivered());
            fw::PumpMessages(50);
            EXPECT_EQ(g_KeyErrorFlag, c.flagAfter);
            window.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
        });
        window.DoModal();
        g_KeyErrorFlag = 0;
    }
    EXPECT_FALSE(world.DriverEventsConnected()) << "each window's listener let go when it ended";
}

// A scheduled event reaches the listener that subscribed at start; one fired before it did
// is not heard.
TEST_F(MainWindowTest, ScenarioDriverEventsReachTheListener) {
    std::string text = testutil::Scenario("default.scn");
    text.insert(text.find("signal "), "driver_event_at = 0\ndriver_event_at = 400\n");
    world.clock().SetManual(100);
    Load(text);
    dialog.m_bOpenSheetAtStart = 0;
    Run([&] {
        g_KeyErrorFlag = 1;
        world.ApplySchedule();
        ASSERT_TRUE(world.WaitDriverEventsDelivered());
        fw::PumpMessages(50);
        EXPECT_EQ(g_KeyErrorFlag, 1) << "the event at 0 came before the subscription";
        world.clock().Advance(400);
        world.ApplySchedule();
        ASSERT_TRUE(world.WaitDriverEventsDelivered());
        fw::PumpMessages(50);
        EXPECT_EQ(g_KeyErrorFlag, 0);
    });
    EXPECT_EQ(world.DriverEventsDelivered(), 1u);
    g_KeyErrorFlag = 0;
}

TEST_F(MainWindowTest, ShellRestartIsAnsweredByAddingTheIconAgain) {
    Load(testutil::Scenario("default.scn"));
    dialog.m_bOpenSheetAtStart = 0;
    Run([&] {
        world.FailTrayCalls(1);
        Poll();
        platform::sim::TrayRecord tray = world.Tray();
        ASSERT_GE(tray.calls.size(), 3u);
        const auto& last = tray.calls.back();
        EXPECT_EQ(last.message, static_cast<DWORD>(NIM_ADD));
        EXPECT_TRUE(last.result);
        EXPECT_TRUE(tray.present);
        EXPECT_EQ(tray.icon, Icon(IDI_TRAY_GOOD));
    });
}

TEST_F(MainWindowTest, SheetOpensOnSiteSurveyAndEndsTenPixelsBelowOk) {
    Load(testutil::Scenario("default.scn"));
    Run([&] {
        ASSERT_TRUE(SheetShown());
        CQelPropSheet* sheet = dialog.m_pSheet;
        EXPECT_EQ(sheet->GetWindowText(), "NORVANE ZQ-4402 Utility");
        EXPECT_EQ(sheet->GetActivePage(), sheet->SiteSurveyPage());
        EXPECT_EQ(sheet->GetPageCount(), 6);
        EXPECT_EQ(sheet->HasWscPage(), 1);
        RECT window = sheet->GetWindowRect(), ok{};
        HWND okButton = sheet->GetDlgItem(IDOK);
        ASSERT_TRUE(okButton && IsWindowVisible(okButton));
        GetWindowRect(okButton, &ok);
        EXPECT_EQ(window.bottom, ok.bottom + 10);

        // The sheet's small icon follows the tray picture, and is sent only when it changes.
        g_SetIconCount = 0;
        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountSetIcon, nullptr, GetCurrentThreadId());
        Poll();
        EXPECT_EQ(reinterpret_cast<HICON>(sheet->SendMessage(WM_GETICON, ICON_SMALL, 0)), Icon(IDI_TRAY_GOOD));
        EXPECT_EQ(g_SetIconCount, 1);
        Poll();
        Poll();
        EXPECT_EQ(g_SetIconCount, 1);
        UnhookWindowsHookEx(hook);

        // Enter is swallowed; OK closes like Cancel; Launch builds a new sheet.
        MSG enter{sheet->m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        EXPECT_TRUE(sheet->PreTranslateMessage(&enter));
        SendMessageA(okButton, BM_CLICK, 0, 0);
        fw::PumpMessages(100);
        EXPECT_FALSE(SheetShown());
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        EXPECT_TRUE(SheetShown());
    });
    EXPECT_EQ(dialog.m_pSheet, nullptr);
    EXPECT_EQ(g_SheetClosing, 1);
}

TEST_F(MainWindowTest, WpsPageFollowsTheAdapterWithoutMovingTheActivePage) {
    std::string text = testutil::Scenario("default.scn");
    for (size_t at; (at = text.find("PID_5101")) != std::string::npos;) text.replace(at, 8, "PID_1101");
    Load(text);
    Run([&] {
        ASSERT_TRUE(SheetShown());
        CQelPropSheet* sheet = dialog.m_pSheet;
        EXPECT_EQ(g_ChipIndex, 1);
        EXPECT_EQ(sheet->GetPageCount(), 5);
        EXPECT_EQ(sheet->HasWscPage(), 0);

        // A WPS-capable adapter in its place: the page is added at the end.
        g_NoWpsChip = 0;
        Poll();
        EXPECT_EQ(sheet->GetPageCount(), 6);
        EXPECT_EQ(sheet->GetPageIndex(sheet->WscPage()), 5);
        EXPECT_EQ(sheet->GetActivePage(), sheet->SiteSurveyPage());

        g_NoWpsChip = 1;
        Poll();
        EXPECT_EQ(sheet->HasWscPage(), 0);
        EXPECT_EQ(sheet->GetActivePage(), sheet->SiteSurveyPage());
    });
}

TEST_F(MainWindowTest, AdapterLossClosesTheSheetAndItsReturnInitialisesAgain) {
    Load(testutil::Scenario("default.scn"));
    Run([&] {
        ASSERT_TRUE(SheetShown());
        g_SheetClosing = 0;
        world.Unplug(0);
        Poll();
        EXPECT_EQ(dialog.m_pSheet, nullptr);
        EXPECT_EQ(g_SheetClosing, 1);
        EXPECT_EQ(dialog.m_bDeviceExist, 0);
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_NO_ADAPTER));
        EXPECT_EQ(world.Tray().tip, kTipFirstLine + "Not exist");
        EXPECT_EQ(g_IsUsbAdapter, 0);

        // Launch does nothing without an adapter.
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        EXPECT_EQ(dialog.m_pSheet, nullptr);

        size_t eepromReads = JournalCount(0xFF0C0008);
        size_t callsBefore = world.Tray().calls.size();
        world.Replug(0);
        Poll();
        EXPECT_EQ(dialog.m_bDeviceExist, 1);
        EXPECT_EQ(JournalCount(0xFF0C0008), eepromReads + 1) << "InitDevice runs again";
        auto calls = world.Tray().calls;
        ASSERT_GT(calls.size(), callsBefore + 1);
        EXPECT_EQ(calls[callsBefore].icon, Icon(IDI_TRAY_DISCONNECTED));
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_GOOD));
        EXPECT_FALSE(SheetShown()) << "a returning adapter does not open the sheet";
    });
}

// A page is inside a nested modal loop when the poll finds the adapter gone: the sheet
// window goes at once, its object only when that loop has returned.
TEST_F(MainWindowTest, SheetTornDownFromANestedModalLoopOfItsPage) {
    Load(testutil::Scenario("default.scn"));
    bool nestedReturned = false;
    Run([&] {
        ASSERT_TRUE(SheetShown());
        fw::CPropertyPage* page = dialog.m_pSheet->SiteSurveyPage();
        fw::CDialog nested(IDD_SEL_CARD, page);
        testutil::AtNextTick([&] {
            world.Unplug(0);
            Poll();
            EXPECT_EQ(dialog.m_pSheet, nullptr);
            nested.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(nested.DoModal(), IDCANCEL);
        nestedReturned = true;
    });
    EXPECT_TRUE(nestedReturned);
}

TEST_F(MainWindowTest, SuspendStopsTimersOneToFiveAndResumeRestartsThePoll) {
    Load(testutil::Scenario("default.scn"));
    dialog.m_bOpenSheetAtStart = 0;
    Run([&] {
        HWND w = dialog.m_hWnd;
        SetTimer(w, 2, 60000, nullptr);
        SetTimer(w, 5, 60000, nullptr);
        dialog.SendMessage(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
        for (UINT_PTR id : {1, 2, 3, 5}) EXPECT_FALSE(KillTimer(w, id)) << "timer " << id;
        EXPECT_TRUE(KillTimer(w, 6)) << "timer 6 runs for the life of the window";
        dialog.SendMessage(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
        EXPECT_TRUE(KillTimer(w, 1));
        EXPECT_FALSE(KillTimer(w, 3));
    });
}

TEST_F(MainWindowTest, BusyBlocksPollTrayAndMenuCommands) {
    Load(testutil::Scenario("default.scn"));
    dialog.m_bOpenSheetAtStart = 0;
    Run([&] {
        dialog.m_bBusy = 1;
        world.ClearJournal();
        size_t trayCalls = world.Tray().calls.size();
        Poll();
        EXPECT_TRUE(world.Journal().empty());
        EXPECT_EQ(world.Tray().calls.size(), trayCalls);
        dialog.SendMessage(kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        EXPECT_FALSE(SheetShown());
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
        EXPECT_TRUE(dialog.IsWindow());

        dialog.m_bBusy = 0;
        dialog.SendMessage(kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
        EXPECT_TRUE(SheetShown());
    });
}

TEST_F(MainWindowTest, RelaysReachTheSheetPagesAndTheRadioOnArmsTheRescan) {
    Load(testutil::Scenario("default.scn"));
    Run([&] {
        g_ScanPending = 1;
        dialog.SendMessage(0x404, 0, 0);
        EXPECT_EQ(g_ScanPending, 0);
        g_ScanPending = 1;
        dialog.SendMessage(0x409, 0, 0);
        EXPECT_EQ(g_ScanPending, 1) << "radio off relays without clearing the pending scan";
        dialog.SendMessage(0x406, 0, 0);
        EXPECT_EQ(g_ScanPending, 0);

        HWND w = dialog.m_hWnd;
        KillTimer(w, 3);
        dialog.SendMessage(0x408, 0, 0);
        EXPECT_TRUE(KillTimer(w, 3));
        for (UINT m : {0x401u, 0x402u, 0x403u, 0x405u}) EXPECT_EQ(dialog.SendMessage(m, 0, 0), 0);
    });
}

TEST_F(MainWindowTest, NoAdapterStartsDisconnectedThenShowsNotExist) {
    Load(testutil::Scenario("no-adapter.scn"));
    Run([&] {
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_DISCONNECTED));
        EXPECT_FALSE(SheetShown());
        Poll();
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_NO_ADAPTER));
        EXPECT_EQ(world.Tray().tip, kTipFirstLine + "Not exist");
        EXPECT_FALSE(dialog.CanSwitchToAp());
    });
    EXPECT_EQ(dialog.m_bDeviceExist, 0);
}

// Esc in the selection dialog at start: no adapter, and no dialog again every two seconds;
// asking for the sheet from the tray asks again.
TEST_F(MainWindowTest, DismissedAdapterSelectionWaitsForTheTray) {
    Load(testutil::Scenario("two-adapters.scn"));
    SelCardAnswers answers;
    g_selCard = &answers;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, AnswerSelCard);
    // The steps wait until the start-up, with its selection dialog, is over.
    std::function<void()> steps = [&] {
        if (!world.Tray().present) {
            testutil::AtNextTick(steps, 20);
            return;
        }
        EXPECT_EQ(answers.shown, 1);
        EXPECT_EQ(dialog.m_bDeviceExist, 0);
        Poll();
        Poll();
        fw::PumpMessages(100);
        EXPECT_EQ(answers.shown, 1);
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_NO_ADAPTER));

        answers.ok = true;
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        EXPECT_EQ(answers.shown, 2);
        EXPECT_EQ(dialog.m_bDeviceExist, 1);
        EXPECT_TRUE(SheetShown());
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
    };
    testutil::AtNextTick(steps, 20);
    EXPECT_EQ(dialog.DoModal(), 1);
    KillTimer(nullptr, timer);
    g_selCard = nullptr;
}

TEST_F(MainWindowTest, SwitchToApModeIsOfferedOnlyWithBothProgramsBesideUs) {
    Load(testutil::Scenario("default.scn"));
    dialog.m_bOpenSheetAtStart = 0;
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof(self));
    std::string folder(self, std::strrchr(self, '\\') + 1);
    auto touch = [](const std::string& path) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(h);
    };
    Run([&] {
        EXPECT_FALSE(dialog.CanSwitchToAp());
        touch(folder + "Havix.exe");
        EXPECT_FALSE(dialog.CanSwitchToAp());
        touch(folder + "Trelby.exe");
        EXPECT_TRUE(dialog.CanSwitchToAp()) << "chip 5 with both programs";
        int chip = g_ChipIndex;
        g_ChipIndex = 1;
        EXPECT_FALSE(dialog.CanSwitchToAp());
        g_ChipIndex = chip;
    });
    DeleteFileA((folder + "Havix.exe").c_str());
    DeleteFileA((folder + "Trelby.exe").c_str());
}

}  // namespace
