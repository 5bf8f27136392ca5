#pragma once
// A simulated adapter world installed in-process for one test, and the identity reset after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/platform.h"
#include "platform/sim/world.h"
#include "shared/adapter_identity.h"
#include "shared/os_code.h"
#include "shared/os_version.h"
#include "tests/win/common/world_test_util.h"

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
