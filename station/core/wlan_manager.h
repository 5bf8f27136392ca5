#pragma once
// The Native Wifi binding of the selected adapter: one client handle and the interface
// whose description matches the adapter's. Every call goes through platform::Wlan().
#include <windows.h>
#include <wlanapi.h>
#include <cstdint>

struct ProfileApplyRecord;

class WlanManager {
public:
    WlanManager() = default;
    ~WlanManager();
    WlanManager(const WlanManager&) = delete;
    WlanManager& operator=(const WlanManager&) = delete;

    // Reopens the client handle and looks the interface up by the adapter description.
    DWORD Setup(const char* adapterDescription, HWND notifyWindow, int allUsers);
    int IsInterfaceFound() const { return m_bReady; }

    DWORD GetInterfaceState(int* connected);
    DWORD GetRadioState(int* radioOn, int* switchOn);
    DWORD GetCurrentSsid(uint8_t ssid[36]);
    DWORD GetCurrentBssid(uint8_t bssid[6]);
    DWORD SupportsOfdm(int* supported);
    // Used by the action executor; declared here ahead of the Native Wifi connect and scan
    // code, which defines them.
    DWORD Scan();
    void NativeWifiConnect(int flag, ProfileApplyRecord* record);

    const GUID& InterfaceGuid() const { return m_Interface.InterfaceGuid; }
    HANDLE ClientHandle() const { return m_hClient; }
    HWND NotifyWindow() const { return m_hNotifyWnd; }
    int AllUsers() const { return m_bAllUsers; }

private:
    void CloseClient();
    // Opcode 7, the current connection; the caller reads what it needs, the buffer is freed here.
    template <class Read> DWORD WithCurrentConnection(Read read);

    HWND m_hNotifyWnd = nullptr;
    HANDLE m_hClient = nullptr;
    WLAN_INTERFACE_INFO m_Interface{};
    int m_bAllUsers = 0;
    int m_bReady = 0;
};
