// The trip through access-point mode as a user makes it: Lumora's "Switch to AP Mode", the
// mode-switch tool starts Havix, Havix switches the adapter and starts Pelcor ("ICS_DOWN",
// then its dialog), the user shares the dial-up connection and renames the access point, a
// station associates and shows on the Mac Table and Event Log pages, and "Switch to Station Mode"
// brings Lumora back on the station values kept in Default.
#include "e2e_fixture.h"

#include <gtest/gtest.h>

#include "tests/win/station/driver_key_util.h"

namespace {

using namespace e2e;
using testutil::ReadText;

constexpr int kWanConnection = 1000, kWanDescription = 1001;
constexpr int kConfigSsid = 1062, kPageApply = 1157, kMacTableList = 1106, kEventList = 1107;
constexpr int kMacTablePage = 2, kEventLogPage = 3;
constexpr const char* kVisitor = "02-5A-10-00-00-21";

class ApRunTest : public EndToEndTest {
protected:
    void SetUp() override {
        SetUpScenario("default.scn");
        // A station that joins the access point a while after Havix starts.
        AddAdapterLines("ap_station = 02:5A:10:00:00:21 7 rate ofdm 7 join 15000");
    }
};

TEST_F(ApRunTest, ToAccessPointModeSharingTheChosenConnectionAndBack) {
    PROCESS_INFORMATION lumora = Start(Suite("Lumora.exe"), "-s");
    HWND station = WaitForWindow(lumora.dwProcessId, kMainTitle, 20000);
    ASSERT_NE(station, nullptr);
    ASSERT_TRUE(WaitForTrayTip("Lumora.exe", "(Harbor Open)", 10000)) << TrayTip("Lumora.exe");
    const std::string key = DriverKey();
    const std::string stationMode = ReadText(key, "WirelessMode");
    // The installation makes Default; the station values go there when Lumora hands over.
    testutil::SetText(key + "\\Default", "Marker", "installed");

    PostMessageA(station, WM_COMMAND, kSwitchToApMode, 0);
    ASSERT_TRUE(WaitForEnd(lumora, 20000)) << "Lumora ends";
    HWND pelcor = WaitForProgramWindow("Pelcor.exe", kPelcorTitle, 30000);
    ASSERT_NE(pelcor, nullptr) << "Havix lets the user choose the connection to share";
    EXPECT_EQ(Sharing("Local Area Connection"), "none") << "\"Pelcor.exe\" ICS_DOWN ran first";
    HWND ap = WaitForProgramWindow("Havix.exe", kMainTitle, 10000);
    ASSERT_NE(ap, nullptr);
    EXPECT_EQ(ReadText(key, "OpMode"), "1");
    EXPECT_EQ(ReadText(key, "SSID"), ReadText(key + "\\ApDefault", "SSID"));

    // The user picks the dial-up connection: its description shows, then Enable ICS.
    HWND combo = GetDlgItem(pelcor, kWanConnection);
    ASSERT_GE(SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Harbor Dial-up")), 0);
    SendMessageA(pelcor, WM_COMMAND, MAKEWPARAM(kWanConnection, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(Text(GetDlgItem(pelcor, kWanDescription)), "WAN (PPP/SLIP) Interface");
    Click(GetDlgItem(pelcor, IDOK));
    ASSERT_TRUE(WaitForProcessEnd(pelcor, 20000)) << "Pelcor ends with the choice";
    EXPECT_EQ(Sharing("Harbor Dial-up"), "public");
    EXPECT_EQ(Sharing("Wireless Network Connection"), "private") << "shared into the access point's network";
    EXPECT_EQ(Sharing("Local Area Connection"), "none");

    HWND sheet = WaitForProgramWindow("Havix.exe", kSheetTitle, 20000);
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(WaitForTrayTip("Havix.exe", "Norvane", 10000));

    // Config: the access point gets another name, Apply stores and pushes it.
    ShowPage(sheet, 0);
    HWND ssid = WaitForControl(sheet, kConfigSsid);
    ASSERT_NE(ssid, nullptr);
    SendMessageA(ssid, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Harbor AP"));
    Click(Control(sheet, kPageApply));
    EXPECT_TRUE(WaitFor([&] { return ReadText(key + "\\ApDefault", "SSID") == "Harbor AP"; }, 10000));
    EXPECT_EQ(ReadText(key, "SSID"), "Harbor AP") << "the driver key runs the new configuration";

    // The station joins: its row on the Mac Table, its record on the Event Log.
    ShowPage(sheet, kMacTablePage);
    HWND stations = WaitForControl(sheet, kMacTableList);
    ASSERT_NE(stations, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ListRows(stations) == 1 && ListText(stations, 0, 0) == kVisitor; }, 30000))
        << ListRows(stations) << " rows";
    EXPECT_EQ(ListText(stations, 0, 1), "7") << "its association ID";
    ShowPage(sheet, kEventLogPage);
    HWND events = WaitForControl(sheet, kEventList);
    ASSERT_NE(events, nullptr);
    const std::string joined = std::string(" ") + kVisitor + " associated";
    EXPECT_TRUE(WaitFor(
        [&] {
            for (int row = 0, rows = ListRows(events); row < rows; ++row)
                if (ListText(events, row, 1) == joined) return true;
            return false;
        },
        10000))
        << ListRows(events) << " rows, the last: " << ListText(events, ListRows(events) - 1, 1);

    PostMessageA(ap, WM_COMMAND, kSwitchToStationMode, 0);
    ASSERT_TRUE(WaitForProcessEnd(ap, 20000)) << "Havix ends";
    HWND back = WaitForProgramWindow("Lumora.exe", kMainTitle, 30000);
    ASSERT_NE(back, nullptr) << "the tool started Lumora again";
    EXPECT_EQ(ReadText(key, "OpMode"), "0");
    EXPECT_EQ(ReadText(key, "WirelessMode"), stationMode) << "Default came back over the driver key";
    EXPECT_TRUE(WaitForTrayTip("Lumora.exe", "(Harbor Open)", 20000)) << TrayTip("Lumora.exe");
    EXPECT_EQ(Sharing("Harbor Dial-up"), "public") << "the sharing outlives the access point";
    EXPECT_EQ(ReadText(key + "\\ApDefault", "SSID"), "Harbor AP") << "kept for the next time";

    PostMessageA(back, WM_COMMAND, kLumoraExit, 0);
    ASSERT_TRUE(WaitForProcessEnd(back, 20000));
}

}  // namespace
