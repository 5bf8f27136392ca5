#include "station/core/wlan_manager.h"

#include <cstring>

#include "platform/native_wifi.h"
#include "platform/platform.h"

namespace {

constexpr DWORD kClientVersion = 2;

// The service's description is wide text; the adapter's is 8-bit. Converted at most as
// many bytes as the description has characters, into a zero-filled 256-byte buffer.
void DescriptionToAnsi(const WCHAR* wide, char out[256]) {
    std::memset(out, 0, 256);
    int chars = static_cast<int>(wcsnlen(wide, WLAN_MAX_NAME_LENGTH));
    if (chars > 255) chars = 255;
    WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, wide, chars, out, chars, nullptr, nullptr);
}

}  // namespace

WlanManager::~WlanManager() { CloseClient(); }

void WlanManager::CloseClient() {
    if (m_hClient) {
        platform::Wlan().CloseHandle(m_hClient);
        m_hClient = nullptr;
    }
}

DWORD WlanManager::Setup(const char* adapterDescription, HWND notifyWindow, int allUsers) {
    CloseClient();
    DWORD negotiated = 0;
    HANDLE client = nullptr;
    if (platform::Wlan().OpenHandle(kClientVersion, &negotiated, &client) == ERROR_SUCCESS)
        m_hClient = client;

    WLAN_INTERFACE_INFO_LIST* list = nullptr;
    DWORD result = platform::Wlan().EnumInterfaces(m_hClient, &list);
    if (result == ERROR_SUCCESS && list) {
        // A service answer is untrusted: never walk past what it says it holds.
        for (DWORD i = 0; i < list->dwNumberOfItems; ++i) {
            char description[256];
            DescriptionToAnsi(list->InterfaceInfo[i].strInterfaceDescription, description);
            if (std::strcmp(description, adapterDescription) == 0) {
                m_Interface = list->InterfaceInfo[i];
                break;
            }
        }
    }
    if (list) platform::Wlan().FreeMemory(list);

    m_bReady = (result == ERROR_SUCCESS);
    m_hNotifyWnd = notifyWindow;
    m_bAllUsers = allUsers;
    return result;
}

DWORD WlanManager::GetInterfaceState(int* connected) {
    *connected = 0;
    DWORD size = 0;
    void* data = nullptr;
    DWORD result = platform::Wlan().QueryInterface(m_hClient, &m_Interface.InterfaceGuid,
                                                   wlan_intf_opcode_interface_state, &size, &data, nullptr);
    if (result == ERROR_SUCCESS && data && size >= sizeof(WLAN_INTERFACE_STATE))
        *connected = (*static_cast<WLAN_INTERFACE_STATE*>(data) == wlan_interface_state_connected);
    if (data) platform::Wlan().FreeMemory(data);
    return result;
}

DWORD WlanManager::GetRadioState(int* radioOn, int* switchOn) {
    *radioOn = 0;
    *switchOn = 1;
    DWORD size = 0;
    void* data = nullptr;
    DWORD result = platform::Wlan().QueryInterface(m_hClient, &m_Interface.InterfaceGuid,
                                                   wlan_intf_opcode_radio_state, &size,
                                                   &data, nullptr);
    if (result == ERROR_SUCCESS && data && size >= sizeof(DWORD)) {
        auto* radio = static_cast<WLAN_RADIO_STATE*>(data);
        // The PHY count is the service's word: bound it by the array and by the answer's size.
        DWORD fits = (size - offsetof(WLAN_RADIO_STATE, PhyRadioState)) / sizeof(WLAN_PHY_RADIO_STATE);
        DWORD count = radio->dwNumberOfPhys;
        if (count > WLAN_MAX_PHY_INDEX) count = WLAN_MAX_PHY_INDEX;
        if (count > fits) count = fits;
        for (DWORD i = 0; i < count; ++i) {
            const WLAN_PHY_RADIO_STATE& phy = radio->PhyRadioState[i];
            if (phy.dot11SoftwareRadioState == dot11_radio_state_unknown) {
                *radioOn = 1;
                *switchOn = 0;
                break;
            }
            if (phy.dot11HardwareRadioState == dot11_radio_state_off) {
                *switchOn = 0;
                break;
            }
            if (phy.dot11SoftwareRadioState != dot11_radio_state_off) {
                *radioOn = 1;
                break;
            }
        }
    }
    if (data) platform::Wlan().FreeMemory(data);
    return result;
}

template <class Read>
DWORD WlanManager::WithCurrentConnection(Read read) {
    DWORD size = 0;
    void* data = nullptr;
    DWORD result = platform::Wlan().QueryInterface(m_hClient, &m_Interface.InterfaceGuid,
                                                   wlan_intf_opcode_current_connection, &size, &data, nullptr);
    if (result == ERROR_SUCCESS && data && size >= sizeof(WLAN_CONNECTION_ATTRIBUTES))
        read(*static_cast<const WLAN_CONNECTION_ATTRIBUTES*>(data));
    if (data) platform::Wlan().FreeMemory(data);
    return result;
}

DWORD WlanManager::GetCurrentSsid(uint8_t ssid[36]) {
    std::memset(ssid, 0, 36);
    return WithCurrentConnection([&](const WLAN_CONNECTION_ATTRIBUTES& a) {
        const DOT11_SSID& s = a.wlanAssociationAttributes.dot11Ssid;
        uint32_t length = s.uSSIDLength > DOT11_SSID_MAX_LENGTH ? DOT11_SSID_MAX_LENGTH : s.uSSIDLength;
        std::memcpy(ssid, &length, 4);
        std::memcpy(ssid + 4, s.ucSSID, length);
    });
}

DWORD WlanManager::GetCurrentBssid(uint8_t bssid[6]) {
    std::memset(bssid, 0, 6);
    return WithCurrentConnection([&](const WLAN_CONNECTION_ATTRIBUTES& a) {
        std::memcpy(bssid, a.wlanAssociationAttributes.dot11Bssid, 6);
    });
}

DWORD WlanManager::SupportsOfdm(int* supported) {
    *supported = 0;
    WLAN_INTERFACE_CAPABILITY* caps = nullptr;
    DWORD result = platform::Wlan().GetInterfaceCapability(m_hClient, &m_Interface.InterfaceGuid, &caps);
    if (result == ERROR_SUCCESS && caps) {
        DWORD count = caps->dwNumberOfSupportedPhys;
        if (count > WLAN_MAX_PHY_TYPE_NUMBER) count = WLAN_MAX_PHY_TYPE_NUMBER;
        for (DWORD i = 0; i < count; ++i)
            if (caps->dot11PhyTypes[i] == dot11_phy_type_ofdm) *supported = 1;
    }
    if (caps) platform::Wlan().FreeMemory(caps);
    return result;
}

DWORD WlanManager::Scan() {
    return platform::Wlan().Scan(m_hClient, &m_Interface.InterfaceGuid, nullptr, nullptr);
}

// The profile XML builder and the connector arrive with the Native Wifi connect path;
// until then a record is not connected through the service (the OID steps still run).
void WlanManager::NativeWifiConnect(int, ProfileApplyRecord*) {}
