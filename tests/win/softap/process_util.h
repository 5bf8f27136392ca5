#pragma once
// Havix and the suite's other programs as processes of the test: a scenario file of the
// test's own (its adapter on a driver key no other test uses), started programs ended at the
// end, and their windows found by title and process.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/sim/world.h"
#include "tests/win/common/process_windows.h"
#include "tests/win/common/world_test_util.h"

namespace proctest {

constexpr const char* kMainTitle = "Tesmar Wireless UI";
constexpr const char* kSheetTitle = "NORVANE ZQ-4402 Utility";

using testutil::WaitForWindow;
using testutil::Windows;

// The file name of the program that owns a window, e.g. "Havix.exe".
inline std::string ProgramOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return {};
    char path[MAX_PATH] = {};
    DWORD size = sizeof(path);
    const BOOL ok = QueryFullProcessImageNameA(process, 0, path, &size);
    CloseHandle(process);
    if (!ok) return {};
    const std::string full(path, size);
    return full.substr(full.find_last_of("\\/") + 1);
}

// A window of the named program with that title, whichever process it is.
inline HWND WaitForProgramWindow(const char* program, const char* title, DWORD ms) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        for (HWND w : Windows(0, title))
            if (_stricmp(ProgramOf(w).c_str(), program) == 0) return w;
        Sleep(50);
    }
    return nullptr;
}

inline bool WaitForProcessEnd(HWND window, DWORD ms) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) return true;
    const bool ended = WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

inline std::string WindowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class ProcessTest : public ::testing::Test {
protected:
    // A copy of a scenario of the source tree in a folder of the test's own, its adapter's
    // driver key renumbered; programs start in that folder.
    void SetUpScenario(const char* name) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof(temp), temp);
        folder = std::string(temp) + "havix-process-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        WritePrivateProfileStringA("config", "type", "2", (folder + "\\setting").c_str());
        WritePrivateProfileStringA("config", "dir", ".\\", (folder + "\\setting").c_str());
        std::string text = testutil::Scenario(name);
        const std::string driverKey = "bfc1-08002be10318}\\";
        const size_t at = text.find(driverKey);
        ASSERT_NE(at, std::string::npos);
        instance = std::to_string(5000 + GetCurrentProcessId() % 4000);
        text.replace(at + driverKey.size(), 4, instance);
        scenario = folder + "\\" + name;
        std::ofstream(scenario, std::ios::binary) << text;
        SetEnvironmentVariableA("WLSIM_SCENARIO", scenario.c_str());
    }
    std::string DriverKey() const {
        return "System\\CurrentControlSet\\Control\\Class\\{4d36e972-e325-11ce-bfc1-08002be10318}\\" + instance;
    }
    void TearDown() override {
        for (PROCESS_INFORMATION& p : started) {
            if (WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(p.hProcess, 1);
                WaitForSingleObject(p.hProcess, 5000);
            }
            CloseHandle(p.hProcess);
            CloseHandle(p.hThread);
        }
        for (HWND w : Windows(0, kMainTitle)) {
            // A program a started one started in turn.
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == GetCurrentProcessId()) continue;
            if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
                TerminateProcess(p, 1);
                WaitForSingleObject(p, 5000);
                CloseHandle(p);
            }
        }
        if (!scenario.empty()) {
            platform::sim::World w;
            if (w.LoadFile(scenario)) {
                w.DiscardPersistedSharing();
                w.DiscardRunLog();
            }
        }
        SetEnvironmentVariableA("WLSIM_SCENARIO", nullptr);
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + "\\" + data.cFileName).c_str());
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
    }
    PROCESS_INFORMATION Start(const std::string& exe, const std::string& arguments) {
        std::string commandLine = "\"" + exe + "\"";
        if (!arguments.empty()) commandLine += " " + arguments;
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        EXPECT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                                   &pi))
            << commandLine;
        started.push_back(pi);
        return pi;
    }

    std::string folder, scenario, instance;
    std::vector<PROCESS_INFORMATION> started;
};

}  // namespace proctest
