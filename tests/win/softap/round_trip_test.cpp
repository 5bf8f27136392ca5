// The two utilities hand the adapter to each other through the mode-switch tool, as
// installed side by side: Lumora's "Switch to AP Mode" ends Lumora, the tool starts Havix,
// Havix switches the adapter into access-point mode and starts Pelcor twice; Havix's "Switch
// to Station Mode" ends Havix and the tool starts Lumora again. One simulated world across
// the real processes: the driver key and its subkeys, the sharing and the log of the
// programs started carry over.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/world.h"
#include "process_util.h"
#include "tests/win/station/driver_key_util.h"

namespace {

using namespace proctest;
using testutil::ReadText;

constexpr UINT kSwitchToApMode = 32781, kSwitchToStationMode = 32778, kExit = 32776;
constexpr const char* kPelcorTitle = "Internet  Connection Sharing with DaduVE";

class RoundTripTest : public ProcessTest {
protected:
    void SetUp() override { SetUpScenario("default.scn"); }
    std::string Suite(const char* program) const { return WindowsPath(std::string("Z:") + SUITE_DIR + "/" + program); }
    // The sharing of a connection as a program started now would find it.
    std::string Sharing(const std::string& name) {
        platform::sim::World w;
        EXPECT_TRUE(w.LoadFile(scenario)) << w.LoadError().Text();
        for (const auto& c : w.Connections())
            if (c.name == name) return c.sharing == platform::sim::IcsRole::None ? "none" : "shared";
        return "<no connection>";
    }
};

TEST_F(RoundTripTest, LumoraToHavixAndBack) {
    PROCESS_INFORMATION lumora = Start(Suite("Lumora.exe"), "-s");
    HWND station = WaitForWindow(lumora.dwProcessId, kMainTitle, 20000);
    ASSERT_NE(station, nullptr);
    const std::string key = DriverKey();
    ASSERT_EQ(ReadText(key, "OpMode"), "0");
    // The station values go to Default when Lumora hands over; Default is never created.
    testutil::SetText(key + "\\Default", "Marker", "station");

    PostMessageA(station, WM_COMMAND, kSwitchToApMode, 0);
    ASSERT_EQ(WaitForSingleObject(lumora.hProcess, 20000), static_cast<DWORD>(WAIT_OBJECT_0)) << "Lumora ends";

    HWND ap = WaitForProgramWindow("Havix.exe", kMainTitle, 30000);
    ASSERT_NE(ap, nullptr) << "the tool started Havix";
    HWND pelcor = WaitForProgramWindow("Pelcor.exe", kPelcorTitle, 30000);
    ASSERT_NE(pelcor, nullptr) << "Havix let the user choose the connection to share";
    EXPECT_NE(WaitForProgramWindow("Havix.exe", kSheetTitle, 20000), nullptr);
    EXPECT_EQ(Sharing("Local Area Connection"), "none") << "\"Pelcor.exe\" ICS_DOWN ran first";
    // The adapter runs Havix's configuration: ApDefault (seeded by Lumora) over the driver key.
    EXPECT_EQ(ReadText(key, "OpMode"), "1");
    EXPECT_EQ(ReadText(key + "\\ApDefault", "SSID"), "DaduVE-07");
    EXPECT_EQ(ReadText(key, "SSID"), "DaduVE-07");
    EXPECT_EQ(ReadText(key, "WirelessMode"), ReadText(key + "\\ApDefault", "WirelessMode"));
    EXPECT_EQ(ReadText(key + "\\Default", "WirelessMode"), "9");
    EXPECT_EQ(ReadText(key + "\\Default", "Marker"), "station");
    PostMessageA(pelcor, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitForProcessEnd(pelcor, 20000));

    PostMessageA(ap, WM_COMMAND, kSwitchToStationMode, 0);
    ASSERT_TRUE(WaitForProcessEnd(ap, 20000)) << "Havix ends";
    HWND back = WaitForProgramWindow("Lumora.exe", kMainTitle, 30000);
    ASSERT_NE(back, nullptr) << "the tool started Lumora again";
    EXPECT_EQ(ReadText(key, "OpMode"), "0");
    EXPECT_EQ(ReadText(key, "WirelessMode"), "9") << "Default came back over the driver key";
    EXPECT_EQ(ReadText(key, "Marker"), "station");

    PostMessageA(back, WM_COMMAND, kExit, 0);
    ASSERT_TRUE(WaitForProcessEnd(back, 20000));
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, key)) << "the last program of the run removed the adapter";

    platform::sim::World log;
    ASSERT_TRUE(log.LoadFile(scenario));
    std::vector<std::string> programs;
    for (const std::string& line : log.RunPrograms())
        if (line.find("Quennet") == std::string::npos) programs.push_back(line);
    EXPECT_EQ(programs, (std::vector<std::string>{
                            "\"Trelby.exe\" ON Lumora Havix \"Tesmar Wireless\" USB 5 USB\\VID_F0E1&PID_5101",
                            "\"Havix.exe\"",
                            "\"Pelcor.exe\" ICS_DOWN",
                            "Pelcor.exe",
                            "\"Trelby.exe\" OFF Lumora Havix \"NORVANE ZQ-4402\"",
                            "\"Lumora.exe\"",
                        }));
}

// Without Default nothing comes back on the way to station mode: the adapter's own regions
// must never have left the driver key. Lumora's ApDefault has none, and Havix adds none.
TEST_F(RoundTripTest, TheAdaptersRegionsStayWithoutDefault) {
    PROCESS_INFORMATION lumora = Start(Suite("Lumora.exe"), "-s");
    HWND station = WaitForWindow(lumora.dwProcessId, kMainTitle, 20000);
    ASSERT_NE(station, nullptr);
    const std::string key = DriverKey();
    ASSERT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, key + "\\Default"));
    ASSERT_EQ(ReadText(key, "CountryRegion"), "5");
    ASSERT_EQ(ReadText(key, "CountryRegionABand"), "7");

    PostMessageA(station, WM_COMMAND, kSwitchToApMode, 0);
    ASSERT_EQ(WaitForSingleObject(lumora.hProcess, 20000), static_cast<DWORD>(WAIT_OBJECT_0)) << "Lumora ends";
    HWND ap = WaitForProgramWindow("Havix.exe", kMainTitle, 30000);
    ASSERT_NE(ap, nullptr);
    HWND pelcor = WaitForProgramWindow("Pelcor.exe", kPelcorTitle, 30000);
    ASSERT_NE(pelcor, nullptr);
    ASSERT_NE(WaitForProgramWindow("Havix.exe", kSheetTitle, 20000), nullptr) << "Havix's start is done";
    EXPECT_EQ(ReadText(key + "\\ApDefault", "SSID"), "DaduVE-07") << "Lumora seeded ApDefault";
    EXPECT_EQ(ReadText(key + "\\ApDefault", "CountryRegion"), "<missing>");
    EXPECT_EQ(ReadText(key + "\\ApDefault", "CountryRegionABand"), "<missing>");
    EXPECT_EQ(ReadText(key, "CountryRegion"), "5");
    EXPECT_EQ(ReadText(key, "CountryRegionABand"), "7");
    PostMessageA(pelcor, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitForProcessEnd(pelcor, 20000));

    PostMessageA(ap, WM_COMMAND, kSwitchToStationMode, 0);
    ASSERT_TRUE(WaitForProcessEnd(ap, 20000)) << "Havix ends";
    HWND back = WaitForProgramWindow("Lumora.exe", kMainTitle, 30000);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(ReadText(key, "OpMode"), "0");
    EXPECT_EQ(ReadText(key, "CountryRegion"), "5");
    EXPECT_EQ(ReadText(key, "CountryRegionABand"), "7");
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, key + "\\Default"));

    PostMessageA(back, WM_COMMAND, kExit, 0);
    ASSERT_TRUE(WaitForProcessEnd(back, 20000));
}

}  // namespace
