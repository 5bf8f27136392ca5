#include "station/core/wlan/wlan_connector.h"

#include <algorithm>
#include <cstring>

#include "platform/native_wifi.h"
#include "platform/platform.h"
#include "station/core/wlan/wlan_profile_editor.h"
#include "station/profiles/profile_apply_record.h"

WlanConnector::WlanConnector(HANDLE* clientHandle, GUID* iface, HWND notifyWindow, int allUsers)
    : m_pClientHandle(clientHandle),
      m_pInterfaceGuid(iface),
      m_hNotifyWnd(notifyWindow),
      m_bAllUsers(allUsers),
      m_pXml(std::make_unique<WlanProfileXml>()),
      m_pStore(std::make_unique<WlanProfileStore>(clientHandle, iface, allUsers)) {}

DWORD WlanConnector::Connect(const WlanConnectParams& params) {
    WLAN_CONNECTION_PARAMETERS p{};
    static const wchar_t kNoProfile[] = L"";
    DOT11_SSID ssid = params.ssid;
    ssid.uSSIDLength = std::min<ULONG>(ssid.uSSIDLength, DOT11_SSID_MAX_LENGTH);
    switch (params.mode) {
    case 0:
        p.wlanConnectionMode = wlan_connection_mode_profile;
        p.strProfile = params.profile.c_str();
        break;
    case 1:
        p.wlanConnectionMode = wlan_connection_mode_temporary_profile;
        p.strProfile = params.profile.c_str();
        break;
    case 3:
        p.wlanConnectionMode = wlan_connection_mode_discovery_unsecure;
        p.strProfile = kNoProfile;
        p.pDot11Ssid = &ssid;
        p.dwFlags = params.hidden == 1 ? WLAN_CONNECTION_HIDDEN_NETWORK : 0;
        break;
    default:
        p.wlanConnectionMode = wlan_connection_mode_discovery_secure;
        p.strProfile = kNoProfile;
        p.pDot11Ssid = &ssid;
        break;
    }
    p.dot11BssType = params.bssType;
    p.pDesiredBssidList = params.useBssidList == 1 ? const_cast<DOT11_BSSID_LIST*>(params.bssidList) : nullptr;
    return platform::Wlan().Connect(*m_pClientHandle, m_pInterfaceGuid, &p);
}

DWORD WlanConnector::ConnectRecord(const ProfileApplyRecord& record) {
    DOT11_BSSID_LIST bssids{};
    bssids.Header.Type = 0x80;
    bssids.Header.Revision = DOT11_BSSID_LIST_REVISION_1;
    bssids.Header.Size = sizeof(DOT11_BSSID_LIST);
    bssids.uNumOfEntries = 1;
    bssids.uTotalNumOfEntries = 1;
    std::memcpy(bssids.BSSIDs[0], record.Bssid, 6);

    std::wstring name, escapedSsid, xml;
    DOT11_BSS_TYPE bssType = dot11_BSS_type_any;
    int discovery = 0, secured = 0;
    if (!m_pXml || !m_pXml->Build(record, &name, &escapedSsid, &bssType, &xml, &discovery, &secured))
        return ERROR_NOT_SUPPORTED;

    if (discovery != 0) {
        WlanConnectParams p;
        p.mode = secured ? 2 : 3;
        p.hidden = 0;
        p.ssid.uSSIDLength = std::min<ULONG>(record.SsidLength, DOT11_SSID_MAX_LENGTH);
        std::memcpy(p.ssid.ucSSID, record.Ssid, p.ssid.uSSIDLength);
        p.bssType = bssType;
        p.bssidList = &bssids;
        p.useBssidList = discovery == 1;
        return Connect(p);
    }
    if (record.Use8021X) {
        // The editor's worker connects once the user has seen the security settings.
        m_bEditorStarting = 1;
        m_pStore->DeleteProfile(name.c_str());
        DWORD result = m_pStore->SetProfile(xml.c_str());
        if (result == ERROR_SUCCESS) result = StartProfileEditor(m_hNotifyWnd, name, bssType, *m_pClientHandle);
        m_bEditorStarting = 0;
        return result;
    }
    // A refused profile must not connect: the name could still stand for an older profile.
    DWORD result = m_pStore->SetProfile(xml.c_str());
    if (result != ERROR_SUCCESS) return result;
    WlanConnectParams p;
    p.mode = 0;
    p.profile = name;
    p.bssType = bssType;
    return Connect(p);
}

DWORD WlanConnector::StartProfileEditor(HWND window, const std::wstring& profileName, DOT11_BSS_TYPE bssType,
                                        HANDLE handle) {
    auto block = std::make_unique<ProfileEditorHandoff>();
    block->notifyWindow = window;
    block->clientHandle = handle;
    block->interfaceGuid = *m_pInterfaceGuid;
    block->profileName = profileName;
    block->bssType = bssType;
    return StartProfileEditorThread(std::move(block)) ? ERROR_SUCCESS : ERROR_NOT_ENOUGH_MEMORY;
}
