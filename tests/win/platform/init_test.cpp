#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/device_enum.h"
#include "platform/native_wifi.h"
#include "platform/platform.h"
#include "sim_fixture.h"

namespace {

// Runs in the child that SimInit.ScenarioFromEnvironment starts with WLSIM_SCENARIO set.
TEST(SimInit, ChildSeesTheScenario) {
    if (GetEnvironmentVariableA("WLSIM_SCENARIO", nullptr, 0) == 0) GTEST_SKIP() << "runs only as a child";
    platform::Init();
    ASSERT_TRUE(platform::IsSimulated());
    GUID net[3];
    DWORD n = 0;
    ASSERT_TRUE(platform::Devices().ClassGuidsFromName("Net", net, 3, &n));
    HDEVINFO set = platform::Devices().GetClassDevs(&net[0], DIGCF_PRESENT);
    SP_DEVINFO_DATA d{};
    d.cbSize = sizeof d;
    EXPECT_TRUE(platform::Devices().EnumDeviceInfo(set, 0, &d));
    EXPECT_FALSE(platform::Devices().EnumDeviceInfo(set, 1, &d));
    platform::Devices().DestroyDeviceInfoList(set);
    HANDLE h = platform::Driver().Open("\\\\.\\{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}");
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    platform::Driver().Close(h);
}

TEST(SimInit, ScenarioFromEnvironment) {
    if (GetEnvironmentVariableA("WLSIM_SCENARIO", nullptr, 0) != 0) GTEST_SKIP() << "already the child";
    char exe[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, exe, MAX_PATH), 0u);
    std::string cmd = std::string("\"") + exe + "\" --gtest_filter=SimInit.ChildSeesTheScenario";
    // default.scn under a driver instance of its own: the program tests run Lumora on
    // default.scn at the same time, and a shared key would be removed under one of them.
    std::string text;
    {
        std::ifstream in(ScenarioPath("default.scn"), std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const size_t at = text.find("}\\0007");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 6, "}\\0097");
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string scenario = std::string(temp) + "siminit-" + std::to_string(GetCurrentProcessId()) + ".scn";
    std::ofstream(scenario, std::ios::binary) << text;
    ASSERT_TRUE(SetEnvironmentVariableA("WLSIM_SCENARIO", scenario.c_str()));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableA("WLSIM_SCENARIO", nullptr);
    ASSERT_TRUE(started);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 30000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    DeleteFileA(scenario.c_str());
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(platform::IsSimulated()) << "the parent stays on the real platform";

    // The child removed the driver key it made.
    HKEY k;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                            "System\\CurrentControlSet\\Control\\Class\\{4d36e972-e325-11ce-bfc1-08002be10318}\\0097", 0,
                            KEY_READ, &k),
              ERROR_SUCCESS);
}

}  // namespace
