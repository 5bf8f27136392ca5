// Pelcor as the soft-AP utility starts it: first "\"Pelcor.exe\" ICS_DOWN" hidden, then
// "Pelcor.exe" with the dialog; each loads the scenario file anew and finds the sharing the
// one before left.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "pelcor_fixture.h"

namespace {

using platform::sim::IcsRole;

HWND WaitForWindow(DWORD pid, const char* title, DWORD ms) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        HWND found = nullptr;
        while ((found = FindWindowExA(nullptr, found, nullptr, title)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == pid && IsWindowVisible(found)) return found;
        }
        Sleep(50);
    }
    return nullptr;
}

class PelcorProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        scenario = std::string(temp) + "pelcor-process-" + std::to_string(GetCurrentProcessId()) + ".scn";
        std::ofstream(scenario, std::ios::binary) << pelcortest::ThreeConnections();
        SetEnvironmentVariableA("WLSIM_SCENARIO", scenario.c_str());
        exe = std::string("Z:") + PELCOR_EXE;
        for (char& c : exe)
            if (c == '/') c = '\\';
    }
    void TearDown() override {
        for (PROCESS_INFORMATION& p : started) {
            if (WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(p.hProcess, 1);
            CloseHandle(p.hProcess);
            CloseHandle(p.hThread);
        }
        SetEnvironmentVariableA("WLSIM_SCENARIO", nullptr);
        platform::sim::World w;
        if (w.LoadFile(scenario)) w.DiscardPersistedSharing();
        DeleteFileA(scenario.c_str());
        DeleteFileA((exe.substr(0, exe.find_last_of('\\') + 1) + "Quennet.txt").c_str());
    }
    PROCESS_INFORMATION Start(const std::string& commandLine, WORD show) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = show;
        PROCESS_INFORMATION pi{};
        std::string line = commandLine;
        EXPECT_TRUE(CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            << line;
        started.push_back(pi);
        return pi;
    }
    // The sharing as a program started now would find it.
    IcsRole RoleNow(const std::string& name) {
        platform::sim::World w;
        EXPECT_TRUE(w.LoadFile(scenario)) << w.LoadError().Text();
        for (const auto& c : w.Connections())
            if (c.name == name) return c.sharing;
        ADD_FAILURE() << "no connection " << name;
        return IcsRole::None;
    }

    std::string scenario, exe;
    std::vector<PROCESS_INFORMATION> started;
};

TEST_F(PelcorProcessTest, IcsDownThenTheDialogAsTheSoftApUtilityStartsThem) {
    PROCESS_INFORMATION down = Start("\"Pelcor.exe\" ICS_DOWN", SW_HIDE);
    ASSERT_EQ(WaitForSingleObject(down.hProcess, 20000), WAIT_OBJECT_0) << "ends by itself, without a window";
    EXPECT_EQ(RoleNow("Local Area Connection"), IcsRole::None);
    EXPECT_EQ(RoleNow("Wireless Network Connection"), IcsRole::None);

    PROCESS_INFORMATION shown = Start("Pelcor.exe", SW_SHOW);
    HWND dialog = WaitForWindow(shown.dwProcessId, pelcortest::kDialogTitle, 20000);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_WAN_CONNECTION), CB_GETCOUNT, 0, 0), 2);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);  // "Enable ICS" with the first connection
    ASSERT_EQ(WaitForSingleObject(shown.hProcess, 20000), WAIT_OBJECT_0);
    EXPECT_EQ(RoleNow("Local Area Connection"), IcsRole::Public);
    EXPECT_EQ(RoleNow("Wireless Network Connection"), IcsRole::Private);
    EXPECT_EQ(RoleNow("Harbor Dial-up"), IcsRole::None);
}

}  // namespace
