// The Native Wifi binding against the simulated service: notifications to window messages,
// radio, scan, disconnect, untrusted answers and the service's buffers.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "platform/native_wifi.h"
#include "platform/wlan_codes.h"
#include "station/core/wlan/wlan_manager.h"
#include "station/core/wlan/wlan_messages.h"
#include "station_fixture.h"
#include "wlan_test_util.h"

using platform::sim::Bytes;

namespace {

constexpr const char* kDescription = "Norvane ZQ-4402 Wireless LAN Card";
constexpr GUID kForeign = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};

template <typename T>
Bytes BytesOf(const T& v) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(&v);
    return Bytes(b, b + sizeof(T));
}

Bytes RadioAnswer(DWORD count, std::initializer_list<std::pair<DOT11_RADIO_STATE, DOT11_RADIO_STATE>> phys) {
    Bytes b = BytesOf(count);
    DWORD index = 0;
    for (auto [sw, hw] : phys) {
        WLAN_PHY_RADIO_STATE p{index++, sw, hw};
        Bytes e = BytesOf(p);
        b.insert(b.end(), e.begin(), e.end());
    }
    return b;
}

class WlanManagerTest : public StationTest {
protected:
    void Bind(const std::string& scenario = testutil::Scenario("default.scn"), int allUsers = 0) {
        world.clock().SetManual(0);
        Load(scenario);
        ASSERT_EQ(manager.Setup(kDescription, target.hwnd(), allUsers), static_cast<DWORD>(ERROR_SUCCESS));
        ASSERT_TRUE(IsEqualGUID(manager.InterfaceGuid(), world.InterfaceGuid(0)));
        target.Drain(world);
    }
    void TearDown() override {
        world.WaitWlanNotificationsDelivered();
        StationTest::TearDown();
    }
    testutil::NotifyTarget target;
    WlanManager manager;
};

TEST_F(WlanManagerTest, EachNotificationPostsWhatItStandsFor) {
    Bind();
    const GUID own = world.InterfaceGuid(0);
    WLAN_PHY_RADIO_STATE on{0, dot11_radio_state_on, dot11_radio_state_on};
    WLAN_PHY_RADIO_STATE off{0, dot11_radio_state_off, dot11_radio_state_on};
    WLAN_PHY_RADIO_STATE unknown{0, dot11_radio_state_unknown, dot11_radio_state_on};
    Bytes shortRadio = BytesOf(on);
    shortRadio.resize(8);
    struct Case {
        const char* what;
        DWORD source, code;
        bool own;
        Bytes payload;
        UINT posts;  // 0: nothing
    };
    const DWORD acm = WLAN_NOTIFICATION_SOURCE_ACM, msm = WLAN_NOTIFICATION_SOURCE_MSM;
    const Case cases[] = {
        {"scan complete", acm, wlan_notification_acm_scan_complete, true, {}, kMsgWlanScanComplete},
        {"scan complete, other adapter", acm, wlan_notification_acm_scan_complete, false, {}, 0},
        {"scan fail", acm, wlan_notification_acm_scan_fail, true, BytesOf(DWORD{1}), kMsgWlanScanFail},
        {"scan fail, other adapter", acm, wlan_notification_acm_scan_fail, false, {}, 0},
        {"connection complete", acm, wlan_notification_acm_connection_complete, true, {}, kMsgWlanConnectionComplete},
        {"connection complete, other adapter", acm, wlan_notification_acm_connection_complete, false, {}, 0},
        {"interface arrival", acm, wlan_notification_acm_interface_arrival, true, {}, kMsgWlanInterfaceArrival},
        {"interface arrival, other adapter", acm, wlan_notification_acm_interface_arrival, false, {},
         kMsgWlanInterfaceArrival},
        {"disconnected", acm, wlan_notification_acm_disconnected, true, {}, kMsgWlanDisconnected},
        {"disconnected, other adapter", acm, wlan_notification_acm_disconnected, false, {}, 0},
        {"connection start", acm, wlan_notification_acm_connection_start, true, {}, 0},
        {"connection attempt fail", acm, wlan_notification_acm_connection_attempt_fail, true, {}, 0},
        {"disconnecting", acm, wlan_notification_acm_disconnecting, true, {}, 0},
        {"interface removal", acm, wlan_notification_acm_interface_removal, true, {}, 0},
        {"roaming end", msm, platform::kWlanMsmRoamingEnd, true, {}, kMsgWlanRoamingEnd},
        {"roaming end, other adapter", msm, platform::kWlanMsmRoamingEnd, false, {}, 0},
        {"roaming start", msm, platform::kWlanMsmRoamingStart, true, {}, 0},
        {"radio on", msm, platform::kWlanMsmRadioStateChange, true, BytesOf(on), kMsgWlanRadioOn},
        {"radio off", msm, platform::kWlanMsmRadioStateChange, true, BytesOf(off), kMsgWlanRadioOff},
        {"radio neither on nor off", msm, platform::kWlanMsmRadioStateChange, true, BytesOf(unknown), 0},
        {"radio, payload short of a PHY state", msm, platform::kWlanMsmRadioStateChange, true, shortRadio, 0},
        {"radio, no payload", msm, platform::kWlanMsmRadioStateChange, true, {}, 0},
        {"radio, other adapter", msm, platform::kWlanMsmRadioStateChange, false, BytesOf(on), 0},
        {"MSM connected", msm, platform::kWlanMsmConnected, true, {}, 0},
    };
    for (const Case& c : cases) {
        world.RaiseWlanNotification(c.source, c.code, c.own ? own : kForeign, c.payload);
        std::vector<std::pair<UINT, WPARAM>> got = target.Drain(world);
        if (c.posts == 0) {
            EXPECT_TRUE(got.empty()) << c.what << ": posted 0x" << std::hex << got.front().first;
        } else {
            ASSERT_EQ(got.size(), 1u) << c.what;
            EXPECT_EQ(got[0].first, c.posts) << c.what;
            EXPECT_EQ(got[0].second, 0u) << c.what;
        }
    }
}

TEST_F(WlanManagerTest, RadioSwitchedOffAndOnPerPhyReachesTheWindow) {
    Bind();
    ASSERT_EQ(manager.SetRadioState(0), static_cast<DWORD>(ERROR_SUCCESS));
    std::vector<UINT> got = target.Messages(world);
    // Three PHYs (b, g and the 5 GHz one), each switched off, and the link drops.
    EXPECT_EQ(std::count(got.begin(), got.end(), kMsgWlanRadioOff), 3);
    EXPECT_EQ(std::count(got.begin(), got.end(), kMsgWlanDisconnected), 1);
    EXPECT_EQ(std::count(got.begin(), got.end(), kMsgWlanRadioOn), 0);
    int radioOn = -1, switchOn = -1, connected = -1;
    manager.GetRadioState(&radioOn, &switchOn);
    EXPECT_EQ(radioOn, 0);
    EXPECT_EQ(switchOn, 1);
    manager.GetInterfaceState(&connected);
    EXPECT_EQ(connected, 0);

    ASSERT_EQ(manager.SetRadioState(1), static_cast<DWORD>(ERROR_SUCCESS));
    got = target.Messages(world);
    EXPECT_EQ(got, std::vector<UINT>(3, kMsgWlanRadioOn));
    manager.GetRadioState(&radioOn, &switchOn);
    EXPECT_EQ(radioOn, 1);
    EXPECT_EQ(switchOn, 1);
    EXPECT_EQ(world.LiveWlanAllocations(), 0u);
}

TEST_F(WlanManagerTest, RadioStateWalksThePhysInOrder) {
    Bind();
    using S = DOT11_RADIO_STATE;
    const S on = dot11_radio_state_on, off = dot11_radio_state_off, unknown = dot11_radio_state_unknown;
    struct Case {
        const char* what;
        Bytes answer;
        int radioOn, switchOn;
    };
    Bytes many = BytesOf(DWORD{65});
    for (int i = 0; i < 65; ++i) {
        WLAN_PHY_RADIO_STATE p{static_cast<DWORD>(i), i == 64 ? on : off, on};
        Bytes e = BytesOf(p);
        many.insert(many.end(), e.begin(), e.end());
    }
    const Case cases[] = {
        {"software state 0 on the first PHY", RadioAnswer(2, {{unknown, on}, {on, on}}), 1, 0},
        {"on", RadioAnswer(1, {{on, on}}), 1, 1},
        {"software off", RadioAnswer(1, {{off, on}}), 0, 1},
        {"off then on", RadioAnswer(2, {{off, on}, {on, on}}), 1, 1},
        {"switch off comes before software on", RadioAnswer(1, {{on, off}}), 0, 0},
        {"software off then switch off", RadioAnswer(2, {{off, on}, {off, off}}), 0, 0},
        {"all software off", RadioAnswer(2, {{off, on}, {off, on}}), 0, 1},
        {"no PHY", RadioAnswer(0, {}), 0, 1},
        {"count beyond the answer", RadioAnswer(1000, {{off, on}, {off, on}}), 0, 1},
        {"count beyond 64: the 65th PHY is not read", many, 0, 1},
        {"answer shorter than its count field", Bytes{1, 0}, 0, 1},
    };
    for (const Case& c : cases) {
        world.OverrideWlanQuery(wlan_intf_opcode_radio_state, c.answer);
        int radioOn = -1, switchOn = -1;
        EXPECT_EQ(manager.GetRadioState(&radioOn, &switchOn), static_cast<DWORD>(ERROR_SUCCESS)) << c.what;
        EXPECT_EQ(radioOn, c.radioOn) << c.what;
        EXPECT_EQ(switchOn, c.switchOn) << c.what;
    }
    world.ClearWlanOverrides();
    world.Unplug(0);
    int radioOn = -1, switchOn = -1;
    EXPECT_NE(manager.GetRadioState(&radioOn, &switchOn), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(radioOn, 0) << "a failed query reports off";
    EXPECT_EQ(switchOn, 1);
    EXPECT_EQ(world.LiveWlanAllocations(), 0u);
}

TEST_F(WlanManagerTest, ScanCompletesOnTheServiceThreadWhenItsTimeHasCome) {
    Bind();
    ASSERT_EQ(manager.Scan(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(target.Drain(world).empty()) << "nothing is posted from inside the call";
    world.clock().Advance(999);
    EXPECT_TRUE(target.Drain(world).empty()) << "the scan takes the scenario's 1000 ms";
    world.clock().Advance(1);
    EXPECT_EQ(target.Messages(world), std::vector<UINT>{kMsgWlanScanComplete});
    auto calls = world.WlanCalls();
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const auto& c) { return c.name == "WlanScan"; }));
}

TEST_F(WlanManagerTest, ScanFailsByScenarioAndWithTheRadioOff) {
    std::string text = testutil::Scenario("default.scn");
    text.insert(text.find("signal ="), "scan_delay = 300\nscan_result = fail\n");
    Bind(text);
    manager.Scan();
    world.clock().Advance(300);
    EXPECT_EQ(target.Messages(world), std::vector<UINT>{kMsgWlanScanFail});

    Bind();
    world.SetRadio(0, false);
    target.Drain(world);
    manager.Scan();
    world.clock().Advance(1000);
    EXPECT_EQ(target.Messages(world), std::vector<UINT>{kMsgWlanScanFail});
}

TEST_F(WlanManagerTest, DisconnectEndsTheLinkAndSaysSo) {
    Bind();
    int connected = 0;
    manager.GetInterfaceState(&connected);
    ASSERT_EQ(connected, 1);
    EXPECT_EQ(manager.Disconnect(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(target.Messages(world), std::vector<UINT>{kMsgWlanDisconnected});
    manager.GetInterfaceState(&connected);
    EXPECT_EQ(connected, 0);
    uint8_t bssid[6] = {1, 1, 1, 1, 1, 1};
    EXPECT_NE(manager.GetCurrentBssid(bssid), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(std::memcmp(bssid, "\0\0\0\0\0\0", 6), 0);
}

TEST_F(WlanManagerTest, EveryServiceBufferIsFreedLinkedOrNot) {
    Bind();
    for (bool linked : {true, false}) {
        if (!linked) {
            manager.Disconnect();
            target.Drain(world);
        }
        // What the poll reads, and every other reader.
        int connected, mode, radioOn, switchOn, ofdm, changed;
        uint8_t ssid[36], bssid[6];
        DOT11_BSS_TYPE bssType;
        WLAN_CONNECTION_MODE connectionMode;
        wchar_t name[33];
        BOOL oneX, autoConfig;
        DOT11_AUTH_ALGORITHM auth;
        DOT11_CIPHER_ALGORITHM cipher;
        DOT11_PHY_TYPE phy;
        ULONG phyIndex;
        LONG rssi;
        manager.GetInterfaceState(&connected);
        manager.GetCurrentBssid(bssid);
        manager.GetCurrentSsid(ssid);
        manager.GetBssType(&mode);
        manager.GetRadioState(&radioOn, &switchOn);
        manager.SupportsOfdm(&ofdm);
        manager.GetCurrentBssType(&bssType);
        manager.GetConnectionMode(&connectionMode);
        manager.GetProfileName(name, 33);
        manager.GetOneXEnabled(&oneX);
        manager.GetAuthAlgorithm(&auth);
        manager.GetCipherAlgorithm(&cipher);
        manager.GetCurrentPhy(&phy, &phyIndex);
        manager.GetAutoConfig(&autoConfig);
        manager.GetRssi(&rssi);
        manager.StatisticsChanged(&changed);
        manager.SetRadioState(1);
        EXPECT_EQ(world.LiveWlanAllocations(), 0u) << (linked ? "linked" : "not linked");
        EXPECT_EQ(world.BadWlanFrees(), 0u);
        EXPECT_EQ(ofdm, 1);
    }
}

TEST_F(WlanManagerTest, CurrentConnectionAnswersAreBoundedToTheCallersBuffers) {
    Bind();
    WLAN_CONNECTION_ATTRIBUTES c{};
    c.isState = wlan_interface_state_connected;
    for (WCHAR& ch : c.strProfileName) ch = L'P';  // 256 characters, no end
    c.wlanAssociationAttributes.dot11Ssid.uSSIDLength = 200;
    std::memset(c.wlanAssociationAttributes.dot11Ssid.ucSSID, 'S', 32);
    world.OverrideWlanQuery(wlan_intf_opcode_current_connection, BytesOf(c));

    wchar_t name[33 + 8];
    std::wmemset(name, L'#', 41);
    ASSERT_EQ(manager.GetProfileName(name, 33), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(std::wstring(name), std::wstring(32, L'P'));
    EXPECT_EQ(std::wstring(name + 33, 8), std::wstring(8, L'#')) << "written past the caller's 33 characters";

    uint8_t ssid[36 + 4];
    std::memset(ssid, 0xEE, sizeof ssid);
    manager.GetCurrentSsid(ssid);
    uint32_t length;
    std::memcpy(&length, ssid, 4);
    EXPECT_EQ(length, 32u);
    EXPECT_EQ(ssid[36], 0xEE);

    // Too short to be a connection record: nothing is read from it.
    world.OverrideWlanQuery(wlan_intf_opcode_current_connection, Bytes(16, 0xAB));
    std::wmemset(name, L'#', 41);
    manager.GetProfileName(name, 33);
    EXPECT_EQ(name[0], L'\0');
    EXPECT_EQ(world.LiveWlanAllocations(), 0u);
}

Bytes InterfaceList(std::initializer_list<std::pair<GUID, std::wstring>> items, bool unterminatedFirst) {
    Bytes b(offsetof(WLAN_INTERFACE_INFO_LIST, InterfaceInfo) + items.size() * sizeof(WLAN_INTERFACE_INFO), 0);
    auto* l = reinterpret_cast<WLAN_INTERFACE_INFO_LIST*>(b.data());
    l->dwNumberOfItems = static_cast<DWORD>(items.size());
    DWORD k = 0;
    for (const auto& [guid, text] : items) {
        WLAN_INTERFACE_INFO& info = l->InterfaceInfo[k];
        info.InterfaceGuid = guid;
        std::wmemcpy(info.strInterfaceDescription, text.data(), std::min<size_t>(text.size(), 256));
        if (k == 0 && unterminatedFirst) info.strInterfaceDescription[255] = L'X';
        ++k;
    }
    return b;
}

TEST_F(WlanManagerTest, InterfaceIsChosenByWholeDescriptionFirstMatchWins) {
    const std::string longName(255, 'N');
    std::string text = testutil::Scenario("default.scn");
    text.replace(text.find("Norvane ZQ-4402 Wireless LAN Card"), 33, longName);
    world.clock().SetManual(0);
    Load(text);
    const GUID a = {1, 0, 0, {0}}, b = {2, 0, 0, {0}}, c = {3, 0, 0, {0}};
    const std::wstring wideLong(255, L'N');

    // The first description fills all 256 characters: its first 255 look like ours, but it has no end.
    world.OverrideWlanInterfaces(InterfaceList({{a, wideLong}, {b, wideLong}, {c, wideLong}}, true));
    ASSERT_EQ(manager.Setup(longName.c_str(), target.hwnd(), 0), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(IsEqualGUID(manager.InterfaceGuid(), b)) << "two equal descriptions: the first in the list";
    EXPECT_EQ(manager.IsInterfaceFound(), 1);
    EXPECT_EQ(world.LiveWlanAllocations(), 0u);
}

TEST_F(WlanManagerTest, SetupClosesTheHandleBeforeItsNotifierGoes) {
    Bind();
    const int live = WlanNotifier::LiveCount();
    world.HoldWlanDelivery(true);
    world.RaiseWlanNotification(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_complete,
                                world.InterfaceGuid(0));
    for (int i = 0; i < 2000 && !world.WlanDeliveryWaiting(); ++i) Sleep(1);
    ASSERT_TRUE(world.WlanDeliveryWaiting()) << "the callback should be on its way";

    std::atomic<bool> done{false};
    std::thread rebind([&] {
        manager.Setup(kDescription, target.hwnd(), 0);
        done = true;
    });
    Sleep(150);
    EXPECT_FALSE(done) << "closing the handle waits for the callback in flight";
    EXPECT_EQ(WlanNotifier::LiveCount(), live) << "the notifier went while its handle could still deliver";
    world.HoldWlanDelivery(false);
    rebind.join();
    EXPECT_EQ(WlanNotifier::LiveCount(), live);
    EXPECT_EQ(target.Messages(world), std::vector<UINT>{kMsgWlanScanComplete});
    EXPECT_EQ(world.OpenWlanHandles(), 1u);
}

}  // namespace
