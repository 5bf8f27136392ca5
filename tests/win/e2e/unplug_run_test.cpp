// The adapter pulled out and put back while a program runs with its sheet and a modal dialog
// open: the program lives on, the dialog and the sheet end with the adapter, the sheet is
// built anew once it is back, and no stored value is lost on the way.
#include "e2e_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using namespace e2e;

// Every value of a key and its subkeys, by path.
void ReadKey(HKEY root, const std::string& path, std::map<std::string, std::string>& into) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return;
    for (DWORD i = 0;; ++i) {
        char name[256];
        BYTE data[2048];
        DWORD nameSize = sizeof name, size = sizeof data, type = 0;
        if (RegEnumValueA(k, i, name, &nameSize, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        into[path + "\\" + name] = std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), size);
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(k, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        ReadKey(root, path + "\\" + name, into);
    }
    RegCloseKey(k);
}

class UnplugRunTest : public EndToEndTest {
protected:
    // The adapter goes at 8 s and comes back at 12 s of each program's clock.
    void Prepare(const char* scenarioName) {
        SetUpScenario(scenarioName);
        AddAdapterLines("unplug_at = 8000\nreplug_at = 12000");
    }
    // What must survive: the settings files of the folder and the driver key with its subkeys.
    std::map<std::string, std::string> Stored() const {
        std::map<std::string, std::string> all;
        ReadKey(HKEY_LOCAL_MACHINE, DriverKey(), all);
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.find(".scn") == std::string::npos)
                    all["file " + name] = ReadFileText(folder + "\\" + name);
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        return all;
    }
    static void ExpectKept(const std::map<std::string, std::string>& before,
                           const std::map<std::string, std::string>& after) {
        for (const auto& [name, value] : before) {
            auto it = after.find(name);
            if (it == after.end()) ADD_FAILURE() << name << " was lost";
            else EXPECT_EQ(it->second, value) << name;
        }
    }
};

TEST_F(UnplugRunTest, LumoraWithTheProfileEditorOpen) {
    Prepare("default.scn");
    PROCESS_INFORMATION lumora = Start(Suite("Lumora.exe"), "");
    HWND main = WaitForWindow(lumora.dwProcessId, kMainTitle, 20000);
    HWND sheet = WaitForWindow(lumora.dwProcessId, kSheetTitle, 20000);
    ASSERT_TRUE(main && sheet);
    ASSERT_TRUE(WaitForTrayTip("Lumora.exe", "(Harbor Open)", 10000)) << TrayTip("Lumora.exe");
    // The Profile page's Add opens the editor, a modal sheet over the main one.
    ShowPage(sheet, 0);
    HWND add = WaitForControl(sheet, 1032);
    ASSERT_NE(add, nullptr);
    Click(add);
    HWND editor = WaitForWindow(lumora.dwProcessId, "Add Profile", 10000);
    ASSERT_NE(editor, nullptr);
    const auto stored = Stored();

    EXPECT_TRUE(WaitFor([&] { return !IsWindow(editor) && !IsWindow(sheet); }, 15000))
        << "the editor and the sheet went with the adapter";
    EXPECT_TRUE(WaitForTrayTip("Lumora.exe", "Not exist", 15000)) << TrayTip("Lumora.exe");
    EXPECT_TRUE(WaitForTrayTip("Lumora.exe", "(Harbor Open)", 20000)) << "back: " << TrayTip("Lumora.exe");
    EXPECT_EQ(WaitForSingleObject(lumora.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "Lumora lives on";

    PostMessageA(main, WM_COMMAND, kTrayLaunch, 0);
    HWND again = WaitForWindow(lumora.dwProcessId, kSheetTitle, 10000);
    ASSERT_NE(again, nullptr) << "the sheet is built anew";
    HWND survey = WaitForControl(again, 1002, WC_LISTVIEWA);
    ASSERT_NE(survey, nullptr);
    EXPECT_TRUE(WaitFor([&] { return SendMessageA(survey, LVM_GETITEMCOUNT, 0, 0) >= 4; }, 15000));
    ExpectKept(stored, Stored());

    PostMessageA(main, WM_COMMAND, kLumoraExit, 0);
    ASSERT_TRUE(WaitForEnd(lumora, 20000));
    EXPECT_EQ(ExitCode(lumora), 0u);
}

TEST_F(UnplugRunTest, HavixWithAnErrorBoxOfTheAccessControlPageOpen) {
    Prepare("soft-ap.scn");
    PROCESS_INFORMATION havix = Start(Suite("Havix.exe"), "");
    HWND main = WaitForWindow(havix.dwProcessId, kMainTitle, 20000);
    HWND sheet = WaitForWindow(havix.dwProcessId, kSheetTitle, 20000);
    ASSERT_TRUE(main && sheet);
    // The Access Control page: a policy that keeps a list, an address that is none, Add.
    for (int i = 0; i < 10 && !Control(sheet, 1132); ++i) {
        ShowPage(sheet, i);
        Sleep(100);
    }
    HWND policy = WaitForControl(sheet, 1132);
    ASSERT_NE(policy, nullptr);
    SendMessageA(policy, CB_SETCURSEL, 1, 0);
    SendMessageA(GetParent(policy), WM_COMMAND, MAKEWPARAM(1132, CBN_SELCHANGE), reinterpret_cast<LPARAM>(policy));
    HWND edit = Control(sheet, 1135);
    ASSERT_NE(edit, nullptr);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("zz"));
    Click(Control(sheet, 1136));
    HWND box = WaitForWindow(havix.dwProcessId, "AP Error Message", 10000);
    ASSERT_NE(box, nullptr) << "the page refused the address in a message box";
    const auto stored = Stored();

    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box) && !IsWindow(sheet); }, 15000))
        << "the box and the sheet went with the adapter";
    EXPECT_TRUE(WaitForTrayTip("Havix.exe", "Not Exist", 15000)) << TrayTip("Havix.exe");
    EXPECT_TRUE(WaitForTrayTip("Havix.exe", "Status : Good", 20000)) << "back: " << TrayTip("Havix.exe");
    EXPECT_EQ(WaitForSingleObject(havix.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "Havix lives on";

    PostMessageA(main, WM_COMMAND, kTrayLaunch, 0);
    HWND again = WaitForWindow(havix.dwProcessId, kSheetTitle, 10000);
    ASSERT_NE(again, nullptr) << "the sheet is built anew";
    EXPECT_NE(again, sheet);
    ExpectKept(stored, Stored());

    PostMessageA(main, WM_COMMAND, kLumoraExit, 0);
    ASSERT_TRUE(WaitForEnd(havix, 20000));
    EXPECT_EQ(ExitCode(havix), 0u);
}

}  // namespace

namespace {

using namespace e2e;

// Pelcor never talks to the adapter: its dialog, open while Havix loses the adapter and finds
// it again, still shares the chosen connection.
TEST_F(UnplugRunTest, PelcorsDialogOpenWhileHavixLosesTheAdapter) {
    Prepare("default.scn");
    PROCESS_INFORMATION havix = Start(Suite("Havix.exe"), "-s");
    HWND pelcor = WaitForProgramWindow("Pelcor.exe", kPelcorTitle, 20000);
    ASSERT_NE(pelcor, nullptr);
    EXPECT_TRUE(WaitForTrayTip("Havix.exe", "Not Exist", 15000)) << TrayTip("Havix.exe");
    // No RSSI in this world: back, the icon shows no measure.
    EXPECT_TRUE(WaitForTrayTip("Havix.exe", "Disconnected", 20000)) << "back: " << TrayTip("Havix.exe");
    Sleep(3000);
    EXPECT_EQ(Windows(0, kPelcorTitle).size(), 1u) << "one selection dialog";
    Click(GetDlgItem(pelcor, IDOK));
    EXPECT_TRUE(WaitForProcessEnd(pelcor, 20000));
    EXPECT_EQ(Sharing("Local Area Connection"), "public");
    EXPECT_EQ(Sharing("Wireless Network Connection"), "private");
    HWND main = WaitForWindow(havix.dwProcessId, kMainTitle, 1000);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, kLumoraExit, 0);
    ASSERT_TRUE(WaitForEnd(havix, 20000));
}

}  // namespace
