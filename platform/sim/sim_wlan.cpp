// The simulated Native Wifi service. It serves what start-up and the poll read; every other
// call answers ERROR_NOT_SUPPORTED until the service is simulated further.
#include <algorithm>
#include <cstring>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

GUID GuidOf(const AdapterState& a) {
    GUID g{};
    GuidParts p;
    if (ParseGuidText(a.spec.instanceId, &p)) {
        g.Data1 = p.data1;
        g.Data2 = p.data2;
        g.Data3 = p.data3;
        std::memcpy(g.Data4, p.data4, 8);
    }
    return g;
}

bool Connected(const AdapterState& a) { return a.spec.connected && a.spec.radioOn && a.spec.radioSwitchOn; }

WLAN_INTERFACE_STATE InterfaceState(const AdapterState& a) {
    return Connected(a) ? wlan_interface_state_connected : wlan_interface_state_disconnected;
}

// The service's usual mapping: -100 dBm and below 0, -50 dBm and above 100.
ULONG QualityOf(std::int32_t dbm) {
    long q = 2L * (static_cast<long>(dbm) + 100);
    return static_cast<ULONG>(std::clamp(q, 0L, 100L));
}

class SimNativeWifi final : public NativeWifi {
public:
    explicit SimNativeWifi(World& w) : w_(w) {}

    DWORD OpenHandle(DWORD clientVersion, DWORD* negotiatedVersion, HANDLE* clientHandle) override {
        if (!negotiatedVersion || !clientHandle) return ERROR_INVALID_PARAMETER;
        if (clientVersion != 1 && clientVersion != 2) return ERROR_NOT_SUPPORTED;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        HANDLE h = s.NewHandle();
        s.wlanHandles[h] = WlanRegistration{};
        *negotiatedVersion = clientVersion;
        *clientHandle = h;
        return ERROR_SUCCESS;
    }

    DWORD CloseHandle(HANDLE clientHandle) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        return s.wlanHandles.erase(clientHandle) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }

    DWORD EnumInterfaces(HANDLE clientHandle, WLAN_INTERFACE_INFO_LIST** list) override {
        if (!list) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        if (!s.wlanHandles.count(clientHandle)) return ERROR_INVALID_HANDLE;
        std::vector<std::size_t> present;
        for (std::size_t i = 0; i < s.adapters.size(); ++i)
            if (s.adapters[i].present) present.push_back(i);
        auto* out = static_cast<WLAN_INTERFACE_INFO_LIST*>(
            s.WlanAlloc(offsetof(WLAN_INTERFACE_INFO_LIST, InterfaceInfo) + present.size() * sizeof(WLAN_INTERFACE_INFO)));
        if (!out) return ERROR_NOT_ENOUGH_MEMORY;
        out->dwNumberOfItems = static_cast<DWORD>(present.size());
        out->dwIndex = 0;
        for (std::size_t k = 0; k < present.size(); ++k) {
            const AdapterState& a = s.adapters[present[k]];
            WLAN_INTERFACE_INFO& info = out->InterfaceInfo[k];
            info.InterfaceGuid = GuidOf(a);
            const std::string& name = a.spec.hasFriendlyName && !a.spec.friendlyName.empty() ? a.spec.friendlyName
                                                                                            : a.spec.description;
            int n = MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()),
                                        info.strInterfaceDescription, 255);
            info.strInterfaceDescription[std::max(n, 0)] = L'\0';
            info.isState = InterfaceState(a);
        }
        *list = out;
        return ERROR_SUCCESS;
    }

    DWORD RegisterNotification(HANDLE clientHandle, DWORD notifSource, BOOL /*ignoreDuplicate*/,
                               WLAN_NOTIFICATION_CALLBACK callback, void* context, DWORD* prevNotifSource) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        auto it = s.wlanHandles.find(clientHandle);
        if (it == s.wlanHandles.end()) return ERROR_INVALID_HANDLE;
        if (notifSource != 0 && !callback) return ERROR_INVALID_PARAMETER;
        if (prevNotifSource) *prevNotifSource = it->second.source;
        it->second = notifSource ? WlanRegistration{notifSource, callback, context} : WlanRegistration{};
        return ERROR_SUCCESS;
    }

    DWORD QueryInterface(HANDLE clientHandle, const GUID* iface, WLAN_INTF_OPCODE opcode, DWORD* dataSize,
                         void** data, WLAN_OPCODE_VALUE_TYPE* valueType) override {
        if (!iface || !dataSize || !data) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        const AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return rc;
        if (valueType) *valueType = wlan_opcode_value_type_query_only;

        switch (opcode) {
        case wlan_intf_opcode_interface_state:
            return Answer(s, static_cast<DWORD>(InterfaceState(*a)), dataSize, data);
        case wlan_intf_opcode_bss_type: {
            const NetworkSpec* n = Connected(*a) ? s.NetworkByBssid(a->spec.linkBssid) : nullptr;
            return Answer(s, static_cast<DWORD>(n && n->adhoc ? dot11_BSS_type_independent
                                                               : dot11_BSS_type_infrastructure),
                          dataSize, data);
        }
        case wlan_intf_opcode_radio_state: {
            WLAN_RADIO_STATE r{};
            r.dwNumberOfPhys = 1;
            r.PhyRadioState[0].dwPhyIndex = 0;
            r.PhyRadioState[0].dot11SoftwareRadioState = a->spec.radioOn ? dot11_radio_state_on : dot11_radio_state_off;
            r.PhyRadioState[0].dot11HardwareRadioState =
                a->spec.radioSwitchOn ? dot11_radio_state_on : dot11_radio_state_off;
            return Answer(s, r, dataSize, data);
        }
        case wlan_intf_opcode_current_connection: {
            if (!Connected(*a)) return ERROR_INVALID_STATE;
            return Answer(s, Connection(s, *a), dataSize, data);
        }
        default: return ERROR_NOT_SUPPORTED;
        }
    }

    DWORD GetInterfaceCapability(HANDLE clientHandle, const GUID* iface,
                                 WLAN_INTERFACE_CAPABILITY** capability) override {
        if (!iface || !capability) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        const AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return rc;
        auto* c = static_cast<WLAN_INTERFACE_CAPABILITY*>(s.WlanAlloc(sizeof(WLAN_INTERFACE_CAPABILITY)));
        if (!c) return ERROR_NOT_ENOUGH_MEMORY;
        c->interfaceType = wlan_interface_type_native_802_11;
        c->bDot11DSupported = FALSE;
        c->dwMaxDesiredSsidListSize = 1;
        c->dwMaxDesiredBssidListSize = 1;
        DWORD n = 0;
        c->dot11PhyTypes[n++] = dot11_phy_type_hrdsss;
        c->dot11PhyTypes[n++] = dot11_phy_type_erp;
        if (a->spec.supports5GHz) c->dot11PhyTypes[n++] = dot11_phy_type_ofdm;
        if (a->spec.supports11n) c->dot11PhyTypes[n++] = dot11_phy_type_ht;
        c->dwNumberOfSupportedPhys = n;
        *capability = c;
        return ERROR_SUCCESS;
    }

    void FreeMemory(void* memory) override {
        if (!memory) return;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        // A pointer the service never handed out (or freed twice) is counted, not freed.
        if (s.wlanAllocations.erase(memory)) std::free(memory);
        else ++s.badWlanFrees;
    }

    // Not simulated yet.
    DWORD SetInterface(HANDLE, const GUID*, WLAN_INTF_OPCODE, DWORD, const void*) override {
        return ERROR_NOT_SUPPORTED;
    }
    DWORD Scan(HANDLE, const GUID*, const DOT11_SSID*, const WLAN_RAW_DATA*) override { return ERROR_NOT_SUPPORTED; }
    DWORD GetAvailableNetworkList(HANDLE, const GUID*, DWORD, WLAN_AVAILABLE_NETWORK_LIST**) override {
        return ERROR_NOT_SUPPORTED;
    }
    DWORD GetNetworkBssList(HANDLE, const GUID*, const DOT11_SSID*, DOT11_BSS_TYPE, BOOL, WLAN_BSS_LIST**) override {
        return ERROR_NOT_SUPPORTED;
    }
    DWORD Connect(HANDLE, const GUID*, const WLAN_CONNECTION_PARAMETERS*) override { return ERROR_NOT_SUPPORTED; }
    DWORD Disconnect(HANDLE, const GUID*) override { return ERROR_NOT_SUPPORTED; }
    DWORD SetProfile(HANDLE, const GUID*, DWORD, const wchar_t*, const wchar_t*, BOOL, DWORD*) override {
        return ERROR_NOT_SUPPORTED;
    }
    DWORD GetProfile(HANDLE, const GUID*, const wchar_t*, wchar_t**, DWORD*, DWORD*) override {
        return ERROR_NOT_SUPPORTED;
    }
    DWORD GetProfileList(HANDLE, const GUID*, WLAN_PROFILE_INFO_LIST**) override { return ERROR_NOT_SUPPORTED; }
    DWORD DeleteProfile(HANDLE, const GUID*, const wchar_t*) override { return ERROR_NOT_SUPPORTED; }
    DWORD ReasonCodeToString(DWORD, DWORD, wchar_t*) override { return ERROR_NOT_SUPPORTED; }
    DWORD UIEditProfile(DWORD, const wchar_t*, GUID*, HWND, WL_DISPLAY_PAGES, DWORD*) override {
        return ERROR_NOT_SUPPORTED;
    }

private:
    World& w_;

    // The present adapter behind an interface GUID on an open client handle.
    static DWORD Find(World::State& s, HANDLE h, const GUID* iface, const AdapterState** out) {
        if (!s.wlanHandles.count(h)) return ERROR_INVALID_HANDLE;
        for (const AdapterState& a : s.adapters) {
            if (!a.present) continue;
            GUID g = GuidOf(a);
            if (IsEqualGUID(g, *iface)) {
                *out = &a;
                return ERROR_SUCCESS;
            }
        }
        return ERROR_NOT_FOUND;
    }

    template <typename T>
    static DWORD Answer(World::State& s, const T& value, DWORD* dataSize, void** data) {
        void* p = s.WlanAlloc(sizeof(T));
        if (!p) return ERROR_NOT_ENOUGH_MEMORY;
        std::memcpy(p, &value, sizeof(T));
        *dataSize = sizeof(T);
        *data = p;
        return ERROR_SUCCESS;
    }

    static WLAN_CONNECTION_ATTRIBUTES Connection(const World::State& s, const AdapterState& a) {
        WLAN_CONNECTION_ATTRIBUTES c{};
        c.isState = wlan_interface_state_connected;
        c.wlanConnectionMode = wlan_connection_mode_profile;
        const std::string& ssid = a.spec.linkSsid;
        int n = MultiByteToWideChar(CP_ACP, 0, ssid.data(), static_cast<int>(ssid.size()), c.strProfileName, 255);
        c.strProfileName[std::max(n, 0)] = L'\0';
        WLAN_ASSOCIATION_ATTRIBUTES& as = c.wlanAssociationAttributes;
        as.dot11Ssid.uSSIDLength = static_cast<ULONG>(std::min<std::size_t>(ssid.size(), DOT11_SSID_MAX_LENGTH));
        std::memcpy(as.dot11Ssid.ucSSID, ssid.data(), as.dot11Ssid.uSSIDLength);
        std::memcpy(as.dot11Bssid, a.spec.linkBssid.data(), 6);
        const NetworkSpec* net = s.NetworkByBssid(a.spec.linkBssid);
        as.dot11BssType = net && net->adhoc ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
        as.dot11PhyType = net && net->channel > 14 ? dot11_phy_type_ofdm : dot11_phy_type_erp;
        as.uDot11PhyIndex = 0;
        as.wlanSignalQuality = a.spec.signalCount > 0 ? QualityOf(a.spec.signal[0]) : net ? QualityOf(net->rssi) : 0;
        as.ulRxRate = as.ulTxRate = 54000;
        WLAN_SECURITY_ATTRIBUTES& sec = c.wlanSecurityAttributes;
        Security security = net ? net->security : Security::Open;
        Cipher cipher = net ? net->cipher : Cipher::None;
        sec.bSecurityEnabled = security != Security::Open;
        sec.bOneXEnabled = security == Security::Wpa || security == Security::Wpa2;
        switch (security) {
        case Security::Open:
        case Security::Wep: sec.dot11AuthAlgorithm = DOT11_AUTH_ALGO_80211_OPEN; break;
        case Security::WpaPsk: sec.dot11AuthAlgorithm = DOT11_AUTH_ALGO_WPA_PSK; break;
        case Security::Wpa2Psk: sec.dot11AuthAlgorithm = DOT11_AUTH_ALGO_RSNA_PSK; break;
        case Security::Wpa: sec.dot11AuthAlgorithm = DOT11_AUTH_ALGO_WPA; break;
        case Security::Wpa2: sec.dot11AuthAlgorithm = DOT11_AUTH_ALGO_RSNA; break;
        }
        switch (cipher) {
        case Cipher::None: sec.dot11CipherAlgorithm = DOT11_CIPHER_ALGO_NONE; break;
        case Cipher::Wep: sec.dot11CipherAlgorithm = DOT11_CIPHER_ALGO_WEP; break;
        case Cipher::Tkip: sec.dot11CipherAlgorithm = DOT11_CIPHER_ALGO_TKIP; break;
        case Cipher::Aes: sec.dot11CipherAlgorithm = DOT11_CIPHER_ALGO_CCMP; break;
        }
        return c;
    }
};

}  // namespace

std::unique_ptr<NativeWifi> MakeSimNativeWifi(World& w) { return std::make_unique<SimNativeWifi>(w); }

}  // namespace platform::sim
