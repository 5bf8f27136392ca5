#pragma once
// A simulated adapter world installed in-process for one test, and the identity reset after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "platform/platform.h"
#include "platform/sim/world.h"
#include "shared/adapter_identity.h"
#include "shared/os_code.h"
#include "shared/os_version.h"

namespace testutil {

// A scenario file of the source tree, as text.
inline std::string Scenario(const char* name) {
    std::ifstream in(std::string("Z:") + WL_SOURCE_DIR + "/scenarios/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void ResetIdentity() {
    g_HardwareId[0] = 0;
    g_ChipIndex = -1;
    g_IsUsbAdapter = 0;
    g_AdapterDescription[0] = 0;
    g_NetCfgInstanceId[0] = 0;
    g_DevicePath[0] = 0;
    g_DriverKeyPath[0] = 0;
    g_Supports5GHz = 0;
    SetChipFlags(-1);
}

// Runs fn on every top-level window of this thread (parallel tests share one desktop).
template <class Fn>
BOOL CALLBACK CallForWindow(HWND w, LPARAM p) {
    (*reinterpret_cast<Fn*>(p))(w);
    return TRUE;
}

template <class Fn>
void ForEachThreadWindow(Fn fn) {
    EnumThreadWindows(GetCurrentThreadId(), CallForWindow<Fn>, reinterpret_cast<LPARAM>(&fn));
}

inline HWND FindThreadWindow(const char* caption) {
    HWND found = nullptr;
    ForEachThreadWindow([&](HWND w) {
        char text[256] = {};
        GetWindowTextA(w, text, sizeof(text));
        if (!found && std::string(text) == caption && IsWindowVisible(w)) found = w;
    });
    return found;
}

}  // namespace testutil

class StationTest : public ::testing::Test {
protected:
    void SetUp() override {
        DetectOsVersion();
        testutil::ResetIdentity();
    }
    void TearDown() override {
        platform::sim::Uninstall();
        testutil::ResetIdentity();
    }
    void Load(const std::string& text) {
        ASSERT_TRUE(world.LoadText(text)) << "scenario line " << world.LoadError().line << ": "
                                          << world.LoadError().message;
        platform::sim::Install(&world);
    }

    platform::sim::World world;
};

namespace testutil {

// Runs fn once from a window-less timer, i.e. from inside whatever modal loop is running then.
struct PendingTick {
    static std::function<void()>& Work() {
        static std::function<void()> work;
        return work;
    }
    static UINT_PTR& Timer() {
        static UINT_PTR timer = 0;
        return timer;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
        KillTimer(nullptr, Timer());
        auto run = std::move(Work());
        Work() = nullptr;
        if (run) run();
    }
};

inline void AtNextTick(std::function<void()> fn, UINT delayMs = 10) {
    PendingTick::Work() = std::move(fn);
    PendingTick::Timer() = SetTimer(nullptr, 0, delayMs, PendingTick::Fire);
}

}  // namespace testutil

#include "resources/station/resource.h"
#include "station/core/hide_dlg.h"

// A test that runs the main window's modal loop: steps run inside it, then the window exits
// through its tray command.
class MainWindowFixture : public StationTest {
protected:
    INT_PTR Run(std::function<void()> steps) {
        testutil::AtNextTick([&] {
            steps();
            if (dialog.IsWindow()) dialog.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
        });
        return dialog.DoModal();
    }
    // What timer 1 does every 2 seconds.
    void Poll() { dialog.SendMessage(WM_TIMER, 1, 0); }

    CHideDlg dialog;
};
