#include "station/core/wlan/wlan_manager.h"

#include "station/core/scan/bssid_list_buffers.h"
#include "station/core/scan/bssid_lookup.h"

#include <cstring>
#include <cwchar>

#include "platform/native_wifi.h"
#include "platform/platform.h"
#include "station/profiles/profile_apply_record.h"

namespace {

constexpr DWORD kClientVersion = 2;
constexpr size_t kStatisticOffset = 96;  // the counter StatisticsChanged watches

// The service's description is wide text; the adapter's is 8-bit. Converted at most as
// many bytes as the description has characters, into a zero-filled 256-byte buffer.
// A description that fills all 256 characters has no end the service vouches for: refused.
bool DescriptionToAnsi(const WCHAR* wide, char out[256]) {
    std::memset(out, 0, 256);
    size_t chars = wcsnlen(wide, WLAN_MAX_NAME_LENGTH);
    if (chars >= WLAN_MAX_NAME_LENGTH) return false;
    WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, wide, static_cast<int>(chars), out, static_cast<int>(chars),
                        nullptr, nullptr);
    return true;
}

// PHY entries an answer really holds: bounded by the array and by the answer's size.
DWORD PhysIn(const WLAN_RADIO_STATE* radio, DWORD size) {
    if (size < offsetof(WLAN_RADIO_STATE, PhyRadioState)) return 0;
    DWORD fits = (size - offsetof(WLAN_RADIO_STATE, PhyRadioState)) / sizeof(WLAN_PHY_RADIO_STATE);
    DWORD count = radio->dwNumberOfPhys;
    if (count > WLAN_MAX_PHY_INDEX) count = WLAN_MAX_PHY_INDEX;
    return count < fits ? count : fits;
}

}  // namespace

WlanManager::~WlanManager() {
    // The handle goes first: it delivers to the notifier until it is closed.
    CloseClient();
    DestroyParts();
}

void WlanManager::CloseClient() {
    if (m_hClient) {
        platform::Wlan().CloseHandle(m_hClient);
        m_hClient = nullptr;
    }
}

void WlanManager::DestroyParts() {
    m_pProfileXml.reset();
    m_pProfileStore.reset();
    m_pConnector.reset();
    m_pDriverOps.reset();
    m_pNotifier.reset();
}

DWORD WlanManager::Setup(const char* adapterDescription, HWND notifyWindow, int allUsers) {
    // Closing waits for callbacks in flight, so the notifier is not in use when it goes.
    CloseClient();
    DestroyParts();

    DWORD negotiated = 0;
    HANDLE client = nullptr;
    if (platform::Wlan().OpenHandle(kClientVersion, &negotiated, &client) == ERROR_SUCCESS) m_hClient = client;

    WLAN_INTERFACE_INFO_LIST* list = nullptr;
    DWORD result = platform::Wlan().EnumInterfaces(m_hClient, &list);
    if (result == ERROR_SUCCESS && list) {
        for (DWORD i = 0; i < list->dwNumberOfItems; ++i) {
            char description[256];
            if (!DescriptionToAnsi(list->InterfaceInfo[i].strInterfaceDescription, description)) continue;
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

    m_pConnector = std::make_unique<WlanConnector>(&m_hClient, &m_Interface.InterfaceGuid, notifyWindow, allUsers);
    m_pDriverOps = std::make_unique<DriverOidOps>();
    m_pNotifier = std::make_unique<WlanNotifier>(&m_hClient, &m_Interface, notifyWindow);
    m_pProfileXml = std::make_unique<WlanProfileXml>();
    m_pProfileStore = std::make_unique<WlanProfileStore>(&m_hClient, &m_Interface.InterfaceGuid, allUsers);
    return result;
}

template <class Read>
DWORD WlanManager::Query(WLAN_INTF_OPCODE opcode, Read read) {
    DWORD size = 0;
    void* data = nullptr;
    DWORD result =
        platform::Wlan().QueryInterface(m_hClient, &m_Interface.InterfaceGuid, opcode, &size, &data, nullptr);
    if (result == ERROR_SUCCESS && data) read(static_cast<const uint8_t*>(data), size);
    // The service's buffer goes back whether or not a value was taken from it.
    if (data) platform::Wlan().FreeMemory(data);
    return result;
}

DWORD WlanManager::Scan() {
    return platform::Wlan().Scan(m_hClient, &m_Interface.InterfaceGuid, nullptr, nullptr);
}

DWORD WlanManager::Disconnect() { return platform::Wlan().Disconnect(m_hClient, &m_Interface.InterfaceGuid); }

DWORD WlanManager::GetInterfaceState(int* connected) {
    *connected = 0;
    return Query(wlan_intf_opcode_interface_state, [&](const uint8_t* data, DWORD size) {
        WLAN_INTERFACE_STATE state;
        if (size < sizeof state) return;
        std::memcpy(&state, data, sizeof state);
        *connected = state == wlan_interface_state_connected;
    });
}

DWORD WlanManager::GetBssType(int* mode) {
    return Query(wlan_intf_opcode_bss_type, [&](const uint8_t* data, DWORD size) {
        DWORD type;
        if (size < sizeof type) return;
        std::memcpy(&type, data, sizeof type);
        *mode = type == dot11_BSS_type_infrastructure ? 1 : type == dot11_BSS_type_independent ? 0 : 2;
    });
}

DWORD WlanManager::GetRadioState(int* radioOn, int* switchOn) {
    *radioOn = 0;
    *switchOn = 1;
    return Query(wlan_intf_opcode_radio_state, [&](const uint8_t* data, DWORD size) {
        auto* radio = reinterpret_cast<const WLAN_RADIO_STATE*>(data);
        const DWORD count = PhysIn(radio, size);
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
    });
}

DWORD WlanManager::SetRadioState(int on) {
    return Query(wlan_intf_opcode_radio_state, [&](const uint8_t* data, DWORD size) {
        auto* radio = reinterpret_cast<const WLAN_RADIO_STATE*>(data);
        const DWORD count = PhysIn(radio, size);
        for (DWORD i = 0; i < count; ++i) {
            WLAN_PHY_RADIO_STATE state = radio->PhyRadioState[i];
            state.dot11SoftwareRadioState = on ? dot11_radio_state_on : dot11_radio_state_off;
            platform::Wlan().SetInterface(m_hClient, &m_Interface.InterfaceGuid, wlan_intf_opcode_radio_state,
                                          sizeof state, &state);
        }
    });
}

template <class Read>
DWORD WlanManager::WithCurrentConnection(Read read) {
    return Query(wlan_intf_opcode_current_connection, [&](const uint8_t* data, DWORD size) {
        if (size >= sizeof(WLAN_CONNECTION_ATTRIBUTES)) read(*reinterpret_cast<const WLAN_CONNECTION_ATTRIBUTES*>(data));
    });
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

DWORD WlanManager::GetCurrentBssType(DOT11_BSS_TYPE* type) {
    return WithCurrentConnection(
        [&](const WLAN_CONNECTION_ATTRIBUTES& a) { *type = a.wlanAssociationAttributes.dot11BssType; });
}

DWORD WlanManager::GetConnectionMode(WLAN_CONNECTION_MODE* mode) {
    return WithCurrentConnection([&](const WLAN_CONNECTION_ATTRIBUTES& a) { *mode = a.wlanConnectionMode; });
}

DWORD WlanManager::GetProfileName(wchar_t* name, size_t capacity) {
    if (capacity) name[0] = L'\0';
    return WithCurrentConnection([&](const WLAN_CONNECTION_ATTRIBUTES& a) {
        if (!capacity) return;
        size_t n = wcsnlen(a.strProfileName, WLAN_MAX_NAME_LENGTH);
        if (n > capacity - 1) n = capacity - 1;
        std::wmemcpy(name, a.strProfileName, n);
        name[n] = L'\0';
    });
}

DWORD WlanManager::GetOneXEnabled(BOOL* enabled) {
    return WithCurrentConnection(
        [&](const WLAN_CONNECTION_ATTRIBUTES& a) { *enabled = a.wlanSecurityAttributes.bOneXEnabled; });
}

DWORD WlanManager::GetAuthAlgorithm(DOT11_AUTH_ALGORITHM* algorithm) {
    return WithCurrentConnection(
        [&](const WLAN_CONNECTION_ATTRIBUTES& a) { *algorithm = a.wlanSecurityAttributes.dot11AuthAlgorithm; });
}

DWORD WlanManager::GetCipherAlgorithm(DOT11_CIPHER_ALGORITHM* algorithm) {
    return WithCurrentConnection(
        [&](const WLAN_CONNECTION_ATTRIBUTES& a) { *algorithm = a.wlanSecurityAttributes.dot11CipherAlgorithm; });
}

DWORD WlanManager::GetCurrentPhy(DOT11_PHY_TYPE* type, ULONG* index) {
    return WithCurrentConnection([&](const WLAN_CONNECTION_ATTRIBUTES& a) {
        *type = a.wlanAssociationAttributes.dot11PhyType;
        *index = a.wlanAssociationAttributes.uDot11PhyIndex;
    });
}

DWORD WlanManager::SupportsOfdm(int* supported) {
    *supported = 0;
    WLAN_INTERFACE_CAPABILITY* caps = nullptr;
    DWORD result = platform::Wlan().GetInterfaceCapability(m_hClient, &m_Interface.InterfaceGuid, &caps);
    if (result == ERROR_SUCCESS && caps) {
        DWORD count = caps->dwNumberOfSupportedPhys;
        if (count > WLAN_MAX_PHY_INDEX) count = WLAN_MAX_PHY_INDEX;
        for (DWORD i = 0; i < count; ++i)
            if (caps->dot11PhyTypes[i] == dot11_phy_type_ofdm) *supported = 1;
    }
    if (caps) platform::Wlan().FreeMemory(caps);
    return result;
}

DWORD WlanManager::GetAutoConfig(BOOL* enabled) {
    return Query(wlan_intf_opcode_autoconf_enabled, [&](const uint8_t* data, DWORD size) {
        if (size >= sizeof(BOOL)) std::memcpy(enabled, data, sizeof(BOOL));
    });
}

DWORD WlanManager::SetAutoConfig(BOOL enabled) {
    return platform::Wlan().SetInterface(m_hClient, &m_Interface.InterfaceGuid, wlan_intf_opcode_autoconf_enabled,
                                         sizeof enabled, &enabled);
}

DWORD WlanManager::SetBackgroundScan(BOOL enabled) {
    return platform::Wlan().SetInterface(m_hClient, &m_Interface.InterfaceGuid,
                                         wlan_intf_opcode_background_scan_enabled, sizeof enabled, &enabled);
}

DWORD WlanManager::GetRssi(LONG* rssi) {
    return Query(wlan_intf_opcode_rssi, [&](const uint8_t* data, DWORD size) {
        if (size >= sizeof(LONG)) std::memcpy(rssi, data, sizeof(LONG));
    });
}

DWORD WlanManager::StatisticsChanged(int* changed) {
    *changed = 0;
    DOT11_PHY_TYPE phy{};
    ULONG index = 0;
    GetCurrentPhy(&phy, &index);
    return Query(wlan_intf_opcode_statistics, [&](const uint8_t* data, DWORD size) {
        if (size < kStatisticOffset + sizeof(uint64_t)) return;
        uint64_t counter;
        std::memcpy(&counter, data + kStatisticOffset, sizeof counter);
        if (counter != 0 && static_cast<uint32_t>(counter) != m_dwLastStatistic) *changed = 1;
        m_dwLastStatistic = static_cast<uint32_t>(counter);
    });
}

void WlanManager::NativeWifiConnect(int flag, ProfileApplyRecord* record) {
    if (!record) return;
    // The driver settings do not depend on the service binding; the connect does.
    DriverOidOps ops;
    DriverOidOps& driver = m_pDriverOps ? *m_pDriverOps : ops;
    driver.SetOid0030(flag ? 1 : 0);
    driver.SetTxPower(static_cast<int>(record->TxPower));
    if (m_pConnector) m_pConnector->ConnectRecord(*record);
}

BOOLEAN WlanManager::QueryLinkInfo(uint8_t record[kLinkInfoRecordSize], uint64_t* extra) {
    DriverOidOps ops;
    return (m_pDriverOps ? *m_pDriverOps : ops).QueryLinkInfo(record, extra);
}

BOOLEAN WlanManager::QueryOid0006(DWORD* value) {
    DriverOidOps ops;
    return (m_pDriverOps ? *m_pDriverOps : ops).QueryOid0006(value);
}

int WlanManager::IsBssidInList(const uint8_t bssid[6]) const {
    return IsHtBssidInList(g_pBssidListMerged, bssid);
}

int WlanManager::ChannelOfBssid(const uint8_t bssid[6]) const {
    return ::ChannelOfBssid(g_pBssidListMerged, bssid);
}
