// The Native Wifi client API, forwarded. Under Wine several of these calls end the process;
// the simulation stands in for them there.
#include <initializer_list>

#include "platform/native_wifi.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

// Not in every import library: looked up where the system keeps it.
using UiEditProfileFn = DWORD(WINAPI*)(DWORD, LPCWSTR, GUID*, HWND, WL_DISPLAY_PAGES, PVOID, DWORD*);

UiEditProfileFn FindUiEditProfile() {
    for (const char* dll : {"wlanui.dll", "wlanapi.dll"}) {
        HMODULE m = LoadLibraryA(dll);
        if (!m) continue;
        if (auto f = reinterpret_cast<UiEditProfileFn>(reinterpret_cast<void*>(GetProcAddress(m, "WlanUIEditProfile"))))
            return f;
        FreeLibrary(m);
    }
    return nullptr;
}

class RealNativeWifi final : public NativeWifi {
public:
    DWORD OpenHandle(DWORD clientVersion, DWORD* negotiatedVersion, HANDLE* clientHandle) override {
        return WlanOpenHandle(clientVersion, nullptr, negotiatedVersion, clientHandle);
    }
    DWORD CloseHandle(HANDLE clientHandle) override { return WlanCloseHandle(clientHandle, nullptr); }
    DWORD EnumInterfaces(HANDLE clientHandle, WLAN_INTERFACE_INFO_LIST** list) override {
        return WlanEnumInterfaces(clientHandle, nullptr, list);
    }
    DWORD RegisterNotification(HANDLE clientHandle, DWORD notifSource, BOOL ignoreDuplicate,
                               WLAN_NOTIFICATION_CALLBACK callback, void* context, DWORD* prevNotifSource) override {
        return WlanRegisterNotification(clientHandle, notifSource, ignoreDuplicate, callback, context, nullptr,
                                        prevNotifSource);
    }
    DWORD QueryInterface(HANDLE clientHandle, const GUID* iface, WLAN_INTF_OPCODE opcode, DWORD* dataSize,
                         void** data, WLAN_OPCODE_VALUE_TYPE* valueType) override {
        return WlanQueryInterface(clientHandle, iface, opcode, nullptr, dataSize, data, valueType);
    }
    DWORD SetInterface(HANDLE clientHandle, const GUID* iface, WLAN_INTF_OPCODE opcode, DWORD dataSize,
                       const void* data) override {
        return WlanSetInterface(clientHandle, iface, opcode, dataSize, const_cast<void*>(data), nullptr);
    }
    DWORD Scan(HANDLE clientHandle, const GUID* iface, const DOT11_SSID* ssid, const WLAN_RAW_DATA* ieData) override {
        return WlanScan(clientHandle, iface, const_cast<DOT11_SSID*>(ssid), const_cast<WLAN_RAW_DATA*>(ieData),
                        nullptr);
    }
    DWORD GetAvailableNetworkList(HANDLE clientHandle, const GUID* iface, DWORD flags,
                                  WLAN_AVAILABLE_NETWORK_LIST** list) override {
        return WlanGetAvailableNetworkList(clientHandle, iface, flags, nullptr, list);
    }
    DWORD GetNetworkBssList(HANDLE clientHandle, const GUID* iface, const DOT11_SSID* ssid, DOT11_BSS_TYPE bssType,
                            BOOL securityEnabled, WLAN_BSS_LIST** list) override {
        return WlanGetNetworkBssList(clientHandle, iface, const_cast<DOT11_SSID*>(ssid), bssType, securityEnabled,
                                     nullptr, list);
    }
    DWORD Connect(HANDLE clientHandle, const GUID* iface, const WLAN_CONNECTION_PARAMETERS* params) override {
        return WlanConnect(clientHandle, iface, const_cast<WLAN_CONNECTION_PARAMETERS*>(params), nullptr);
    }
    DWORD Disconnect(HANDLE clientHandle, const GUID* iface) override {
        return WlanDisconnect(clientHandle, iface, nullptr);
    }
    DWORD SetProfile(HANDLE clientHandle, const GUID* iface, DWORD flags, const wchar_t* profileXml,
                     const wchar_t* allUserProfileSecurity, BOOL overwrite, DWORD* reasonCode) override {
        return WlanSetProfile(clientHandle, iface, flags, profileXml, allUserProfileSecurity, overwrite, nullptr,
                              reasonCode);
    }
    DWORD GetProfile(HANDLE clientHandle, const GUID* iface, const wchar_t* profileName, wchar_t** profileXml,
                     DWORD* flags, DWORD* grantedAccess) override {
        return WlanGetProfile(clientHandle, iface, profileName, nullptr, profileXml, flags, grantedAccess);
    }
    DWORD GetProfileList(HANDLE clientHandle, const GUID* iface, WLAN_PROFILE_INFO_LIST** list) override {
        return WlanGetProfileList(clientHandle, iface, nullptr, list);
    }
    DWORD DeleteProfile(HANDLE clientHandle, const GUID* iface, const wchar_t* profileName) override {
        return WlanDeleteProfile(clientHandle, iface, profileName, nullptr);
    }
    DWORD GetInterfaceCapability(HANDLE clientHandle, const GUID* iface,
                                 WLAN_INTERFACE_CAPABILITY** capability) override {
        return WlanGetInterfaceCapability(clientHandle, iface, nullptr, capability);
    }
    DWORD ReasonCodeToString(DWORD reasonCode, DWORD bufferSize, wchar_t* buffer) override {
        return WlanReasonCodeToString(reasonCode, bufferSize, buffer, nullptr);
    }
    DWORD UIEditProfile(DWORD clientVersion, const wchar_t* profileName, GUID* iface, HWND owner,
                        WL_DISPLAY_PAGES startPage, DWORD* reasonCode) override {
        static const UiEditProfileFn edit = FindUiEditProfile();
        if (!edit) return ERROR_CALL_NOT_IMPLEMENTED;
        return edit(clientVersion, profileName, iface, owner, startPage, nullptr, reasonCode);
    }
    void FreeMemory(void* memory) override {
        if (memory) WlanFreeMemory(memory);
    }
};

}  // namespace

NativeWifi& RealWlan() {
    static RealNativeWifi w;
    return w;
}

}  // namespace platform::win32
