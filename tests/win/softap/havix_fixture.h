#pragma once
// A simulated adapter world installed in-process for one Havix test, the adapter bound as
// Havix's discovery binds it, and the program-wide soft-AP state reset around each test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "softap/core/device/ap_os_code.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/havix_trace.h"
#include "platform/platform.h"
#include "platform/sim/world.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"
#include "tests/win/common/world_test_util.h"
#include "tests/win/station/driver_key_util.h"

class HavixTest : public ::testing::Test {
protected:
    void SetUp() override {
        softap::GetOsVersionCode();
        testutil::ResetIdentity();
        softap::g_Ap = softap::ApState{};
        char path[MAX_PATH];
        std::snprintf(path, sizeof(path), "havix-trace-%lu.txt", GetCurrentProcessId());
        tracePath = path;
        DeleteFileA(tracePath.c_str());
        softap::SetTraceFilePath(tracePath);
    }
    void TearDown() override {
        DrainSetOidQueue();
        platform::sim::Uninstall();
        testutil::ResetIdentity();
        softap::g_Ap = softap::ApState{};
        DeleteFileA(tracePath.c_str());
        softap::SetTraceFilePath("");
    }
    void Load(const std::string& text) {
        ASSERT_TRUE(world.LoadText(text)) << "scenario line " << world.LoadError().line << ": "
                                          << world.LoadError().message;
        platform::sim::Install(&world);
    }
    // The identity Havix's discovery sets for adapter i.
    void Bind(int chipIndex, bool usb, std::size_t i = 0) {
        std::snprintf(g_DriverKeyPath, sizeof(g_DriverKeyPath), "%s", world.DriverKeyPath(i).c_str());
        std::snprintf(g_DevicePath, sizeof(g_DevicePath), "%s", world.DevicePath(i).c_str());
        g_ChipIndex = chipIndex;
        g_IsUsbAdapter = usb ? 1 : 0;
        g_IsHtChip = IsHtChip(chipIndex);
        g_HtChipIndex = HtChipIndex(chipIndex);
        g_Supports5GHz = world.Adapter(i).supports5GHz ? 1 : 0;
    }
    std::string DriverKey() const { return g_DriverKeyPath; }
    std::string ApDefault() const { return std::string(g_DriverKeyPath) + "\\ApDefault"; }
    std::string Text(const std::string& key, const char* name) const { return testutil::ReadText(key, name); }
    void SetText(const std::string& key, const char* name, const std::string& text) {
        testutil::SetText(key, name, text.c_str());
    }
    void SetMultiString(const std::string& key, const char* name, const std::vector<std::string>& entries) {
        std::string bytes;
        for (const std::string& e : entries) bytes += e + '\0';
        bytes += '\0';
        testutil::SetValue(HKEY_LOCAL_MACHINE, key, name, REG_MULTI_SZ, bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    std::string TraceFile() const {
        std::string text;
        if (std::FILE* f = std::fopen(tracePath.c_str(), "rb")) {
            char buffer[4096];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) text.append(buffer, n);
            std::fclose(f);
        }
        return text;
    }

    platform::sim::World world;
    std::string tracePath;
};
