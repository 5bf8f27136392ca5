#pragma once
// Registry reads and writes for tests of the driver key and its subkeys, and binding the
// adapter identity of a loaded world without running discovery.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sim/world.h"
#include "shared/adapter/adapter_identity.h"

namespace testutil {

struct RegValue {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;
    std::string Text() const {
        std::string t(data.begin(), data.end());
        if (!t.empty() && t.back() == 0) t.pop_back();
        return t;
    }
};

inline RegValue ReadValue(HKEY root, const std::string& path, const char* name) {
    RegValue v;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return v;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.data.resize(size);
        if (RegQueryValueExA(key, name, nullptr, &v.type, v.data.data(), &size) == ERROR_SUCCESS) {
            v.data.resize(size);
            v.present = true;
        }
    }
    RegCloseKey(key);
    return v;
}

inline std::string ReadText(const std::string& hklmPath, const char* name) {
    RegValue v = ReadValue(HKEY_LOCAL_MACHINE, hklmPath, name);
    return v.present ? v.Text() : "<missing>";
}

inline bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

inline void SetValue(HKEY root, const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

inline void SetText(const std::string& hklmPath, const char* name, const char* text) {
    SetValue(HKEY_LOCAL_MACHINE, hklmPath, name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

inline void DeleteValue(const std::string& hklmPath, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, hklmPath.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

// The identity discovery would set for adapter 0 of the world.
inline void BindAdapter(const platform::sim::World& world, int chipIndex = 5) {
    std::snprintf(g_DriverKeyPath, sizeof(g_DriverKeyPath), "%s", world.DriverKeyPath(0).c_str());
    std::snprintf(g_DevicePath, sizeof(g_DevicePath), "%s", world.DevicePath(0).c_str());
    g_ChipIndex = chipIndex;
    SetChipFlags(chipIndex);
    g_IsUsbAdapter = 1;
    std::snprintf(g_HardwareId, sizeof(g_HardwareId), "%s", "USB\\VID_F0E1&PID_5101");
}

// Journal entries of sets that reached the driver as oid.
inline std::vector<platform::sim::JournalEntry> SetsOf(const platform::sim::World& world, DWORD oid) {
    std::vector<platform::sim::JournalEntry> out;
    for (const auto& e : world.Journal())
        if (e.set && e.oid == oid) out.push_back(e);
    return out;
}

inline platform::sim::Bytes U32(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}

}  // namespace testutil
