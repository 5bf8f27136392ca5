// The main window with the driver key: start-up steps, Default saved on exit, the switch to
// access-point mode, and the configuration-tool commands.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/station/resource.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/hide_dlg.h"
#include "station/core/registry/radio_defaults.h"
#include "station/core/station_globals.h"
#include "driver_key_util.h"
#include "station_fixture.h"

namespace {

using testutil::ReadText;

constexpr const char* kTrelbyOn = "\"Trelby.exe\" ON Lumora Havix \"Tesmar Wireless\" USB 5 USB\\VID_F0E1&PID_5101";

class ModeSwitchTest : public StationTest {
protected:
    void SetUp() override {
        StationTest::SetUp();
        Load(testutil::Scenario("default.scn"));
        key_ = world.DriverKeyPath(0);
    }
    void TearDown() override {
        g_WirelessMode = wirelessMode_;
        g_RegionWord = regionWord_;
        g_ConfigToolMode = configToolMode_;
        g_WpaSupported = wpaSupported_;
        g_EncryptionLevel = encryptionLevel_;
        StationTest::TearDown();
    }

    // Runs the main window until command ends it.
    INT_PTR RunUntil(UINT command, std::function<void()> before = nullptr) {
        CHideDlg dialog;
        dialog.m_bOpenSheetAtStart = 0;
        testutil::AtNextTick([&] {
            if (before) before();
            dialog.SendMessage(WM_COMMAND, command, 0);
        });
        INT_PTR result = dialog.DoModal();
        trayAtEnd_ = world.Tray().present;
        return result;
    }

    std::string key_;
    bool trayAtEnd_ = true;

private:
    int wirelessMode_ = g_WirelessMode;
    uint32_t regionWord_ = g_RegionWord;
    int configToolMode_ = g_ConfigToolMode;
    int wpaSupported_ = g_WpaSupported;
    int encryptionLevel_ = g_EncryptionLevel;
};

TEST_F(ModeSwitchTest, StartSeedsApDefaultChecksTheChannelAndExitSavesDefault) {
    const std::string saved = key_ + "\\Default";
    testutil::SetText(saved, "WirelessMode", "old");

    EXPECT_EQ(RunUntil(IDM_TRAY_EXIT), 1);

    // Seeded with the adapter's MAC; region 5 of group B allows 1-14, no channel was stored.
    EXPECT_EQ(ReadText(key_ + "\\ApDefault", "SSID"), "DaduVE-07");
    EXPECT_EQ(ReadText(key_, "Channel"), "1");
    EXPECT_NE(ReadText(key_, "RunOnceInitConfigTxBurst"), "<missing>");
    // Exit copies the whole driver key into Default.
    EXPECT_EQ(ReadText(saved, "WirelessMode"), "9");
    EXPECT_EQ(ReadText(saved, "CountryRegion"), "5");
    EXPECT_EQ(ReadText(saved, "Channel"), "1");
    EXPECT_EQ(ReadText(saved, "RunOnceInitConfigTxBurst"), ReadText(key_, "RunOnceInitConfigTxBurst"));
    EXPECT_FALSE(trayAtEnd_);
}

// An end-task (WM_CLOSE) and the end of the session take the steps of the tray's Exit: the
// icon goes and Default is saved; Esc and Enter still do nothing.
TEST_F(ModeSwitchTest, CloseAndEndOfSessionExitAsTheTrayExitDoes) {
    const std::string saved = key_ + "\\Default";
    for (UINT message : {static_cast<UINT>(WM_CLOSE), static_cast<UINT>(WM_ENDSESSION)}) {
        SCOPED_TRACE(message);
        testutil::SetText(saved, "WirelessMode", "old");
        CHideDlg dialog;
        dialog.m_bOpenSheetAtStart = 0;
        bool aliveAfterKeys = false, trayAfterMessage = true;
        std::string savedBeforeReturn;
        testutil::AtNextTick([&] {
            dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
            dialog.SendMessage(WM_COMMAND, IDOK, 0);
            aliveAfterKeys = dialog.IsWindow() && world.Tray().present;
            dialog.SendMessage(message, message == WM_ENDSESSION ? TRUE : 0, 0);
            // The session may end the process as soon as the message returns.
            savedBeforeReturn = ReadText(saved, "WirelessMode");
            trayAfterMessage = world.Tray().present;
        });
        EXPECT_EQ(dialog.DoModal(), 1);
        EXPECT_TRUE(aliveAfterKeys);
        EXPECT_FALSE(trayAfterMessage);
        if (message == WM_ENDSESSION) {
            EXPECT_EQ(savedBeforeReturn, "9");
        }
        EXPECT_EQ(ReadText(saved, "WirelessMode"), "9");
    }
}

TEST_F(ModeSwitchTest, SwitchToApModeSavesDefaultFirstThenHandsOverToTheTool) {
    const std::string saved = key_ + "\\Default", ap = key_ + "\\ApDefault";
    testutil::SetText(saved, "Marker", "kept");
    testutil::SetText(ap, "SSID", "Harbor AP");
    testutil::SetText(ap, "Channel", "11");
    testutil::SetText(ap, "OpMode", "0");  // the switch writes OpMode after the copy

    std::vector<platform::sim::ProgramStart> before;
    EXPECT_EQ(RunUntil(IDM_TRAY_AP_MODE, [&] {
                  before = world.StartedPrograms();
                  world.ClearJournal();
              }),
              1);

    // Default holds the station values as they were before ApDefault came in, and was not
    // saved again when the window went.
    EXPECT_EQ(ReadText(saved, "OpMode"), "0");
    EXPECT_EQ(ReadText(saved, "WirelessMode"), "9");
    EXPECT_EQ(ReadText(saved, "SSID"), "<missing>");
    EXPECT_EQ(ReadText(saved, "Marker"), "kept");
    // The driver key holds ApDefault's values, then OpMode 1.
    EXPECT_EQ(ReadText(key_, "SSID"), "Harbor AP");
    EXPECT_EQ(ReadText(key_, "Channel"), "11");
    EXPECT_EQ(ReadText(key_, "OpMode"), "1");
    EXPECT_EQ(ReadText(key_, "WirelessMode"), "9");  // not in ApDefault: untouched

    auto sets = testutil::SetsOf(world, 0xFF8C001A);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].in, testutil::U32(1));

    auto programs = world.StartedPrograms();
    ASSERT_EQ(programs.size(), before.size() + 1);
    EXPECT_EQ(programs.back().commandLine, kTrelbyOn);
    EXPECT_EQ(programs.back().show, static_cast<UINT>(SW_MINIMIZE));
    EXPECT_FALSE(trayAtEnd_);

    // The tool left the adapter in access-point mode.
    DWORD mode = 0;
    EXPECT_TRUE(DriverOidOps().QueryOpMode(&mode));
    EXPECT_EQ(mode, 1u);
}

TEST_F(ModeSwitchTest, PciAdapterNamesPciOnTheToolsCommandLine) {
    testutil::SetText(key_ + "\\ApDefault", "SSID", "x");
    EXPECT_EQ(RunUntil(IDM_TRAY_AP_MODE, [] { g_IsUsbAdapter = 0; }), 1);
    EXPECT_EQ(world.StartedPrograms().back().commandLine,
              "\"Trelby.exe\" ON Lumora Havix \"Tesmar Wireless\" PCI 5 USB\\VID_F0E1&PID_5101");
}

TEST_F(ModeSwitchTest, WithoutDefaultNothingIsSavedOrRestored) {
    EXPECT_EQ(RunUntil(IDM_TRAY_EXIT), 1);
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, key_ + "\\Default"));

    EXPECT_EQ(RunUntil(IDM_TRAY_AP_MODE), 1);
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, key_ + "\\Default"));
    EXPECT_EQ(ReadText(key_, "OpMode"), "1");
    EXPECT_EQ(world.StartedPrograms().back().commandLine, kTrelbyOn);
}

TEST_F(ModeSwitchTest, ConfigurationToolCommands) {
    CHideDlg dialog;
    dialog.m_bOpenSheetAtStart = 0;
    int afterOwn[3] = {}, afterZero = -1;
    testutil::AtNextTick([&] {
        g_WpaSupported = 0;
        g_EncryptionLevel = 0;
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_OWN_CONFIG, 0);
        afterOwn[0] = g_WpaSupported;
        afterOwn[1] = g_EncryptionLevel;
        afterOwn[2] = g_ConfigToolMode;
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_ZERO_CONFIG, 0);
        afterZero = g_ConfigToolMode;
        dialog.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
    });
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(afterOwn[0], 1);
    EXPECT_EQ(afterOwn[1], 6);
    EXPECT_EQ(afterOwn[2], 0);
    EXPECT_EQ(afterZero, 2);
}

}  // namespace
