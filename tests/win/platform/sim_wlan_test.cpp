#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <mutex>
#include <vector>

#include "platform/native_wifi.h"
#include "platform/sim/sim_wlan_xml.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

void CALLBACK IgnoreNotification(WLAN_NOTIFICATION_DATA*, void*) {}

class SimWlan : public SimWorldTest {
protected:
    void Open() {
        DWORD negotiated = 0;
        ASSERT_EQ(platform::Wlan().OpenHandle(2, &negotiated, &handle_), static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(negotiated, 2u);
    }
    void TearDown() override {
        if (handle_) platform::Wlan().CloseHandle(handle_);
        EXPECT_EQ(world_.LiveWlanAllocations(), 0u) << "a service buffer was not freed";
        if (checkFrees_) {
            EXPECT_EQ(world_.BadWlanFrees(), 0u);
        }
        SimWorldTest::TearDown();
    }
    template <typename T>
    DWORD Query(WLAN_INTF_OPCODE op, T* out) {
        GUID g = world_.InterfaceGuid(0);
        DWORD size = 0;
        void* data = nullptr;
        DWORD rc = platform::Wlan().QueryInterface(handle_, &g, op, &size, &data, nullptr);
        if (rc == ERROR_SUCCESS) {
            EXPECT_EQ(size, sizeof(T));
            std::memcpy(out, data, sizeof(T));
            platform::Wlan().FreeMemory(data);
        }
        return rc;
    }
    HANDLE handle_ = nullptr;
    bool checkFrees_ = true;
};

TEST_F(SimWlan, InterfacesFollowThePresentAdapters) {
    Load(std::string(R"(
[adapter]
hardware_id = PCI\VEN_F0E1&DEV_7001
description = Plain Description
friendly_name = Friendly Card #2
instance_id = {A3C05E77-91D4-4B6A-8E20-5F1D7C94B0E8}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0008
)") + kOneAdapter);
    Open();
    WLAN_INTERFACE_INFO_LIST* list = nullptr;
    ASSERT_EQ(platform::Wlan().EnumInterfaces(handle_, &list), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(list->dwNumberOfItems, 2u);
    EXPECT_STREQ(list->InterfaceInfo[0].strInterfaceDescription, L"Friendly Card #2");
    EXPECT_EQ(list->InterfaceInfo[0].isState, wlan_interface_state_disconnected);
    EXPECT_STREQ(list->InterfaceInfo[1].strInterfaceDescription, L"Norvane ZQ-4402 Wireless LAN Card");
    EXPECT_EQ(list->InterfaceInfo[1].isState, wlan_interface_state_connected);
    const GUID want = {0x6F2A9C14, 0x3B7E, 0x4D21, {0x9A, 0x58, 0x0C, 0x4E, 0x1B, 0x7D, 0x3F, 0x92}};
    EXPECT_TRUE(IsEqualGUID(list->InterfaceInfo[1].InterfaceGuid, want));
    platform::Wlan().FreeMemory(list);

    world_.Unplug(0);
    ASSERT_EQ(platform::Wlan().EnumInterfaces(handle_, &list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(list->dwNumberOfItems, 1u);
    platform::Wlan().FreeMemory(list);
    GUID gone = world_.InterfaceGuid(0);
    DWORD size;
    void* data = nullptr;
    EXPECT_EQ(platform::Wlan().QueryInterface(handle_, &gone, wlan_intf_opcode_interface_state, &size, &data, nullptr),
              static_cast<DWORD>(ERROR_NOT_FOUND));
}

TEST_F(SimWlan, CurrentConnectionCarriesTheLink) {
    Load(kOneAdapter);
    Open();
    WLAN_CONNECTION_ATTRIBUTES c{};
    ASSERT_EQ(Query(wlan_intf_opcode_current_connection, &c), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(c.isState, wlan_interface_state_connected);
    const WLAN_ASSOCIATION_ATTRIBUTES& a = c.wlanAssociationAttributes;
    ASSERT_EQ(a.dot11Ssid.uSSIDLength, 11u);
    EXPECT_EQ(std::memcmp(a.dot11Ssid.ucSSID, "Harbor Open", 11), 0);
    const UCHAR bssid[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
    EXPECT_EQ(std::memcmp(a.dot11Bssid, bssid, 6), 0);
    EXPECT_EQ(a.wlanSignalQuality, 90u);  // -55 dBm
    EXPECT_EQ(a.dot11BssType, dot11_BSS_type_infrastructure);
    EXPECT_STREQ(c.strProfileName, L"Harbor Open");
    EXPECT_FALSE(c.wlanSecurityAttributes.bSecurityEnabled);

    DWORD state = 0, bss = 0;
    ASSERT_EQ(Query(wlan_intf_opcode_interface_state, &state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state, static_cast<DWORD>(wlan_interface_state_connected));
    ASSERT_EQ(Query(wlan_intf_opcode_bss_type, &bss), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(bss, static_cast<DWORD>(dot11_BSS_type_infrastructure));

    world_.SetLink(0, false);
    EXPECT_EQ(Query(wlan_intf_opcode_current_connection, &c), static_cast<DWORD>(ERROR_INVALID_STATE));
    ASSERT_EQ(Query(wlan_intf_opcode_interface_state, &state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state, static_cast<DWORD>(wlan_interface_state_disconnected));
}

TEST_F(SimWlan, RadioStateHasOnePhyPerPhyType) {
    Load(kOneAdapter);
    Open();
    WLAN_RADIO_STATE r{};
    ASSERT_EQ(Query(wlan_intf_opcode_radio_state, &r), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(r.dwNumberOfPhys, 2u) << "b and g";
    EXPECT_EQ(r.PhyRadioState[1].dot11SoftwareRadioState, dot11_radio_state_on);
    EXPECT_EQ(r.PhyRadioState[1].dot11HardwareRadioState, dot11_radio_state_on);

    world_.SetRadio(0, false);
    ASSERT_EQ(Query(wlan_intf_opcode_radio_state, &r), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(r.PhyRadioState[0].dot11SoftwareRadioState, dot11_radio_state_off);
    EXPECT_EQ(r.PhyRadioState[1].dot11SoftwareRadioState, dot11_radio_state_off);
    DWORD state = 0;
    ASSERT_EQ(Query(wlan_intf_opcode_interface_state, &state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state, static_cast<DWORD>(wlan_interface_state_disconnected)) << "no link with the radio off";
    world_.SetRadio(0, true);
    ASSERT_EQ(Query(wlan_intf_opcode_interface_state, &state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state, static_cast<DWORD>(wlan_interface_state_disconnected)) << "the link does not come back by itself";
}

TEST_F(SimWlan, CapabilityListsOfdmOnlyWith5GHz) {
    for (bool fiveGHz : {false, true}) {
        std::string text = kOneAdapter;
        if (fiveGHz) text.insert(text.find("signal"), "supports_5ghz = yes\n");
        Load(text);
        Open();
        GUID g = world_.InterfaceGuid(0);
        WLAN_INTERFACE_CAPABILITY* cap = nullptr;
        ASSERT_EQ(platform::Wlan().GetInterfaceCapability(handle_, &g, &cap), static_cast<DWORD>(ERROR_SUCCESS));
        bool ofdm = false;
        for (DWORD i = 0; i < cap->dwNumberOfSupportedPhys; ++i) ofdm |= cap->dot11PhyTypes[i] == dot11_phy_type_ofdm;
        EXPECT_EQ(ofdm, fiveGHz);
        platform::Wlan().FreeMemory(cap);
        platform::Wlan().CloseHandle(handle_);
        handle_ = nullptr;
    }
}

TEST_F(SimWlan, HandlesAndFreesAreChecked) {
    Load(kOneAdapter);
    Open();
    WLAN_INTERFACE_INFO_LIST* list = nullptr;
    ASSERT_EQ(platform::Wlan().EnumInterfaces(handle_, &list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(world_.LiveWlanAllocations(), 1u);
    platform::Wlan().FreeMemory(list);
    platform::Wlan().FreeMemory(list);  // freed twice: counted, not a crash
    EXPECT_EQ(world_.BadWlanFrees(), 1u);
    checkFrees_ = false;

    DWORD prev = 0xFFFF;
    EXPECT_EQ(platform::Wlan().RegisterNotification(
                  handle_, WLAN_NOTIFICATION_SOURCE_ACM | WLAN_NOTIFICATION_SOURCE_MSM, TRUE,
                  IgnoreNotification, this, &prev),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(prev, 0u);
    EXPECT_TRUE(world_.HasWlanNotificationCallback());

    EXPECT_EQ(platform::Wlan().CloseHandle(handle_), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(world_.HasWlanNotificationCallback());
    EXPECT_EQ(platform::Wlan().EnumInterfaces(handle_, &list), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(platform::Wlan().CloseHandle(handle_), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    handle_ = nullptr;
    EXPECT_EQ(world_.OpenWlanHandles(), 0u);
}

TEST_F(SimWlan, OpcodesNotSimulatedSayNotSupported) {
    Load(kOneAdapter);
    Open();
    GUID g = world_.InterfaceGuid(0);
    DWORD size = 0, v = 1;
    void* data = nullptr;
    EXPECT_EQ(platform::Wlan().QueryInterface(handle_, &g, wlan_intf_opcode_channel_number, &size, &data, nullptr),
              static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(platform::Wlan().SetInterface(handle_, &g, wlan_intf_opcode_bss_type, sizeof v, &v),
              static_cast<DWORD>(ERROR_NOT_SUPPORTED));
}

struct Heard {
    std::mutex m;
    std::vector<std::pair<DWORD, DWORD>> notes;  // {source << 16 | code, thread}
    std::vector<WLAN_PHY_RADIO_STATE> radio;
};

void CALLBACK Record(WLAN_NOTIFICATION_DATA* d, void* context) {
    auto* h = static_cast<Heard*>(context);
    std::lock_guard<std::mutex> lock(h->m);
    h->notes.emplace_back(d->NotificationSource << 16 | d->NotificationCode, GetCurrentThreadId());
    if (d->NotificationSource == WLAN_NOTIFICATION_SOURCE_MSM && d->NotificationCode == 7 &&
        d->dwDataSize == sizeof(WLAN_PHY_RADIO_STATE))
        h->radio.push_back(*static_cast<WLAN_PHY_RADIO_STATE*>(d->pData));
}

std::vector<DWORD> Codes(Heard& h) {
    std::lock_guard<std::mutex> lock(h.m);
    std::vector<DWORD> out;
    for (auto& [c, t] : h.notes) {
        out.push_back(c);
        EXPECT_NE(t, GetCurrentThreadId()) << "delivered inline";
    }
    h.notes.clear();
    return out;
}

constexpr DWORD kAcm = WLAN_NOTIFICATION_SOURCE_ACM << 16, kMsm = WLAN_NOTIFICATION_SOURCE_MSM << 16;

TEST_F(SimWlan, NotificationsComeOnTheServiceThreadByTheWorldsClock) {
    std::string text = kOneAdapter;
    text.insert(text.find("signal"), "radio_switch_at = 200 off\nradio_switch_at = 400 on\n");
    Load(text);
    Open();
    Heard heard;
    ASSERT_EQ(platform::Wlan().RegisterNotification(handle_, 0x18, TRUE, Record, &heard, nullptr),
              static_cast<DWORD>(ERROR_SUCCESS));
    GUID g = world_.InterfaceGuid(0);
    ASSERT_EQ(platform::Wlan().Scan(handle_, &g, nullptr, nullptr), static_cast<DWORD>(ERROR_SUCCESS));
    world_.WaitWlanNotificationsDelivered();
    EXPECT_TRUE(Codes(heard).empty());
    world_.clock().Advance(199);
    world_.WaitWlanNotificationsDelivered();
    EXPECT_TRUE(Codes(heard).empty());
    world_.clock().Advance(1);  // the switch goes off: both PHYs report it, the link ends
    world_.WaitWlanNotificationsDelivered();
    EXPECT_EQ(Codes(heard), (std::vector<DWORD>{kMsm | 7, kMsm | 7, kAcm | 20, kAcm | 21}));
    {
        std::lock_guard<std::mutex> lock(heard.m);
        ASSERT_EQ(heard.radio.size(), 2u);
        EXPECT_EQ(heard.radio[1].dwPhyIndex, 1u);
        EXPECT_EQ(heard.radio[1].dot11HardwareRadioState, dot11_radio_state_off);
        EXPECT_EQ(heard.radio[1].dot11SoftwareRadioState, dot11_radio_state_on);
    }
    world_.clock().Advance(200);  // the switch comes back on
    world_.WaitWlanNotificationsDelivered();
    EXPECT_EQ(Codes(heard), (std::vector<DWORD>{kMsm | 7, kMsm | 7}));
    world_.clock().Advance(600);  // the scan is due at 1000
    world_.WaitWlanNotificationsDelivered();
    EXPECT_EQ(Codes(heard), (std::vector<DWORD>{kAcm | 7}));

    world_.Unplug(0);
    world_.Replug(0);
    world_.WaitWlanNotificationsDelivered();
    EXPECT_EQ(Codes(heard), (std::vector<DWORD>{kAcm | 14, kAcm | 13}));
}

const std::uint8_t* FindIe(const std::uint8_t* ies, ULONG size, std::uint8_t id, std::initializer_list<std::uint8_t> head) {
    for (ULONG at = 0; at + 2 <= size && at + 2 + ies[at + 1] <= size; at += 2 + ies[at + 1]) {
        if (ies[at] != id || ies[at + 1] < head.size()) continue;
        if (std::equal(head.begin(), head.end(), ies + at + 2)) return ies + at;
    }
    return nullptr;
}

constexpr const char* kAir = R"(
[network]
ssid = "Lantern 5G"
bssid = 02:11:22:33:44:99
channel = 36
rssi = -62
security = wpa2-psk
ht = yes
wps = pbc

[network]
ssid = "Old Mill"
bssid = 02:11:22:33:44:AA
channel = 1
security = wpa-psk
rates = 1* 2* 5.5* 11* 6 9 12 18 24 36 48 54

[network]
ssid = ""
bssid = 02:11:22:33:44:BB
channel = 3
security = open

[network]
ssid = "Picnic"
bssid = 02:11:22:33:44:CC
channel = 11
type = adhoc
appear_at = 500
vanish_at = 1500
)";

// A document the service takes: the profile namespace, the elements in schema order.
std::wstring ProfileDoc(const std::wstring& name, const std::wstring& ssid, const std::wstring& auth,
                        const std::wstring& enc, const std::wstring& keyPart = L"", const std::wstring& extra = L"") {
    return L"<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\"><name>" +
           name + L"</name><SSIDConfig><SSID><name>" + ssid +
           L"</name></SSID></SSIDConfig><connectionType>ESS</connectionType>" + extra +
           L"<MSM><security><authEncryption><authentication>" + auth + L"</authentication><encryption>" + enc +
           L"</encryption><useOneX>false</useOneX></authEncryption>" + keyPart + L"</security></MSM></WLANProfile>";
}

std::wstring SharedKey(const std::wstring& type, const std::wstring& material) {
    return L"<sharedKey><keyType>" + type + L"</keyType><protected>false</protected><keyMaterial>" + material +
           L"</keyMaterial></sharedKey>";
}

TEST_F(SimWlan, BssListCarriesTheBeaconElementsOfEachNetwork) {
    Load(std::string(kOneAdapter) + kAir);
    world_.clock().Advance(500);
    Open();
    GUID g = world_.InterfaceGuid(0);
    WLAN_BSS_LIST* list = nullptr;
    ASSERT_EQ(platform::Wlan().GetNetworkBssList(handle_, &g, nullptr, dot11_BSS_type_any, FALSE, &list),
              static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(list->dwNumberOfItems, 5u);
    auto ies = [&](DWORD i) { return reinterpret_cast<const std::uint8_t*>(&list->wlanBssEntries[i]) + list->wlanBssEntries[i].ulIeOffset; };

    const WLAN_BSS_ENTRY& g5 = list->wlanBssEntries[1];
    EXPECT_EQ(g5.ulChCenterFrequency, 5180000u);
    EXPECT_EQ(g5.dot11BssPhyType, dot11_phy_type_ht);
    EXPECT_EQ(g5.lRssi, -62);
    EXPECT_TRUE(g5.usCapabilityInformation & 0x0010) << "privacy";
    const std::uint8_t* e = ies(1);
    ASSERT_EQ(e[0], 0);
    ASSERT_EQ(e[1], 10);
    EXPECT_EQ(std::memcmp(e + 2, "Lantern 5G", 10), 0);
    const std::uint8_t* rsn = FindIe(e, g5.ulIeSize, 48, {1, 0, 0x00, 0x0F, 0xAC, 4, 1, 0, 0x00, 0x0F, 0xAC, 4, 1, 0,
                                                        0x00, 0x0F, 0xAC, 2});
    EXPECT_NE(rsn, nullptr) << "RSN: CCMP group and pairwise, PSK";
    const std::uint8_t* htOp = FindIe(e, g5.ulIeSize, 61, {});
    ASSERT_NE(htOp, nullptr);
    EXPECT_EQ(htOp[1], 22);
    EXPECT_NE(FindIe(e, g5.ulIeSize, 45, {}), nullptr);
    const std::uint8_t* wps = FindIe(e, g5.ulIeSize, 221, {0x00, 0x50, 0xF2, 0x04});
    ASSERT_NE(wps, nullptr);
    bool pbc = false;
    for (int at = 6; at + 4 <= wps[1] + 2; at += 4 + (wps[at + 2] << 8 | wps[at + 3]))
        if ((wps[at] << 8 | wps[at + 1]) == 0x1012) pbc = (wps[at + 4] << 8 | wps[at + 5]) == 4;
    EXPECT_TRUE(pbc) << "device password id: push button";
    EXPECT_EQ(FindIe(e, g5.ulIeSize, 3, {}), nullptr) << "no DS element on 5 GHz";

    const WLAN_BSS_ENTRY& mill = list->wlanBssEntries[2];
    e = ies(2);
    EXPECT_EQ(mill.ulChCenterFrequency, 2412000u);
    EXPECT_EQ(mill.dot11BssPhyType, dot11_phy_type_erp);
    EXPECT_EQ(mill.wlanRateSet.uRateSetLength, 24u);
    EXPECT_EQ(mill.wlanRateSet.usRateSet[0], 0x8002);
    EXPECT_NE(FindIe(e, mill.ulIeSize, 221, {0x00, 0x50, 0xF2, 0x01, 1, 0, 0x00, 0x50, 0xF2, 2}), nullptr);
    const std::uint8_t* rates = FindIe(e, mill.ulIeSize, 1, {});
    ASSERT_NE(rates, nullptr);
    EXPECT_EQ(rates[1], 8);
    ASSERT_NE(FindIe(e, mill.ulIeSize, 50, {}), nullptr);
    EXPECT_EQ(FindIe(e, mill.ulIeSize, 50, {})[1], 4);
    EXPECT_NE(FindIe(e, mill.ulIeSize, 3, {1}), nullptr);
    EXPECT_EQ(FindIe(e, mill.ulIeSize, 48, {}), nullptr);

    EXPECT_EQ(ies(3)[1], 0) << "hidden: empty SSID element";
    const WLAN_BSS_ENTRY& picnic = list->wlanBssEntries[4];
    EXPECT_EQ(picnic.dot11BssType, dot11_BSS_type_independent);
    EXPECT_EQ(picnic.usCapabilityInformation & 0x0003, 0x0002);
    EXPECT_NE(FindIe(ies(4), picnic.ulIeSize, 6, {}), nullptr);
    platform::Wlan().FreeMemory(list);

    DOT11_SSID ssid{10, {}};
    std::memcpy(ssid.ucSSID, "Lantern 5G", 10);
    for (BOOL secured : {FALSE, TRUE}) {
        ASSERT_EQ(platform::Wlan().GetNetworkBssList(handle_, &g, &ssid, dot11_BSS_type_infrastructure, secured, &list),
                  static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(list->dwNumberOfItems, secured ? 1u : 0u);
        platform::Wlan().FreeMemory(list);
    }
}

TEST_F(SimWlan, NetworksComeAndGoAndAStoredProfileAddsAnEntryInFront) {
    Load(std::string(kOneAdapter) + kAir);
    Open();
    GUID g = world_.InterfaceGuid(0);
    auto ssids = [&] {
        std::vector<std::string> out;
        WLAN_AVAILABLE_NETWORK_LIST* l = nullptr;
        EXPECT_EQ(platform::Wlan().GetAvailableNetworkList(handle_, &g, 0, &l), static_cast<DWORD>(ERROR_SUCCESS));
        for (DWORD i = 0; i < l->dwNumberOfItems; ++i) {
            const WLAN_AVAILABLE_NETWORK& n = l->Network[i];
            std::string s(reinterpret_cast<const char*>(n.dot11Ssid.ucSSID), n.dot11Ssid.uSSIDLength);
            if (n.dwFlags & 2) s += "+profile";
            out.push_back(s);
        }
        platform::Wlan().FreeMemory(l);
        return out;
    };
    EXPECT_EQ(ssids(), (std::vector<std::string>{"Harbor Open", "Lantern 5G", "Old Mill", ""}));
    world_.clock().Advance(500);
    EXPECT_EQ(ssids().back(), "Picnic");
    world_.clock().Advance(1000);
    EXPECT_EQ(ssids().size(), 4u);

    DWORD reason = 1;
    ASSERT_EQ(platform::Wlan().SetProfile(handle_, &g, 0, ProfileDoc(L"Mill", L"Old&#32;Mill", L"WPAPSK", L"TKIP").c_str(),
                                          nullptr, TRUE, &reason),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ssids(), (std::vector<std::string>{"Harbor Open", "Lantern 5G", "Old Mill+profile", "Old Mill", ""}));
    world_.SetRadio(0, false);
    EXPECT_TRUE(ssids().empty()) << "nothing is heard with the radio off";
}

TEST_F(SimWlan, ConnectSucceedsOnlyWhereTheScenarioAllows) {
    std::string text = std::string(kOneAdapter) + kAir + R"(
[network]
ssid = "Broken Gate"
bssid = 02:11:22:33:44:DD
channel = 6
connect = fail
)";
    Load(text);
    Open();
    GUID g = world_.InterfaceGuid(0);
    auto profile = [](const wchar_t* ssid, const wchar_t* auth, const wchar_t* enc) {
        return ProfileDoc(L"P", ssid, auth, enc);
    };
    const std::wstring temporary = ProfileDoc(L"T", L"Harbor Open", L"open", L"none");
    DOT11_BSSID_LIST other{};
    other.uNumOfEntries = other.uTotalNumOfEntries = 1;
    other.BSSIDs[0][0] = 0x02;
    struct Case {
        const char* what;
        std::wstring xml;  // stored as "P" first when not empty
        WLAN_CONNECTION_MODE mode;
        const char* ssid;
        DOT11_BSSID_LIST* bssids;
        const wchar_t* profileArg;
        DWORD result;
        bool joins;
    };
    const Case cases[] = {
        {"profile, open", profile(L"Harbor Open", L"open", L"none"), wlan_connection_mode_profile, nullptr, nullptr, L"P",
         ERROR_SUCCESS, true},
        {"profile, wrong security", profile(L"Harbor Open", L"WPA2PSK", L"AES"), wlan_connection_mode_profile, nullptr,
         nullptr, L"P", ERROR_SUCCESS, false},
        {"profile, WPA2-PSK AES", profile(L"Lantern 5G", L"WPA2PSK", L"AES"), wlan_connection_mode_profile, nullptr,
         nullptr, L"P", ERROR_SUCCESS, true},
        {"profile, not stored", L"", wlan_connection_mode_profile, nullptr, nullptr, L"Nope", ERROR_NOT_FOUND, false},
        {"profile, not in the BSSID list", profile(L"Harbor Open", L"open", L"none"), wlan_connection_mode_profile,
         nullptr, &other, L"P", ERROR_SUCCESS, false},
        {"network refuses", profile(L"Broken Gate", L"open", L"none"), wlan_connection_mode_profile, nullptr, nullptr,
         L"P", ERROR_SUCCESS, false},
        {"temporary profile", L"", wlan_connection_mode_temporary_profile, nullptr, nullptr,
         temporary.c_str(), ERROR_SUCCESS, true},
        {"temporary profile the service refuses", L"", wlan_connection_mode_temporary_profile, nullptr, nullptr,
         L"<WLANProfile><name>T</name></WLANProfile>", ERROR_BAD_PROFILE, false},
        {"discovery secure, secured network", L"", wlan_connection_mode_discovery_secure, "Old Mill", nullptr, L"",
         ERROR_SUCCESS, true},
        {"discovery unsecure, secured network", L"", wlan_connection_mode_discovery_unsecure, "Old Mill", nullptr, L"",
         ERROR_SUCCESS, false},
        {"discovery, network not in the air", L"", wlan_connection_mode_discovery_unsecure, "Nowhere", nullptr, L"",
         ERROR_SUCCESS, false},
        {"discovery with a profile", L"", wlan_connection_mode_discovery_unsecure, "Harbor Open", nullptr, L"P",
         ERROR_INVALID_PARAMETER, false},
    };
    for (const Case& c : cases) {
        world_.SetLink(0, false);
        DWORD reason = 0;
        if (!c.xml.empty()) {
            ASSERT_EQ(platform::Wlan().SetProfile(handle_, &g, 0, c.xml.c_str(), nullptr, TRUE, &reason),
                      static_cast<DWORD>(ERROR_SUCCESS)) << c.what;
        }
        DOT11_SSID ssid{};
        WLAN_CONNECTION_PARAMETERS p{};
        p.wlanConnectionMode = c.mode;
        p.strProfile = c.profileArg;
        if (c.ssid) {
            ssid.uSSIDLength = static_cast<ULONG>(std::strlen(c.ssid));
            std::memcpy(ssid.ucSSID, c.ssid, ssid.uSSIDLength);
            p.pDot11Ssid = &ssid;
        }
        p.pDesiredBssidList = c.bssids;
        p.dot11BssType = dot11_BSS_type_infrastructure;
        EXPECT_EQ(platform::Wlan().Connect(handle_, &g, &p), c.result) << c.what;
        ASSERT_FALSE(world_.WlanConnects().empty());
        EXPECT_EQ(world_.WlanConnects().back().reason == 0 && c.result == ERROR_SUCCESS, c.joins) << c.what;
        EXPECT_EQ(world_.Adapter(0).connected, c.joins) << c.what;
    }
    world_.WaitWlanNotificationsDelivered();
}

TEST_F(SimWlan, ProfilesAreStoredAsTheyCame) {
    Load(kOneAdapter);
    Open();
    GUID g = world_.InterfaceGuid(0);
    platform::NativeWifi& w = platform::Wlan();
    const std::wstring first = L"<WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">\n"
                               L"  <name>Home &amp; Away</name>\n  <SSIDConfig><SSID><hex>486F6D65</hex></SSID>"
                               L"</SSIDConfig>\n  <connectionType>ESS</connectionType>\n  <MSM><security><authEncryption>"
                               L"<authentication>open</authentication><encryption>none</encryption></authEncryption>"
                               L"</security></MSM>\n</WLANProfile>";
    const std::wstring second = ProfileDoc(L"Home &amp; Away", L"Home", L"open", L"none", L"",
                                           L"<connectionMode>manual</connectionMode>");
    DWORD reason = 99;
    ASSERT_EQ(w.SetProfile(handle_, &g, 2, first.c_str(), nullptr, FALSE, &reason), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(reason, 0u);
    EXPECT_EQ(w.SetProfile(handle_, &g, 2, second.c_str(), nullptr, FALSE, &reason), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(w.SetProfile(handle_, &g, 0, ProfileDoc(L"Other", L"Other", L"open", L"none").c_str(), nullptr, TRUE, &reason),
              static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(w.SetProfile(handle_, &g, 0, second.c_str(), nullptr, TRUE, &reason), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(w.SetProfile(handle_, &g, 0, L"<WLANProfile><SSIDConfig/>", nullptr, TRUE, &reason),
              static_cast<DWORD>(ERROR_BAD_PROFILE));

    auto stored = world_.WlanProfiles(0);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].name, L"Home & Away");
    EXPECT_EQ(stored[0].xml, second);

    wchar_t* xml = nullptr;
    DWORD flags = 7, access = 0;
    ASSERT_EQ(w.GetProfile(handle_, &g, L"Home & Away", &xml, &flags, &access), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_STREQ(xml, second.c_str());
    EXPECT_EQ(flags, 0u);
    w.FreeMemory(xml);
    WLAN_PROFILE_INFO_LIST* list = nullptr;
    ASSERT_EQ(w.GetProfileList(handle_, &g, &list), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(list->dwNumberOfItems, 2u);
    EXPECT_STREQ(list->ProfileInfo[1].strProfileName, L"Other");
    w.FreeMemory(list);
    EXPECT_EQ(w.DeleteProfile(handle_, &g, L"Other"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(w.DeleteProfile(handle_, &g, L"Other"), static_cast<DWORD>(ERROR_NOT_FOUND));
    EXPECT_EQ(world_.WlanProfiles(0).size(), 1u);
}

// What the service refuses, each with its reason, against one document it takes.
TEST_F(SimWlan, ProfileDocumentsAreCheckedAsTheServiceChecksThem) {
    Load(kOneAdapter);
    Open();
    GUID g = world_.InterfaceGuid(0);
    const std::wstring ns = L" xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\"";
    const std::wstring ok = ProfileDoc(L"P", L"Net", L"WPA2PSK", L"AES", SharedKey(L"passPhrase", L"lantern-harbour"));
    auto replace = [&](std::wstring doc, const std::wstring& from, const std::wstring& to) {
        size_t at = doc.find(from);
        EXPECT_NE(at, std::wstring::npos) << platform::sim::ToUtf8(from);
        if (at != std::wstring::npos) doc.replace(at, from.size(), to);
        return doc;
    };
    const std::wstring oneX =
        L"<OneX xmlns=\"http://www.microsoft.com/networking/OneX/v1\"><EAPConfig><EapHostConfig "
        L"xmlns=\"http://www.microsoft.com/provisioning/EapHostConfig\"><EapMethod>"
        L"<Type xmlns=\"http://www.microsoft.com/provisioning/EapCommon\">25</Type>"
        L"<VendorId xmlns=\"http://www.microsoft.com/provisioning/EapCommon\">0</VendorId>"
        L"<VendorType xmlns=\"http://www.microsoft.com/provisioning/EapCommon\">0</VendorType>"
        L"<AuthorId xmlns=\"http://www.microsoft.com/provisioning/EapCommon\">0</AuthorId></EapMethod>"
        L"<ConfigBlob></ConfigBlob></EapHostConfig></EAPConfig></OneX>";
    const std::wstring enterprise = replace(ProfileDoc(L"E", L"Office", L"WPA2", L"AES", oneX), L"<useOneX>false", L"<useOneX>true");
    // The same security on an ad hoc network joined by hand.
    auto adhoc = [&](const std::wstring& doc) {
        return replace(doc, L"<connectionType>ESS</connectionType>",
                       L"<connectionType>IBSS</connectionType><connectionMode>manual</connectionMode>");
    };
    const std::wstring wepKey = SharedKey(L"networkKey", L"abcde");
    const std::wstring psk = SharedKey(L"passPhrase", L"lantern-harbour");
    struct Case {
        const char* what;
        std::wstring xml;
        DWORD reason;  // 0: stored
    };
    const Case cases[] = {
        {"the document as made", ok, 0},
        {"802.1X with its EAP block", enterprise, 0},
        {"open WEP with 5 characters at key index 3",
         ProfileDoc(L"W", L"Quay", L"open", L"WEP", SharedKey(L"networkKey", L"abcde") + L"<keyIndex>3</keyIndex>"), 0},
        {"64 hex digits", ProfileDoc(L"H", L"Net", L"WPAPSK", L"TKIP", SharedKey(L"networkKey", std::wstring(64, L'a'))), 0},
        {"no namespace", replace(ok, ns, L""), 0x80001},
        {"another namespace", replace(ok, L"WLAN/profile/v1", L"WLAN/profile/v9"), 0x80001},
        {"not well formed", replace(ok, L"</name>", L"</nam>"), 0x80001},
        {"unknown entity", replace(ok, L"<name>P", L"<name>&nbsp;P"), 0x80001},
        {"no name", replace(ok, L"<name>P</name>", L""), 0x80001},
        {"empty name", replace(ok, L"<name>P</name>", L"<name></name>"), 0x80003},
        {"elements out of order", replace(replace(ok, L"<connectionType>ESS</connectionType>", L""), L"<SSIDConfig>",
                                          L"<connectionType>ESS</connectionType><SSIDConfig>"), 0x80001},
        {"unknown element", replace(ok, L"<MSM>", L"<colour>blue</colour><MSM>"), 0x80001},
        // Elements of other namespaces go after everything of the profile's own.
        {"foreign element before MSM", replace(ok, L"<MSM>", L"<colour xmlns=\"urn:x\">blue</colour><MSM>"), 0x80001},
        {"foreign element at the end", replace(ok, L"</WLANProfile>", L"<colour xmlns=\"urn:x\">blue</colour></WLANProfile>"), 0},
        {"unknown connection type", replace(ok, L">ESS<", L">BSS<"), 0x8000D},
        {"SSID of 33 characters", replace(ok, L"<name>Net</name>", L"<name>" + std::wstring(33, L'n') + L"</name>"), 0x80013},
        {"SSID without hex or name", replace(ok, L"<SSID><name>Net</name></SSID>", L"<SSID></SSID>"), 0x80013},
        {"ad hoc joined automatically", replace(ok, L"<connectionType>ESS</connectionType>",
                                                L"<connectionType>IBSS</connectionType><connectionMode>auto</connectionMode>"), 0x8000E},
        {"ad hoc without a connection mode, so auto", replace(ok, L"<connectionType>ESS</connectionType>",
                                                              L"<connectionType>IBSS</connectionType>"), 0x8000E},
        {"ad hoc joined by hand", replace(ok, L"<connectionType>ESS</connectionType>",
                                          L"<connectionType>IBSS</connectionType><connectionMode>manual</connectionMode>"), 0},
        // Ad hoc takes open, WEP and WPA2-PSK with AES only.
        {"ad hoc open", adhoc(ProfileDoc(L"A", L"Raft", L"open", L"none")), 0},
        {"ad hoc open WEP", adhoc(ProfileDoc(L"A", L"Raft", L"open", L"WEP", wepKey)), 0},
        {"ad hoc shared WEP", adhoc(ProfileDoc(L"A", L"Raft", L"shared", L"WEP", wepKey)), 0},
        {"ad hoc WPA-None TKIP", adhoc(ProfileDoc(L"A", L"Raft", L"WPAPSK", L"TKIP", psk)), 0x40009},
        {"ad hoc WPA-None AES", adhoc(ProfileDoc(L"A", L"Raft", L"WPAPSK", L"AES", psk)), 0x40009},
        {"ad hoc WPA2-PSK TKIP", adhoc(ProfileDoc(L"A", L"Raft", L"WPA2PSK", L"TKIP", psk)), 0x40009},
        {"ad hoc WPA2 with 802.1X", adhoc(enterprise), 0x40009},
        {"ad hoc open WEP with 802.1X",
         adhoc(replace(ProfileDoc(L"A", L"Raft", L"open", L"WEP", oneX), L"<useOneX>false", L"<useOneX>true")), 0x4000B},
        {"autoSwitch on a manual network", replace(ok, L"<connectionType>ESS</connectionType>",
                                                   L"<connectionType>ESS</connectionType><connectionMode>manual</connectionMode>"
                                                   L"<autoSwitch>true</autoSwitch>"), 0x80011},
        {"no security", replace(ok, ok.substr(ok.find(L"<MSM>"), ok.find(L"</WLANProfile>") - ok.find(L"<MSM>")), L""), 0x80006},
        {"unknown authentication", replace(ok, L"WPA2PSK", L"WPA3SAE"), 0x80001},
        {"shared without WEP", ProfileDoc(L"X", L"Net", L"shared", L"none"), 0x40009},
        {"WPA2 without 802.1X", ProfileDoc(L"X", L"Net", L"WPA2", L"AES"), 0x4000A},
        {"802.1X on a PSK network", replace(ok, L"<useOneX>false", L"<useOneX>true"), 0x4000B},
        {"802.1X without its OneX part", replace(enterprise, oneX, L""), 0x80006},
        {"a key on an open network", ProfileDoc(L"X", L"Net", L"open", L"none", SharedKey(L"passPhrase", L"12345678")), 0x40002},
        {"a passphrase for WEP", ProfileDoc(L"X", L"Net", L"open", L"WEP", SharedKey(L"passPhrase", L"abcde")), 0x40018},
        {"WEP key of 7 characters", ProfileDoc(L"X", L"Net", L"open", L"WEP", SharedKey(L"networkKey", L"abcdefg")), 0x40003},
        {"WEP hex key with a letter past F", ProfileDoc(L"X", L"Net", L"open", L"WEP", SharedKey(L"networkKey", L"123456789G")), 0x40017},
        {"passphrase of 7 characters", replace(ok, L"lantern-harbour", L"lantern"), 0x40004},
        {"passphrase of 64 characters", replace(ok, L"lantern-harbour", std::wstring(64, L'z')), 0x40004},
        {"network key that is not hex", ProfileDoc(L"H", L"Net", L"WPAPSK", L"TKIP", SharedKey(L"networkKey", std::wstring(64, L'z'))), 0x40017},
        {"a tab in a passphrase", replace(ok, L"lantern-harbour", L"lantern&#9;harbour"), 0x40016},
        {"protected key material", replace(ok, L"<protected>false", L"<protected>true"), 0x40008},
        {"key index 4", ProfileDoc(L"W", L"Quay", L"open", L"WEP", SharedKey(L"networkKey", L"abcde") + L"<keyIndex>4</keyIndex>"), 0x40001},
        {"boolean that is no boolean", replace(ok, L"<useOneX>false", L"<useOneX>no"), 0x80001},
    };
    for (const Case& c : cases) {
        DWORD reason = 12345;
        const DWORD result = platform::Wlan().SetProfile(handle_, &g, 0, c.xml.c_str(), nullptr, TRUE, &reason);
        EXPECT_EQ(result, c.reason ? static_cast<DWORD>(ERROR_BAD_PROFILE) : static_cast<DWORD>(ERROR_SUCCESS)) << c.what;
        EXPECT_EQ(reason, c.reason) << c.what;
    }
}

// After radio-on and after its network left the air the service connects by itself: the first
// automatic profile of the list whose network is in range, not a manual one, not after the
// user disconnected.
TEST_F(SimWlan, TheServiceConnectsItsAutomaticProfilesAfterRadioOnAndWhenTheirNetworkIsBack) {
    Load(std::string(kOneAdapter) + R"(
[network]
ssid = "Quay"
bssid = 02:11:22:33:44:66
channel = 1
rssi = -50

[network]
ssid = "Lantern Home"
bssid = 02:11:22:33:44:77
channel = 11
rssi = -72
security = wpa2-psk
key = "harbor lights"
vanish_at = 3000

[network]
ssid = "Lantern Home"
bssid = 02:11:22:33:44:78
channel = 6
rssi = -65
security = wpa2-psk
key = "harbor lights"
appear_at = 5000
)");
    Open();
    GUID g = world_.InterfaceGuid(0);
    auto store = [&](const std::wstring& xml) {
        DWORD reason = 0;
        ASSERT_EQ(platform::Wlan().SetProfile(handle_, &g, 0, xml.c_str(), nullptr, TRUE, &reason),
                  static_cast<DWORD>(ERROR_SUCCESS));
    };
    store(ProfileDoc(L"Quay by hand", L"Quay", L"open", L"none", L"", L"<connectionMode>manual</connectionMode>"));
    store(ProfileDoc(L"Lantern", L"Lantern Home", L"WPA2PSK", L"AES", SharedKey(L"passPhrase", L"harbor lights")));
    // The profile and last byte of the BSSID of the link; "" without one.
    auto link = [&] {
        WLAN_CONNECTION_ATTRIBUTES c{};
        if (Query(wlan_intf_opcode_current_connection, &c) != ERROR_SUCCESS) return std::string();
        return ToUtf8(c.strProfileName) + " " + std::to_string(c.wlanAssociationAttributes.dot11Bssid[5]);
    };
    EXPECT_EQ(link(), "Harbor Open 85") << "the scenario's link";
    world_.SetRadio(0, true, false);
    EXPECT_EQ(link(), "");
    world_.SetRadio(0, true, true);
    EXPECT_EQ(link(), "Lantern 119") << "the manual profile is passed over, though first and stronger";

    world_.clock().Advance(3000);
    EXPECT_EQ(link(), "") << "the network left the air";
    world_.clock().Advance(1999);
    EXPECT_EQ(link(), "");
    world_.clock().Advance(1);
    EXPECT_EQ(link(), "Lantern 120") << "it is back, on another access point";

    ASSERT_EQ(platform::Wlan().Disconnect(handle_, &g), static_cast<DWORD>(ERROR_SUCCESS));
    world_.clock().Advance(1000);
    EXPECT_EQ(link(), "") << "a link the user ended stays ended";

    store(ProfileDoc(L"Harbor", L"Harbor Open", L"open", L"none"));
    world_.SetRadio(0, false);
    world_.SetRadio(0, true);
    EXPECT_EQ(link(), "Lantern 120") << "in the order of the list, not by strength";
    world_.WaitWlanNotificationsDelivered();
}

TEST_F(SimWlan, TheNetworksKeyDecidesTheConnection) {
    Load(std::string(kOneAdapter) + R"(
[network]
ssid = "IEEE"
bssid = 02:11:22:33:44:E1
channel = 6
security = wpa2-psk
key = password

[network]
ssid = "Quay"
bssid = 02:11:22:33:44:E2
channel = 1
security = wep
key = 1122334455
key_index = 1
)");
    Open();
    GUID g = world_.InterfaceGuid(0);
    const std::wstring wpa2 = L"WPA2PSK", aes = L"AES";
    struct Case {
        const char* what;
        std::wstring xml;
        DWORD reason;
    };
    const Case cases[] = {
        {"the passphrase", ProfileDoc(L"P", L"IEEE", wpa2, aes, SharedKey(L"passPhrase", L"password")), 0},
        // The 802.11i test vector: the same key as 64 hex digits.
        {"the derived key", ProfileDoc(L"P", L"IEEE", wpa2, aes,
                                       SharedKey(L"networkKey", L"f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e")), 0},
        {"a wrong passphrase", ProfileDoc(L"P", L"IEEE", wpa2, aes, SharedKey(L"passPhrase", L"passw0rd")), 0x48014},
        {"no key at all", ProfileDoc(L"P", L"IEEE", wpa2, aes), 0x48014},
        {"the WEP key in its slot", ProfileDoc(L"P", L"Quay", L"open", L"WEP", SharedKey(L"networkKey", L"1122334455") + L"<keyIndex>1</keyIndex>"), 0},
        {"the WEP key in another slot", ProfileDoc(L"P", L"Quay", L"open", L"WEP", SharedKey(L"networkKey", L"1122334455")), 0x38002},
        {"another WEP key", ProfileDoc(L"P", L"Quay", L"open", L"WEP", SharedKey(L"networkKey", L"1122334466") + L"<keyIndex>1</keyIndex>"), 0x38002},
    };
    for (const Case& c : cases) {
        world_.SetLink(0, false);
        DWORD reason = 0;
        if (platform::Wlan().SetProfile(handle_, &g, 0, c.xml.c_str(), nullptr, TRUE, &reason) != ERROR_SUCCESS) {
            EXPECT_EQ(reason, c.reason) << c.what;
            continue;
        }
        WLAN_CONNECTION_PARAMETERS p{};
        p.wlanConnectionMode = wlan_connection_mode_profile;
        p.strProfile = L"P";
        p.dot11BssType = dot11_BSS_type_infrastructure;
        ASSERT_EQ(platform::Wlan().Connect(handle_, &g, &p), static_cast<DWORD>(ERROR_SUCCESS)) << c.what;
        EXPECT_EQ(world_.WlanConnects().back().reason, c.reason) << c.what;
        EXPECT_EQ(world_.Adapter(0).connected, c.reason == 0) << c.what;
    }
    world_.WaitWlanNotificationsDelivered();
}

TEST_F(SimWlan, TheProfileEditorOpensOnlyAStoredProfile) {
    Load(kOneAdapter);
    Open();
    GUID g = world_.InterfaceGuid(0);
    DWORD reason = 0;
    EXPECT_EQ(platform::Wlan().UIEditProfile(1, L"Nope", &g, nullptr, WLSecurityPage, &reason),
              static_cast<DWORD>(ERROR_NOT_FOUND));
    EXPECT_EQ(reason, 0x80002u);
    ASSERT_EQ(platform::Wlan().SetProfile(handle_, &g, 0, ProfileDoc(L"Mine", L"Mine", L"open", L"none").c_str(), nullptr,
                                          TRUE, &reason),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(platform::Wlan().UIEditProfile(1, L"Mine", &g, nullptr, WLSecurityPage, &reason),
              static_cast<DWORD>(ERROR_SUCCESS));
}

TEST_F(SimWlan, SetRadioPerPhyChecksItsInput) {
    Load(kOneAdapter);
    Open();
    GUID g = world_.InterfaceGuid(0);
    WLAN_PHY_RADIO_STATE s{0, dot11_radio_state_off, dot11_radio_state_on};
    EXPECT_EQ(platform::Wlan().SetInterface(handle_, &g, wlan_intf_opcode_radio_state, 8, &s),
              static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    s.dwPhyIndex = 2;
    EXPECT_EQ(platform::Wlan().SetInterface(handle_, &g, wlan_intf_opcode_radio_state, sizeof s, &s),
              static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    s.dwPhyIndex = 0;
    ASSERT_EQ(platform::Wlan().SetInterface(handle_, &g, wlan_intf_opcode_radio_state, sizeof s, &s),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(world_.Adapter(0).radioOn) << "one PHY is still on";
    s.dwPhyIndex = 1;
    ASSERT_EQ(platform::Wlan().SetInterface(handle_, &g, wlan_intf_opcode_radio_state, sizeof s, &s),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(world_.Adapter(0).radioOn);
    EXPECT_FALSE(world_.Adapter(0).connected);
    world_.WaitWlanNotificationsDelivered();
}

TEST_F(SimWlan, ServiceKeysOfTheScenarioAreChecked) {
    const char* bad[] = {
        "scan_result = maybe",
        "radio_switch_at = 100",
        "scan_delay = -1",
    };
    for (const char* line : bad) {
        std::string text = kOneAdapter;
        text.insert(text.find("signal"), std::string(line) + "\n");
        EXPECT_FALSE(world_.LoadText(text)) << line;
    }
    const char* badNetwork[] = {"wps = sometimes", "connect = perhaps", "appear_at = 500\nvanish_at = 100"};
    for (const char* line : badNetwork) {
        EXPECT_FALSE(world_.LoadText(std::string(kOneAdapter) + line + "\n")) << line;
    }
}

}  // namespace
