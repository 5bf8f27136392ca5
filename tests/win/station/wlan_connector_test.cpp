// Connecting through the service: by stored profile, by discovery, through the profile editor
// for 802.1X, and the Native Wifi branch of a connect action.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "driver_key_util.h"
#include "station/core/wlan/wlan_manager.h"
#include "station/core/wlan/wlan_messages.h"
#include "station/core/wlan/wlan_profile_editor.h"
#include "shared/crypto/wpa_psk.h"
#include "station/profiles/profile_apply_record.h"
#include "station_fixture.h"
#include "wlan_test_util.h"

namespace {

constexpr const char* kDescription = "Norvane ZQ-4402 Wireless LAN Card";

const wchar_t kLanternXml[] =
    L"<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
    L"<name>Lantern Home</name><SSIDConfig><SSID><name>Lantern Home</name></SSID><nonBroadcast>true</nonBroadcast>"
    L"</SSIDConfig><connectionType>ESS</connectionType><connectionMode>auto</connectionMode>"
    L"<autoSwitch>true</autoSwitch><MSM><security><authEncryption><authentication>WPA2PSK</authentication>"
    L"<encryption>AES</encryption><useOneX>false</useOneX></authEncryption><sharedKey><keyType>passPhrase</keyType>"
    L"<protected>false</protected><keyMaterial>harbor&#32;lights</keyMaterial></sharedKey></security></MSM>"
    L"</WLANProfile>";

// Stands in for the profile document writer with a fixed answer.
class FixedXml : public WlanProfileXml {
public:
    std::wstring name = L"Lantern Home", xml = kLanternXml;
    DOT11_BSS_TYPE bssType = dot11_BSS_type_infrastructure;
    int discovery = 0, secured = 1;
    bool Build(const ProfileApplyRecord&, std::wstring* n, std::wstring* escaped, DOT11_BSS_TYPE* t, std::wstring* x,
               int* d, int* s) override {
        *n = name;
        *escaped = name;
        *t = bssType;
        *x = xml;
        *d = discovery;
        *s = secured;
        return true;
    }
};

class WlanConnectorTest : public StationTest {
protected:
    void Bind(int allUsers = 0) {
        world.clock().SetManual(0);
        Load(testutil::Scenario("default.scn"));
        ASSERT_EQ(manager.Setup(kDescription, target.hwnd(), allUsers), static_cast<DWORD>(ERROR_SUCCESS));
        record = AllocApplyRecord();
        SetSsid("Lantern Home");
        const uint8_t bssid[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x77};
        std::memcpy(record->Bssid, bssid, 6);
        record->NetworkType = 1;
        auto fixed = std::make_unique<FixedXml>();
        xml = fixed.get();
        manager.Connector()->SetProfileXml(std::move(fixed));
        target.Drain(world);
        world.ClearWlanCalls();
    }
    void SetSsid(const char* ssid) {
        record->SsidLength = static_cast<uint32_t>(std::strlen(ssid));
        std::memcpy(record->Ssid, ssid, record->SsidLength);
    }
    void TearDown() override {
        world.HoldWlanProfileEditor(false);
        for (int i = 0; i < 2000 && g_ProfileEditorOpen.load() != 0; ++i) Sleep(1);
        world.WaitWlanNotificationsDelivered();
        FreeApplyRecord(record);
        StationTest::TearDown();
    }
    std::vector<std::string> CallNames() {
        std::vector<std::string> out;
        for (const auto& c : world.WlanCalls())
            if (c.name != "WlanQueryInterface") out.push_back(c.name);
        return out;
    }
    bool WaitForConnects(size_t n) {
        for (int i = 0; i < 5000 && world.WlanConnects().size() < n; ++i) Sleep(1);
        return world.WlanConnects().size() >= n;
    }

    testutil::NotifyTarget target;
    WlanManager manager;
    ProfileApplyRecord* record = nullptr;
    FixedXml* xml = nullptr;
};

TEST_F(WlanConnectorTest, ProfileIsStoredVerbatimThenJoinedByName) {
    for (int allUsers : {0, 1}) {
        Bind(allUsers);
        ASSERT_EQ(manager.Connector()->ConnectRecord(*record), static_cast<DWORD>(ERROR_SUCCESS));
        auto profiles = world.WlanProfiles(0);
        ASSERT_EQ(profiles.size(), 1u);
        EXPECT_EQ(profiles[0].xml, kLanternXml);
        EXPECT_EQ(profiles[0].name, L"Lantern Home");
        EXPECT_EQ(profiles[0].flags, allUsers ? 0u : static_cast<DWORD>(WLAN_PROFILE_USER));

        auto connects = world.WlanConnects();
        ASSERT_EQ(connects.size(), 1u);
        EXPECT_EQ(connects[0].mode, wlan_connection_mode_profile);
        EXPECT_EQ(connects[0].profile, L"Lantern Home");
        EXPECT_FALSE(connects[0].hasSsid);
        EXPECT_FALSE(connects[0].hasBssidList);
        EXPECT_EQ(connects[0].bssType, dot11_BSS_type_infrastructure);
        EXPECT_EQ(connects[0].reason, 0u) << "the service joined the network";
        EXPECT_EQ(CallNames(), (std::vector<std::string>{"WlanSetProfile", "WlanConnect"}));
        std::vector<UINT> got = target.Messages(world);
        EXPECT_NE(std::find(got.begin(), got.end(), kMsgWlanConnectionComplete), got.end());
        EXPECT_EQ(world.Adapter(0).linkSsid, "Lantern Home");
    }
}

TEST_F(WlanConnectorTest, DiscoveryModesSendTheSsidAndTheBssidListOnlyForFlagOne) {
    struct Case {
        int discovery, secured;
        WLAN_CONNECTION_MODE mode;
        bool bssidList;
    };
    const Case cases[] = {
        {1, 1, wlan_connection_mode_discovery_secure, true},
        {2, 1, wlan_connection_mode_discovery_secure, false},
        {1, 0, wlan_connection_mode_discovery_unsecure, true},
        {2, 0, wlan_connection_mode_discovery_unsecure, false},
    };
    for (const Case& c : cases) {
        Bind();
        xml->discovery = c.discovery;
        xml->secured = c.secured;
        record->UseBssid = static_cast<uint32_t>(c.discovery);
        manager.Connector()->ConnectRecord(*record);
        auto connects = world.WlanConnects();
        ASSERT_EQ(connects.size(), 1u);
        const auto& call = connects[0];
        EXPECT_EQ(call.mode, c.mode) << c.discovery << "/" << c.secured;
        EXPECT_TRUE(call.hasProfile && call.profile.empty());
        EXPECT_EQ(call.ssid, "Lantern Home");
        EXPECT_EQ(call.flags, 0u);
        EXPECT_EQ(call.hasBssidList, c.bssidList);
        if (c.bssidList) {
            ASSERT_EQ(call.bssids.size(), 1u);
            EXPECT_EQ(call.bssids[0], (platform::sim::Mac{0x02, 0x11, 0x22, 0x33, 0x44, 0x77}));
        }
        EXPECT_TRUE(world.WlanProfiles(0).empty()) << "discovery stores no profile";
        EXPECT_EQ(call.reason == 0, c.secured == 1) << "Lantern Home is a WPA2 network";
    }
}

TEST_F(WlanConnectorTest, OneXRecordConnectsOnlyFromTheEditorThreadAfterItCloses) {
    Bind();
    record->Use8021X = 1;
    // An older profile of the same name is replaced, not kept.
    std::wstring older = kLanternXml;
    older.replace(older.find(L"harbor&#32;lights"), 17, L"older&#32;key");
    ASSERT_EQ(manager.ProfileStore()->SetProfile(older.c_str()), static_cast<DWORD>(ERROR_SUCCESS));
    world.ClearWlanCalls();

    world.HoldWlanProfileEditor(true);
    ASSERT_EQ(manager.Connector()->ConnectRecord(*record), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(manager.Connector()->IsEditorStarting(), 0);
    auto opened = target.WaitFor(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], (std::pair<UINT, WPARAM>{kMsgProfileEditor, 0}));
    for (int i = 0; i < 2000 && world.OpenWlanProfileEditors() == 0; ++i) Sleep(1);
    EXPECT_EQ(g_ProfileEditorOpen.load(), 1);
    EXPECT_TRUE(world.WlanConnects().empty()) << "no connect while the editor is open";
    EXPECT_EQ(CallNames(), (std::vector<std::string>{"WlanDeleteProfile", "WlanSetProfile"}));
    ASSERT_EQ(world.WlanProfiles(0).size(), 1u);
    EXPECT_EQ(world.WlanProfiles(0)[0].xml, kLanternXml);

    world.HoldWlanProfileEditor(false);
    auto closed = target.WaitFor(1);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0], (std::pair<UINT, WPARAM>{kMsgProfileEditor, 1}));
    ASSERT_TRUE(WaitForConnects(1));
    auto call = world.WlanConnects()[0];
    EXPECT_NE(call.threadId, GetCurrentThreadId());
    EXPECT_EQ(call.mode, wlan_connection_mode_profile);
    EXPECT_EQ(call.profile, L"Lantern Home");
    EXPECT_FALSE(call.hasSsid);
    EXPECT_FALSE(call.hasBssidList);
    EXPECT_EQ(call.bssType, dot11_BSS_type_infrastructure);

    auto editors = world.WlanEditorCalls();
    ASSERT_EQ(editors.size(), 1u);
    EXPECT_EQ(editors[0].clientVersion, 1u);
    EXPECT_EQ(editors[0].profileName, L"Lantern Home");
    EXPECT_EQ(editors[0].owner, target.hwnd());
    EXPECT_EQ(editors[0].startPage, WLSecurityPage);
    EXPECT_TRUE(IsEqualGUID(editors[0].iface, world.InterfaceGuid(0)));
    EXPECT_EQ(editors[0].threadId, call.threadId);
    EXPECT_EQ(g_ProfileEditorOpen.load(), 0);
    EXPECT_EQ(world.WlanProfiles(0).size(), 1u);
}

TEST_F(WlanConnectorTest, TwoEditorsOpenAtOnceKeepTheirOwnProfiles) {
    Bind();
    // The editor opens stored profiles only.
    for (const wchar_t* name : {L"First", L"Second"}) {
        std::wstring doc = kLanternXml;
        doc.replace(doc.find(L"<name>Lantern Home</name>"), 25, std::wstring(L"<name>") + name + L"</name>");
        ASSERT_EQ(manager.ProfileStore()->SetProfile(doc.c_str()), static_cast<DWORD>(ERROR_SUCCESS));
    }
    world.HoldWlanProfileEditor(true);
    WlanConnector& c = *manager.Connector();
    c.StartProfileEditor(target.hwnd(), L"First", dot11_BSS_type_infrastructure, manager.ClientHandle());
    for (int i = 0; i < 2000 && world.OpenWlanProfileEditors() < 1; ++i) Sleep(1);
    c.StartProfileEditor(target.hwnd(), L"Second", dot11_BSS_type_independent, manager.ClientHandle());
    for (int i = 0; i < 2000 && world.OpenWlanProfileEditors() < 2; ++i) Sleep(1);
    ASSERT_EQ(world.OpenWlanProfileEditors(), 2u);
    EXPECT_EQ(g_ProfileEditorOpen.load(), 2);
    world.HoldWlanProfileEditor(false);
    ASSERT_TRUE(WaitForConnects(2));
    std::set<std::pair<std::wstring, DOT11_BSS_TYPE>> joined;
    for (const auto& call : world.WlanConnects()) joined.insert({call.profile, call.bssType});
    EXPECT_EQ(joined, (std::set<std::pair<std::wstring, DOT11_BSS_TYPE>>{
                          {L"First", dot11_BSS_type_infrastructure}, {L"Second", dot11_BSS_type_independent}}));
    std::set<std::wstring> edited;
    for (const auto& e : world.WlanEditorCalls()) edited.insert(e.profileName);
    EXPECT_EQ(edited, (std::set<std::wstring>{L"First", L"Second"}));
}

TEST_F(WlanConnectorTest, NothingConnectsWithoutAProfileTheServiceTook) {
    Bind();
    // A record no valid document can be made for (WPA2 without 802.1X): no service call.
    manager.Connector()->SetProfileXml(std::make_unique<WlanProfileXml>());
    record->AuthMode = 6;
    record->CipherMode = 6;
    EXPECT_EQ(manager.Connector()->ConnectRecord(*record), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_TRUE(CallNames().empty());

    // A refused document must not fall back on an older profile of the same name.
    auto fixed = std::make_unique<FixedXml>();
    ASSERT_EQ(manager.ProfileStore()->SetProfile(fixed->xml.c_str()), static_cast<DWORD>(ERROR_SUCCESS));
    fixed->xml = L"<WLANProfile><SSIDConfig/></WLANProfile>";
    manager.Connector()->SetProfileXml(std::move(fixed));
    world.ClearWlanCalls();
    EXPECT_NE(manager.Connector()->ConnectRecord(*record), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(CallNames(), std::vector<std::string>{"WlanSetProfile"});
    EXPECT_TRUE(world.WlanConnects().empty());
}

// The service takes every document the writer makes, and joins where the keys fit.
TEST_F(WlanConnectorTest, EveryDocumentOfTheWriterIsTakenAndJoinsWhereTheKeyFits) {
    uint8_t psk[32];
    ASSERT_EQ(DeriveWpaPsk("harbor lights", reinterpret_cast<const uint8_t*>("Lantern Home"), 12, psk), 1);
    std::string pskHex;
    for (uint8_t b : psk) {
        char two[3];
        std::snprintf(two, sizeof(two), "%02x", b);
        pskHex += two;
    }
    struct Case {
        const char* what;
        const char* ssid;
        int32_t auth;
        uint32_t cipher;
        std::string key;  // WPA key text, or the WEP key of slot 1 as hex
        DWORD reason;     // of the connection; 0 joined
        uint32_t networkType = 1;
    };
    const Case cases[] = {
        {"open", "Harbor Open", 0, 1, "", 0},
        {"open WEP", "Quay WEP", 0, 0, "1122334455", 0},
        {"shared WEP, another key", "Quay WEP", 1, 0, "1122334466", 0x38002},
        {"WPA2-PSK passphrase", "Lantern Home", 7, 6, "harbor lights", 0},
        {"WPA2-PSK as 64 hex digits", "Lantern Home", 7, 6, pskHex, 0},
        {"WPA2-PSK, a wrong passphrase", "Lantern Home", 7, 6, "harbour lights", 0x48014},
        {"WPA-PSK where the network is WPA2", "Lantern Home", 4, 4, "harbor lights", 0x38002},
        {"SSID with a blank and an ampersand", "Fish & Chips", 0, 1, "", 0},
        {"ad hoc, joined by hand", "Cabin", 0, 1, "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        world.clock().SetManual(0);
        Load(testutil::Scenario("default.scn") +
             "\n[network]\nssid = \"Fish & Chips\"\nbssid = 02:11:22:33:44:F1\nchannel = 6\n"
             "\n[network]\nssid = \"Cabin\"\nbssid = 02:11:22:33:44:F2\nchannel = 6\ntype = adhoc\n");
        ASSERT_EQ(manager.Setup(kDescription, target.hwnd(), 0), static_cast<DWORD>(ERROR_SUCCESS));
        world.SetLink(0, false);
        ProfileApplyRecord* r = AllocApplyRecord();
        r->SsidLength = static_cast<uint32_t>(std::strlen(c.ssid));
        std::memcpy(r->Ssid, c.ssid, r->SsidLength);
        r->NetworkType = c.networkType;
        r->AuthMode = c.auth;
        r->CipherMode = c.cipher;
        if (c.cipher == 0) {
            uint8_t key[5];
            for (int i = 0; i < 5; ++i) key[i] = static_cast<uint8_t>(std::stoi(c.key.substr(2 * i, 2), nullptr, 16));
            r->WepKey1 = AllocKeyBlock(kKeyIndexTransmit, key, 5);
            r->WepKey1Length = KeyBlockSize(5);
        } else {
            std::memcpy(r->WpaPassphrase, c.key.data(), c.key.size());
            r->WpaPassphraseLength = static_cast<uint32_t>(c.key.size());
        }
        world.ClearWlanCalls();
        EXPECT_EQ(manager.Connector()->ConnectRecord(*r), static_cast<DWORD>(ERROR_SUCCESS));
        FreeApplyRecord(r);
        ASSERT_EQ(world.WlanProfiles(0).size(), 1u);
        EXPECT_EQ(world.WlanProfiles(0)[0].name, std::wstring(c.ssid, c.ssid + std::strlen(c.ssid)));
        ASSERT_EQ(world.WlanConnects().size(), 1u);
        EXPECT_EQ(world.WlanConnects()[0].reason, c.reason);
        EXPECT_EQ(world.Adapter(0).connected, c.reason == 0);
        world.WaitWlanNotificationsDelivered();
        target.Drain(world);
    }
}

// The store finds, lists and deletes whatever the service holds, however long a name or a
// document is.
TEST_F(WlanConnectorTest, StoreFindsListsAndDeletesLongNamesAndDocuments) {
    Bind();
    WlanProfileStore& store = *manager.ProfileStore();
    const std::string longName(60, 'n');
    std::wstring named = kLanternXml;
    named.replace(named.find(L"<name>Lantern Home</name>"), 25,
                  L"<name>" + std::wstring(longName.begin(), longName.end()) + L"</name>");
    // A document far beyond 3,000 characters: the service keeps comments as they came.
    std::wstring big = kLanternXml;
    big.insert(big.find(L"<MSM>"), L"<!--" + std::wstring(5000, L'x') + L"-->");
    big.replace(big.find(L"<name>Lantern Home</name>"), 25, L"<name>Big</name>");
    ASSERT_EQ(store.SetProfile(named.c_str()), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(store.SetProfile(big.c_str()), static_cast<DWORD>(ERROR_SUCCESS));

    EXPECT_EQ(store.FindProfile(longName.c_str()), 1);
    EXPECT_EQ(store.FindProfile(longName.substr(0, 40).c_str()), 0) << "the whole name counts";
    EXPECT_EQ(store.FindProfile("Big"), 1);
    EXPECT_EQ(store.FindProfile("big"), 0);

    std::vector<WlanProfileSummary> list;
    ASSERT_EQ(store.ListProfiles(&list), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, longName);
    EXPECT_EQ(list[1].name, "Big");
    for (const auto& summary : list) {
        EXPECT_EQ(summary.ssid, "Lantern Home");
        EXPECT_EQ(summary.connectionType, "ESS");
        EXPECT_EQ(summary.authentication, "WPA2PSK");
        EXPECT_EQ(summary.encryption, "AES");
        EXPECT_TRUE(summary.reserved.empty());
    }

    EXPECT_EQ(store.DeleteAllProfiles(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(world.WlanProfiles(0).empty());
    EXPECT_EQ(store.FindProfile("Big"), 0);
    EXPECT_EQ(world.LiveWlanAllocations(), 0u);
}

TEST_F(WlanConnectorTest, NativeWifiConnectSetsTheFlagAndPowerThenConnects) {
    Bind();
    testutil::BindAdapter(world);
    world.ClearJournal();
    record->TxPower = 3;
    manager.NativeWifiConnect(1, record);
    std::vector<platform::sim::JournalEntry> sets;
    for (const auto& e : world.Journal())
        if (e.set) sets.push_back(e);
    ASSERT_GE(sets.size(), 2u);
    EXPECT_EQ(sets[0].oid, 0xFF8C0030u);
    EXPECT_EQ(sets[0].in, (platform::sim::Bytes{1, 0, 0, 0}));
    EXPECT_EQ(sets[1].oid, 0xFF8C0007u);
    EXPECT_EQ(sets[1].in, (platform::sim::Bytes{50, 0, 0, 0}));
    ASSERT_EQ(world.WlanConnects().size(), 1u);
    EXPECT_EQ(world.WlanConnects()[0].profile, L"Lantern Home");

    world.ClearJournal();
    manager.NativeWifiConnect(0, record);
    ASSERT_FALSE(world.Journal().empty());
    EXPECT_EQ(world.Journal()[0].in, (platform::sim::Bytes{0, 0, 0, 0}));
}

}  // namespace
