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
#include "tests/win/window_steps.h"

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


#include "framework/message_loop.h"
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
    // Lets the simulated service deliver and the windows handle it, until done() or 5 s.
    bool PumpUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 250 && !done(); ++i) {
            world.WaitWlanNotificationsDelivered(200);
            fw::PumpMessages(20);
        }
        return done();
    }

    CHideDlg dialog;
};
