#include "station/core/wps/wps_poll.h"

#include <cstdio>
#include <cstring>

#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"
#include "station/core/action_data.h"
#include "station/core/wlan/ansi_text.h"
#include "station/core/hide_dlg.h"
#include "station/core/settings/settings_file.h"
#include "station/core/station_globals.h"
#include "station/core/wps/wps_profile_record.h"
#include "station/core/wps/wps_status.h"

WpsCredentialTable g_WpsCredentialTable = {};
int g_WpsSessionActive = 0;
int g_WpsCycleCredentials = 1;
int g_WpsCurrentIndex = 0;
int g_WpsNextIndex = 0;
int g_WpsRegistrarMode = 0;
uint32_t g_WpsPinCode = 0;

namespace {


bool QueryU32(DWORD oid, uint32_t* value) {
    *value = 0;
    DWORD returned = 0;
    return QueryOid(oid, value, sizeof(*value), &returned) != FALSE;
}

void KillWpsTimer(unsigned id) {
    if (g_pHideDlg) g_pHideDlg->KillTimer(id);
}

void StartWpsTimer(unsigned id, unsigned ms) {
    if (g_pHideDlg) g_pHideDlg->SetTimer(id, ms);
}

WlanProfileStore* ProfileStore() {
    return g_pHideDlg ? g_pHideDlg->m_WlanManager.ProfileStore() : nullptr;
}

// States after which the driver has given up without credentials.
bool EndsWithoutCredentials(uint32_t state) {
    switch (state) {
    case kWpsStateWrongNonce:
    case kWpsStateHmacMismatch:
    case kWpsStateWrongPin:
    case kWpsStateInvalidSsid:
    case kWpsStateWrongVendorId:
    case kWpsStateWrongVendorType:
    case kWpsStateEapFailed:
        return true;
    default:
        return false;
    }
}

void OnConfigured() {
    KillWpsTimer(kWpsReconnectTimer);
    // Without the driver's answer the stored credentials and their service profiles stay;
    // timer 5 goes on, and the next tick, still "Configured", asks again.
    if (!QueryWpsCredentials()) return;
    KillWpsTimer(kWpsStatusTimer);
    WriteWpsProfiles(1);
    WriteWpsConfigCommon();
    if (g_WpsCredentialTable.Count != 0) {
        g_WpsCurrentIndex = g_WpsNextIndex = 0;
        QueueWpsConnect();
        StartWpsTimer(kWpsReconnectTimer, kWpsReconnectMs);
    }
}

}  // namespace

bool QueryWpsCredentials() {
    // What the driver hands over is held to the table's fields before anyone reads it.
    uint8_t answer[sizeof(WpsCredentialTable)] = {};
    DWORD returned = 0;
    if (!QueryOid(kOidWpsCredentials, answer, sizeof(answer), &returned)) {
        // Formatted for a debugger only, like the other failed calls; the user is not told.
        OutputDebugStringA("WPS credential query failed - nothing stored changed\n");
        return false;
    }
    ParseWpsCredentialTable(answer, returned > sizeof(answer) ? sizeof(answer) : returned, g_WpsCredentialTable);
    return true;
}

int PollWps(unsigned timerId) {
    switch (timerId) {
    case kWpsReconnectTimer:
        if (g_WpsSessionActive && g_WpsCycleCredentials && g_WpsCredentialTable.Count) {
            if (IsWpsProfileConnected()) KillWpsTimer(kWpsReconnectTimer);
            else QueueWpsConnect();
        } else {
            KillWpsTimer(kWpsReconnectTimer);
        }
        return 0;

    case kWpsButtonTimer: {
        uint32_t pressed = 0;
        if (QueryU32(kOidWpsButton, &pressed) && pressed != 0) {
            g_WpsSessionActive = 1;
            g_WpsCycleCredentials = 1;
            if (WlanProfileStore* store = ProfileStore()) store->DeleteAllProfiles();
            KillWpsTimer(kWpsReconnectTimer);
            KillWpsTimer(kWpsStatusTimer);
            StartWpsTimer(kWpsStatusTimer, kWpsStatusMs);
        }
        return 1;
    }

    case kWpsStatusTimer: {
        uint32_t word = 0;
        if (!QueryU32(kOidWpsStatus, &word)) return 1;
        const uint32_t state = WpsStateOf(word);
        if (state == kWpsStateNotUsed) KillWpsTimer(kWpsStatusTimer);
        else if (state == kWpsStateConfigured) OnConfigured();
        else if (EndsWithoutCredentials(state)) {
            KillWpsTimer(kWpsReconnectTimer);
            KillWpsTimer(kWpsStatusTimer);
        }
        return 1;
    }

    default:
        return 1;
    }
}

int QueueWpsConnect(const ProfileApplyRecord* driverSettings) {
    g_WpsSessionActive = 1;
    const uint32_t count = g_WpsCredentialTable.Count > kWpsMaxCredentials ? kWpsMaxCredentials
                                                                             : g_WpsCredentialTable.Count;
    if (count == 0) return 0;
    // Indices kept from a longer table (a credential deleted, a new table) start again at 0.
    g_WpsCurrentIndex = ClampWpsIndex(g_WpsCurrentIndex, count);
    g_WpsNextIndex = ClampWpsIndex(g_WpsNextIndex, count);
    if (g_WpsCycleCredentials) g_WpsCurrentIndex = g_WpsNextIndex;
    else g_WpsNextIndex = g_WpsCurrentIndex;

    ProfileApplyRecord* record = AllocApplyRecord();
    BuildProfileFromWpsCredential(g_WpsCurrentIndex, record);
    if (driverSettings) CopyDriverSettings(*driverSettings, *record);
    if (g_pHideDlg) {
        if (g_pHideDlg->AddAction(kActionConnect, record)) g_pHideDlg->ActionExec();
    } else {
        FreeApplyRecord(record);
    }

    if (g_WpsCycleCredentials) {
        ++g_WpsNextIndex;
        if (static_cast<uint32_t>(g_WpsNextIndex) >= count) g_WpsNextIndex = 0;
    }
    return 1;
}

void BuildProfileFromWpsCredential(int index, ProfileApplyRecord* record) {
    if (!record) return;
    const uint32_t count = g_WpsCredentialTable.Count > kWpsMaxCredentials ? kWpsMaxCredentials
                                                                             : g_WpsCredentialTable.Count;
    const int at = count == 0 ? 0 : ClampWpsIndex(index, count);
    FillRecordFromWpsCredential(g_WpsCredentialTable.Entries[at], *record);
}

int IsWpsProfileConnected() {
    if (!g_pHideDlg) return 0;
    WlanManager& wlan = g_pHideDlg->m_WlanManager;
    int connected = 0;
    if (wlan.GetInterfaceState(&connected) != ERROR_SUCCESS || !connected) return 0;
    const uint32_t count = g_WpsCredentialTable.Count > kWpsMaxCredentials ? kWpsMaxCredentials
                                                                             : g_WpsCredentialTable.Count;
    if (count == 0) return 0;
    const WpsCredential& c = g_WpsCredentialTable.Entries[ClampWpsIndex(g_WpsCurrentIndex, count)];

    uint8_t ssid[36] = {};
    if (wlan.GetCurrentSsid(ssid) != ERROR_SUCCESS) return 0;
    uint32_t length = 0;
    std::memcpy(&length, ssid, 4);
    if (length > 32) length = 32;
    const std::string connectedSsid(reinterpret_cast<const char*>(ssid + 4), length);
    if (connectedSsid != WpsCredentialSsid(c)) return 0;

    DOT11_AUTH_ALGORITHM auth{};
    DOT11_CIPHER_ALGORITHM cipher{};
    if (wlan.GetAuthAlgorithm(&auth) != ERROR_SUCCESS || wlan.GetCipherAlgorithm(&cipher) != ERROR_SUCCESS) return 0;
    return static_cast<uint32_t>(auth) == Dot11AuthOfWps(c.AuthType) &&
           static_cast<uint32_t>(cipher) == Dot11CipherOfWps(c.EncryType);
}

void WriteWpsProfiles(int deleteOld) {
    const std::vector<WpsFileValue> values =
        WpsCredentialFileValues(g_WpsCredentialTable, g_WpsRegistrarMode, g_WpsPinCode);
    std::string slot;
    for (const WpsFileValue& v : values) {
        if (v.section != slot && v.section != "Common") {
            slot = v.section;
            // The service profile of the credential stored in this slot before goes with it.
            const std::string old = ReadIniValue(g_NetCfgInstanceId, kSettingsWps, slot.c_str(), "SSID");
            WlanProfileStore* store = ProfileStore();
            if (!old.empty() && deleteOld == 1 && store && store->FindProfile(old.c_str()))
                store->DeleteProfile(WidenAnsi(old).c_str());
        }
        WriteIniValue(g_NetCfgInstanceId, kSettingsWps, v.section.c_str(), v.key.c_str(), v.value.c_str());
    }
}

void WriteWpsConfigCommon() {
    char value[16];
    std::snprintf(value, sizeof(value), "%d", g_WpsSessionActive);
    WriteIniValue(g_NetCfgInstanceId, kSettingsStation, "Config", "WSC", value);
}
