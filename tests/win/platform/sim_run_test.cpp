// Programs of one run share the adapter's driver key and hand it on: the key outlives the
// program that made it while another program of the run still uses it, and the last one
// removes it, also when it only shared the key until it was handed to it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/sim/world.h"
#include "sim_fixture.h"

namespace {

constexpr const char* kKey = "System\\CurrentControlSet\\Control\\Class\\{4d36e972-e325-11ce-bfc1-08002be10318}\\0096";

std::string EventName(const char* what, const char* parent) { return std::string("WlSimTest.") + what + "." + parent; }

void SetMarker() {
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &k), ERROR_SUCCESS);
    RegSetValueExA(k, "Marker", 0, REG_SZ, reinterpret_cast<const BYTE*>("kept"), 5);
    RegCloseKey(k);
}

std::string Marker() {
    char text[16] = {};
    DWORD size = sizeof text - 1;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kKey, "Marker", RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return "<missing>";
    return text;
}

bool KeyThere() {
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

// Runs in the child that SimRun.TheKeyIsHandedOnAndTheLastProgramRemovesIt starts: a program
// of the run that shares the adapter, then ends when told.
TEST(SimRun, ChildSharesTheAdapter) {
    char parent[32] = {};
    if (GetEnvironmentVariableA("WLSIM_TEST_PARENT", parent, sizeof parent) == 0) GTEST_SKIP() << "runs only as a child";
    platform::Init();
    ASSERT_TRUE(platform::IsSimulated());
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, EventName("Ready", parent).c_str());
    HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, EventName("Go", parent).c_str());
    ASSERT_TRUE(ready && go);
    SetEvent(ready);
    EXPECT_EQ(WaitForSingleObject(go, 30000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(ready);
    CloseHandle(go);
}

TEST(SimRun, TheKeyIsHandedOnAndTheLastProgramRemovesIt) {
    if (GetEnvironmentVariableA("WLSIM_TEST_PARENT", nullptr, 0) != 0) GTEST_SKIP() << "already the child";
    std::string text;
    {
        std::ifstream in(ScenarioPath("default.scn"), std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const size_t at = text.find("}\\0007");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 6, "}\\0096");
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string scenario = std::string(temp) + "simrun-" + std::to_string(GetCurrentProcessId()) + ".scn";
    std::ofstream(scenario, std::ios::binary) << text;

    auto first = std::make_unique<platform::sim::World>();
    ASSERT_TRUE(first->LoadFile(scenario)) << first->LoadError().Text();
    ASSERT_TRUE(KeyThere());
    const std::string parent = std::to_string(GetCurrentProcessId());
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, EventName("Ready", parent.c_str()).c_str());
    HANDLE go = CreateEventA(nullptr, TRUE, FALSE, EventName("Go", parent.c_str()).c_str());

    char exe[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, exe, MAX_PATH), 0u);
    std::string cmd = std::string("\"") + exe + "\" --gtest_filter=SimRun.ChildSharesTheAdapter";
    SetEnvironmentVariableA("WLSIM_SCENARIO", scenario.c_str());
    SetEnvironmentVariableA("WLSIM_TEST_PARENT", parent.c_str());
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableA("WLSIM_SCENARIO", nullptr);
    SetEnvironmentVariableA("WLSIM_TEST_PARENT", nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(WaitForSingleObject(ready, 30000), static_cast<DWORD>(WAIT_OBJECT_0));

    SetMarker();
    first.reset();  // the program that made the key ends first
    EXPECT_TRUE(KeyThere()) << "handed to the program still running";
    EXPECT_EQ(Marker(), "kept");

    SetEvent(go);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 30000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(KeyThere()) << "the last program of the run removed it";
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(ready);
    CloseHandle(go);
    DeleteFileA(scenario.c_str());
}

}  // namespace
