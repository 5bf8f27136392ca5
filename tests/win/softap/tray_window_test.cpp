// Havix's tray window under a simulated adapter: the start of the access point in order (the
// driver calls, the programs started, the bridge, the registry), the refused start, the poll
// (icon, service, events, bCheckBuild, adapter loss and return), the tray icon and its menu,
// and the switch back to station mode.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "softap/core/push/ap_oids.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/device/wzc_service.h"
#include "journal_steps.h"
#include "tray_fixture.h"

namespace {

using steps::Q;
using steps::S;
using steps::Step;
using steps::U32;

constexpr uint32_t kOpModeQ = 0x0D710126, kOpModeS = 0x0DF10126;
constexpr uint32_t kNetworkTypesQ = 0x0D010203;
constexpr uint32_t kRegionQ = 0x0D710107;
constexpr uint32_t kDriverVersionQ = 0x00010110;
constexpr uint32_t kRegisterQ = 0x0D710105;
constexpr uint32_t kRssiQ = 0x0D010206;
constexpr uint32_t kEventTableQ = 0x0D71010A;
const std::string kTip = "Norvane Wireless LAN Card\n";

// The access-point start up to the start-up push, which ap_push_test follows call by call.
std::vector<Step> StartBeforePush(bool switchesMode, bool regionCheck = false) {
    std::vector<Step> steps = {Q(kOpModeQ)};
    if (switchesMode) steps.push_back(S(kOpModeS, U32(1)));
    steps.push_back(Q(steps::kMacQ));
    steps.push_back(Q(kNetworkTypesQ));
    if (regionCheck) steps.push_back(Q(kRegionQ));
    steps.push_back(Q(kDriverVersionQ));
    // The EEPROM word the Config page waits for, read twice: {kind 3, offset 0x36, value}.
    const Step eeprom{kRegisterQ, false, steps::Cat({U32(3), U32(0x36), U32(0)}), true};
    steps.push_back(eeprom);
    steps.push_back(eeprom);
    return steps;
}

class TrayWindowTest : public TrayTest {
protected:
    // The journal up to the push, then a push that runs to its WDS record.
    void ExpectStart(const std::vector<platform::sim::JournalEntry>& journal, const std::vector<Step>& before) {
        ASSERT_GT(journal.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(journal[i].oid, before[i].oid) << "call " << i;
            EXPECT_EQ(journal[i].set, before[i].set) << "call " << i;
            if (before[i].checkBytes) {
                EXPECT_EQ(steps::Hex(journal[i].in), steps::Hex(before[i].bytes)) << "call " << i;
            }
        }
        EXPECT_EQ(journal[before.size()].oid, steps::kPhyS) << "the start-up push follows";
        // The push ends with the WDS record; only the opening Config page's read follows it.
        size_t end = journal.size();
        while (end > before.size() && journal[end - 1].oid != steps::kWdsS) --end;
        ASSERT_GT(end, before.size()) << "the push ends with the WDS record";
        std::vector<uint32_t> after;
        for (size_t i = end; i < journal.size(); ++i) after.push_back(journal[i].oid);
        if (!after.empty()) {
            std::vector<uint32_t> read = {steps::kPhyS};
            if (g_IsHtChip) read.push_back(steps::kHtS);
            read.push_back(steps::kMacQ);
            EXPECT_EQ(after, read);
        }
    }
    size_t Count(uint32_t oid) const {
        size_t n = 0;
        for (const auto& e : world.Journal()) n += e.oid == oid;
        return n;
    }
};

TEST_F(TrayWindowTest, StartOnAnAdapterAlreadyInAccessPointMode) {
    LoadSoftAp();
    std::vector<platform::sim::JournalEntry> journal;
    platform::sim::TrayRecord trayAtStart;
    bool sheetAtStart = false;
    EXPECT_EQ(Run([&] {
                  journal = world.Journal();
                  trayAtStart = world.Tray();
                  sheetAtStart = SheetShown();
              }),
              1);

    ExpectStart(journal, StartBeforePush(false));
    EXPECT_TRUE(Programs().empty()) << "Pelcor is started only by a switch into access-point mode";
    EXPECT_TRUE(sheetAtStart);
    // The icon comes after the start: disconnected until the first poll.
    ASSERT_EQ(trayAtStart.calls.size(), 1u);
    EXPECT_EQ(trayAtStart.calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(trayAtStart.calls[0].flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(trayAtStart.id, softap::kTrayIconId);
    EXPECT_EQ(trayAtStart.callbackMessage, 1124u);
    EXPECT_EQ(trayAtStart.icon, Icon(IDI_TRAY_DISCONNECTED));
    EXPECT_EQ(trayAtStart.tip, kTip + "Disconnected");
    EXPECT_EQ(window.m_nPollTimer, softap::kPollTimerId);
    EXPECT_FALSE(world.Tray().present) << "exit takes the icon away";

    // Seeded from the adapter's MAC and copied into the driver key.
    EXPECT_EQ(Text(ApDefault(), "SSID"), "DaduVE-21");
    EXPECT_EQ(Text(DriverKey(), "SSID"), "DaduVE-21");
    EXPECT_EQ(g_DriverVersion, 0x0402);
    EXPECT_EQ(softap::g_Ap.eepromReadDone[0], 1);
    EXPECT_EQ(world.ServiceStops(softap::kWzcServiceName), 1u);

    // Bridging was off: asked, then turned on by a device of its own; both closed again.
    const auto bridge = world.BridgeCalls();
    ASSERT_EQ(bridge.size(), 4u);
    EXPECT_EQ(bridge[0].code, 0x80000000u);
    EXPECT_EQ(steps::Hex(bridge[0].in), steps::Hex(U32(0xFFFFFFFF)));
    EXPECT_EQ(bridge[1].code, 0x80000008u);
    EXPECT_EQ(bridge[2].code, 0x80000000u);
    EXPECT_EQ(bridge[3].code, 0x80000004u);
    EXPECT_EQ(steps::Hex(bridge[3].in), steps::Hex(U32(1)));
    EXPECT_TRUE(world.Bridging());
    EXPECT_EQ(softap::g_BridgeSetCount, 1);
    EXPECT_EQ(world.OpenBridgeHandles(), 0u);
}

TEST_F(TrayWindowTest, StartSwitchesAStationModeAdapterAndStartsPelcorTwice) {
    LoadSoftAp({{"oid 0xFF0C001A = 01 00 00 00", "oid 0xFF0C001A = 00 00 00 00"},
                {"bridging = off", "bridging = on"}});
    std::vector<platform::sim::JournalEntry> journal;
    EXPECT_EQ(Run([&] { journal = world.Journal(); }), 1);

    ExpectStart(journal, StartBeforePush(true));
    const auto programs = world.StartedPrograms();
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_EQ(programs[0].commandLine, "\"Pelcor.exe\" ICS_DOWN");
    EXPECT_EQ(programs[0].show, static_cast<UINT>(SW_HIDE));
    EXPECT_EQ(programs[1].commandLine, "Pelcor.exe");
    EXPECT_EQ(programs[1].show, static_cast<UINT>(SW_SHOW));
    EXPECT_EQ(programs[0].afterCalls, 2u) << "right after the op mode was set";
    EXPECT_EQ(programs[1].afterCalls, 2u);
    // Already bridging: asked, nothing set.
    ASSERT_EQ(world.BridgeCalls().size(), 2u);
    EXPECT_EQ(world.BridgeCalls()[1].code, 0x80000008u);
    EXPECT_EQ(softap::g_BridgeSetCount, 0);
}

TEST_F(TrayWindowTest, StartOnChipOneChecksTheRegionAndWithoutABridgeDriverGoesOn) {
    LoadSoftAp({{"PCI\\VEN_F0E1&DEV_7001&SUBSYS_70011A3B&REV_00", "USB\\VID_F0E1&PID_1101&REV_0001"},
                {"PCI\\VEN_F0E1&DEV_7001\n", "USB\\VID_F0E1&PID_1101\n"},
                {"[bridge]\nversion  = 2\nbridging = off\n", ""}});
    std::vector<platform::sim::JournalEntry> journal;
    EXPECT_EQ(Run([&] { journal = world.Journal(); }), 1);
    EXPECT_EQ(g_ChipIndex, 1);
    ExpectStart(journal, StartBeforePush(false, true));
    EXPECT_TRUE(world.BridgeCalls().empty());
    EXPECT_EQ(softap::g_BridgeSetCount, 0);
}

TEST_F(TrayWindowTest, TrayOnlyStartRunsTheAccessPointWithoutTheSheet) {
    LoadSoftAp();
    window.m_bOpenSheet = 0;
    Run([&] {
        EXPECT_FALSE(SheetShown());
        EXPECT_TRUE(world.Tray().present);
        EXPECT_GT(Count(steps::kSsidS), 0u) << "the configuration was pushed";
    });
}

TEST_F(TrayWindowTest, WithoutAnAdapterTheIconSaysNotExistAndTheSheetIsRefused) {
    Load(testutil::Scenario("no-adapter.scn"));
    Run([&] {
        EXPECT_TRUE(world.Journal().empty());
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_DISCONNECTED));
        Poll();
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_NO_ADAPTER));
        EXPECT_EQ(world.Tray().tip, kTip + "Not Exist");
        window.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        window.SendMessage(softap::kTrayCallbackMessage, softap::kTrayIconId, WM_LBUTTONDBLCLK);
        EXPECT_FALSE(SheetShown());
        EXPECT_EQ(window.m_bBusy, 0);
    });
    const auto boxes = world.MessageBoxCalls();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.text, "Card or driver not ready");
        EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONHAND));
    }
    EXPECT_TRUE(Programs().empty());
}

TEST_F(TrayWindowTest, UserWithoutAdministratorRightsGetsTheMessageAndNothingElse) {
    LoadSoftAp();
    window.administrator = 0;
    bool ranInside = false;
    testutil::AtNextTick([&] { ranInside = true; });
    EXPECT_EQ(window.DoModal(), 2);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Soft AP user's account must have 'Administrator' privilege."});
    EXPECT_EQ(world.MessageBoxCalls()[0].type, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(world.Journal().empty()) << "no access point was started";
    EXPECT_TRUE(world.Tray().calls.empty()) << "no icon is left behind";
    EXPECT_TRUE(world.BridgeCalls().empty());
    EXPECT_EQ(window.m_nPollTimer, 0u);
    EXPECT_EQ(window.m_pSheet, nullptr);
    fw::PumpPending();
    (void)ranInside;
}

TEST_F(TrayWindowTest, PollShowsTheRssiByHavixsOwnTable) {
    LoadSoftAp();
    window.m_bOpenSheet = 0;
    const struct {
        const char* what;
        platform::sim::Bytes answer;  // empty: the query fails
        UINT icon;
        const char* tip;
    } cases[] = {
        {"-40 dBm: 100 %", U32(static_cast<uint32_t>(-40)), IDI_TRAY_GOOD, "Status : Good"},
        {"-41 dBm: 98 %", U32(static_cast<uint32_t>(-41)), IDI_TRAY_GOOD, "Status : Good"},
        {"-55 dBm: 70 %", U32(static_cast<uint32_t>(-55)), IDI_TRAY_NORMAL, "Status : Normal"},
        {"-60 dBm: 60 %", U32(static_cast<uint32_t>(-60)), IDI_TRAY_NORMAL, "Status : Normal"},
        {"-69 dBm: 42 %", U32(static_cast<uint32_t>(-69)), IDI_TRAY_NORMAL, "Status : Normal"},
        {"-70 dBm: 40 %", U32(static_cast<uint32_t>(-70)), IDI_TRAY_WEAK, "Status : Weak"},
        {"-82 dBm: 10 %", U32(static_cast<uint32_t>(-82)), IDI_TRAY_WEAK, "Status : Weak"},
        {"-85 dBm: 0 %", U32(static_cast<uint32_t>(-85)), IDI_TRAY_WEAK, "Status : Weak"},
        {"no answer", {}, IDI_TRAY_DISCONNECTED, "Disconnected"},
        {"two bytes", {0x10, 0x00}, IDI_TRAY_DISCONNECTED, "Disconnected"},
    };
    Run([&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            if (c.answer.empty()) world.FailOid(kRssiQ, 1);
            else world.SetOidAnswer(0, kRssiQ, c.answer);
            Poll();
            EXPECT_EQ(world.Tray().icon, Icon(c.icon));
            EXPECT_EQ(world.Tray().tip, kTip + c.tip);
            EXPECT_EQ(window.CurrentTrayIcon(), c.icon);
        }
    });
}

TEST_F(TrayWindowTest, PollKeepsTheServiceStoppedAndFollowsTheSheetsIcon) {
    LoadSoftAp();
    Run([&] {
        ASSERT_TRUE(SheetShown());
        world.SetServiceRunning(softap::kWzcServiceName, true);
        Poll();
        EXPECT_EQ(world.ServiceStops(softap::kWzcServiceName), 2u);
        EXPECT_FALSE(world.ServiceRunning(softap::kWzcServiceName));
        EXPECT_EQ(reinterpret_cast<HICON>(Sheet()->SendMessage(WM_GETICON, ICON_SMALL, 0)), Icon(IDI_TRAY_GOOD));
        Poll();
        EXPECT_EQ(world.ServiceStops(softap::kWzcServiceName), 2u);
    });
}

// The scenario's events come in tables of at most ten; the store keeps the newest 100 and
// the shown count falls with the records dropped, never below 0.
TEST_F(TrayWindowTest, PollMergesTheEventTableIntoAStoreOfAHundred) {
    std::string events;
    for (int i = 0; i < 12; ++i) events += "ap_event_at = " + std::to_string(i) + " 1 02:00:00:00:00:" +
                                           (i < 10 ? "0" : "") + std::to_string(i) + "\n";
    LoadSoftAp({{"ap_event_at = 0 0\n", events}, {"ap_event_at = 20000 5 02:5A:10:00:00:04\n", ""}});
    world.clock().SetManual(1000);
    window.m_bOpenSheet = 0;
    Run([&] {
        softap::g_EventArray.assign(95, softap::EventRecord{});
        softap::g_EventArray[94].code = 4;
        softap::g_EventShownCount = 3;
        Poll();
        ASSERT_EQ(softap::g_EventArray.size(), 100u);
        EXPECT_EQ(softap::g_EventShownCount, 0);
        EXPECT_EQ(softap::g_EventArray[89].code, 4) << "the five oldest went";
        EXPECT_EQ(softap::g_EventArray[90].mac[5], 0x00);
        EXPECT_EQ(softap::g_EventArray[99].mac[5], 0x09);
        softap::g_EventShownCount = 100;
        Poll();
        ASSERT_EQ(softap::g_EventArray.size(), 100u);
        EXPECT_EQ(softap::g_EventShownCount, 98);
        EXPECT_EQ(softap::g_EventArray[99].mac[5], 0x11);
        EXPECT_EQ(softap::g_EventArray[99].code, 1);
        Poll();
        EXPECT_EQ(softap::g_EventShownCount, 98) << "nothing new";

        // A table that claims more than its bytes hold: only what is there is taken.
        softap::g_EventArray.clear();
        platform::sim::Bytes table = steps::Cat({U32(50), U32(0), steps::Fill(16, 0x33)});
        world.SetOidAnswer(0, kEventTableQ, table);
        Poll();
        EXPECT_EQ(softap::g_EventArray.size(), 1u);
        world.FailOid(kEventTableQ, 1);
        Poll();
        EXPECT_EQ(softap::g_EventArray.size(), 1u) << "a failed query changes nothing";
    });
}

// bCheckBuild is read while the sheet is open: missing it is written "0"; 1 shows the 11n
// Setting page on an 802.11n adapter, 0 removes it, and the traces follow it to the file.
TEST_F(TrayWindowTest, CheckBuildShowsAndRemovesTheElevenNPage) {
    LoadSoftAp();
    window.m_bOpenSheet = 0;
    Run([&] {
        Poll();
        EXPECT_EQ(Text(DriverKey(), "bCheckBuild"), "<missing>") << "not read without the sheet";
        window.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        ASSERT_TRUE(SheetShown());
        softap::CQelPropSheet* sheet = Sheet();
        Poll();
        EXPECT_EQ(Text(DriverKey(), "bCheckBuild"), "0");
        EXPECT_EQ(sheet->GetPageIndex(sheet->BlockAckPage()), -1);

        SetText(DriverKey(), "bCheckBuild", "1");
        Poll();
        EXPECT_EQ(softap::g_Ap.checkBuild, 1);
        EXPECT_EQ(sheet->GetPageIndex(sheet->BlockAckPage()), sheet->GetPageCount() - 1) << "added as the last page";
        EXPECT_EQ(sheet->GetPageCount(), 7);
        Poll();
        EXPECT_EQ(sheet->GetPageCount(), 7) << "added once";
        softap::Trace("traced while bCheckBuild is 1\n");
        EXPECT_NE(TraceFile().find("traced while bCheckBuild is 1"), std::string::npos);

        SetText(DriverKey(), "bCheckBuild", "0");
        Poll();
        EXPECT_EQ(sheet->GetPageIndex(sheet->BlockAckPage()), -1);
        EXPECT_EQ(sheet->GetPageCount(), 6);
        softap::Trace("traced while bCheckBuild is 0\n");
        EXPECT_EQ(TraceFile().find("traced while bCheckBuild is 0"), std::string::npos);
    });
}

TEST_F(TrayWindowTest, CheckBuildOnAnAdapterWithoutElevenNShowsNoPage) {
    // Chip 4, a PCI adapter without 802.11n.
    LoadSoftAp({{"PCI\\VEN_F0E1&DEV_7001&SUBSYS_70011A3B&REV_00", "PCI\\VEN_F0E1&DEV_4001&SUBSYS_40011A3B&REV_00"},
                {"PCI\\VEN_F0E1&DEV_7001\n", "PCI\\VEN_F0E1&DEV_4001\n"}});
    Run([&] {
        ASSERT_TRUE(SheetShown());
        EXPECT_EQ(g_IsHtChip, 0);
        SetText(DriverKey(), "bCheckBuild", "1");
        Poll();
        EXPECT_EQ(Sheet()->GetPageIndex(Sheet()->BlockAckPage()), -1);
    });
}

TEST_F(TrayWindowTest, AdapterUnpluggedClosesTheSheetAndItsReturnStartsTheAccessPointAgain) {
    LoadSoftAp();
    Run([&] {
        ASSERT_TRUE(SheetShown());
        world.Unplug(0);
        Poll();
        EXPECT_EQ(window.m_pSheet, nullptr);
        EXPECT_EQ(window.m_bAdapterFound, 0);
        EXPECT_EQ(g_IsUsbAdapter, 0);
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_NO_ADAPTER));
        EXPECT_EQ(world.Tray().tip, kTip + "Not Exist");
        EXPECT_EQ(window.m_nPollTimer, softap::kPollTimerId);

        world.ClearJournal();
        Poll();
        EXPECT_TRUE(world.Journal().empty()) << "rediscovery only";
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_NO_ADAPTER));

        world.Replug(0);
        Poll();
        EXPECT_EQ(window.m_bAdapterFound, 1);
        EXPECT_EQ(world.Journal().front().oid, kOpModeQ) << "the access point starts again";
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_NO_ADAPTER)) << "until the next poll";
        EXPECT_FALSE(SheetShown()) << "without the sheet";
        Poll();
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_GOOD));
    });
}

TEST_F(TrayWindowTest, SwitchToStationModeRestoresDefaultAndHandsOverToTheTool) {
    LoadSoftAp();
    Run([&] {
        const std::string saved = DriverKey() + "\\Default";
        SetText(saved, "WirelessMode", "9");
        SetText(saved, "Marker", "station");
        SetText(DriverKey(), "WirelessMode", "5");
        world.ClearJournal();
        window.SendMessage(WM_COMMAND, IDM_TRAY_STATION_MODE, 0);
        EXPECT_FALSE(window.IsWindow() && world.Tray().present);
    });
    EXPECT_EQ(Text(DriverKey(), "WirelessMode"), "9");
    EXPECT_EQ(Text(DriverKey(), "Marker"), "station");
    EXPECT_EQ(Text(DriverKey(), "OpMode"), "0");
    const auto sets = world.Journal();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].oid, kOpModeS);
    EXPECT_EQ(steps::Hex(sets[0].in), steps::Hex(U32(0)));
    ASSERT_FALSE(world.StartedPrograms().empty());
    EXPECT_EQ(world.StartedPrograms().back().commandLine, "\"Trelby.exe\" OFF Lumora Havix \"NORVANE ZQ-4402\"");
    EXPECT_EQ(world.StartedPrograms().back().show, static_cast<UINT>(SW_MINIMIZE));
    EXPECT_FALSE(world.Tray().present);
    EXPECT_EQ(window.m_pSheet, nullptr);
}

TEST_F(TrayWindowTest, SwitchToStationModeWithoutDefaultOnlyWritesTheMode) {
    LoadSoftAp();
    window.m_bOpenSheet = 0;
    Run([&] {
        SetText(DriverKey(), "WirelessMode", "5");
        window.SendMessage(WM_COMMAND, IDM_TRAY_STATION_MODE, 0);
    });
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, DriverKey() + "\\Default"));
    EXPECT_EQ(Text(DriverKey(), "WirelessMode"), "5");
    EXPECT_EQ(Text(DriverKey(), "OpMode"), "0");
    EXPECT_EQ(Programs().back(), "\"Trelby.exe\" OFF Lumora Havix \"NORVANE ZQ-4402\"");
}

TEST_F(TrayWindowTest, RegisteredMessagesAndAForgottenIconAddTheIconAgain) {
    LoadSoftAp();
    window.m_bOpenSheet = 0;
    Run([&] {
        const size_t before = world.Tray().calls.size();
        window.SendMessage(RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        auto calls = world.Tray().calls;
        ASSERT_EQ(calls.size(), before + 2);
        EXPECT_EQ(calls[before].message, static_cast<DWORD>(NIM_DELETE));
        EXPECT_EQ(calls[before + 1].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_TRUE(world.Tray().present);

        // The shell lost the icon: the update adds it again, and it still answers clicks.
        world.FailTrayCalls(1);
        Poll();
        calls = world.Tray().calls;
        EXPECT_EQ(calls.back().message, static_cast<DWORD>(NIM_ADD));
        EXPECT_TRUE(calls.back().flags & NIF_MESSAGE);
        EXPECT_EQ(world.Tray().callbackMessage, 1124u);
        EXPECT_EQ(world.Tray().icon, Icon(IDI_TRAY_GOOD));
    });
}

TEST_F(TrayWindowTest, BusyBlocksThePollTheTrayAndTheMenu) {
    LoadSoftAp();
    window.m_bOpenSheet = 0;
    Run([&] {
        window.m_bBusy = 1;
        world.ClearJournal();
        const size_t trayCalls = world.Tray().calls.size();
        Poll();
        window.SendMessage(softap::kTrayCallbackMessage, softap::kTrayIconId, WM_LBUTTONDBLCLK);
        window.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        window.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
        window.SendMessage(WM_COMMAND, IDM_TRAY_STATION_MODE, 0);
        EXPECT_TRUE(world.Journal().empty());
        EXPECT_EQ(world.Tray().calls.size(), trayCalls);
        EXPECT_FALSE(SheetShown());
        EXPECT_TRUE(window.IsWindow());
        EXPECT_TRUE(Programs().empty());
        window.m_bBusy = 0;
        window.SendMessage(softap::kTrayCallbackMessage, softap::kTrayIconId, WM_LBUTTONDBLCLK);
        EXPECT_TRUE(SheetShown());
    });
}

// An end-task and the end of the session leave as Exit does; Esc and Enter do nothing.
TEST_F(TrayWindowTest, CloseAndEndOfSessionExitWithoutLeavingTheIcon) {
    for (UINT message : {static_cast<UINT>(WM_CLOSE), static_cast<UINT>(WM_ENDSESSION)}) {
        SCOPED_TRACE(message);
        LoadSoftAp();
        TestTrayWnd tray;
        tray.m_bOpenSheet = 0;
        bool aliveAfterKeys = false;
        testutil::AtNextTick([&] {
            tray.SendMessage(WM_COMMAND, IDCANCEL, 0);
            tray.SendMessage(WM_COMMAND, IDOK, 0);
            aliveAfterKeys = tray.IsWindow();
            tray.SendMessage(message, TRUE, 0);
        });
        EXPECT_EQ(tray.DoModal(), 1);
        EXPECT_TRUE(aliveAfterKeys);
        EXPECT_FALSE(world.Tray().present);
        platform::sim::Uninstall();
    }
}

// A page is inside a nested modal loop when the adapter goes: that dialog is ended, the
// sheet's window goes at once, the object only once the loop has returned.
TEST_F(TrayWindowTest, SheetClosedUnderANestedDialogOfItsPage) {
    LoadSoftAp();
    INT_PTR nested = -1;
    Run([&] {
        ASSERT_TRUE(SheetShown());
        fw::CPropertyPage* page = Sheet()->GetActivePage();
        fw::CDialog dialog(IDD_SEL_CARD, page);
        testutil::AtNextTick([&] {
            world.Unplug(0);
            Poll();
            EXPECT_EQ(window.m_pSheet, nullptr);
        });
        nested = dialog.DoModal();
    });
    EXPECT_EQ(nested, 2) << "ended by the tray window";
}

// The same while a page's message box is open (the simulated box runs the user's steps).
TEST_F(TrayWindowTest, SheetClosedWhileAPageShowsAMessage) {
    LoadSoftAp();
    bool closedUnderTheBox = false;
    Run([&] {
        ASSERT_TRUE(SheetShown());
        softap::CAccessControlPage* acl = Sheet()->AccessControlPage();
        Sheet()->SetActivePage(acl);
        SendMessageA(acl->GetDlgItem(IDC_ACL_POLICY), CB_SETCURSEL, 1, 0);
        acl->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACL_POLICY, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(acl->GetDlgItem(IDC_ACL_POLICY)));
        SetWindowTextA(acl->GetDlgItem(IDC_MAC_EDIT), "01");
        world.SetMessageBoxAnswerer([&](const platform::sim::MessageBoxCall&) {
            world.Unplug(0);
            Poll();
            closedUnderTheBox = window.m_pSheet == nullptr;
            return IDOK;
        });
        acl->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MAC_ADD, BN_CLICKED),
                         reinterpret_cast<LPARAM>(acl->GetDlgItem(IDC_MAC_ADD)));
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    });
    EXPECT_TRUE(closedUnderTheBox);
    EXPECT_EQ(Boxes().size(), 1u);
}

}  // namespace
