#pragma once
// The Native Wifi client API, one method per service call, with the service's own types.
// Buffers handed out (interface lists, query answers, capabilities...) are released with
// FreeMemory by the caller, as with the service itself.
#include <windows.h>
#include <wlanapi.h>

namespace platform {

class NativeWifi {
public:
    virtual ~NativeWifi() = default;

    virtual DWORD OpenHandle(DWORD clientVersion, DWORD* negotiatedVersion, HANDLE* clientHandle) = 0;
    virtual DWORD CloseHandle(HANDLE clientHandle) = 0;
    virtual DWORD EnumInterfaces(HANDLE clientHandle, WLAN_INTERFACE_INFO_LIST** list) = 0;
    // The callback runs on a service thread; it may only post messages.
    virtual DWORD RegisterNotification(HANDLE clientHandle, DWORD notifSource, BOOL ignoreDuplicate,
                                       WLAN_NOTIFICATION_CALLBACK callback, void* context,
                                       DWORD* prevNotifSource) = 0;
    virtual DWORD QueryInterface(HANDLE clientHandle, const GUID* iface, WLAN_INTF_OPCODE opcode,
                                 DWORD* dataSize, void** data, WLAN_OPCODE_VALUE_TYPE* valueType) = 0;
    virtual DWORD SetInterface(HANDLE clientHandle, const GUID* iface, WLAN_INTF_OPCODE opcode,
                               DWORD dataSize, const void* data) = 0;
    virtual DWORD Scan(HANDLE clientHandle, const GUID* iface, const DOT11_SSID* ssid,
                       const WLAN_RAW_DATA* ieData) = 0;
    virtual DWORD GetAvailableNetworkList(HANDLE clientHandle, const GUID* iface, DWORD flags,
                                          WLAN_AVAILABLE_NETWORK_LIST** list) = 0;
    virtual DWORD GetNetworkBssList(HANDLE clientHandle, const GUID* iface, const DOT11_SSID* ssid,
                                    DOT11_BSS_TYPE bssType, BOOL securityEnabled,
                                    WLAN_BSS_LIST** list) = 0;
    virtual DWORD Connect(HANDLE clientHandle, const GUID* iface,
                          const WLAN_CONNECTION_PARAMETERS* params) = 0;
    virtual DWORD Disconnect(HANDLE clientHandle, const GUID* iface) = 0;
    virtual DWORD SetProfile(HANDLE clientHandle, const GUID* iface, DWORD flags, const wchar_t* profileXml,
                             const wchar_t* allUserProfileSecurity, BOOL overwrite, DWORD* reasonCode) = 0;
    virtual DWORD GetProfile(HANDLE clientHandle, const GUID* iface, const wchar_t* profileName,
                             wchar_t** profileXml, DWORD* flags, DWORD* grantedAccess) = 0;
    virtual DWORD GetProfileList(HANDLE clientHandle, const GUID* iface, WLAN_PROFILE_INFO_LIST** list) = 0;
    virtual DWORD DeleteProfile(HANDLE clientHandle, const GUID* iface, const wchar_t* profileName) = 0;
    virtual DWORD GetInterfaceCapability(HANDLE clientHandle, const GUID* iface,
                                         WLAN_INTERFACE_CAPABILITY** capability) = 0;
    virtual DWORD ReasonCodeToString(DWORD reasonCode, DWORD bufferSize, wchar_t* buffer) = 0;
    // The system's profile editor; blocks until the user closes it.
    virtual DWORD UIEditProfile(DWORD clientVersion, const wchar_t* profileName, GUID* iface, HWND owner,
                                WL_DISPLAY_PAGES startPage, DWORD* reasonCode) = 0;
    virtual void FreeMemory(void* memory) = 0;
};

}  // namespace platform
