#include "station/profiles/driver_registry_settings.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"
#include "shared/radio/wireless_mode.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/registry/radio_defaults.h"
#include "station/core/radio/rate_tables.h"
#include "station/profiles/station_config_reader.h"

namespace {

constexpr DWORD kOidQueryHtSettings = 0xFF0C0028;
constexpr DWORD kHtAnswerSize = 12;

// A number the driver key keeps as decimal text, or as a DWORD.
bool ReadNumber(HKEY key, const char* name, long& value) {
    char buffer[128] = {};
    DWORD type = 0, size = sizeof(buffer) - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return false;
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD v = 0;
        std::memcpy(&v, buffer, sizeof(v));
        value = static_cast<long>(v);
        return true;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    value = SettingsNumber(std::string(buffer, strnlen(buffer, size)));
    return true;
}

bool ReadDword(HKEY key, const char* name, DWORD& value) {
    DWORD type = 0, v = 0, size = sizeof(v);
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&v), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(v))
        return false;
    value = v;
    return true;
}

void SetPhyField(ProfileApplyRecord& record, int field, uint32_t value) {
    std::memcpy(record.PhyConfig + 4 * field, &value, 4);
}

void ReadRadioSettings(HKEY key, ProfileApplyRecord& record) {
    record.ApplyDriverSettings = 1;
    long value = 0;
    if (ReadNumber(key, "WirelessMode", value)) g_WirelessMode = static_cast<int>(value);
    NormalizeWirelessMode(g_WirelessMode);
    const int mode = g_WirelessMode;

    // What the driver does not answer is neither sent nor kept: a zeroed answer sent back
    // would reset the settings it stands for (the extension channel of the 802.11n word,
    // every field of the radio block).
    if (g_IsHtChip) {
        uint8_t answer[kHtAnswerSize] = {};
        DWORD returned = 0;
        const bool answered = QueryOid(kOidQueryHtSettings, answer, sizeof(answer), &returned) != FALSE;
        DWORD setting = 0;
        const bool stored = ReadDword(key, "TransmitSetting", setting);
        // The word is still made: its MCS picks the 802.11n rates below.
        g_HtSettingsWord = ProfileHtSettingsWord(mode, answer[6], stored, setting);
        record.HtSettingsUnread = answered ? 0 : 1;
    }

    DWORD returned = 0;
    const bool blockRead = QueryOid(kOidQueryRadioBlock, record.PhyConfig, sizeof(record.PhyConfig), &returned) != FALSE;
    if (!blockRead) {
        std::memset(record.PhyConfig, 0, sizeof(record.PhyConfig));
        record.RadioBlockUnread = 1;
    }

    if (ReadNumber(key, "CountryRegion", value)) {
        long band = 0;
        record.CountryRegion = static_cast<int32_t>(value + (ReadNumber(key, "CountryRegionABand", band) ? 256 * band : 0));
    }
    if (ReadNumber(key, "TXBurst", value)) SetPhyField(record, 0, static_cast<uint32_t>(value));
    if (ReadNumber(key, "TurboRate", value)) SetPhyField(record, 1, static_cast<uint32_t>(value));
    if (mode == 0 || mode == 3) {
        if (ReadNumber(key, "BGProtection", value)) SetPhyField(record, 2, static_cast<uint32_t>(value));
    } else {
        SetPhyField(record, 2, 0);
    }
    if (ReadNumber(key, "ShortSlot", value)) SetPhyField(record, 3, static_cast<uint32_t>(value));

    long rate = 0;
    const bool hasRate = ReadNumber(key, "TransRate", rate);
    const DesiredRates rates = ProfileDesiredRates(mode, hasRate, rate, g_HtSettingsWord);
    std::memcpy(record.DesiredRates, rates.data(), sizeof(record.DesiredRates));
    if (blockRead) std::memcpy(g_DefaultPhyConfig, record.PhyConfig, sizeof(g_DefaultPhyConfig));
    else std::memset(g_DefaultPhyConfig, 0, sizeof(g_DefaultPhyConfig));
    g_DefaultPhyConfigRead = blockRead ? 1 : 0;
}

}  // namespace

int ReadDriverRegistrySettings(ProfileApplyRecord& record, int withDriverSettings) {
    HKEY key = OpenDriverKey(nullptr, KEY_READ);
    if (!key) return 0;

    record.Ccx2Control = 0;
    BYTE ccx[128] = {};
    DWORD size = sizeof(ccx);
    if (RegQueryValueExA(key, "CCX2Control", nullptr, nullptr, ccx, &size) == ERROR_SUCCESS)
        std::memcpy(&record.Ccx2Control, ccx, 4);

    if (withDriverSettings) ReadRadioSettings(key, record);
    else record.ApplyDriverSettings = 0;
    RegCloseKey(key);

    key = OpenDriverKey(nullptr, KEY_ALL_ACCESS);
    if (!key) return 0;
    // A mode without an OFDM code leaves the stored value as it is.
    const int code = AdhocOfdmCode(g_WirelessMode);
    if (code >= 0) {
        if (withDriverSettings) SetPhyField(record, 4, static_cast<uint32_t>(code));
        char text[16];
        std::snprintf(text, sizeof(text), "%d", code);
        RegSetValueExA(key, "AdhocOfdm", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(std::strlen(text) + 1));
    }
    RegCloseKey(key);
    return 1;
}
