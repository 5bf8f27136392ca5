#include "station/core/registry/driver_registry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_key.h"
#include "shared/driver/oid_access.h"
#include "shared/radio/wireless_mode.h"
#include "station/core/radio/channel_plan.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/registry/radio_defaults.h"


namespace {

constexpr int kSetAttempts = 3;
constexpr size_t kMaxValueBytes = 64u << 20;  // far beyond any value a driver key holds

void SetText(HKEY key, const char* name, const char* text) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(std::strlen(text) + 1));
}

void SetNumber(HKEY key, const char* name, int value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    SetText(key, name, text);
}

// A REG_SZ value as text; false when it is missing or unreadable.
bool ReadText(HKEY key, const char* name, std::string& text) {
    char buffer[128] = {};
    DWORD type = 0, size = sizeof(buffer) - 1;
    LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (result != ERROR_SUCCESS) return false;
    text.assign(buffer, strnlen(buffer, size));
    return true;
}

bool HasValue(HKEY key, const char* name) {
    return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// Whole decimal text of an int; false for anything else.
bool ParseNumber(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != 0 || v < -2147483647L - 1 || v > 2147483647L) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

void SaveDriverKeyToDefault() { CopyDriverKeyValues(nullptr, KEY_QUERY_VALUE, "Default", KEY_ALL_ACCESS); }

void CopyApDefaultToDriverKey() { CopyDriverKeyValues("ApDefault", KEY_QUERY_VALUE, nullptr, KEY_ALL_ACCESS); }

void WriteDaduVeDefaults() {
    if (HKEY existing = OpenDriverKey("ApDefault", KEY_QUERY_VALUE)) {
        RegCloseKey(existing);
        return;
    }
    if (g_DriverKeyPath[0] == 0) return;
    // The seeded SSID is named after the adapter's address: without it nothing is seeded
    // (a zeroed address would store "DaduVE-00" for good), and the next start tries again.
    uint8_t mac[6] = {};
    if (!DriverOidOps().QueryOid0702(mac)) return;
    HKEY key = nullptr;
    const std::string path = std::string(g_DriverKeyPath) + "\\ApDefault";
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;

    char ssid[16];
    std::snprintf(ssid, sizeof(ssid), "DaduVE-%02X", mac[5]);
    static const BYTE kEmptyMultiSz[1] = {0};

    SetText(key, "SSID", ssid);
    SetText(key, "WirelessMode", "0");
    SetText(key, "TransRate", "0");
    SetText(key, "TurboRate", "0");
    SetText(key, "BGProtection", "0");
    SetText(key, "ShortSlot", "1");
    SetText(key, "Channel", "0");
    SetText(key, "PreambleType", "0");
    SetText(key, "TXPower", "0");
    SetText(key, "RtsThresh", "2347");
    SetText(key, "FragThresh", "0");
    SetText(key, "AuthMode", "0");
    SetText(key, "CipherMode", "1");
    SetText(key, "WPAPSK", "");
    SetText(key, "WEPKey1Type", "0");
    SetText(key, "WEPKey2Type", "0");
    SetText(key, "WEPKey3Type", "0");
    SetText(key, "WEPKey4Type", "0");
    SetText(key, "WEPKeyUse", "1");
    SetText(key, "WEPKey1", "");
    SetText(key, "WEPKey2", "");
    SetText(key, "WEPKey3", "");
    SetText(key, "WEPKey4", "");
    SetText(key, "RekeyInterval", "60");
    SetText(key, "RekeyMethod", "0");
    SetText(key, "TXPower", "0");
    SetText(key, "RadiusIP", "");
    SetText(key, "RadiusPort", "");
    SetText(key, "RadiusKey", "");
    SetText(key, "AccessControlPolicy", "0");
    RegSetValueExA(key, "AccessControlList", 0, REG_MULTI_SZ, kEmptyMultiSz, sizeof(kEmptyMultiSz));
    SetText(key, "WdsEnable", "1");
    RegSetValueExA(key, "WdsList", 0, REG_MULTI_SZ, kEmptyMultiSz, sizeof(kEmptyMultiSz));
    SetText(key, "AutoChannelSelect", "0");
    SetText(key, "NoForwarding", "0");
    SetText(key, "HideSSID", "0");
    SetText(key, "BeaconPeriod", "100");
    RegCloseKey(key);
}

int WriteOpModeAp() {
    if (HKEY key = OpenDriverKey(nullptr, KEY_ALL_ACCESS)) {
        SetText(key, "OpMode", "1");
        RegCloseKey(key);
    }
    DriverOidOps().SetOpMode(1);
    return 1;
}

void RunOnceInitConfigTxBurst() {
    HKEY key = OpenDriverKey(nullptr, KEY_ALL_ACCESS);
    if (!key) return;
    // Present at any length counts: a marker too long for a small buffer is still a marker.
    if (HasValue(key, "RunOnceInitConfigTxBurst")) {
        RegCloseKey(key);
        return;
    }

    DWORD select = 0;
    HKEY installer = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallerKeyPath, 0, KEY_QUERY_VALUE, &installer) == ERROR_SUCCESS) {
        DWORD type = 0, value = 0, size = sizeof(value);
        if (RegQueryValueExA(installer, "ConfigTxBurstSelect", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                             &size) == ERROR_SUCCESS &&
            type == REG_DWORD && size == sizeof(value))
            select = value;
        RegCloseKey(installer);
    }
    const int burst = select == 1 ? 1 : 0;

    // Only a block the driver handed back is sent again: a zeroed one would reset every
    // other radio setting in it.
    uint32_t block[kRadioBlockSize / 4] = {};
    DWORD returned = 0;
    if (QueryOid(kOidQueryRadioBlock, block, kRadioBlockSize, &returned)) {
        block[0] = static_cast<uint32_t>(burst);
        block[6] = 0;
        SetOid(kOidSetRadioBlock, block, kRadioBlockSize, &returned, kSetAttempts);
    }

    SetNumber(key, "TXBurst", burst);
    SetNumber(key, "RunOnceInitConfigTxBurst", burst);
    RegCloseKey(key);
}

int VerifyCountryRegion() {
    DWORD region = 0;
    // Without the driver's region there is no channel list to hold the stored channel
    // against: region 0's list would rewrite a channel that may well be allowed.
    const bool regionKnown = DriverOidOps().QueryOid0003(&region) != 0;
    if (regionKnown) {
        g_Region24Valid = (region & 0x80) ? 0 : 1;
        g_Region5Valid = (region & 0x8000) ? 0 : 1;
        g_RegionWord = region & ~static_cast<DWORD>(0x8080);
    }

    HKEY key = OpenDriverKey(nullptr, KEY_ALL_ACCESS);
    if (!key) return 0;

    std::string text;
    int mode = 0;
    if (ReadText(key, "WirelessMode", text) && ParseNumber(text, mode)) g_WirelessMode = mode;
    NormalizeWirelessMode(g_WirelessMode);
    if (!regionKnown) {
        RegCloseKey(key);
        return 1;
    }

    uint8_t channels[kMaxChannelListLength] = {};
    int count = 0;
    BuildChannelList(1, g_WirelessMode, 0, channels, &count);

    std::string channelText;
    bool present = ReadText(key, "Channel", channelText);
    bool allowed = false;
    int channel = 0;
    if (present && ParseNumber(channelText, channel))
        for (int i = 0; i < count; ++i)
            if (channels[i] == channel) allowed = true;

    // With no allowed channel there is nothing sound to write: the stored one stays.
    bool haveText = present;
    if (!allowed && count > 0) {
        char first[8];
        std::snprintf(first, sizeof(first), "%d", channels[0]);
        channelText = first;
        SetText(key, "Channel", first);
        haveText = true;
    }
    if (haveText) {
        if (HKEY saved = OpenDriverKey("Default", KEY_ALL_ACCESS)) {
            SetText(saved, "Channel", channelText.c_str());
            RegCloseKey(saved);
        }
    }
    RegCloseKey(key);
    return 1;
}

int ReadDriverKeyNumber(const char* name, int* value) {
    HKEY key = OpenDriverKey(nullptr, KEY_READ);
    if (!key) return 0;
    std::string text;
    int number = 0;
    const bool ok = ReadText(key, name, text) && ParseNumber(text, number);
    RegCloseKey(key);
    if (ok) *value = number;
    return ok ? 1 : 0;
}

void WriteDriverKeyNumber(const char* name, int value) {
    HKEY key = OpenDriverKey(nullptr, KEY_ALL_ACCESS);
    if (!key) return;
    SetNumber(key, name, value);
    RegCloseKey(key);
}

int ReadCcx2Control(DWORD* value) {
    *value = 0;
    HKEY key = OpenDriverKey(nullptr, KEY_READ);
    if (!key) return 0;
    BYTE buffer[128] = {};
    DWORD size = sizeof(buffer);
    LONG result = RegQueryValueExA(key, "CCX2Control", nullptr, nullptr, buffer, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return 0;
    std::memcpy(value, buffer, sizeof(*value));
    return 1;
}

BOOLEAN SetCcx2ControlOid(int adjust, DWORD value) {
    if (adjust != 1) value = (value & 0xFFFF00DF) | 0x0000FA00;
    DWORD returned = 0;
    return SetOid(kOidSetCcx2Control, &value, sizeof(value), &returned, kSetAttempts);
}
