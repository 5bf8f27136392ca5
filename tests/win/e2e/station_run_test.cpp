// Lumora's whole job as a user meets it: no profile at the start, a profile added from the
// Site Survey, activated, the connection followed by the tray icon and Link Status; a second
// start only brings the first one's sheet back.
#include "e2e_fixture.h"

#include <gtest/gtest.h>

#include "resources/station/resource.h"

namespace {

using namespace e2e;

constexpr int kProfilePage = 0, kLinkStatusPage = 1, kSiteSurveyPage = 2;

class StationRunTest : public EndToEndTest {
protected:
    void SetUp() override {
        SetUpScenario("default.scn");
        ReplaceLine("link ", "link = disconnected");
    }
    std::string ProfileFile() const { return folder + "\\KV31_{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}_prof"; }
};

TEST_F(StationRunTest, AProfileAddedFromTheSiteSurveyConnectsAndTheTrayAndLinkStatusFollow) {
    PROCESS_INFORMATION lumora = Start(Suite("Lumora.exe"), "");
    HWND main = WaitForWindow(lumora.dwProcessId, kMainTitle, 20000);
    ASSERT_NE(main, nullptr);
    HWND sheet = WaitForWindow(lumora.dwProcessId, kSheetTitle, 20000);
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(WaitForTrayTip("Lumora.exe", "Disconnected", 10000)) << TrayTip("Lumora.exe");
    ShowPage(sheet, kProfilePage);
    HWND profiles = WaitForControl(sheet, IDC_PROFILE_LIST, WC_LISTVIEWA);
    ASSERT_NE(profiles, nullptr);
    EXPECT_EQ(SendMessageA(profiles, LVM_GETITEMCOUNT, 0, 0), 0) << "no profile at the start";

    ShowPage(sheet, kSiteSurveyPage);
    HWND survey = WaitForControl(sheet, IDC_SITE_LIST, WC_LISTVIEWA);
    ASSERT_NE(survey, nullptr);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(survey, LVM_GETITEMCOUNT, 0, 0) >= 4; }, 15000))
        << "the scan lists the networks in the air";
    // Typing finds the network by the start of its SSID.
    PostMessageA(survey, WM_CHAR, 'H', 1);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(survey, LVM_GETNEXTITEM, -1, LVNI_SELECTED) >= 0; }, 5000));
    Click(Control(sheet, IDC_SITE_ADD_PROFILE));

    HWND editor = WaitForWindow(lumora.dwProcessId, "Add Profile", 10000);
    ASSERT_NE(editor, nullptr) << "the profile editor opens over the sheet";
    Click(GetDlgItem(editor, IDOK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }, 10000));

    // The sheet went to the Profile page with the new profile chosen.
    profiles = WaitForControl(sheet, IDC_PROFILE_LIST, WC_LISTVIEWA);
    ASSERT_NE(profiles, nullptr);
    ASSERT_EQ(SendMessageA(profiles, LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(profiles, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 0);
    EXPECT_NE(ReadFileText(ProfileFile()).find("Harbor Open"), std::string::npos) << "the profile is stored";
    EXPECT_TRUE(TrayTip("Lumora.exe").find("Disconnected") != std::string::npos);

    Click(Control(sheet, IDC_PROFILE_ACTIVATE));
    EXPECT_TRUE(WaitForTrayTip("Lumora.exe", "(Harbor Open)", 20000)) << TrayTip("Lumora.exe");
    ShowPage(sheet, kLinkStatusPage);
    HWND status = WaitForControl(sheet, IDC_LS_STATUS);
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(WaitFor([&] { return Text(status).find("Harbor Open") != std::string::npos; }, 10000))
        << Text(status);

    // A second start: the first one's sheet comes back and the second ends at once.
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }, 10000)) << "OK closes the sheet";
    PROCESS_INFORMATION second = Start(Suite("Lumora.exe"), "");
    ASSERT_TRUE(WaitForEnd(second, 20000));
    EXPECT_TRUE(Windows(second.dwProcessId, kMainTitle).empty());
    EXPECT_NE(WaitForWindow(lumora.dwProcessId, kSheetTitle, 10000), nullptr);
    EXPECT_EQ(Windows(0, kMainTitle).size(), 1u);

    PostMessageA(main, WM_COMMAND, kLumoraExit, 0);
    ASSERT_TRUE(WaitForEnd(lumora, 20000));
    EXPECT_EQ(ExitCode(lumora), 0u);
    EXPECT_EQ(TrayTip("Lumora.exe"), "") << "the icon went with the program";
    EXPECT_NE(ReadFileText(ProfileFile()).find("Harbor Open"), std::string::npos) << "the profile outlived the run";
}

// The hardware radio switch off and on again: the service connects the stored automatic profile
// by itself, and Lumora, which only rescans on radio-on, follows it back to "Connected".
TEST_F(StationRunTest, AfterTheRadioSwitchIsOnAgainTheServiceConnectsTheActiveProfile) {
    for (const char* kind : {"_prof", "_sta"}) {
        const std::string name = std::string("KV31_{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}") + kind;
        std::ofstream(folder + "\\" + name, std::ios::binary)
            << ReadFileText(std::string("Z:") + WL_SOURCE_DIR + "/scenarios/default.settings/" + name);
    }
    AddAdapterLines("radio_switch_at = 10000 off\nradio_switch_at = 14000 on");
    PROCESS_INFORMATION lumora = Start(Suite("Lumora.exe"), "");
    HWND main = WaitForWindow(lumora.dwProcessId, kMainTitle, 20000);
    ASSERT_NE(main, nullptr);
    HWND sheet = WaitForWindow(lumora.dwProcessId, kSheetTitle, 20000);
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(WaitForTrayTip("Lumora.exe", "(Lantern Home)", 9000)) << "the active profile connects at start: "
                                                                       << TrayTip("Lumora.exe");
    ASSERT_TRUE(WaitForTrayTip("Lumora.exe", "Disconnected", 10000)) << TrayTip("Lumora.exe");
    EXPECT_TRUE(WaitForTrayTip("Lumora.exe", "(Lantern Home)", 12000)) << TrayTip("Lumora.exe");
    ShowPage(sheet, kLinkStatusPage);
    HWND status = WaitForControl(sheet, IDC_LS_STATUS);
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(WaitFor([&] { return Text(status).find("Lantern Home") != std::string::npos; }, 10000))
        << Text(status);

    PostMessageA(main, WM_COMMAND, kLumoraExit, 0);
    ASSERT_TRUE(WaitForEnd(lumora, 20000));
}

}  // namespace
