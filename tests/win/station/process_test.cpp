// Lumora as a process: the "-s" command line and the single-instance rule.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/common/process_windows.h"

namespace {

constexpr const char* kMainTitle = "Tesmar Wireless UI";
constexpr const char* kSheetTitle = "NORVANE ZQ-4402 Utility";

using testutil::WaitForWindow;
using testutil::Windows;

class LumoraProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof(temp), temp);
        folder = std::string(temp) + "lumora-process-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        // Settings files stay in this folder.
        WritePrivateProfileStringA("config", "type", "2", (folder + "\\setting").c_str());
        WritePrivateProfileStringA("config", "dir", ".\\", (folder + "\\setting").c_str());
        std::string scenario = std::string("Z:") + WL_SOURCE_DIR + "/scenarios/default.scn";
        SetEnvironmentVariableA("WLSIM_SCENARIO", scenario.c_str());
    }
    void TearDown() override {
        for (PROCESS_INFORMATION& p : started) {
            if (WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(p.hProcess, 1);
            CloseHandle(p.hProcess);
            CloseHandle(p.hThread);
        }
        SetEnvironmentVariableA("WLSIM_SCENARIO", nullptr);
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA((folder + "\\" + data.cFileName).c_str());
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
    }
    PROCESS_INFORMATION Start(const std::string& arguments) {
        std::string commandLine = std::string("\"Z:") + LUMORA_EXE + "\"";
        if (!arguments.empty()) commandLine += " " + arguments;
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        EXPECT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &si, &pi))
            << commandLine;
        started.push_back(pi);
        return pi;
    }
    // Exits through the tray menu command and waits for the process.
    DWORD Exit(const PROCESS_INFORMATION& p, HWND main) {
        PostMessageA(main, WM_COMMAND, 32776, 0);
        EXPECT_EQ(WaitForSingleObject(p.hProcess, 15000), WAIT_OBJECT_0);
        DWORD code = 99;
        GetExitCodeProcess(p.hProcess, &code);
        return code;
    }

    std::string folder;
    std::vector<PROCESS_INFORMATION> started;
};

TEST_F(LumoraProcessTest, OnlyTheWholeCommandLineSOrCapitalSKeepsTheSheetClosed) {
    const struct {
        const char* arguments;
        bool sheet;
    } cases[] = {{"-s", false}, {"-S", false}, {"-s x", true}, {"/s", true}, {"", true}};
    for (const auto& c : cases) {
        PROCESS_INFORMATION p = Start(c.arguments);
        HWND main = WaitForWindow(p.dwProcessId, kMainTitle, 15000);
        ASSERT_NE(main, nullptr) << c.arguments;
        HWND sheet = WaitForWindow(p.dwProcessId, kSheetTitle, c.sheet ? 10000 : 1500);
        EXPECT_EQ(sheet != nullptr, c.sheet) << "command line '" << c.arguments << "'";
        EXPECT_FALSE(IsWindowVisible(main));
        Exit(p, main);
    }
}

TEST_F(LumoraProcessTest, SecondInstanceOpensTheFirstOnesSheetAndLeavesSilently) {
    PROCESS_INFORMATION first = Start("-s");
    HWND main = WaitForWindow(first.dwProcessId, kMainTitle, 15000);
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(WaitForWindow(first.dwProcessId, kSheetTitle, 1000), nullptr);

    PROCESS_INFORMATION second = Start("");
    ASSERT_EQ(WaitForSingleObject(second.hProcess, 15000), WAIT_OBJECT_0);
    EXPECT_EQ(Windows(second.dwProcessId, kMainTitle).size(), 0u);
    EXPECT_NE(WaitForWindow(first.dwProcessId, kSheetTitle, 10000), nullptr);
    EXPECT_EQ(Windows(0, kMainTitle).size(), 1u);
    Exit(first, main);
}

}  // namespace
