#include <gtest/gtest.h>

#include <cstring>

#include "platform/message_boxes.h"
#include "platform/programs.h"
#include "platform/tray_icon.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

// A hidden top-level window: tray owner and target of posted messages.
class Window {
public:
    Window() {
        hwnd_ = CreateWindowExA(0, "STATIC", "platform test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    ~Window() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    HWND get() const { return hwnd_; }
    int CountPosted(UINT message) const {
        MSG m;
        int n = 0;
        while (PeekMessageA(&m, hwnd_, message, message, PM_REMOVE)) ++n;
        return n;
    }

private:
    HWND hwnd_;
};

using SimMisc = SimWorldTest;

TEST_F(SimMisc, MessageBoxAnswererSeesTheCallAndMayActMeanwhile) {
    Load(kOneAdapter);
    world_.SetMessageBoxAnswerer([this](const MessageBoxCall& c) {
        world_.Unplug(0);  // the user pulls the card while the box is open
        return c.type & MB_YESNO ? IDNO : IDOK;
    });
    HWND owner = reinterpret_cast<HWND>(0x1234);
    EXPECT_EQ(platform::Boxes().Show(owner, "NIC or driver not ready", "Tesmar Wireless UI", MB_YESNO), IDNO);
    EXPECT_EQ(platform::Boxes().Show(nullptr, "second", nullptr, MB_OK), IDOK);
    std::vector<MessageBoxCall> calls = world_.MessageBoxCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].owner, owner);
    EXPECT_EQ(calls[0].text, "NIC or driver not ready");
    EXPECT_EQ(calls[0].caption, "Tesmar Wireless UI");
    EXPECT_EQ(calls[0].type, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(calls[0].answer, IDNO);
    EXPECT_EQ(calls[1].caption, "");
    EXPECT_FALSE(world_.IsPresent(0));
}

TEST_F(SimMisc, ProgramsAreRecordedNotStarted) {
    Load(kOneAdapter);
    EXPECT_EQ(platform::Outside().WinExec("\"Vantrel.exe\" remove", SW_MINIMIZE), 33u);
    EXPECT_EQ(platform::Outside().WinExec("\"Pelcor.exe\" ICS_DOWN", SW_HIDE), 33u);
    std::vector<ProgramStart> p = world_.StartedPrograms();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].commandLine, "\"Vantrel.exe\" remove");
    EXPECT_EQ(p[0].show, static_cast<UINT>(SW_MINIMIZE));
    EXPECT_EQ(p[1].show, static_cast<UINT>(SW_HIDE));
}

// The mode-switch tool changes what the driver reports as its op mode; the bridging tool
// is only recorded.
TEST_F(SimMisc, ModeSwitchToolSetsTheDriversOpMode) {
    std::string station = kOneAdapter;  // in station mode
    station.replace(station.find("oid 0xFF0C001A = 01"), 19, "oid 0xFF0C001A = 00");
    Load(station);
    auto opMode = [&] {
        HANDLE h = platform::Driver().Open(world_.DevicePath(0).c_str());
        DWORD mode = 0xEE, returned = 0;
        platform::Driver().Ioctl(h, 0xFF0C001A, &mode, 4, &returned);
        platform::Driver().Close(h);
        return mode;
    };
    ASSERT_EQ(opMode(), 0u);

    struct Step {
        const char* commandLine;
        DWORD mode;
    };
    const Step steps[] = {
        {"\"Vantrel.exe\" remove", 0},
        {"\"Trelby.exe\" ON Lumora Havix \"Tesmar Wireless\" USB 5 USB\\VID_F0E1&PID_9999", 0},  // another adapter
        {"\"Trelby.exe\" ON Lumora Havix \"Tesmar Wireless\" USB 5 USB\\VID_F0E1&PID_5101", 1},
        {"\"Trelby.exe\" OFF Lumora Havix \"NORVANE ZQ-4402\"", 0},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(platform::Outside().WinExec(step.commandLine, SW_MINIMIZE), 33u);
        EXPECT_EQ(opMode(), step.mode) << step.commandLine;
    }

    // A set of the op mode before the switch does not outlive it.
    DWORD zero = 0, returned = 0;
    HANDLE h = platform::Driver().Open(world_.DevicePath(0).c_str());
    platform::Driver().Ioctl(h, 0xFF8C001A, &zero, 4, &returned);
    platform::Driver().Close(h);
    platform::Outside().WinExec(steps[2].commandLine, SW_MINIMIZE);
    EXPECT_EQ(opMode(), 1u);

    std::vector<ProgramStart> p = world_.StartedPrograms();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[2].commandLine, steps[2].commandLine);
}

TEST_F(SimMisc, TrayRecordsTheIconAndCanFailLikeARestartedShell) {
    Load(kOneAdapter);
    Window w;
    ASSERT_NE(w.get(), nullptr);
    NOTIFYICONDATAA nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = w.get();
    nid.uID = 161;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = 0x464;
    nid.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    std::strcpy(nid.szTip, "Norvane Wireless LAN Card\nDisconnected");

    world_.FailTrayCalls(1);
    EXPECT_FALSE(platform::Tray().Notify(NIM_ADD, &nid));
    EXPECT_FALSE(world_.Tray().present);
    ASSERT_TRUE(platform::Tray().Notify(NIM_ADD, &nid));
    TrayRecord t = world_.Tray();
    EXPECT_TRUE(t.present);
    EXPECT_EQ(t.id, 161u);
    EXPECT_EQ(t.callbackMessage, 0x464u);
    EXPECT_EQ(t.tip, "Norvane Wireless LAN Card\nDisconnected");

    nid.uFlags = NIF_ICON | NIF_TIP;
    std::strcpy(nid.szTip, "Norvane Wireless LAN Card\nGood");
    EXPECT_TRUE(platform::Tray().Notify(NIM_MODIFY, &nid));
    EXPECT_TRUE(platform::Tray().Notify(NIM_DELETE, &nid));
    t = world_.Tray();
    EXPECT_FALSE(t.present);
    EXPECT_EQ(t.tip, "Norvane Wireless LAN Card\nGood");
    ASSERT_EQ(t.calls.size(), 4u);
    EXPECT_TRUE(t.calls[0].forcedFailure);
    EXPECT_FALSE(t.calls[0].result);
    EXPECT_EQ(t.calls[2].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_TRUE(t.calls[3].result);
}

TEST_F(SimMisc, InstallPutsTheWorldInFront) {
    EXPECT_FALSE(platform::IsSimulated()) << "no WLSIM_SCENARIO in the test environment";
    Load(kOneAdapter);
    EXPECT_TRUE(platform::IsSimulated());
    EXPECT_EQ(&platform::Driver(), &world_.Driver());
    platform::sim::Uninstall();
    EXPECT_FALSE(platform::IsSimulated());
    EXPECT_NE(&platform::Driver(), &world_.Driver());
}

TEST(SimInstall, ADestroyedWorldLeavesThePlatform) {
    {
        World w;
        ASSERT_TRUE(w.LoadText(kOneAdapter));
        platform::sim::Install(&w);
        EXPECT_TRUE(platform::IsSimulated());
    }
    EXPECT_FALSE(platform::IsSimulated());
}

}  // namespace
