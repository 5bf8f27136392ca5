#pragma once
// Connecting through the service: the WlanConnect wrapper, the connect sequence for one apply
// record, and the start of the profile-editor worker. Uses the manager's client handle and
// interface GUID through pointers.
#include <windows.h>
#include <wlanapi.h>

#include <memory>
#include <string>

#include "station/core/wlan/wlan_profile_store.h"
#include "station/core/wlan/wlan_profile_xml.h"

struct ProfileApplyRecord;

struct WlanConnectParams {
    int mode = 0;             // 0 profile, 1 temporary profile, 3 discovery unsecure, other discovery secure
    std::wstring profile;     // mode 0 the profile name, mode 1 the XML document
    DOT11_SSID ssid{};        // discovery modes
    int hidden = 0;           // mode 3: 1 marks a hidden network
    DOT11_BSS_TYPE bssType = dot11_BSS_type_any;
    const DOT11_BSSID_LIST* bssidList = nullptr;
    int useBssidList = 0;     // 1: the service gets bssidList
};

class WlanConnector {
public:
    WlanConnector(HANDLE* clientHandle, GUID* iface, HWND notifyWindow, int allUsers);
    WlanConnector(const WlanConnector&) = delete;
    WlanConnector& operator=(const WlanConnector&) = delete;

    DWORD Connect(const WlanConnectParams& params);
    // Builds the record's profile and connects by discovery, by the stored profile, or (802.1X)
    // through the profile editor, whose worker connects after it closes. ERROR_NOT_SUPPORTED
    // when no profile document could be built; a profile the service refused is not used.
    DWORD ConnectRecord(const ProfileApplyRecord& record);
    DWORD StartProfileEditor(HWND window, const std::wstring& profileName, DOT11_BSS_TYPE bssType, HANDLE handle);

    void SetProfileXml(std::unique_ptr<WlanProfileXml> builder) { m_pXml = std::move(builder); }
    WlanProfileStore& ProfileStore() { return *m_pStore; }
    int IsEditorStarting() const { return m_bEditorStarting; }

private:
    HANDLE* m_pClientHandle;
    GUID* m_pInterfaceGuid;
    HWND m_hNotifyWnd;
    int m_bAllUsers;
    std::unique_ptr<WlanProfileXml> m_pXml;
    std::unique_ptr<WlanProfileStore> m_pStore;
    int m_bEditorStarting = 0;
};
