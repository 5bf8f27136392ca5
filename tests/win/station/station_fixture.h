#pragma once
// A simulated adapter world installed in-process for one test, and the identity reset after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/platform.h"
#include "platform/sim/world.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/system/os_code.h"
#include "shared/system/os_version.h"
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

#include "tests/win/common/screen_picture.h"

#include "station/core/qel_config_app.h"

namespace testutil {

// A data directory of the test's own, named by the ".\\setting" file in it as at start-up
// (the test runs in it meanwhile); removed with everything in it.
class TempDataDirectory {
public:
    explicit TempDataDirectory(const char* tag) {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof(temp), temp);
        path_ = std::string(temp) + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount()) + "\\";
        made_ = CreateDirectoryA(path_.c_str(), nullptr) != FALSE;
        GetCurrentDirectoryA(sizeof(cwd_), cwd_);
        SetCurrentDirectoryA(path_.c_str());
        WritePrivateProfileStringA("config", "type", "2", ".\\setting");
        WritePrivateProfileStringA("config", "dir", path_.c_str(), ".\\setting");
        CQelConfigApp::ReadDataDirectory();
    }
    ~TempDataDirectory() {
        SetCurrentDirectoryA(cwd_);
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((path_ + "*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::string path = path_ + found.cFileName;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveDirectoryA(path.c_str());
                else DeleteFileA(path.c_str());
            } while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(path_.c_str());
    }
    TempDataDirectory(const TempDataDirectory&) = delete;
    TempDataDirectory& operator=(const TempDataDirectory&) = delete;

    bool Made() const { return made_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    bool made_ = false;
    char cwd_[MAX_PATH] = {};
};

}  // namespace testutil
