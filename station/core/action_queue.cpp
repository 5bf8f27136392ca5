// CHideDlg's action queue: scans and connects asked for anywhere in the utility are carried
// out here, one connect as an ordered series of driver sets.
#include <cstring>

#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"
#include "station/core/action_data.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/hide_dlg.h"
#include "station/core/registry/radio_defaults.h"
#include "station/core/radio/rate_tables.h"
#include "station/core/station_globals.h"
#include "station/core/wps/wps_poll.h"

namespace {

constexpr DWORD kOidBssid = 0x0D010101;
constexpr DWORD kOidSsid = 0x0D010102;
constexpr DWORD kOidDesiredRates = 0x0D010210;
constexpr DWORD kOidConfiguration = 0x0D010211;
constexpr DWORD kOidRateRecord = 0x0DF10127;
constexpr DWORD kConfigurationSize = 32;
constexpr int kSetTries = 3;
constexpr int kPhyConfigClearedField = 6;  // the seventh 32-bit field

BOOLEAN Set(DWORD oid, const void* data, DWORD length) {
    // A copy: the driver may write into what it is given, and records stay as queued.
    uint8_t copy[64] = {};
    std::memcpy(copy, data, length);
    DWORD returned = 0;
    return SetOid(oid, copy, length, &returned, kSetTries);
}

void SendPhyConfig(uint8_t phyConfig[32]) {
    std::memset(phyConfig + 4 * kPhyConfigClearedField, 0, 4);
    Set(kOidSetRadioBlock, phyConfig, kRadioBlockSize);
}

void SendRates(const DesiredRates& desired, int wirelessMode) {
    Set(kOidDesiredRates, desired.data(), desired.size());
    const RateRecord record = BuildRateRecord(wirelessMode);
    Set(kOidRateRecord, record.data(), record.size());
}

void SendCountryRegion(DriverOidOps& ops, DWORD region) {
    if (!g_Region24Valid && !g_Region5Valid) return;
    ops.SetOid0003(region);
    VerifyCountryRegion();
}

void SendStoredCcx2Control(int adjust) {
    DWORD value = 0;
    ReadCcx2Control(&value);
    SetCcx2ControlOid(adjust, value);
}

// The NDIS SSID of a record, its length limited to the 32 bytes the record holds.
void SendSsid(uint32_t length, const uint8_t* ssid) {
    uint8_t ndisSsid[kNdisSsidSize] = {};
    if (length > 32) length = 32;
    std::memcpy(ndisSsid, &length, 4);
    std::memcpy(ndisSsid + 4, ssid, length);
    Set(kOidSsid, ndisSsid, sizeof(ndisSsid));
}

// What the driver did not answer when the settings were read is not sent at all.
void ApplyOwnSettings(DriverOidOps& ops, ProfileApplyRecord& record) {
    ops.SetOid0002(static_cast<DWORD>(g_WirelessMode));
    if (g_IsHtChip && !record.HtSettingsUnread) {
        const HtSettingsRecord ht = UnpackHtSettings(g_HtSettingsWord);
        ops.SetOid0028(ht.data());
    }
    if (!record.RadioBlockUnread) SendPhyConfig(record.PhyConfig);
    SendCountryRegion(ops, static_cast<DWORD>(record.CountryRegion));
    if (!IsHtWirelessMode(g_WirelessMode)) {
        DesiredRates desired;
        std::memcpy(desired.data(), record.DesiredRates, desired.size());
        SendRates(desired, g_WirelessMode);
    }
    SetCcx2ControlOid(record.UseBssid == 1 ? 0 : 1, record.Ccx2Control);
}

void ApplyAdapterDefaults(DriverOidOps& ops) {
    if (g_DefaultPhyConfigRead) SendPhyConfig(g_DefaultPhyConfig);
    SendCountryRegion(ops, g_RegionWord);
    if (IsHtWirelessMode(g_WirelessMode)) {
        const DesiredRates desired = HtDesiredRates(g_HtSettingsWord);
        Set(kOidDesiredRates, desired.data(), desired.size());
    } else {
        SendRates(DefaultDesiredRates(g_WirelessMode), g_WirelessMode);
    }
}

void JoinBssid(const ProfileApplyRecord& record) {
    uint8_t configuration[kConfigurationSize] = {};
    DWORD returned = 0;
    // Without the adapter's current configuration there is nothing sound to write back:
    // a zeroed one would wipe its beacon and hop settings.
    if (QueryOid(kOidConfiguration, configuration, sizeof(configuration), &returned) &&
        returned == sizeof(configuration)) {
        std::memcpy(configuration + 12, &record.AdhocFrequency, 4);
        Set(kOidConfiguration, configuration, sizeof(configuration));
    }
    Set(kOidBssid, record.Bssid, sizeof(record.Bssid));
    SendStoredCcx2Control(0);
}

}  // namespace

int CHideDlg::AddAction(int kind, void* record) {
    // An unknown kind could be neither run nor freed: it is not queued and stays the caller's.
    if (!IsKnownActionKind(kind)) return 0;
    if (kind == kActionConnect) {
        m_bAdapterChanged = 0;
        ReplaceCurrentAction(static_cast<const ProfileApplyRecord*>(record));
    }
    return InsertAction(m_ActionQueue, kind, record);
}

void CHideDlg::ExecuteAction() {
    if (AddAction(kActionScan, nullptr) == 1) ActionExec();
}

void CHideDlg::ActionExec() {
    DriverOidOps ops;
    while (!m_ActionQueue.empty()) {
        // Out of the queue before it runs: whatever runs meanwhile and queues more can no
        // longer free or replace this entry's record.
        const _ACTION_DATA action = m_ActionQueue.front();
        m_ActionQueue.erase(m_ActionQueue.begin());

        switch (action.Kind) {
            case kActionScan:
                m_WlanManager.Scan();
                g_ScanPending = 1;
                return;  // what waits behind a scan runs on the next ActionExec

            case kActionConnect: {
                auto* record = static_cast<ProfileApplyRecord*>(action.pRecord);
                if (record == nullptr) break;
                if (record->ApplyFlag == 1 && record->SsidLength != 0)
                    m_WlanManager.NativeWifiConnect(g_WpsSessionActive, record);
                if (record->ApplyDriverSettings)
                    ApplyOwnSettings(ops, *record);
                else
                    ApplyAdapterDefaults(ops);
                if (record->SettingsOnly) {
                    // Nothing to join: an SSID set now would take the adapter off its network.
                } else if (record->UseBssid != 0) {
                    JoinBssid(*record);
                } else {
                    SendSsid(record->SsidLength, record->Ssid);
                    SendStoredCcx2Control(1);
                }
                g_KeyErrorFlag = 0;
                break;
            }

            case kActionSetSsid:
                g_KeyErrorFlag = 0;
                if (action.pRecord != nullptr) {
                    const auto* ssid = static_cast<const uint8_t*>(action.pRecord);
                    uint32_t length = 0;
                    std::memcpy(&length, ssid, 4);
                    SendSsid(length, ssid + 4);
                }
                SendStoredCcx2Control(1);
                break;

            case kActionSetBssid:
                g_KeyErrorFlag = 0;
                if (action.pRecord != nullptr) Set(kOidBssid, action.pRecord, kBssidSize);
                SendStoredCcx2Control(0);
                break;

            default:
                break;
        }
        FreeActionRecord(action.Kind, action.pRecord);
    }
}
