#pragma once
// Pelcor's windows against a simulated world of connections installed in-process; message
// boxes are answered at once and recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "icsselect/wan_select_dlg.h"
#include "platform/ics_sharing.h"
#include "platform/platform.h"
#include "platform/sim/world.h"
#include "resources/icsselect/resource.h"
#include "tests/win/window_steps.h"

namespace pelcortest {

constexpr const char* kDialogTitle = "Internet  Connection Sharing with DaduVE";

inline std::string Connection(const std::string& name, const std::string& guidTail, const std::string& description,
                              const std::string& extra = "") {
    return "[connection]\nname = " + name + "\nguid = {8C1B2D3E-4F50-4A61-9B72-" + guidTail +
           "}\ndescription = " + description + "\n" + extra + "\n";
}

// A wired DHCP connection shared from an earlier run, the soft-AP card, a dial-up.
inline std::string ThreeConnections() {
    return Connection("Local Area Connection", "000000000001", "Fenmoor FE-100 Network Connection",
                      "mac = 00-0C-29-4A-7B-10\ndhcp = yes\nip = 192.168.1.33\ngateway = 192.168.1.1\n"
                      "sharing = public\n") +
           Connection("Wireless Network Connection", "000000000002", "Norvane ZQ-4402 Wireless LAN Card",
                      "mac = 02-E1-F0-51-01-07\nip = 192.168.0.1\nsharing = private\n") +
           Connection("Harbor Dial-up", "000000000003", "WAN (PPP/SLIP) Interface",
                      "type = ppp\nmac = 00-53-45-00-00-00\nip = 10.64.64.64\nmask = 255.255.255.255\n");
}

inline std::string ExeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s = path;
    return s.substr(0, s.find_last_of('\\') + 1);
}

}  // namespace pelcortest

class PelcorTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(sizeof m_savedFolder, m_savedFolder);
        g_WanConnectionName.clear();
    }
    void TearDown() override {
        KillTimer(nullptr, testutil::PendingTick::Timer());
        testutil::PendingTick::Work() = nullptr;
        platform::sim::Uninstall();
        DeleteFileA((pelcortest::ExeFolder() + "Quennet.txt").c_str());
        SetCurrentDirectoryA(m_savedFolder);
    }
    void Load(const std::string& text) {
        world.clock().SetManual(0);
        ASSERT_TRUE(world.LoadText(text)) << world.LoadError().Text();
        platform::sim::Install(&world);
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    }
    // Runs the dialog modally with steps inside its loop; a dialog the steps left open is
    // cancelled on the next turn of the loop.
    INT_PTR Run(CWanSelectDlg& dialog, std::function<void()> steps) {
        testutil::AtNextTick([&dialog, steps] {
            steps();
            testutil::AtNextTick([&dialog] {
                if (dialog.IsWindow()) dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
            });
        });
        INT_PTR result = dialog.DoModal();
        KillTimer(nullptr, testutil::PendingTick::Timer());
        testutil::PendingTick::Work() = nullptr;
        return result;
    }

    platform::sim::World world;

private:
    char m_savedFolder[MAX_PATH] = {};
};
