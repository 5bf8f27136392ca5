#include "platform/platform.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

#include "platform/sim/world.h"
#include "platform/sim/world_state.h"
#include "platform/win32/real.h"

namespace platform {
namespace {

std::once_flag g_initOnce;
std::unique_ptr<sim::World> g_scenarioWorld;   // from WLSIM_SCENARIO, lives until exit
std::atomic<sim::World*> g_installed{nullptr};  // a test's world, in front of everything

void LoadScenarioFromEnvironment() {
    char path[MAX_PATH * 2];
    DWORD n = GetEnvironmentVariableA("WLSIM_SCENARIO", path, sizeof path);
    if (n == 0) return;
    if (n >= sizeof path) {
        MessageBoxA(nullptr, "WLSIM_SCENARIO is too long.", "Simulated adapters", MB_OK | MB_ICONERROR);
        ExitProcess(1);
    }
    auto world = std::make_unique<sim::World>();
    if (!world->LoadFile(path, false)) {
        // A half-read scenario would make every later result meaningless: stop here.
        std::string msg = std::string("Scenario file ") + path + ": " + world->LoadError().Text();
        std::fprintf(stderr, "%s\n", msg.c_str());
        std::fflush(stderr);
        OutputDebugStringA((msg + "\n").c_str());
        MessageBoxA(nullptr, msg.c_str(), "Simulated adapters", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
        ExitProcess(1);
    }
    g_scenarioWorld = std::move(world);
}

sim::World* Current() {
    if (sim::World* w = g_installed.load()) return w;
    Init();
    return g_scenarioWorld.get();
}

}  // namespace

void Init() { std::call_once(g_initOnce, LoadScenarioFromEnvironment); }

bool IsSimulated() { return Current() != nullptr; }

DriverPort& Driver() {
    sim::World* w = Current();
    return w ? w->Driver() : win32::RealDriver();
}
DeviceEnum& Devices() {
    sim::World* w = Current();
    return w ? w->Devices() : win32::RealDevices();
}
NativeWifi& Wlan() {
    sim::World* w = Current();
    return w ? w->Wlan() : win32::RealWlan();
}
DriverEvents& Events() {
    sim::World* w = Current();
    return w ? w->Events() : win32::RealEvents();
}
Programs& Outside() {
    sim::World* w = Current();
    return w ? w->Outside() : win32::RealPrograms();
}
TrayIcon& Tray() {
    sim::World* w = Current();
    return w ? w->TrayPort() : win32::RealTray();
}
MessageBoxes& Boxes() {
    sim::World* w = Current();
    return w ? w->Boxes() : win32::RealBoxes();
}
IpHelper& Ip() {
    sim::World* w = Current();
    return w ? w->IpPort() : win32::RealIp();
}
IcsSharing& Sharing() {
    sim::World* w = Current();
    return w ? w->Sharing() : win32::RealSharing();
}
ServiceControl& Services() {
    sim::World* w = Current();
    return w ? w->Services() : win32::RealServices();
}
BridgePort& Bridge() {
    sim::World* w = Current();
    return w ? w->Bridge() : win32::RealBridge();
}

CertificateStores& Certificates() { return win32::RealCertificates(); }
FileDialogs& Files() {
    sim::World* w = Current();
    return w ? w->FilesPort() : win32::RealFileDialogs();
}
SecureRandom& Random() {
    sim::World* w = Current();
    return w ? w->Random() : win32::RealRandom();
}

namespace sim {
void Install(World* world) { g_installed.store(world); }
void Uninstall() { g_installed.store(nullptr); }
void ForgetWorld(World* world) { g_installed.compare_exchange_strong(world, nullptr); }
}  // namespace sim

}  // namespace platform
