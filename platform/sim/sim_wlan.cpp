// The simulated Native Wifi service: handles, interfaces, queries and sets, scans that
// complete on the world's clock, network and BSS lists with real beacon elements, connects
// decided by the scenario, stored profiles and the profile editor. Notifications go out on
// the service thread of the world (sim_wlan_world.cpp), never from inside a call.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <cwchar>

#include "platform/sim/sim_wlan_bss.h"
#include "platform/sim/sim_wlan_profile.h"
#include "platform/sim/sim_wlan_xml.h"
#include "platform/sim/world_state.h"
#include "platform/wlan_codes.h"

namespace platform::sim {
namespace {

GUID GuidOf(const AdapterState& a) { return AdapterGuid(a.spec); }

bool Connected(const AdapterState& a) { return a.spec.connected && a.spec.radioOn && a.spec.radioSwitchOn; }

WLAN_INTERFACE_STATE InterfaceState(const AdapterState& a) {
    return Connected(a) ? wlan_interface_state_connected : wlan_interface_state_disconnected;
}


bool RadioOn(const AdapterState& a) { return a.spec.radioOn && a.spec.radioSwitchOn; }

std::wstring Widen(const std::string& bytes) {
    std::wstring w;
    if (bytes.empty()) return w;
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    w.resize(static_cast<std::size_t>(std::max(n, 0)));
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
    return w;
}

std::wstring FromUtf8(const std::string& text) {
    std::wstring w;
    if (text.empty()) return w;
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    w.resize(static_cast<std::size_t>(std::max(n, 0)));
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), w.data(), n);
    return w;
}

void CopyName(WCHAR (&dst)[WLAN_MAX_NAME_LENGTH], const std::wstring& src) {
    std::size_t n = std::min<std::size_t>(src.size(), WLAN_MAX_NAME_LENGTH - 1);
    std::wmemcpy(dst, src.data(), n);
    dst[n] = L'\0';
}

DOT11_SSID SsidOf(const std::string& s) {
    DOT11_SSID d{};
    d.uSSIDLength = static_cast<ULONG>(std::min<std::size_t>(s.size(), DOT11_SSID_MAX_LENGTH));
    std::memcpy(d.ucSSID, s.data(), d.uSSIDLength);
    return d;
}

std::string SsidText(const DOT11_SSID& d) {
    return std::string(reinterpret_cast<const char*>(d.ucSSID), std::min<ULONG>(d.uSSIDLength, DOT11_SSID_MAX_LENGTH));
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

const char* CipherWord(Cipher c) {
    switch (c) {
    case Cipher::Tkip: return "tkip";
    case Cipher::Aes: return "aes";
    case Cipher::Wep: return "wep";
    case Cipher::None: return "none";
    }
    return "none";
}

// Does a profile's security fit the network's?
bool SecurityFits(const ProfileFacts& f, const NetworkSpec& n) {
    const std::string auth = Lower(f.authentication), enc = Lower(f.encryption);
    switch (n.security) {
    case Security::Open: return auth == "open" && enc == "none";
    case Security::Wep: return (auth == "open" || auth == "shared") && enc == "wep";
    case Security::WpaPsk: return auth == "wpapsk" && enc == CipherWord(n.cipher);
    case Security::Wpa2Psk: return auth == "wpa2psk" && enc == CipherWord(n.cipher);
    case Security::Wpa: return auth == "wpa" && enc == CipherWord(n.cipher);
    case Security::Wpa2: return auth == "wpa2" && enc == CipherWord(n.cipher);
    }
    return false;
}

bool BssTypeFits(DOT11_BSS_TYPE t, const NetworkSpec& n) {
    return t == dot11_BSS_type_any || (t == dot11_BSS_type_independent) == n.adhoc;
}

template <typename T>
Bytes BytesOf(const T& v) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(&v);
    return Bytes(b, b + sizeof(T));
}

// The outcome of a connection attempt of adapter i to best (null: nothing to join), as the
// service reports it: connection start, then MSM connected or attempt failed, then complete.
void Join(World::State& s, std::size_t i, WLAN_CONNECTION_MODE mode, const std::wstring& profileName,
          const std::string& ssid, const NetworkSpec* best, DWORD reason) {
    AdapterState& a = s.adapters[i];
    WLAN_CONNECTION_NOTIFICATION_DATA d{};
    d.wlanConnectionMode = mode;
    CopyName(d.strProfileName, profileName);
    d.dot11Ssid = SsidOf(ssid);
    d.dot11BssType = best && best->adhoc ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
    d.bSecurityEnabled = best && best->security != Security::Open;
    d.wlanReasonCode = reason;
    const GUID g = GuidOf(a);
    if (reason == kWlanReasonSuccess && a.spec.connected) s.DropLink(i);
    s.QueueWlan(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_start, g, BytesOf(d));
    if (reason == kWlanReasonSuccess) {
        a.spec.connected = true;
        a.spec.linkSsid = best->ssid;
        a.spec.linkBssid = best->bssid;
        a.linkProfile = profileName;
        a.linkMode = mode;
        s.QueueWlan(WLAN_NOTIFICATION_SOURCE_MSM, kWlanMsmConnected, g);
    } else {
        s.QueueWlan(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_attempt_fail, g, BytesOf(d));
    }
    s.QueueWlan(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete, g, BytesOf(d));
}

}  // namespace

void AutoConnect(World::State& s, std::size_t i) {
    AdapterState& a = s.adapters[i];
    bool tried = false;
    for (const WlanStoredProfile& sp : a.profiles) {
        ProfileFacts facts;
        ProfileKey key;
        if (!CheckProfileDocument(sp.xml, &facts, &key, nullptr) || !facts.autoConnect || facts.ibss || !facts.hasSsid)
            continue;
        const NetworkSpec* best = nullptr;
        for (const NetworkSpec& n : s.networks)
            if (s.InAir(n) && !n.adhoc && !n.ssid.empty() && n.ssid == facts.ssid && (!best || n.rssi > best->rssi))
                best = &n;
        if (!best) continue;
        tried = true;
        const DWORD reason = !SecurityFits(facts, *best) || best->connectFails ? kWlanReasonAssociationFailure
                                                                                : KeyFailure(key, *best);
        Join(s, i, wlan_connection_mode_profile, sp.name, facts.ssid, best, reason);
        if (reason == kWlanReasonSuccess) break;
    }
    // One round over the profiles whose networks are in range; none in range: wait for one.
    if (tried) a.autoConnectPending = false;
}

namespace {

class SimNativeWifi final : public NativeWifi {
public:
    explicit SimNativeWifi(World& w) : w_(w) {}

    DWORD OpenHandle(DWORD clientVersion, DWORD* negotiatedVersion, HANDLE* clientHandle) override {
        if (!negotiatedVersion || !clientHandle) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        if (clientVersion != 1 && clientVersion != 2) return Log(s, "WlanOpenHandle", 0, ERROR_NOT_SUPPORTED);
        s.Sync();
        HANDLE h = s.NewHandle();
        s.wlanHandles[h] = WlanRegistration{};
        *negotiatedVersion = clientVersion;
        *clientHandle = h;
        return Log(s, "WlanOpenHandle", 0, ERROR_SUCCESS);
    }

    DWORD CloseHandle(HANDLE clientHandle) override {
        World::State& s = w_.Internal();
        bool closed;
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            closed = s.wlanHandles.erase(clientHandle) != 0;
            Log(s, "WlanCloseHandle", 0, closed ? ERROR_SUCCESS : ERROR_INVALID_HANDLE);
        }
        if (closed) WaitForCallbacks(s);
        return closed ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }

    DWORD EnumInterfaces(HANDLE clientHandle, WLAN_INTERFACE_INFO_LIST** list) override {
        if (!list) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        if (!s.wlanHandles.count(clientHandle)) return Log(s, "WlanEnumInterfaces", 0, ERROR_INVALID_HANDLE);
        if (s.hasInterfacesOverride) {
            *list = static_cast<WLAN_INTERFACE_INFO_LIST*>(Raw(s, s.interfacesOverride));
            return Log(s, "WlanEnumInterfaces", 0, ERROR_SUCCESS);
        }
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
            CopyName(info.strInterfaceDescription, Widen(name));
            info.isState = InterfaceState(a);
        }
        *list = out;
        return Log(s, "WlanEnumInterfaces", 0, ERROR_SUCCESS);
    }

    DWORD RegisterNotification(HANDLE clientHandle, DWORD notifSource, BOOL /*ignoreDuplicate*/,
                               WLAN_NOTIFICATION_CALLBACK callback, void* context, DWORD* prevNotifSource) override {
        World::State& s = w_.Internal();
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            auto it = s.wlanHandles.find(clientHandle);
            if (it == s.wlanHandles.end()) return Log(s, "WlanRegisterNotification", 0, ERROR_INVALID_HANDLE);
            if (notifSource != 0 && !callback) return Log(s, "WlanRegisterNotification", 0, ERROR_INVALID_PARAMETER);
            if (prevNotifSource) *prevNotifSource = it->second.source;
            it->second = notifSource ? WlanRegistration{notifSource, callback, context} : WlanRegistration{};
            Log(s, "WlanRegisterNotification", notifSource, ERROR_SUCCESS);
        }
        if (notifSource == 0) WaitForCallbacks(s);
        return ERROR_SUCCESS;
    }

    DWORD QueryInterface(HANDLE clientHandle, const GUID* iface, WLAN_INTF_OPCODE opcode, DWORD* dataSize,
                         void** data, WLAN_OPCODE_VALUE_TYPE* valueType) override {
        if (!iface || !dataSize || !data) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        return Log(s, "WlanQueryInterface", opcode, Query(s, clientHandle, iface, opcode, dataSize, data, valueType));
    }

    DWORD SetInterface(HANDLE clientHandle, const GUID* iface, WLAN_INTF_OPCODE opcode, DWORD dataSize,
                       const void* data) override {
        if (!iface || !data) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        return Log(s, "WlanSetInterface", opcode, Set(s, clientHandle, iface, opcode, dataSize, data));
    }

    DWORD GetInterfaceCapability(HANDLE clientHandle, const GUID* iface,
                                 WLAN_INTERFACE_CAPABILITY** capability) override {
        if (!iface || !capability) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanGetInterfaceCapability", 0, rc);
        if (s.hasCapabilityOverride) {
            *capability = static_cast<WLAN_INTERFACE_CAPABILITY*>(Raw(s, s.capabilityOverride));
            return Log(s, "WlanGetInterfaceCapability", 0, ERROR_SUCCESS);
        }
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
        return Log(s, "WlanGetInterfaceCapability", 0, ERROR_SUCCESS);
    }

    DWORD Scan(HANDLE clientHandle, const GUID* iface, const DOT11_SSID*, const WLAN_RAW_DATA*) override {
        if (!iface) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanScan", 0, rc);
        if (a->spec.scanFails || !RadioOn(*a))
            s.QueueWlan(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_fail, GuidOf(*a),
                        BytesOf(kWlanReasonUnknown), a->spec.scanDelayMs);
        else
            s.QueueWlan(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_complete, GuidOf(*a), {},
                        a->spec.scanDelayMs);
        return Log(s, "WlanScan", 0, ERROR_SUCCESS);
    }

    DWORD Disconnect(HANDLE clientHandle, const GUID* iface) override {
        if (!iface) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanDisconnect", 0, rc);
        a->autoConnectPending = false;  // a link the user ended is not taken up again
        s.DropLink(static_cast<std::size_t>(a - s.adapters.data()));
        return Log(s, "WlanDisconnect", 0, ERROR_SUCCESS);
    }

    DWORD GetAvailableNetworkList(HANDLE clientHandle, const GUID* iface, DWORD /*flags*/,
                                  WLAN_AVAILABLE_NETWORK_LIST** list) override {
        if (!iface || !list) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanGetAvailableNetworkList", 0, rc);

        // One network per SSID, BSS type and security; a stored profile for it adds an entry
        // of its own in front.
        std::vector<WLAN_AVAILABLE_NETWORK> out;
        std::vector<const NetworkSpec*> firsts;
        if (RadioOn(*a)) {
            for (const NetworkSpec& n : s.networks) {
                if (!s.InAir(n)) continue;
                bool seen = false;
                for (std::size_t k = 0; k < firsts.size(); ++k) {
                    const NetworkSpec& f = *firsts[k];
                    if (f.ssid == n.ssid && f.adhoc == n.adhoc && f.security == n.security && f.cipher == n.cipher) {
                        seen = true;
                        WLAN_AVAILABLE_NETWORK& e = out[k];
                        ++e.uNumberOfBssids;
                        e.wlanSignalQuality = std::max(e.wlanSignalQuality, QualityOf(n.rssi));
                    }
                }
                if (seen) continue;
                firsts.push_back(&n);
                WLAN_AVAILABLE_NETWORK e{};
                e.dot11Ssid = SsidOf(n.ssid);
                e.dot11BssType = n.adhoc ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
                e.uNumberOfBssids = 1;
                e.bNetworkConnectable = TRUE;
                e.uNumberOfPhyTypes = 1;
                e.dot11PhyTypes[0] = PhyTypeOf(n);
                e.wlanSignalQuality = QualityOf(n.rssi);
                e.bSecurityEnabled = n.security != Security::Open;
                e.dot11DefaultAuthAlgorithm = AuthAlgorithmOf(n.security);
                e.dot11DefaultCipherAlgorithm = CipherAlgorithmOf(n.cipher);
                if (Connected(*a) && a->spec.linkSsid == n.ssid && !n.ssid.empty()) e.dwFlags |= kWlanAvailableNetworkConnected;
                out.push_back(e);
            }
        }
        std::vector<WLAN_AVAILABLE_NETWORK> all;
        for (const WLAN_AVAILABLE_NETWORK& e : out) {
            for (const WlanStoredProfile& p : a->profiles) {
                ProfileFacts f = ReadProfileXml(p.xml);
                if (!f.hasSsid || f.ssid != SsidText(e.dot11Ssid) ||
                    f.ibss != (e.dot11BssType == dot11_BSS_type_independent))
                    continue;
                WLAN_AVAILABLE_NETWORK withProfile = e;
                CopyName(withProfile.strProfileName, p.name);
                withProfile.dwFlags |= kWlanAvailableNetworkHasProfile;
                if (!(Connected(*a) && a->linkProfile == p.name)) withProfile.dwFlags &= ~kWlanAvailableNetworkConnected;
                all.push_back(withProfile);
            }
            all.push_back(e);
        }
        auto* l = static_cast<WLAN_AVAILABLE_NETWORK_LIST*>(
            s.WlanAlloc(offsetof(WLAN_AVAILABLE_NETWORK_LIST, Network) + all.size() * sizeof(WLAN_AVAILABLE_NETWORK)));
        if (!l) return ERROR_NOT_ENOUGH_MEMORY;
        l->dwNumberOfItems = static_cast<DWORD>(all.size());
        l->dwIndex = 0;
        if (!all.empty()) std::memcpy(l->Network, all.data(), all.size() * sizeof(WLAN_AVAILABLE_NETWORK));
        *list = l;
        return Log(s, "WlanGetAvailableNetworkList", 0, ERROR_SUCCESS);
    }

    DWORD GetNetworkBssList(HANDLE clientHandle, const GUID* iface, const DOT11_SSID* ssid, DOT11_BSS_TYPE bssType,
                            BOOL securityEnabled, WLAN_BSS_LIST** list) override {
        if (!iface || !list) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanGetNetworkBssList", 0, rc);
        if (ssid && ssid->uSSIDLength > DOT11_SSID_MAX_LENGTH)
            return Log(s, "WlanGetNetworkBssList", 0, ERROR_INVALID_PARAMETER);

        std::vector<const NetworkSpec*> picked;
        if (RadioOn(*a)) {
            for (const NetworkSpec& n : s.networks) {
                if (!s.InAir(n) || !BssTypeFits(bssType, n)) continue;
                // The security flag counts only with an SSID.
                if (ssid && (SsidText(*ssid) != n.ssid || (securityEnabled != FALSE) != (n.security != Security::Open)))
                    continue;
                picked.push_back(&n);
            }
        }
        std::vector<Bytes> ies;
        std::size_t total = offsetof(WLAN_BSS_LIST, wlanBssEntries) + picked.size() * sizeof(WLAN_BSS_ENTRY);
        for (const NetworkSpec* n : picked) {
            ies.push_back(BuildInformationElements(*n));
            total += (ies.back().size() + 7) & ~std::size_t{7};
        }
        auto* l = static_cast<WLAN_BSS_LIST*>(s.WlanAlloc(std::max(total, sizeof(WLAN_BSS_LIST))));
        if (!l) return ERROR_NOT_ENOUGH_MEMORY;
        l->dwTotalSize = static_cast<DWORD>(total);
        l->dwNumberOfItems = static_cast<DWORD>(picked.size());
        std::size_t ieAt = offsetof(WLAN_BSS_LIST, wlanBssEntries) + picked.size() * sizeof(WLAN_BSS_ENTRY);
        const std::uint64_t now = s.clock.Now();
        FILETIME ft;
        GetSystemTimeAsFileTime(&ft);
        for (std::size_t k = 0; k < picked.size(); ++k) {
            const NetworkSpec& n = *picked[k];
            WLAN_BSS_ENTRY& e = l->wlanBssEntries[k];
            e.dot11Ssid = SsidOf(n.ssid);
            e.uPhyId = 0;
            std::memcpy(e.dot11Bssid, n.bssid.data(), 6);
            e.dot11BssType = n.adhoc ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
            e.dot11BssPhyType = PhyTypeOf(n);
            e.lRssi = n.rssi;
            e.uLinkQuality = QualityOf(n.rssi);
            e.bInRegDomain = TRUE;
            e.usBeaconPeriod = n.beaconPeriod;
            e.ullTimestamp = now * 1000;
            e.ullHostTimestamp = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
            e.usCapabilityInformation = CapabilityOf(n);
            e.ulChCenterFrequency = ChannelKhz(n.channel);
            std::vector<std::uint8_t> rates = RatesOf(n);
            e.wlanRateSet.uRateSetLength = static_cast<ULONG>(rates.size() * sizeof(USHORT));
            for (std::size_t r = 0; r < rates.size() && r < DOT11_RATE_SET_MAX_LENGTH; ++r)
                e.wlanRateSet.usRateSet[r] = static_cast<USHORT>((rates[r] & 0x7F) | (rates[r] & 0x80 ? 0x8000 : 0));
            auto* base = reinterpret_cast<std::uint8_t*>(l);
            e.ulIeOffset = static_cast<ULONG>(base + ieAt - reinterpret_cast<std::uint8_t*>(&e));
            e.ulIeSize = static_cast<ULONG>(ies[k].size());
            if (!ies[k].empty()) std::memcpy(base + ieAt, ies[k].data(), ies[k].size());
            ieAt += (ies[k].size() + 7) & ~std::size_t{7};
        }
        *list = l;
        return Log(s, "WlanGetNetworkBssList", 0, ERROR_SUCCESS);
    }

    DWORD Connect(HANDLE clientHandle, const GUID* iface, const WLAN_CONNECTION_PARAMETERS* p) override {
        if (!iface || !p) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanConnect", 0, rc);
        const std::size_t index = static_cast<std::size_t>(a - s.adapters.data());

        WlanConnectCall call;
        call.adapter = index;
        call.threadId = GetCurrentThreadId();
        call.mode = p->wlanConnectionMode;
        if (p->strProfile) {
            call.hasProfile = true;
            call.profile = p->strProfile;
        }
        if (p->pDot11Ssid) {
            call.hasSsid = true;
            call.ssid = SsidText(*p->pDot11Ssid);
        }
        call.bssType = p->dot11BssType;
        call.flags = p->dwFlags;
        if (p->pDesiredBssidList) {
            call.hasBssidList = true;
            const DOT11_BSSID_LIST* b = p->pDesiredBssidList;
            ULONG entries = std::min<ULONG>(b->uNumOfEntries, 64);
            for (ULONG k = 0; k < entries; ++k) {
                Mac m;
                std::memcpy(m.data(), b->BSSIDs[k], 6);
                call.bssids.push_back(m);
            }
        }

        // Where the connection goes and what it needs.
        ProfileFacts facts;
        ProfileKey key;
        std::wstring profileName;
        bool discovery = false;
        DWORD rc = ERROR_SUCCESS;
        switch (p->wlanConnectionMode) {
        case wlan_connection_mode_profile: {
            rc = ERROR_NOT_FOUND;
            if (p->strProfile)
                for (const WlanStoredProfile& sp : a->profiles)
                    if (sp.name == p->strProfile) {
                        CheckProfileDocument(sp.xml, &facts, &key, nullptr);
                        profileName = sp.name;
                        rc = ERROR_SUCCESS;
                    }
            if (!p->strProfile || !*p->strProfile) rc = ERROR_INVALID_PARAMETER;
            break;
        }
        case wlan_connection_mode_temporary_profile:
            if (!p->strProfile || !CheckProfileDocument(p->strProfile, &facts, &key, nullptr)) rc = ERROR_BAD_PROFILE;
            profileName = FromUtf8(facts.name);
            break;
        case wlan_connection_mode_discovery_secure:
        case wlan_connection_mode_discovery_unsecure:
            discovery = true;
            if (!p->pDot11Ssid || p->pDot11Ssid->uSSIDLength > DOT11_SSID_MAX_LENGTH ||
                (p->strProfile && *p->strProfile))
                rc = ERROR_INVALID_PARAMETER;
            else
                profileName = Widen(call.ssid);
            break;
        default: rc = ERROR_INVALID_PARAMETER;
        }
        call.result = rc;
        if (rc != ERROR_SUCCESS) {
            s.wlanConnects.push_back(call);
            return Log(s, "WlanConnect", p->wlanConnectionMode, rc);
        }

        const std::string target = discovery ? call.ssid : facts.ssid;
        const NetworkSpec* best = nullptr;
        if (discovery || facts.hasSsid) {
            for (const NetworkSpec& n : s.networks) {
                if (!s.InAir(n) || n.ssid.empty() || n.ssid != target || !BssTypeFits(p->dot11BssType, n)) continue;
                if (!discovery && facts.ibss != n.adhoc) continue;
                if (call.hasBssidList &&
                    std::find(call.bssids.begin(), call.bssids.end(), n.bssid) == call.bssids.end())
                    continue;
                if (!best || n.rssi > best->rssi) best = &n;
            }
        }
        DWORD reason = kWlanReasonSuccess;
        if (!best || !RadioOn(*a)) {
            reason = kWlanReasonNetworkNotAvailable;
        } else {
            bool fits = p->wlanConnectionMode == wlan_connection_mode_discovery_secure ? best->security != Security::Open
                        : p->wlanConnectionMode == wlan_connection_mode_discovery_unsecure
                            ? best->security == Security::Open
                            : SecurityFits(facts, *best);
            if (!fits || best->connectFails) reason = kWlanReasonAssociationFailure;
            else if (!discovery) reason = KeyFailure(key, *best);
        }
        call.reason = reason;
        s.wlanConnects.push_back(call);
        // The caller's choice replaces whatever the service was waiting to connect by itself.
        a->autoConnectPending = false;
        Join(s, index, p->wlanConnectionMode, profileName, target, best, reason);
        return Log(s, "WlanConnect", p->wlanConnectionMode, ERROR_SUCCESS);
    }

    DWORD SetProfile(HANDLE clientHandle, const GUID* iface, DWORD flags, const wchar_t* profileXml,
                     const wchar_t* /*allUserProfileSecurity*/, BOOL overwrite, DWORD* reasonCode) override {
        if (!iface || !profileXml || !reasonCode) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanSetProfile", 0, rc);
        ProfileFacts f;
        if (!CheckProfileDocument(profileXml, &f, nullptr, reasonCode)) return Log(s, "WlanSetProfile", 0, ERROR_BAD_PROFILE);
        const std::wstring name = FromUtf8(f.name);
        for (WlanStoredProfile& p : a->profiles) {
            if (p.name != name) continue;
            if (!overwrite) return Log(s, "WlanSetProfile", 0, ERROR_ALREADY_EXISTS);
            p.xml = profileXml;
            p.flags = flags;
            return Log(s, "WlanSetProfile", 0, ERROR_SUCCESS);
        }
        a->profiles.push_back(WlanStoredProfile{name, profileXml, flags});
        return Log(s, "WlanSetProfile", 0, ERROR_SUCCESS);
    }

    DWORD GetProfile(HANDLE clientHandle, const GUID* iface, const wchar_t* profileName, wchar_t** profileXml,
                     DWORD* flags, DWORD* grantedAccess) override {
        if (!iface || !profileName || !profileXml) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanGetProfile", 0, rc);
        for (const WlanStoredProfile& p : a->profiles) {
            if (p.name != profileName) continue;
            auto* x = static_cast<wchar_t*>(s.WlanAlloc((p.xml.size() + 1) * sizeof(wchar_t)));
            if (!x) return ERROR_NOT_ENOUGH_MEMORY;
            std::wmemcpy(x, p.xml.c_str(), p.xml.size() + 1);
            *profileXml = x;
            if (flags) *flags = p.flags;
            if (grantedAccess) *grantedAccess = kGrantedAll;
            return Log(s, "WlanGetProfile", 0, ERROR_SUCCESS);
        }
        return Log(s, "WlanGetProfile", 0, ERROR_NOT_FOUND);
    }

    DWORD GetProfileList(HANDLE clientHandle, const GUID* iface, WLAN_PROFILE_INFO_LIST** list) override {
        if (!iface || !list) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanGetProfileList", 0, rc);
        auto* l = static_cast<WLAN_PROFILE_INFO_LIST*>(s.WlanAlloc(
            offsetof(WLAN_PROFILE_INFO_LIST, ProfileInfo) + a->profiles.size() * sizeof(WLAN_PROFILE_INFO)));
        if (!l) return ERROR_NOT_ENOUGH_MEMORY;
        l->dwNumberOfItems = static_cast<DWORD>(a->profiles.size());
        l->dwIndex = 0;
        for (std::size_t k = 0; k < a->profiles.size(); ++k) {
            CopyName(l->ProfileInfo[k].strProfileName, a->profiles[k].name);
            l->ProfileInfo[k].dwFlags = a->profiles[k].flags;
        }
        *list = l;
        return Log(s, "WlanGetProfileList", 0, ERROR_SUCCESS);
    }

    DWORD DeleteProfile(HANDLE clientHandle, const GUID* iface, const wchar_t* profileName) override {
        if (!iface || !profileName) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, clientHandle, iface, &a)) return Log(s, "WlanDeleteProfile", 0, rc);
        auto it = std::find_if(a->profiles.begin(), a->profiles.end(),
                               [&](const WlanStoredProfile& p) { return p.name == profileName; });
        if (it == a->profiles.end()) return Log(s, "WlanDeleteProfile", 0, ERROR_NOT_FOUND);
        a->profiles.erase(it);
        return Log(s, "WlanDeleteProfile", 0, ERROR_SUCCESS);
    }

    DWORD ReasonCodeToString(DWORD reasonCode, DWORD bufferSize, wchar_t* buffer) override {
        if (!buffer || bufferSize == 0) return ERROR_INVALID_PARAMETER;
        const wchar_t* text = reasonCode == kWlanReasonSuccess               ? L"The operation was successful."
                              : reasonCode == kWlanReasonNetworkNotAvailable ? L"The network is not available."
                              : reasonCode == kWlanReasonAssociationFailure  ? L"The association failed."
                                                                             : L"An unknown error occurred.";
        wcsncpy(buffer, text, bufferSize - 1);
        buffer[bufferSize - 1] = L'\0';
        return ERROR_SUCCESS;
    }

    // Returns at once unless a test holds the editor open; the call is recorded either way.
    DWORD UIEditProfile(DWORD clientVersion, const wchar_t* profileName, GUID* iface, HWND owner,
                        WL_DISPLAY_PAGES startPage, DWORD* reasonCode) override {
        if (!profileName || !iface) return ERROR_INVALID_PARAMETER;
        World::State& s = w_.Internal();
        std::unique_lock<std::mutex> lock(s.mutex);
        s.Sync();
        s.wlanEditorCalls.push_back(
            WlanEditorCall{GetCurrentThreadId(), clientVersion, profileName, *iface, owner, startPage});
        AdapterState* a = nullptr;
        for (AdapterState& x : s.adapters)
            if (x.present && IsEqualGUID(GuidOf(x), *iface)) a = &x;
        if (!a) return Log(s, "WlanUIEditProfile", 0, ERROR_NOT_FOUND);
        // The editor edits a stored profile of that interface, nothing else.
        if (std::none_of(a->profiles.begin(), a->profiles.end(),
                         [&](const WlanStoredProfile& p) { return p.name == profileName; })) {
            if (reasonCode) *reasonCode = kWlanReasonProfileMissing;
            return Log(s, "WlanUIEditProfile", 0, ERROR_NOT_FOUND);
        }
        ++s.editorsOpen;
        s.editorCv.wait(lock, [&] { return !s.editorHeld; });
        --s.editorsOpen;
        if (reasonCode) *reasonCode = kWlanReasonSuccess;
        return Log(s, "WlanUIEditProfile", 0, ERROR_SUCCESS);
    }

    void FreeMemory(void* memory) override {
        if (!memory) return;
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        // A pointer the service never handed out (or freed twice) is counted, not freed.
        if (s.wlanAllocations.erase(memory)) std::free(memory);
        else ++s.badWlanFrees;
    }

private:
    static constexpr DWORD kGrantedAll = 0x00070023;  // read, execute and write access to a profile
    World& w_;

    static DWORD Log(World::State& s, const char* name, DWORD opcode, DWORD rc) {
        s.LogWlan(name, opcode, rc);
        return rc;
    }

    // Callbacks already on their way finish before a handle is gone (not from a callback).
    static void WaitForCallbacks(World::State& s) {
        if (GetCurrentThreadId() == s.deliveryThreadId) return;
        std::lock_guard<std::mutex> wait(s.deliveryMutex);
    }

    static void* Raw(World::State& s, const Bytes& bytes) {
        void* p = s.WlanAlloc(bytes.size());
        if (p && !bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
        return p;
    }

    // The present adapter behind an interface GUID on an open client handle.
    static DWORD Find(World::State& s, HANDLE h, const GUID* iface, AdapterState** out) {
        if (!s.wlanHandles.count(h)) return ERROR_INVALID_HANDLE;
        for (AdapterState& a : s.adapters) {
            if (!a.present) continue;
            if (IsEqualGUID(GuidOf(a), *iface)) {
                *out = &a;
                return ERROR_SUCCESS;
            }
        }
        return ERROR_NOT_FOUND;
    }

    static DWORD Query(World::State& s, HANDLE h, const GUID* iface, WLAN_INTF_OPCODE opcode, DWORD* dataSize,
                       void** data, WLAN_OPCODE_VALUE_TYPE* valueType) {
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, h, iface, &a)) return rc;
        if (valueType) *valueType = wlan_opcode_value_type_query_only;
        auto o = s.wlanQueryOverrides.find(static_cast<DWORD>(opcode));
        if (o != s.wlanQueryOverrides.end()) {
            *data = Raw(s, o->second);
            *dataSize = static_cast<DWORD>(o->second.size());
            return *data ? ERROR_SUCCESS : ERROR_NOT_ENOUGH_MEMORY;
        }

        switch (opcode) {
        case wlan_intf_opcode_autoconf_enabled: return Answer(s, a->autoConfig, dataSize, data);
        case wlan_intf_opcode_background_scan_enabled: return Answer(s, a->backgroundScan, dataSize, data);
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
            r.dwNumberOfPhys = PhyCount(a->spec);
            for (DWORD p = 0; p < r.dwNumberOfPhys; ++p) {
                r.PhyRadioState[p].dwPhyIndex = p;
                r.PhyRadioState[p].dot11SoftwareRadioState =
                    (a->phyOff >> p) & 1 ? dot11_radio_state_off : dot11_radio_state_on;
                r.PhyRadioState[p].dot11HardwareRadioState =
                    a->spec.radioSwitchOn ? dot11_radio_state_on : dot11_radio_state_off;
            }
            return Answer(s, r, dataSize, data);
        }
        case wlan_intf_opcode_current_connection: {
            if (!Connected(*a)) return ERROR_INVALID_STATE;
            return Answer(s, Connection(s, *a), dataSize, data);
        }
        case wlan_intf_opcode_statistics: {
            if (!Connected(*a)) return ERROR_INVALID_STATE;
            WLAN_STATISTICS st{};
            st.dwNumberOfPhys = 1;
            return Answer(s, st, dataSize, data);
        }
        case wlan_intf_opcode_rssi: {
            if (!Connected(*a)) return ERROR_INVALID_STATE;
            const NetworkSpec* n = s.NetworkByBssid(a->spec.linkBssid);
            LONG rssi = a->spec.signalCount > 0 ? s.ChainSignal(*a, 0) : n ? n->rssi : -100;
            return Answer(s, rssi, dataSize, data);
        }
        default: return ERROR_NOT_SUPPORTED;
        }
    }

    static DWORD Set(World::State& s, HANDLE h, const GUID* iface, WLAN_INTF_OPCODE opcode, DWORD dataSize,
                     const void* data) {
        AdapterState* a = nullptr;
        if (DWORD rc = Find(s, h, iface, &a)) return rc;
        switch (opcode) {
        case wlan_intf_opcode_autoconf_enabled:
        case wlan_intf_opcode_background_scan_enabled: {
            if (dataSize < sizeof(BOOL)) return ERROR_INVALID_PARAMETER;
            BOOL v;
            std::memcpy(&v, data, sizeof v);
            (opcode == wlan_intf_opcode_autoconf_enabled ? a->autoConfig : a->backgroundScan) = v ? TRUE : FALSE;
            return ERROR_SUCCESS;
        }
        case wlan_intf_opcode_radio_state: {
            if (dataSize < sizeof(WLAN_PHY_RADIO_STATE)) return ERROR_INVALID_PARAMETER;
            WLAN_PHY_RADIO_STATE r;
            std::memcpy(&r, data, sizeof r);
            const unsigned phys = PhyCount(a->spec);
            if (r.dwPhyIndex >= phys) return ERROR_INVALID_PARAMETER;
            if (r.dot11SoftwareRadioState != dot11_radio_state_on && r.dot11SoftwareRadioState != dot11_radio_state_off)
                return ERROR_INVALID_PARAMETER;
            const std::uint32_t bit = 1u << r.dwPhyIndex;
            const std::uint32_t before = a->phyOff;
            if (r.dot11SoftwareRadioState == dot11_radio_state_off) a->phyOff |= bit;
            else a->phyOff &= ~bit;
            if (a->phyOff == before) return ERROR_SUCCESS;
            const bool wasOn = a->spec.radioOn;
            a->spec.radioOn = a->phyOff != (1u << phys) - 1;
            WLAN_PHY_RADIO_STATE now{};
            now.dwPhyIndex = r.dwPhyIndex;
            now.dot11SoftwareRadioState = r.dot11SoftwareRadioState;
            now.dot11HardwareRadioState = a->spec.radioSwitchOn ? dot11_radio_state_on : dot11_radio_state_off;
            s.QueueWlan(WLAN_NOTIFICATION_SOURCE_MSM, kWlanMsmRadioStateChange, GuidOf(*a), BytesOf(now));
            if (!a->spec.radioOn) s.DropLink(static_cast<std::size_t>(a - s.adapters.data()));
            else if (!wasOn) a->autoConnectPending = true;
            return ERROR_SUCCESS;
        }
        default: return ERROR_NOT_SUPPORTED;
        }
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
        c.wlanConnectionMode = a.linkMode;
        const std::string& ssid = a.spec.linkSsid;
        CopyName(c.strProfileName, a.linkProfile.empty() ? Widen(ssid) : a.linkProfile);
        WLAN_ASSOCIATION_ATTRIBUTES& as = c.wlanAssociationAttributes;
        as.dot11Ssid = SsidOf(ssid);
        std::memcpy(as.dot11Bssid, a.spec.linkBssid.data(), 6);
        const NetworkSpec* net = s.NetworkByBssid(a.spec.linkBssid);
        as.dot11BssType = net && net->adhoc ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
        as.dot11PhyType = net ? PhyTypeOf(*net) : dot11_phy_type_erp;
        as.uDot11PhyIndex = 0;
        as.wlanSignalQuality = a.spec.signalCount > 0 ? QualityOf(s.ChainSignal(a, 0)) : net ? QualityOf(net->rssi) : 0;
        as.ulRxRate = as.ulTxRate = 54000;
        WLAN_SECURITY_ATTRIBUTES& sec = c.wlanSecurityAttributes;
        Security security = net ? net->security : Security::Open;
        sec.bSecurityEnabled = security != Security::Open;
        sec.bOneXEnabled = security == Security::Wpa || security == Security::Wpa2;
        sec.dot11AuthAlgorithm = AuthAlgorithmOf(security);
        sec.dot11CipherAlgorithm = CipherAlgorithmOf(net ? net->cipher : Cipher::None);
        return c;
    }
};

}  // namespace

std::unique_ptr<NativeWifi> MakeSimNativeWifi(World& w) { return std::make_unique<SimNativeWifi>(w); }

}  // namespace platform::sim
