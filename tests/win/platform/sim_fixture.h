#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/driver_port.h"
#include "platform/platform.h"
#include "platform/sim/world.h"

// A world with a manual clock at 0, installed in front of the real platform for one test.
class SimWorldTest : public ::testing::Test {
protected:
    void Load(const std::string& text) {
        world_.clock().SetManual(0);
        ASSERT_TRUE(world_.LoadText(text)) << world_.LoadError().Text();
        platform::sim::Install(&world_);
    }
    void TearDown() override { platform::sim::Uninstall(); }

    platform::sim::World world_;
};

inline std::string ScenarioPath(const char* name) { return std::string(WL_SOURCE_DIR "/scenarios/") + name; }

// The first adapter of default.scn, short.
inline const char* kOneAdapter = R"(
[adapter]
hardware_id = USB\VID_F0E1&PID_5101&REV_0001
hardware_id = USB\VID_F0E1&PID_5101
description = Norvane ZQ-4402 Wireless LAN Card
instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0007
mac = 02-E1-F0-51-01-07
value WirelessMode = 9
dword Flags = 0x10
oid 0xFF0C001A = 01 00 00 00
register eeprom 54 = 0x0203
signal = -55 -60
link = connected "Harbor Open" 02:11:22:33:44:55

[network]
ssid = "Harbor Open"
bssid = 02:11:22:33:44:55
channel = 6
rssi = -55
security = open
)";

// One open-call-close round as the OID layer does it; false with *error on failure.
inline bool DriverCall(platform::sim::World& world, std::uint32_t oid, std::vector<std::uint8_t>& buf,
                       DWORD* returned = nullptr, DWORD* error = nullptr) {
    platform::DriverPort& d = platform::Driver();
    HANDLE h = d.Open(world.DevicePath(0).c_str());
    if (h == INVALID_HANDLE_VALUE) {
        if (error) *error = GetLastError();
        return false;
    }
    DWORD r = 0xDEAD;  // the driver must write it
    BOOL ok = d.Ioctl(h, oid, buf.empty() ? nullptr : buf.data(), static_cast<DWORD>(buf.size()), &r);
    if (error) *error = ok ? 0 : GetLastError();
    d.Close(h);
    if (returned) *returned = r;
    return ok != FALSE;
}
