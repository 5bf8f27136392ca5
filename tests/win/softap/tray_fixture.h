#pragma once
// Havix's tray window run modally in-process against the simulated adapter world: steps run
// inside its loop, then it exits through its tray command. The administrator test is the
// fixture's to answer, and the program-wide stores start empty.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "softap/core/device/bridge_device.h"
#include "softap/core/tables/event_store.h"
#include "softap/tray/havix_app.h"
#include "softap/tray/qel_prop_sheet.h"
#include "softap/tray/tray_wnd.h"
#include "framework/app.h"
#include "framework/message_loop.h"
#include "havix_fixture.h"
#include "resources/softap/resource.h"

class TestTrayWnd : public softap::CTrayWnd {
public:
    int administrator = 1;

protected:
    int PassesAdministratorTest() override { return administrator; }
};

class TrayTest : public HavixTest {
protected:
    void SetUp() override {
        HavixTest::SetUp();
        fw::CWinApp::InitCommonControls();
        softap::g_EventArray.clear();
        softap::g_EventShownCount = 0;
        softap::g_BridgeSetCount = 0;
        softap::CHavixApp::SetHelpPath("C:\\Program Files\\Tesmar\\SorvelENG.HLP");
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    }
    void TearDown() override {
        softap::g_EventArray.clear();
        softap::g_EventShownCount = 0;
        HavixTest::TearDown();
    }
    // The soft-AP scenario, text replaced where the test needs another adapter.
    void LoadSoftAp(const std::vector<std::pair<std::string, std::string>>& changes = {}) {
        std::string text = testutil::Scenario("soft-ap.scn");
        for (const auto& [from, to] : changes) {
            const size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        }
        Load(text);
    }
    INT_PTR Run(std::function<void()> steps) {
        testutil::AtNextTick([&] {
            steps();
            if (window.IsWindow()) window.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
        });
        return window.DoModal();
    }
    void Poll() { window.SendMessage(WM_TIMER, softap::kPollTimerId, 0); }
    bool SheetShown() const { return window.m_pSheet && window.m_pSheet->IsWindow(); }
    softap::CQelPropSheet* Sheet() const { return window.m_pSheet; }
    HICON Icon(UINT id) const { return softap::CTrayWnd::TrayIconHandle(id); }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> out;
        for (const auto& call : world.MessageBoxCalls()) out.push_back(call.text);
        return out;
    }
    std::vector<std::string> Programs() const {
        std::vector<std::string> out;
        for (const auto& p : world.StartedPrograms()) out.push_back(p.commandLine);
        return out;
    }

    TestTrayWnd window;
};
