// Havix as a process: the "-s" command line, and the instance rule it shares with the
// station utility.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "process_util.h"

namespace {

using namespace proctest;

class HavixProcessTest : public ProcessTest {
protected:
    void SetUp() override { SetUpScenario("soft-ap.scn"); }
    std::string Exe() const { return WindowsPath(std::string("Z:") + HAVIX_EXE); }
    DWORD Exit(const PROCESS_INFORMATION& p, HWND main) {
        PostMessageA(main, WM_COMMAND, 32776, 0);
        EXPECT_EQ(WaitForSingleObject(p.hProcess, 15000), static_cast<DWORD>(WAIT_OBJECT_0));
        DWORD code = 99;
        GetExitCodeProcess(p.hProcess, &code);
        return code;
    }
};

TEST_F(HavixProcessTest, OnlyTheWholeCommandLineSOrCapitalSKeepsTheSheetClosed) {
    const struct {
        const char* arguments;
        bool sheet;
    } cases[] = {{"-s", false}, {"-S", false}, {"-s x", true}, {"", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        PROCESS_INFORMATION p = Start(Exe(), c.arguments);
        HWND main = WaitForWindow(p.dwProcessId, kMainTitle, 15000);
        ASSERT_NE(main, nullptr);
        HWND sheet = WaitForWindow(p.dwProcessId, kSheetTitle, c.sheet ? 10000 : 1500);
        EXPECT_EQ(sheet != nullptr, c.sheet);
        EXPECT_FALSE(IsWindowVisible(main));
        EXPECT_EQ(Exit(p, main), 0u);
    }
}

TEST_F(HavixProcessTest, SecondInstanceOpensTheFirstOnesSheetAndLeavesSilently) {
    PROCESS_INFORMATION first = Start(Exe(), "-s");
    HWND main = WaitForWindow(first.dwProcessId, kMainTitle, 15000);
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(WaitForWindow(first.dwProcessId, kSheetTitle, 1000), nullptr);

    PROCESS_INFORMATION second = Start(Exe(), "");
    ASSERT_EQ(WaitForSingleObject(second.hProcess, 15000), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(Windows(second.dwProcessId, kMainTitle).empty());
    EXPECT_NE(WaitForWindow(first.dwProcessId, kSheetTitle, 10000), nullptr);
    EXPECT_EQ(Windows(0, kMainTitle).size(), 1u);
    Exit(first, main);
}

// The station utility holds the mutex: Havix asks its window for the sheet and ends; while
// that window is not there (yet) it ends without asking anyone.
LRESULT CALLBACK RecordCommand(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_COMMAND) SetWindowLongPtrA(w, GWLP_USERDATA, static_cast<LONG_PTR>(LOWORD(wp)));
    return DefWindowProcA(w, message, wp, lp);
}

TEST_F(HavixProcessTest, WhileTheStationUtilityRunsHavixOnlyAsksItForTheSheet) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "KV30");
    ASSERT_NE(mutex, nullptr);
    PROCESS_INFORMATION alone = Start(Exe(), "");
    EXPECT_EQ(WaitForSingleObject(alone.hProcess, 15000), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(Windows(alone.dwProcessId, kMainTitle).empty());

    WNDCLASSA cls{};
    cls.lpfnWndProc = RecordCommand;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "HavixTestStationWindow";
    RegisterClassA(&cls);
    HWND station = CreateWindowA(cls.lpszClassName, kMainTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 cls.hInstance, nullptr);
    ASSERT_NE(station, nullptr);
    PROCESS_INFORMATION asking = Start(Exe(), "-s");
    EXPECT_EQ(WaitForSingleObject(asking.hProcess, 15000), static_cast<DWORD>(WAIT_OBJECT_0));
    MSG msg;
    for (int i = 0; i < 40 && GetWindowLongPtrA(station, GWLP_USERDATA) == 0; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(25);
    }
    EXPECT_EQ(GetWindowLongPtrA(station, GWLP_USERDATA), 32774) << "the open-sheet command, whatever the command line";
    EXPECT_TRUE(Windows(asking.dwProcessId, kMainTitle).empty());
    DestroyWindow(station);
    UnregisterClassA(cls.lpszClassName, cls.hInstance);
    CloseHandle(mutex);
}

}  // namespace
