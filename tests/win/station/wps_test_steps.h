#pragma once
// Steps of the WPS tests of the main window and of the WPS page: the driver's WPS OIDs, the
// SSIDs the connects handed the driver, the adapter's settings files, the main window's timers.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/wnd.h"
#include "platform/sim/world.h"

namespace wpstest {

// The adapter of scenarios/wps.scn.
constexpr const char* kAdapter = "{3C5E7A91-2B4D-4F60-8A1C-9E0D2F4B6A83}";
constexpr DWORD kQueryButton = 0xFF0C002F;
constexpr DWORD kQueryStatus = 0xFF0C002D;
constexpr DWORD kQueryTable = 0xFF0C002E;
constexpr DWORD kSetSsid = 0x0D810102;

using Bytes = std::vector<std::uint8_t>;

inline Bytes U32(std::uint32_t v) {
    return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

// The SSIDs of the connects, as the driver was given them, in order.
inline std::vector<std::string> SsidSets(const std::vector<platform::sim::JournalEntry>& journal) {
    std::vector<std::string> ssids;
    for (const auto& e : journal) {
        if (e.oid != kSetSsid || e.in.size() < 36) continue;
        std::uint32_t n = 0;
        std::memcpy(&n, e.in.data(), 4);
        ssids.emplace_back(reinterpret_cast<const char*>(e.in.data() + 4), n > 32 ? 32 : n);
    }
    return ssids;
}

// The adapter's settings file of that kind ("_wsc", "_sta", "_prof") in the data directory.
inline std::string SettingsFile(const std::string& dataDir, const char* kind) {
    return dataDir + "KV31_" + kAdapter + kind;
}
inline std::string SettingsValue(const std::string& dataDir, const char* kind, const char* section, const char* key) {
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof(value), SettingsFile(dataDir, kind).c_str());
    return value;
}

// Whether the window has the timer: killing it tells; it is armed again as it was.
inline bool Armed(fw::CWnd& window, UINT_PTR id, UINT ms) {
    if (!::KillTimer(window.m_hWnd, id)) return false;
    window.SetTimer(id, ms);
    return true;
}

}  // namespace wpstest
