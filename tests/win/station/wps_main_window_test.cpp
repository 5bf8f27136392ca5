// The main window's WPS work while the WPS page is closed: the adapter's button, the status
// followed on timer 5 to "Configured" or a failure, the credentials into "_wsc" and the
// connect through the action queue, the reconnects of timer 4, the hand-over of the timers to
// the page, and the random source behind the PINs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "station/core/action_data.h"
#include "station/core/hide_dlg.h"
#include "station/core/wps/wps_poll.h"
#include "station/core/wps/wps_random.h"
#include "station_fixture.h"
#include "wps_test_steps.h"

namespace {

using namespace wpstest;

// A credential table as the driver answers it.
Bytes Table(std::uint32_t count, const std::vector<std::pair<std::string, std::string>>& wpa2) {
    Bytes t(996, 0);
    std::memcpy(t.data(), &count, 4);
    for (std::size_t i = 0; i < wpa2.size(); ++i) {
        std::uint8_t* e = t.data() + 4 + 124 * i;
        const std::uint32_t ssid = static_cast<std::uint32_t>(wpa2[i].first.size()),
                            key = static_cast<std::uint32_t>(wpa2[i].second.size()), auth = 0x20, encry = 0x08;
        std::memcpy(e, &ssid, 4);
        std::memcpy(e + 4, wpa2[i].first.data(), ssid);
        std::memcpy(e + 36, &auth, 4);
        std::memcpy(e + 40, &encry, 4);
        std::memcpy(e + 48, &key, 4);
        std::memcpy(e + 52, wpa2[i].second.data(), key);
    }
    return t;
}

class WpsMainWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        data_ = std::make_unique<testutil::TempDataDirectory>("lumora-wps");
        ASSERT_TRUE(data_->Made());
        FreeCurrentAction();
        g_WpsSessionActive = 0;
        g_WpsCycleCredentials = 1;
        g_WpsCurrentIndex = g_WpsNextIndex = 0;
        world.clock().SetManual(0);
        dialog.m_bOpenSheetAtStart = 0;  // the WPS page is not there: the main window polls
    }
    void TearDown() override {
        data_.reset();
        FreeCurrentAction();
        g_WpsSessionActive = 0;
        g_WpsCycleCredentials = 1;
        std::memset(&g_WpsCredentialTable, 0, sizeof(g_WpsCredentialTable));
        MainWindowFixture::TearDown();
    }
    void LoadWps(const std::string& extra = {}) { Load(testutil::Scenario("wps.scn") + extra); }

    std::string File(const char* kind) const { return SettingsFile(data_->Path(), kind); }
    std::string Value(const char* kind, const char* section, const char* key) const {
        return SettingsValue(data_->Path(), kind, section, key);
    }
    void Timer(UINT_PTR id) { dialog.SendMessage(WM_TIMER, id, 0); }
    bool Armed(UINT_PTR id, UINT ms) { return wpstest::Armed(dialog, id, ms); }
    // Timer 5 once a second until the driver's state is the one asked for (at most 3 minutes).
    std::uint32_t StatusUntil(std::uint32_t wanted) {
        std::uint32_t state = 0xFFFFFFFF;
        for (int i = 0; i < 180 && state != wanted; ++i) {
            world.clock().Advance(1000);
            Timer(kWpsStatusTimer);
            for (const auto& e : world.Journal())
                if (e.oid == kQueryStatus && e.result) std::memcpy(&state, e.out.data(), 4), state &= 0x0FFFFFFF;
        }
        return state;
    }
    std::vector<std::string> SsidSets() const { return wpstest::SsidSets(world.Journal()); }
    std::vector<std::wstring> ConnectedProfiles() const {
        std::vector<std::wstring> names;
        for (const auto& c : world.WlanConnects()) names.push_back(c.profile);
        return names;
    }

    std::unique_ptr<testutil::TempDataDirectory> data_;
};

TEST_F(WpsMainWindowTest, HardwareButtonReachesConfiguredStoresAndConnects) {
    LoadWps();
    // The station's profile from before: it is stored with the service at start-up, and the
    // button press clears every profile of the service.
    std::ofstream(File("_sta")) << "[Config]\nCurProfile=Mill\nWSC=0\nSSID=Old Mill\nNetworkType=1\nAuthMode=0\n"
                                   "CipherMode=1\n";
    Run([&] {
        ASSERT_EQ(world.WlanProfiles(0).size(), 1u);

        Timer(kWpsButtonTimer);
        EXPECT_EQ(g_WpsSessionActive, 0) << "not pressed yet";
        EXPECT_FALSE(Armed(kWpsStatusTimer, kWpsStatusMs));

        world.clock().Advance(20000);  // the scenario's press
        world.ClearJournal();
        Timer(kWpsButtonTimer);
        EXPECT_EQ(g_WpsSessionActive, 1);
        EXPECT_TRUE(world.WlanProfiles(0).empty());
        EXPECT_TRUE(Armed(kWpsStatusTimer, kWpsStatusMs));

        EXPECT_EQ(StatusUntil(15), 15u);
        EXPECT_FALSE(Armed(kWpsStatusTimer, kWpsStatusMs)) << "the run is over";
        EXPECT_TRUE(Armed(kWpsReconnectTimer, kWpsReconnectMs));

        // The driver's calls in order: the button, the states, the table, then the connect.
        const auto journal = world.Journal();
        ASSERT_FALSE(journal.empty());
        EXPECT_EQ(journal.front().oid, kQueryButton);
        std::size_t table = 0, ssid = 0;
        for (std::size_t i = 0; i < journal.size(); ++i) {
            if (journal[i].oid == kQueryTable && !table) table = i;
            if (journal[i].oid == kSetSsid && !ssid) ssid = i;
        }
        ASSERT_NE(table, 0u);
        ASSERT_NE(ssid, 0u);
        EXPECT_LT(table, ssid);
        EXPECT_EQ(SsidSets(), std::vector<std::string>{"Lantern Home"});

        EXPECT_EQ(Value("_wsc", "Common", "Number"), "1");
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "Lantern Home");
        EXPECT_EQ(Value("_wsc", "Profile0", "AuthType"), "32");
        EXPECT_EQ(Value("_wsc", "Profile0", "EncryType"), "8");
        EXPECT_EQ(Value("_wsc", "Profile0", "KeyLength"), "13");
        EXPECT_EQ(Value("_wsc", "Profile0", "Key"), "harbor lights");
        EXPECT_EQ(Value("_wsc", "Profile0", "MacAddress"), "02E1F0510108");
        EXPECT_EQ(Value("_wsc", "Profile7", "SSID"), "");
        EXPECT_EQ(Value("_sta", "Config", "WSC"), "1");

        ASSERT_EQ(ConnectedProfiles(), (std::vector<std::wstring>{L"Old Mill", L"Lantern Home"}));
        ASSERT_TRUE(PumpUntil([&] { return world.Adapter(0).connected; }));
        EXPECT_EQ(world.Adapter(0).linkSsid, "Lantern Home");

        // Connected with the credential: timer 4 stops and connects nothing more.
        Timer(kWpsReconnectTimer);
        EXPECT_FALSE(Armed(kWpsReconnectTimer, kWpsReconnectMs));
        EXPECT_EQ(world.WlanConnects().size(), 2u);
    });
}

TEST_F(WpsMainWindowTest, FailingRunStopsThePollingWithNothingStoredOrQueued) {
    // A second access point with its button pressed: the push-button sessions overlap.
    LoadWps("\n[network]\nssid = Pier\nbssid = 02:11:22:33:44:AA\nchannel = 6\nwps = pbc\n");
    Run([&] {
        world.PressWpsButton(0);
        world.ClearJournal();
        Timer(kWpsButtonTimer);
        ASSERT_TRUE(Armed(kWpsStatusTimer, kWpsStatusMs));
        EXPECT_EQ(StatusUntil(516), 516u);
        EXPECT_FALSE(Armed(kWpsStatusTimer, kWpsStatusMs));
        EXPECT_FALSE(Armed(kWpsReconnectTimer, kWpsReconnectMs));
        for (const auto& e : world.Journal()) EXPECT_NE(e.oid, kQueryTable);
        EXPECT_TRUE(SsidSets().empty());
        EXPECT_TRUE(world.WlanConnects().empty());
        EXPECT_EQ(Value("_wsc", "Common", "Number"), "<missing>");
        EXPECT_EQ(g_WpsCredentialTable.Count, 0u);
    });
}

// "Configured" with the credential query failing: the stored credentials and their service
// profile stay as they were, nothing connects, and the next tick asks the driver again.
TEST_F(WpsMainWindowTest, FailedCredentialQueryAtConfiguredChangesNothingStored) {
    LoadWps();
    std::ofstream(File("_sta")) << "[Config]\nCurProfile=Mill\nWSC=0\nSSID=Old Mill\nNetworkType=1\nAuthMode=0\n"
                                   "CipherMode=1\n";
    const std::string wsc = "[Common]\r\nNumber=1\r\nConfigMode=0\r\nPinCode=0\r\n[Profile0]\r\nSSID=Old Mill\r\n"
                            "AuthType=1\r\nEncryType=1\r\nKeyIndex=0\r\nKeyLength=0\r\nKey=\r\nMacAddress=000000000000\r\n";
    std::ofstream(File("_wsc"), std::ios::binary) << wsc;
    auto fileText = [&](const char* kind) {
        std::ifstream in(File(kind), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    Run([&] {
        ASSERT_EQ(world.WlanProfiles(0).size(), 1u);
        g_WpsSessionActive = 1;
        g_WpsCredentialTable.Count = 1;
        g_WpsCredentialTable.Entries[0].SsidLength = 8;
        std::memcpy(g_WpsCredentialTable.Entries[0].Ssid, "Old Mill", 8);
        const WpsCredentialTable before = g_WpsCredentialTable;
        const std::string station = fileText("_sta");
        world.SetOidAnswer(0, kQueryTable, Table(1, {{"Lantern Home", "harbor lights"}}));
        world.SetOidAnswer(0, kQueryStatus, U32(15));
        world.FailOid(kQueryTable, 1);
        dialog.SetTimer(kWpsStatusTimer, kWpsStatusMs);
        world.ClearWlanCalls();
        Timer(kWpsStatusTimer);

        EXPECT_EQ(fileText("_wsc"), wsc);
        EXPECT_EQ(fileText("_sta"), station);
        ASSERT_EQ(world.WlanProfiles(0).size(), 1u);
        EXPECT_EQ(world.WlanProfiles(0)[0].name, L"Old Mill");
        EXPECT_EQ(std::memcmp(&g_WpsCredentialTable, &before, sizeof before), 0);
        EXPECT_TRUE(world.WlanConnects().empty());
        EXPECT_FALSE(Armed(kWpsReconnectTimer, kWpsReconnectMs));
        EXPECT_TRUE(Armed(kWpsStatusTimer, kWpsStatusMs)) << "asked again on the next tick";

        Timer(kWpsStatusTimer);
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), "Lantern Home");
        EXPECT_TRUE(world.WlanProfiles(0).empty() || world.WlanProfiles(0)[0].name != L"Old Mill");
        EXPECT_EQ(ConnectedProfiles(), std::vector<std::wstring>{L"Lantern Home"});
        EXPECT_FALSE(Armed(kWpsStatusTimer, kWpsStatusMs));
    });
}

TEST_F(WpsMainWindowTest, StatusStatesThatEndOrKeepThePolling) {
    LoadWps();
    const struct {
        const char* name;
        bool answer;          // false: the query fails
        std::uint32_t word;
        bool keepsPolling;
    } cases[] = {
        {"not used", true, 0, false},
        {"still exchanging", true, 14, true},
        {"too many push-button networks, still trying", true, 257, true},
        {"wrong PIN", true, 0x10000106, false},
        {"hash mismatch", true, 0x105, false},
        {"EAP failed", true, 0x204, false},
        {"invalid SSID", true, 0x10000201, false},
        {"query fails", false, 0, true},
    };
    Run([&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            dialog.SetTimer(kWpsStatusTimer, kWpsStatusMs);
            dialog.SetTimer(kWpsReconnectTimer, kWpsReconnectMs);
            if (c.answer) world.SetOidAnswer(0, kQueryStatus, U32(c.word));
            else world.FailOid(kQueryStatus, 1);
            Timer(kWpsStatusTimer);
            EXPECT_EQ(Armed(kWpsStatusTimer, kWpsStatusMs), c.keepsPolling);
            ::KillTimer(dialog.m_hWnd, kWpsStatusTimer);
            ::KillTimer(dialog.m_hWnd, kWpsReconnectTimer);
        }
        EXPECT_TRUE(world.WlanConnects().empty());
    });
}

TEST_F(WpsMainWindowTest, ReconnectsWalkThroughTheCredentialsUntilOneConnects) {
    LoadWps();
    Run([&] {
        world.SetOidAnswer(0, kQueryTable,
                           Table(3, {{"Nowhere A", "first-key-1"}, {"Nowhere B", "second-key"}, {"Lantern Home", "harbor lights"}}));
        world.SetOidAnswer(0, kQueryStatus, U32(15));
        g_WpsSessionActive = 1;
        Timer(kWpsStatusTimer);
        EXPECT_EQ(Value("_wsc", "Common", "Number"), "3");
        for (int attempt = 0; attempt < 3; ++attempt) {
            world.clock().Advance(10000);
            Timer(kWpsReconnectTimer);
            PumpUntil([&] { return world.WlanNotificationsQueued() == 0; });
        }
        EXPECT_EQ(ConnectedProfiles(), (std::vector<std::wstring>{L"Nowhere A", L"Nowhere B", L"Lantern Home"}))
            << "0, 1, 2; then connected, so no fourth";
        EXPECT_FALSE(Armed(kWpsReconnectTimer, kWpsReconnectMs));
        EXPECT_EQ(world.Adapter(0).linkSsid, "Lantern Home");
        EXPECT_EQ(g_WpsCurrentIndex, 2);

        // A smaller table later: indices left beyond it start again from the first.
        g_WpsNextIndex = 2;
        g_WpsCurrentIndex = 2;
        g_WpsCredentialTable.Count = 1;
        world.ClearWlanCalls();
        EXPECT_EQ(QueueWpsConnect(), 1);
        EXPECT_EQ(g_WpsCurrentIndex, 0);
        ASSERT_EQ(ConnectedProfiles().size(), 1u);
        EXPECT_EQ(ConnectedProfiles()[0], L"Nowhere A");
    });
}

TEST_F(WpsMainWindowTest, HostileTableFromTheDriverIsHeldToItsFields) {
    LoadWps();
    Run([&] {
        Bytes t = Table(3, {{std::string(32, 'w'), std::string(64, 'k')}});
        const std::uint32_t count = 0xFFFF, ssid = 200, key = 0x40000000;
        std::memcpy(t.data(), &count, 4);
        std::memcpy(t.data() + 4, &ssid, 4);
        std::memcpy(t.data() + 4 + 48, &key, 4);
        world.SetOidAnswer(0, kQueryTable, t);
        world.SetOidAnswer(0, kQueryStatus, U32(15));
        world.ClearJournal();
        Timer(kWpsStatusTimer);
        EXPECT_EQ(g_WpsCredentialTable.Count, 8u);
        EXPECT_EQ(g_WpsCredentialTable.Entries[0].SsidLength, 32u);
        EXPECT_EQ(g_WpsCredentialTable.Entries[0].KeyLength, 64u);
        EXPECT_EQ(Value("_wsc", "Common", "Number"), "8");
        EXPECT_EQ(Value("_wsc", "Profile0", "SSID"), std::string(32, 'w'));
        EXPECT_EQ(Value("_wsc", "Profile0", "KeyLength"), "64");
        ASSERT_FALSE(SsidSets().empty());
        EXPECT_EQ(SsidSets()[0], std::string(32, 'w'));
    });
}

TEST_F(WpsMainWindowTest, PageTakesTheTimersAndGivesThemBack) {
    LoadWps();
    Run([&] {
        const struct {
            const char* name;
            int session, cycle, statusPolling;
            bool reconnect, status;
        } cases[] = {
            {"no session", 0, 1, 0, false, false},
            {"session, cycling", 1, 1, 0, true, false},
            {"session, one credential chosen", 1, 0, 0, false, false},
            {"a run of the page going on", 1, 1, 1, true, true},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            dialog.SetTimer(kWpsReconnectTimer, kWpsReconnectMs);
            dialog.SetTimer(kWpsStatusTimer, kWpsStatusMs);
            dialog.SuspendWpsTimers();
            EXPECT_FALSE(Armed(kWpsReconnectTimer, kWpsReconnectMs));
            EXPECT_FALSE(Armed(kWpsStatusTimer, kWpsStatusMs));
            EXPECT_FALSE(Armed(kWpsButtonTimer, kWpsButtonMs));
            g_WpsSessionActive = c.session;
            g_WpsCycleCredentials = c.cycle;
            dialog.ResumeWpsTimers(c.statusPolling);
            EXPECT_EQ(Armed(kWpsReconnectTimer, kWpsReconnectMs), c.reconnect);
            EXPECT_EQ(Armed(kWpsStatusTimer, kWpsStatusMs), c.status);
            EXPECT_TRUE(Armed(kWpsButtonTimer, kWpsButtonMs));
        }
    });
}

TEST_F(WpsMainWindowTest, PinsComeFromTheSecureSource) {
    LoadWps();
    std::uint8_t next = 0;
    world.SetRandomSource([&](void* out, std::size_t n) {
        auto* b = static_cast<std::uint8_t*>(out);
        for (std::size_t i = 0; i < n; ++i) b[i] = next++;
        return true;
    });
    std::uint32_t pin = 0;
    ASSERT_TRUE(GenerateRandomPin(&pin));
    EXPECT_EQ(pin, 2585u) << "bytes 00 01 02: 258 and its checksum 5";
    std::uint8_t bytes[1025] = {};
    EXPECT_FALSE(RandomBytes(bytes, 0));
    EXPECT_FALSE(RandomBytes(bytes, 1025));
    EXPECT_TRUE(RandomBytes(bytes, 1024));
    world.SetRandomSource([](void*, std::size_t) { return false; });
    EXPECT_FALSE(GenerateRandomPin(&pin)) << "a failed source gives no PIN";

    // The system's own source: two PINs drawn one after the other differ (almost surely).
    world.SetRandomSource(nullptr);
    std::uint8_t a[16] = {}, b[16] = {};
    ASSERT_TRUE(RandomBytes(a, sizeof(a)));
    ASSERT_TRUE(RandomBytes(b, sizeof(b)));
    EXPECT_NE(std::memcmp(a, b, sizeof(a)), 0);
}

}  // namespace
