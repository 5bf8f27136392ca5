#pragma once
// The Native Wifi binding of the selected adapter: one client handle and the interface
// whose description matches the adapter's, with the objects that connect, notify, drive the
// adapter's private settings and keep its service profiles. Every call goes through
// platform::Wlan(); every answer of the service is freed whether or not it was used.
#include <windows.h>
#include <wlanapi.h>

#include <cstdint>
#include <memory>

#include "station/core/driver/driver_oid_ops.h"
#include "station/core/wlan/wlan_connector.h"
#include "station/core/wlan/wlan_notifier.h"
#include "station/core/wlan/wlan_profile_store.h"
#include "station/core/wlan/wlan_profile_xml.h"

struct ProfileApplyRecord;

class WlanManager {
public:
    WlanManager() = default;
    ~WlanManager();
    WlanManager(const WlanManager&) = delete;
    WlanManager& operator=(const WlanManager&) = delete;

    // Reopens the client handle, looks the interface up by the adapter description and
    // creates the sub-objects; returns the enumeration result.
    DWORD Setup(const char* adapterDescription, HWND notifyWindow, int allUsers);
    int IsInterfaceFound() const { return m_bReady; }

    DWORD Scan();
    DWORD Disconnect();
    DWORD GetInterfaceState(int* connected);
    DWORD GetBssType(int* mode);  // NDIS numbering: 1 infrastructure, 0 independent, 2 other
    DWORD GetRadioState(int* radioOn, int* switchOn);
    DWORD SetRadioState(int on);
    DWORD GetCurrentSsid(uint8_t ssid[36]);
    DWORD GetCurrentBssid(uint8_t bssid[6]);
    DWORD GetCurrentBssType(DOT11_BSS_TYPE* type);
    DWORD GetConnectionMode(WLAN_CONNECTION_MODE* mode);
    // At most capacity - 1 characters, always terminated (capacity 0 writes nothing).
    DWORD GetProfileName(wchar_t* name, size_t capacity);
    DWORD GetOneXEnabled(BOOL* enabled);
    DWORD GetAuthAlgorithm(DOT11_AUTH_ALGORITHM* algorithm);
    DWORD GetCipherAlgorithm(DOT11_CIPHER_ALGORITHM* algorithm);
    DWORD GetCurrentPhy(DOT11_PHY_TYPE* type, ULONG* index);
    DWORD SupportsOfdm(int* supported);
    DWORD GetAutoConfig(BOOL* enabled);
    DWORD SetAutoConfig(BOOL enabled);
    DWORD SetBackgroundScan(BOOL enabled);
    DWORD GetRssi(LONG* rssi);
    DWORD StatisticsChanged(int* changed);
    // The Native Wifi branch of a connect action: the Native Wifi flag OID, the record's
    // transmit power, then the connect sequence of the record.
    void NativeWifiConnect(int flag, ProfileApplyRecord* record);
    BOOLEAN QueryLinkInfo(uint8_t record[kLinkInfoRecordSize], uint64_t* extra);
    BOOLEAN QueryOid0006(DWORD* value);
    // Answers from the display list of the last scan.
    int IsBssidInList(const uint8_t bssid[6]) const;
    int ChannelOfBssid(const uint8_t bssid[6]) const;

    const GUID& InterfaceGuid() const { return m_Interface.InterfaceGuid; }
    HANDLE ClientHandle() const { return m_hClient; }
    HWND NotifyWindow() const { return m_hNotifyWnd; }
    int AllUsers() const { return m_bAllUsers; }
    WlanConnector* Connector() { return m_pConnector.get(); }
    WlanProfileStore* ProfileStore() { return m_pProfileStore.get(); }
    DriverOidOps* DriverOps() { return m_pDriverOps.get(); }

private:
    void CloseClient();
    void DestroyParts();
    // One interface query: read(data, size) runs on success; the service's buffer is freed.
    template <class Read> DWORD Query(WLAN_INTF_OPCODE opcode, Read read);
    // Opcode 7, the current connection; the caller reads what it needs, the buffer is freed here.
    template <class Read> DWORD WithCurrentConnection(Read read);

    HWND m_hNotifyWnd = nullptr;
    HANDLE m_hClient = nullptr;
    WLAN_INTERFACE_INFO m_Interface{};
    int m_bAllUsers = 0;
    int m_bReady = 0;
    uint32_t m_dwLastStatistic = 0;
    std::unique_ptr<WlanConnector> m_pConnector;
    std::unique_ptr<DriverOidOps> m_pDriverOps;
    std::unique_ptr<WlanNotifier> m_pNotifier;
    std::unique_ptr<WlanProfileXml> m_pProfileXml;
    std::unique_ptr<WlanProfileStore> m_pProfileStore;
};
