// The two pushes of the access point's configuration, compared entry by entry with the
// simulated driver's journal: the start-up push straight from the driver key, and the
// Config page's Apply (registry write, then the apply push), for open, WEP 64/128 with
// each default key, WPA-PSK, WPA2-PSK, the mixed modes 8 and 9, RADIUS, access-control
// lists and WDS peers.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "softap/core/config/ap_config_store.h"
#include "softap/core/config/ap_registry.h"
#include "softap/core/config/ap_settings.h"
#include "softap/core/push/ap_sheet_sync.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "softap/core/radio/region_check.h"
#include "havix_fixture.h"
#include "journal_steps.h"

namespace {

using namespace steps;

// PBKDF2-HMAC-SHA1, 4096 iterations, 32 bytes, computed elsewhere.
constexpr const char* kPskQuayDadu = "9100db54a59a1f5464e19aa9def2a3361701059717ad41596db9af2fdbc950d3";  // "quay side 8", "DaduVE-21"
constexpr const char* kWdsQuay = "2a8e5b0811d7570b6ff4a5d894dc78c9569a3889fede9d8711cbe5ce6e6e5d4d";      // "quay side 8", "Quibro"
constexpr const char* kPskHarbor = "3fe817e1eea78053ce4338e56d27bb381068997bc831738ae776c08e9fd2124d";    // "harbor lights 2008", "Harbor AP"
constexpr const char* kWdsHarbor = "93fb193c0c55c0b9a0617ddcc01b43395f85dbfd51cd0d583d6bd358fba271dd";    // "harbor lights 2008", "Quibro"
constexpr const char* kPskLong = "52345778154a3d0baa73fff478074284cc44a5bf18cb756a071afb624c7559e3";      // "lantern keeper", 32 x "A"
constexpr const char* kWdsLantern = "979ec2aa279ed8f34d45da3cd143e90842e2d139b4b39a218b652c7d8d9824d6";   // "lantern keeper", "Quibro"

constexpr const char* kWep64 = "0a1b2c3d4e";
constexpr const char* kWep128 = "00112233445566778899aabbcc";
constexpr const char* kWep128b = "ffeeddccbbaa99887766554433";

const Bytes kOptionsTail = {0x5A, 0xA5, 0, 0, 0, 0};

using Values = std::vector<std::pair<const char*, std::string>>;

class CountingSheet : public softap::IApSheetSync {
public:
    void SyncWdsPage() override {
        ++calls;
        allowed = softap::g_Ap.wdsAllowed;
    }
    int calls = 0;
    int allowed = -1;
};

class ApPushTest : public HavixTest {
protected:
    // The soft-AP adapter (chip 7: 802.11n, 5 GHz) with `ApDefault` seeded and copied.
    void Seeded() {
        Load(testutil::Scenario("soft-ap.scn"));
        Bind(7, false);
        softap::InitApDefaults();
    }
    void Write(const Values& values) {
        for (const auto& [name, text] : values) SetText(DriverKey(), name, text);
    }
    void StartUp(softap::IApSheetSync* sheet = nullptr) {
        world.ClearJournal();
        softap::LoadAndApplyApSettings(sheet);
    }
    // The Config page's record as it reads the driver key.
    softap::DaduVeSettings Record() {
        softap::DaduVeSettings s;
        s.WirelessModeText = "802.11 B/G/N mix";
        softap::ReadConfigFromRegistry(s);
        return s;
    }
    void Apply(softap::DaduVeSettings& s, softap::IApSheetSync* sheet = nullptr) {
        world.ClearJournal();
        softap::WriteConfigToRegistryAndSetOid(s, s.TransRate, sheet);
    }
};

// Up to the AP options, what the start-up push sends for a freshly seeded ApDefault: B/G/N,
// full power, every rate, and the driver already holds the rest.
std::vector<Step> SeededStartupPrefix() {
    return {S(kPhyS, U32(9)),
            S(kTxPowerS, U32(100)),
            S(kRatesS, Rates({0x6C, 0x60, 0x48, 0x30, 0x16, 0x0B, 0x04, 0x02})),
            Q(kConfigQ),
            Q(kPreambleQ),
            Q(kRtsQ),
            Q(kFragQ),
            Q(kOptionsQ)};
}

std::vector<Step> Then(std::vector<Step> head, const std::vector<Step>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// ---- start-up push

TEST_F(ApPushTest, StartupPushOfTheSeededConfiguration) {
    Seeded();
    softap::g_Ap.checkBuild = 1;
    CountingSheet sheet;
    StartUp(&sheet);
    ExpectJournal(world, Then(SeededStartupPrefix(), {S(kAuthS, U32(0)), S(kEncS, U32(1)), S(kSsidS, Ssid("DaduVE-21")),
                                                      S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, ""))}));
    EXPECT_EQ(sheet.calls, 1);
    EXPECT_EQ(sheet.allowed, 1);
    EXPECT_EQ(softap::g_Ap.phyMode, 9);
    // Seeding leaves TransmitSetting and TXBurst out: their steps are skipped and traced.
    EXPECT_NE(TraceFile().find("RegQueryValueEx 'REGSTR_TRANSMITSETTING' failed\r\n"), std::string::npos) << TraceFile();
    EXPECT_NE(TraceFile().find("RegQueryValueEx 'REGSTR_TXBURST' failed\r\n"), std::string::npos);
}

TEST_F(ApPushTest, StartupPushSendsEveryRecordOfAFullConfiguration) {
    Seeded();
    Write({{"SSID", "Harbor AP"},
           {"Channel", "11"},
           {"BeaconPeriod", "200"},
           {"PreambleType", "1"},
           {"RtsThresh", "2000"},
           {"TXPower", "2"},
           {"TransRate", "3"},
           {"TXBurst", "1"},
           {"HideSSID", "1"},
           {"IdleTime", "600"},
           {"AuthenType", "7"},
           {"Encryption", "6"},
           {"WPAPSK", "harbor lights 2008"},
           {"RekeyInterval", "3600"},
           {"AccessControlPolicy", "1"}});
    SetMultiString(DriverKey(), "AccessControlList", {"001122334455", "0073FF123456"});
    SetMultiString(DriverKey(), "WdsList", {"020000000001", "020000000002"});
    // B/G/N, MCS 7, 40 MHz with the extension channel above, short guard interval.
    const DWORD transmit = 9 | 7 << 4 | 1 << 11 | 1 << 12 | 1 << 15 | 1 << 17;
    testutil::SetValue(HKEY_LOCAL_MACHINE, DriverKey(), "TransmitSetting", REG_DWORD, &transmit, sizeof(transmit));

    StartUp();

    ExpectJournal(world, {S(kPhyS, U32(9)),
                          S(kHtS, Ht(9, 0, 1, 7, 1, 0, 1)),
                          S(kTxPowerS, U32(50)),
                          S(kRatesS, Rates({0x0B})),
                          Q(kConfigQ),
                          S(kConfigS, Config(200, 2462000)),
                          Q(kPreambleQ),
                          S(kPreambleS, U32(1)),
                          Q(kRtsQ),
                          S(kRtsS, U32(2000)),
                          Q(kFragQ),
                          Q(kOptionsQ),
                          S(kOptionsS, Options(1, 0, 0, 1, 0, 1, 600, kOptionsTail)),
                          S(kAuthS, U32(7)),
                          S(kEncS, U32(6)),
                          S(kAddKeyS, Psk(kPskHarbor)),
                          Q(kRekeyQ),
                          S(kRekeyS, Rekey(0, 3600)),
                          S(kSsidS, Ssid("Harbor AP")),
                          S(kAclS, Acl(1, {"001122334455", "0073FF123456"})),
                          // AES: no peers in use, the link key all the same.
                          S(kWdsS, Wds(0, {"020000000001", "020000000002"}, kWdsHarbor))});
    EXPECT_EQ(softap::g_Ap.authenType, 7);
    EXPECT_EQ(softap::g_Ap.passphrase, "harbor lights 2008");
    EXPECT_EQ(softap::g_Ap.wdsAllowed, 0);
}

struct StartupCase {
    std::string name;
    Values values;
    std::vector<std::string> acl;    // AccessControlList when given
    std::vector<std::string> peers;  // WdsList when given
    std::vector<Step> tail;          // after the AP options
    friend void PrintTo(const StartupCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<StartupCase> StartupCases() {
    std::vector<StartupCase> cases;
    for (int use = 1; use <= 4; ++use)
        cases.push_back({"OpenWepDefaultKey" + std::to_string(use),
                         {{"Encryption", "0"}, {"WEPKeyUse", std::to_string(use)}, {"WEPKey1", kWep64},
                          {"WEPKey2", kWep128}, {"WEPKey3", ""}, {"WEPKey4", kWep128b}},
                         {},
                         {},
                         {S(kAuthS, U32(0)), S(kEncS, U32(0)), S(kAddKeyS, Wep(1, use == 1, kWep64)),
                          S(kAddKeyS, Wep(2, use == 2, kWep128)), S(kRemoveKeyS, RemoveKey(3)),
                          S(kAddKeyS, Wep(4, use == 4, kWep128b)), S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})),
                          S(kWdsS, Wds(0, {}, ""))}});
    // Shared sends its keys whatever the cipher; keys that are not 10 or 26 hex digits go.
    cases.push_back({"SharedWep128",
                     {{"AuthenType", "1"}, {"Encryption", "4"}, {"WEPKeyUse", "2"}, {"WEPKey1", ""},
                      {"WEPKey2", kWep128}, {"WEPKey3", "zz1b2c3d4e"}, {"WEPKey4", "123"}},
                     {},
                     {},
                     {S(kAuthS, U32(1)), S(kEncS, U32(1)), S(kRemoveKeyS, RemoveKey(1)),
                      S(kAddKeyS, Wep(2, true, kWep128)), S(kRemoveKeyS, RemoveKey(3)), S(kRemoveKeyS, RemoveKey(4)),
                      S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, ""))}});
    // No cipher of its own: TKIP. The PSK is salted with the SSID.
    cases.push_back({"WpaPsk",
                     {{"AuthenType", "4"}, {"Encryption", "1"}, {"WPAPSK", "quay side 8"}},
                     {},
                     {},
                     {S(kAuthS, U32(4)), S(kEncS, U32(4)), S(kAddKeyS, Psk(kPskQuayDadu)), Q(kRekeyQ),
                      S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, kWdsQuay))}});
    // 64 hex digits are the key itself.
    cases.push_back({"Wpa2PskHexKey",
                     {{"AuthenType", "7"}, {"Encryption", "6"}, {"WPAPSK", kPskHarbor}},
                     {},
                     {},
                     {S(kAuthS, U32(7)), S(kEncS, U32(6)), S(kAddKeyS, Psk(kPskHarbor)), Q(kRekeyQ),
                      S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, kPskHarbor))}});
    // WPA and WPA2 with a server: at start-up no RADIUS record, the rekeying only.
    cases.push_back({"Mixed8",
                     {{"AuthenType", "8"}, {"Encryption", "8"}, {"RekeyInterval", "120"}},
                     {},
                     {},
                     {S(kAuthS, U32(8)), S(kEncS, U32(8)), Q(kRekeyQ), S(kRekeyS, Rekey(0, 120)),
                      S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, ""))}});
    cases.push_back({"Mixed9",
                     {{"AuthenType", "9"}, {"Encryption", "2"}, {"WPAPSK", "quay side 8"}, {"RekeyMethod", "1"}},
                     {},
                     {},
                     {S(kAuthS, U32(9)), S(kEncS, U32(4)), S(kAddKeyS, Psk(kPskQuayDadu)), Q(kRekeyQ),
                      S(kRekeyS, Rekey(1, 60)), S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})),
                      S(kWdsS, Wds(0, {}, kWdsQuay))}});
    // WPA: the RADIUS server, its address kept as decimal text.
    cases.push_back({"WpaRadius",
                     {{"AuthenType", "3"}, {"Encryption", "4"}, {"RadiusIP", "3232235777"}, {"RadiusPort", "1812"},
                      {"RadiusKey", "secret"}},
                     {},
                     {},
                     {S(kAuthS, U32(3)), S(kEncS, U32(4)), Q(kRadiusQ), S(kRadiusS, Radius(0xC0A80101, 1812, "secret")),
                      Q(kRekeyQ), S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, ""))}});
    // Open with TKIP stored: no cipher is sent, and WDS peers are in use.
    cases.push_back({"OpenWithPeers",
                     {{"Encryption", "4"}},
                     {},
                     {"0073FF123456", "020000000001"},
                     {S(kAuthS, U32(0)), S(kEncS, U32(1)), S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})),
                      S(kWdsS, Wds(2, {"0073FF123456", "020000000001"}, ""))}});
    cases.push_back({"WdsDisabled",
                     {{"WdsEnable", "1"}},
                     {},
                     {"0073FF123456"},
                     {S(kAuthS, U32(0)), S(kEncS, U32(1)), S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})),
                      S(kWdsS, Wds(0, {}, ""))}});
    // Entries that are not 12 hex digits, and repeats in another case, are not sent.
    cases.push_back({"AclAllow",
                     {{"AccessControlPolicy", "1"}},
                     {"001122334455", "00aabbccddee", "00AABBCCDDEE", "0011223344", "00-11-22-33-44-66", "66778899AABB"},
                     {},
                     {S(kAuthS, U32(0)), S(kEncS, U32(1)), S(kSsidS, Ssid("DaduVE-21")),
                      S(kAclS, Acl(1, {"001122334455", "00aabbccddee", "66778899AABB"})), S(kWdsS, Wds(0, {}, ""))}});
    cases.push_back({"AclRejectWithoutEntries",
                     {{"AccessControlPolicy", "2"}},
                     {},
                     {},
                     {S(kAuthS, U32(0)), S(kEncS, U32(1)), S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})),
                      S(kWdsS, Wds(0, {}, ""))}});
    // The SSID the access point broadcasts salts the PSK, also when the stored one is empty.
    cases.push_back({"EmptySsidPsk",
                     {{"SSID", ""}, {"AuthenType", "7"}, {"Encryption", "6"}, {"WPAPSK", "quay side 8"}},
                     {},
                     {},
                     {S(kAuthS, U32(7)), S(kEncS, U32(6)), Q(kMacQ), S(kAddKeyS, Psk(kPskQuayDadu)), Q(kRekeyQ),
                      S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, kWdsQuay))}});
    // 64 characters that are not hex make no key: nothing is added.
    cases.push_back({"PskThatIsNoKey",
                     {{"AuthenType", "4"}, {"Encryption", "4"}, {"WPAPSK", std::string(64, 'g')}},
                     {},
                     {},
                     {S(kAuthS, U32(4)), S(kEncS, U32(4)), Q(kRekeyQ), S(kSsidS, Ssid("DaduVE-21")),
                      S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, ""))}});
    // Fewer than 8 characters make no key either.
    for (const char* psk : {"", "abc", "1234567"})
        cases.push_back({"PskOf" + std::to_string(std::string(psk).size()) + "Characters",
                         {{"AuthenType", "4"}, {"Encryption", "4"}, {"WPAPSK", psk}},
                         {},
                         {},
                         {S(kAuthS, U32(4)), S(kEncS, U32(4)), Q(kRekeyQ), S(kSsidS, Ssid("DaduVE-21")),
                          S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, ""))}});
    // A stored SSID longer than an SSID is cut to 32 bytes, for the key too.
    cases.push_back({"LongSsid",
                     {{"SSID", std::string(40, 'A')}, {"AuthenType", "4"}, {"Encryption", "4"},
                      {"WPAPSK", "lantern keeper"}},
                     {},
                     {},
                     {S(kAuthS, U32(4)), S(kEncS, U32(4)), S(kAddKeyS, Psk(kPskLong)), Q(kRekeyQ),
                      S(kSsidS, Ssid(std::string(32, 'A'))), S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, kWdsLantern))}});
    return cases;
}

class StartupPushTest : public ApPushTest, public ::testing::WithParamInterface<StartupCase> {};

TEST_P(StartupPushTest, SequenceMatchesTheJournal) {
    const StartupCase& c = GetParam();
    Seeded();
    Write(c.values);
    if (!c.acl.empty()) SetMultiString(DriverKey(), "AccessControlList", c.acl);
    if (!c.peers.empty()) SetMultiString(DriverKey(), "WdsList", c.peers);
    StartUp();
    ExpectJournal(world, Then(SeededStartupPrefix(), c.tail));
}

INSTANTIATE_TEST_SUITE_P(Configurations, StartupPushTest, ::testing::ValuesIn(StartupCases()),
                         [](const ::testing::TestParamInfo<StartupCase>& info) { return info.param.name; });

TEST_F(ApPushTest, StartupPushWithoutTheDriverKeySendsNothing) {
    Seeded();
    g_DriverKeyPath[0] = 0;
    StartUp();
    EXPECT_TRUE(world.Journal().empty());
}

TEST_F(ApPushTest, StartupPushIssuesTheSetsWhenTheDriverDoesNotAnswerItsQueries) {
    Load(testutil::Scenario("soft-ap.scn"));
    Bind(7, false);
    softap::InitApDefaults();
    for (uint32_t q : {kConfigQ, kPreambleQ, kRtsQ, kFragQ, kOptionsQ}) world.FailOid(q, 1);
    StartUp();
    ExpectJournal(world, {S(kPhyS, U32(9)), S(kTxPowerS, U32(100)),
                          S(kRatesS, Rates({0x6C, 0x60, 0x48, 0x30, 0x16, 0x0B, 0x04, 0x02})), Q(kConfigQ),
                          S(kConfigS, Config(100, 2412000)), Q(kPreambleQ), S(kPreambleS, U32(0)), Q(kRtsQ),
                          S(kRtsS, U32(2347)), Q(kFragQ), S(kFragS, U32(2346)), Q(kOptionsQ),
                          S(kOptionsS, Options(0, 0, 0, 0, 0, 1, 300, Zeros(6))), S(kAuthS, U32(0)), S(kEncS, U32(1)),
                          S(kSsidS, Ssid("DaduVE-21")), S(kAclS, Acl(0, {})), S(kWdsS, Wds(0, {}, ""))});
}

// Without the driver's records the push sends records of its own: what neither the driver
// nor the registry gives is the seeded value (beacon 100, the first channel the mode and
// regions allow, short slot, idle time 300), never 0, and each is traced.
struct OwnRecordCase {
    const char* name;
    const char* mode;
    const char* channel;  // null: missing
    uint32_t kHz;
};

class StartupOwnRecordTest : public ApPushTest, public ::testing::WithParamInterface<OwnRecordCase> {};

TEST_P(StartupOwnRecordTest, NoFieldGoesOutAsZero) {
    const OwnRecordCase& c = GetParam();
    Seeded();
    softap::g_Ap.checkBuild = 1;
    SetText(DriverKey(), "WirelessMode", c.mode);
    if (c.channel) SetText(DriverKey(), "Channel", c.channel);
    else testutil::DeleteValue(DriverKey(), "Channel");
    for (const char* name : {"BeaconPeriod", "ShortSlot", "IdleTime"}) testutil::DeleteValue(DriverKey(), name);
    world.FailOid(kConfigQ, 1);
    world.FailOid(kOptionsQ, 1);
    StartUp();
    const auto config = testutil::SetsOf(world, kConfigS);
    ASSERT_EQ(config.size(), 1u);
    EXPECT_EQ(Hex(config[0].in), Hex(Config(100, c.kHz)));
    const auto options = testutil::SetsOf(world, kOptionsS);
    ASSERT_EQ(options.size(), 1u);
    EXPECT_EQ(Hex(options[0].in), Hex(Options(0, 0, 0, 0, 0, 1, 300, Zeros(6))));
    EXPECT_NE(TraceFile().find("Configuration query failed: beacon period 100"), std::string::npos) << TraceFile();
    EXPECT_NE(TraceFile().find("Configuration query failed: DS frequency"), std::string::npos);
    EXPECT_NE(TraceFile().find("AP options query failed"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Channels, StartupOwnRecordTest,
                         ::testing::Values(OwnRecordCase{"seededChannel", "9", "0", 2412000},
                                           OwnRecordCase{"missingChannel", "9", nullptr, 2412000},
                                           OwnRecordCase{"channelNotInTable", "9", "99", 2412000},
                                           // A only: the first 5 GHz channel, 36.
                                           OwnRecordCase{"aOnly", "2", "0", 5180000}),
                         [](const ::testing::TestParamInfo<OwnRecordCase>& info) { return std::string(info.param.name); });

TEST_F(ApPushTest, ApplyWithoutTheDriversConfigurationSendsTheFirstChannel) {
    Seeded();
    softap::g_Ap.checkBuild = 1;
    softap::DaduVeSettings s = Record();
    s.ChannelText = "";
    s.BeaconPeriod = 250;
    world.FailOid(kConfigQ, 1);
    Apply(s);
    const auto config = testutil::SetsOf(world, kConfigS);
    ASSERT_EQ(config.size(), 1u);
    EXPECT_EQ(Hex(config[0].in), Hex(Config(250, 2412000)));
    EXPECT_NE(TraceFile().find("Configuration query failed: DS frequency 2412000 kHz"), std::string::npos) << TraceFile();
}

// A stored list longer than the start-up buffer is read whole: an Allow filter stays one.
class StartupLongAclTest : public ApPushTest, public ::testing::WithParamInterface<int> {};

TEST_P(StartupLongAclTest, SendsTheFirstThirtyTwoEntries) {
    Seeded();
    Write({{"AccessControlPolicy", "1"}});
    SetMultiString(DriverKey(), "AccessControlList", StationList(GetParam()));
    StartUp();
    const auto sets = testutil::SetsOf(world, kAclS);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Hex(sets[0].in), Hex(Acl(1, FirstStations(32))));
}

INSTANTIATE_TEST_SUITE_P(Lengths, StartupLongAclTest, ::testing::Values(79, 200));

// Without the adapter's address an empty stored SSID names nothing: no "DaduVE-00" goes
// out as the SSID or as the key's salt.
TEST_F(ApPushTest, StartupPushWithoutAnSsidOrAddressSendsNeither) {
    Seeded();
    softap::g_Ap.checkBuild = 1;
    Write({{"SSID", ""}, {"AuthenType", "4"}, {"Encryption", "4"}, {"WPAPSK", "quay side 8"}});
    world.FailOid(kMacQ, 1);
    StartUp();
    EXPECT_TRUE(testutil::SetsOf(world, kSsidS).empty());
    EXPECT_TRUE(testutil::SetsOf(world, kAddKeyS).empty());
    EXPECT_EQ(testutil::SetsOf(world, kAclS).size(), 1u) << "the rest of the push goes on";
    EXPECT_NE(TraceFile().find("No SSID: OID_802_11_SSID not sent"), std::string::npos) << TraceFile();
}

struct RateCase {
    const char* mode;
    const char* rate;
    Bytes rates;  // empty: no rates sent
};

class StartupRatesTest : public ApPushTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(StartupRatesTest, RatesFollowModeAndIndex) {
    Seeded();
    Write({{"WirelessMode", GetParam().mode}, {"TransRate", GetParam().rate}});
    StartUp();
    const auto sets = testutil::SetsOf(world, kRatesS);
    if (GetParam().rates.empty()) {
        EXPECT_TRUE(sets.empty());
        return;
    }
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Hex(sets[0].in), Hex(GetParam().rates));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StartupRatesTest,
    ::testing::Values(RateCase{"1", "0", Rates({0x16, 0x0B, 0x04, 0x02})}, RateCase{"1", "7", Rates({0x16, 0x0B, 0x04, 0x02})},
                      RateCase{"1", "4", Rates({0x16})}, RateCase{"4", "1", Rates({0x0C})},
                      RateCase{"4", "0", Rates({0x6C, 0x60, 0x48, 0x30, 0x24, 0x18, 0x12, 0x0C})},
                      RateCase{"2", "8", Rates({0x6C})}, RateCase{"2", "9", Rates({0x6C, 0x60, 0x48, 0x30, 0x24, 0x18, 0x12, 0x0C})},
                      RateCase{"0", "12", Rates({0x6C})}, RateCase{"9", "5", Rates({0x0C})}, RateCase{"6", "3", {}}));

// ---- Apply

std::vector<Step> SeededApplyPrefix() {
    return {Q(kConfigQ),
            S(kPhyS, U32(9)),
            S(kHtS, Ht(9, 0, 0, 0, 0, 0, 0)),
            S(kRatesS, Rates({0x6C, 0x60, 0x48, 0x30, 0x16, 0x0B, 0x04, 0x02})),
            Q(kPreambleQ),
            Q(kRtsQ),
            Q(kFragQ),
            S(kTxPowerS, U32(100)),
            Q(kOptionsQ)};
}

struct ApplyCase {
    std::string name;
    softap::SecurityConfig security;
    std::vector<std::string> peers;  // WdsList in the registry
    std::vector<Step> tail;          // from the authentication on
    friend void PrintTo(const ApplyCase& c, std::ostream* os) { *os << c.name; }
};

softap::SecurityConfig Security(int auth, int encryption, const std::string& psk = "") {
    softap::SecurityConfig s;
    s.AuthenType = auth;
    s.Encryption = encryption;
    s.WPAPSK = psk;
    s.RekeyInterval = 60;
    return s;
}

std::vector<ApplyCase> ApplyCases() {
    std::vector<ApplyCase> cases;
    cases.push_back({"Open", Security(0, 1), {},
                     {S(kAuthS, U32(0)), S(kWdsS, Wds(0, {}, "")), S(kEncS, U32(1)), S(kSsidS, Ssid("DaduVE-21"))}});
    for (int use = 1; use <= 4; ++use) {
        softap::SecurityConfig wep = Security(0, 0);
        wep.WEPKeyUse = use - 1;
        wep.WEPKey[0] = kWep64;
        wep.WEPKey[1] = "";
        wep.WEPKey[2] = kWep128;
        wep.WEPKey[3] = kWep64;
        cases.push_back({"WepDefaultKey" + std::to_string(use), wep, {},
                         {S(kAuthS, U32(0)), S(kWdsS, Wds(0, {}, "")), S(kEncS, U32(0)),
                          S(kAddKeyS, Wep(1, use == 1, kWep64)), S(kRemoveKeyS, RemoveKey(2)),
                          S(kAddKeyS, Wep(3, use == 3, kWep128)), S(kAddKeyS, Wep(4, use == 4, kWep64)),
                          S(kSsidS, Ssid("DaduVE-21"))}});
    }
    softap::SecurityConfig shared = Security(1, 1);
    shared.WEPKeyUse = 0;
    shared.WEPKey[0] = kWep128b;
    cases.push_back({"SharedWep128", shared, {},
                     {S(kAuthS, U32(1)), S(kWdsS, Wds(0, {}, "")), S(kEncS, U32(1)),
                      S(kAddKeyS, Wep(1, true, kWep128b)), S(kRemoveKeyS, RemoveKey(2)), S(kRemoveKeyS, RemoveKey(3)),
                      S(kRemoveKeyS, RemoveKey(4)), S(kSsidS, Ssid("DaduVE-21"))}});
    // WPA-PSK without a cipher of its own: TKIP; the link key is there, the peers are not in use.
    cases.push_back({"WpaPsk", Security(4, 1, "quay side 8"), {"0073FF123456"},
                     {S(kAuthS, U32(4)), S(kWdsS, Wds(0, {"0073FF123456"}, kWdsQuay)), S(kEncS, U32(4)),
                      S(kAddKeyS, Psk(kPskQuayDadu)), Q(kRekeyQ), S(kSsidS, Ssid("DaduVE-21"))}});
    cases.push_back({"Wpa2PskHexKey", Security(7, 6, kPskHarbor), {},
                     {S(kAuthS, U32(7)), S(kWdsS, Wds(0, {}, kPskHarbor)), S(kEncS, U32(6)),
                      S(kAddKeyS, Psk(kPskHarbor)), Q(kRekeyQ), S(kSsidS, Ssid("DaduVE-21"))}});
    // Mode 8 keeps whatever cipher it has at Apply, and sends its RADIUS server.
    softap::SecurityConfig mixed8 = Security(8, 1);
    mixed8.RadiusIP = 0xC0A80101;
    mixed8.RadiusPort = 1812;
    mixed8.RadiusKey = std::string(70, 'k');
    cases.push_back({"Mixed8", mixed8, {},
                     {S(kAuthS, U32(8)), S(kWdsS, Wds(0, {}, "")), S(kEncS, U32(1)), Q(kRadiusQ),
                      S(kRadiusS, Radius(0xC0A80101, 1812, std::string(64, 'k'))), Q(kRekeyQ),
                      S(kSsidS, Ssid("DaduVE-21"))}});
    cases.push_back({"Mixed9", Security(9, 8, "quay side 8"), {},
                     {S(kAuthS, U32(9)), S(kWdsS, Wds(0, {}, kWdsQuay)), S(kEncS, U32(8)),
                      S(kAddKeyS, Psk(kPskQuayDadu)), Q(kRekeyQ), S(kSsidS, Ssid("DaduVE-21"))}});
    softap::SecurityConfig wpa2 = Security(6, 6);
    wpa2.RekeyMethod = 1;
    cases.push_back({"Wpa2Radius", wpa2, {},
                     {S(kAuthS, U32(6)), S(kWdsS, Wds(0, {}, "")), S(kEncS, U32(6)), Q(kRadiusQ), Q(kRekeyQ),
                      S(kRekeyS, Rekey(1, 60)), S(kSsidS, Ssid("DaduVE-21"))}});
    // 5 is no authentication the access point knows: open.
    cases.push_back({"UnknownAuthentication", Security(5, 4), {},
                     {S(kAuthS, U32(0)), S(kWdsS, Wds(0, {}, "")), S(kEncS, U32(1)), S(kSsidS, Ssid("DaduVE-21"))}});
    // A passphrase of fewer than 8 characters is no key: no ADD_KEY, no link key.
    for (const char* psk : {"", "abc", "1234567"})
        cases.push_back({"PskOf" + std::to_string(std::string(psk).size()) + "Characters", Security(4, 4, psk), {},
                         {S(kAuthS, U32(4)), S(kWdsS, Wds(0, {}, "")), S(kEncS, U32(4)), Q(kRekeyQ),
                          S(kSsidS, Ssid("DaduVE-21"))}});
    cases.push_back({"OpenWithPeers", Security(0, 4), {"0073FF123456", "020000000001", "020000000002"},
                     {S(kAuthS, U32(0)), S(kWdsS, Wds(3, {"0073FF123456", "020000000001", "020000000002"}, "")),
                      S(kEncS, U32(1)), S(kSsidS, Ssid("DaduVE-21"))}});
    return cases;
}

class ApplyPushTest : public ApPushTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(ApplyPushTest, SequenceMatchesTheJournal) {
    const ApplyCase& c = GetParam();
    Seeded();
    if (!c.peers.empty()) {
        SetMultiString(ApDefault(), "WdsList", c.peers);
        SetMultiString(DriverKey(), "WdsList", c.peers);
    }
    softap::DaduVeSettings s = Record();
    s.Security = c.security;
    CountingSheet sheet;
    Apply(s, &sheet);
    ExpectJournal(world, Then(SeededApplyPrefix(), c.tail));
    EXPECT_EQ(sheet.calls, 1);
    // Access control is the Access Control page's: Apply never sends it.
    EXPECT_TRUE(testutil::SetsOf(world, kAclS).empty());
}

INSTANTIATE_TEST_SUITE_P(Configurations, ApplyPushTest, ::testing::ValuesIn(ApplyCases()),
                         [](const ::testing::TestParamInfo<ApplyCase>& info) { return info.param.name; });

// A stored WdsList longer than the start-up buffer (written by other means) is read whole,
// at start-up and in the Apply push: its first 3 valid, distinct peers go to the driver.
class LongWdsListTest : public ApPushTest, public ::testing::WithParamInterface<int> {};

TEST_P(LongWdsListTest, BothPushesSendTheFirstThreePeers) {
    Seeded();
    Write({{"Encryption", "4"}});
    SetMultiString(DriverKey(), "WdsList", StationList(GetParam()));
    SetMultiString(ApDefault(), "WdsList", StationList(GetParam()));
    StartUp();
    auto sets = testutil::SetsOf(world, kWdsS);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Hex(sets[0].in), Hex(Wds(3, FirstStations(3), "")));

    softap::DaduVeSettings s = Record();
    s.Security = Security(0, 4);
    Apply(s);
    sets = testutil::SetsOf(world, kWdsS);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Hex(sets[0].in), Hex(Wds(3, FirstStations(3), "")));
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongWdsListTest, ::testing::Values(79, 200));

TEST_F(ApPushTest, ApplyWithOnlyTheBeaconChangedSkipsWhatTheDriverHolds) {
    Seeded();
    softap::DaduVeSettings s = Record();
    s.Security = Security(8, 8);
    s.Security.RadiusIP = 0x0A000001;
    s.Security.RekeyInterval = 90;
    s.PreambleType = 1;
    s.RtsThresh = 1000;
    s.FragThresh = 1500;
    s.NoForwarding = 1;
    Apply(s);
    s.BeaconPeriod = 250;
    Apply(s);
    ExpectJournal(world, {Q(kConfigQ), S(kConfigS, Config(250, 2437000)), S(kPhyS, U32(9)),
                          S(kHtS, Ht(9, 0, 0, 0, 0, 0, 0)),
                          S(kRatesS, Rates({0x6C, 0x60, 0x48, 0x30, 0x16, 0x0B, 0x04, 0x02})), Q(kPreambleQ), Q(kRtsQ),
                          Q(kFragQ), S(kTxPowerS, U32(100)), Q(kOptionsQ), S(kAuthS, U32(8)),
                          S(kWdsS, Wds(0, {}, "")), S(kEncS, U32(8)), Q(kRadiusQ), Q(kRekeyQ),
                          S(kSsidS, Ssid("DaduVE-21"))});
}

TEST_F(ApPushTest, ApplySendsTheRecordsOfAnHtConfigurationWithTheSsidLast) {
    Seeded();
    softap::DaduVeSettings s = Record();
    s.SSID = "Harbor AP";
    s.ChannelText = "36";
    s.WirelessModeText = "802.11 A/N mix";
    s.Bw40 = 1;
    s.ShortGi = 1;
    s.Stbc = 1;
    s.HtMode = 1;
    s.McsText = "Auto";
    s.ExtChannelText = "40";
    s.TXPower = 4;
    s.TransRate = 2;
    s.HideSSID = 1;
    s.IdleTime = 900;
    s.Security = Security(7, 6, "harbor lights 2008");
    Apply(s);
    ExpectJournal(world, {Q(kConfigQ),
                          S(kConfigS, Config(100, 5180000)),
                          S(kPhyS, U32(8)),
                          S(kHtS, Ht(8, 1, 1, 33, 1, 1, 1)),
                          S(kRatesS, Rates({0x12})),
                          Q(kPreambleQ),
                          Q(kRtsQ),
                          Q(kFragQ),
                          S(kTxPowerS, U32(12)),
                          Q(kOptionsQ),
                          S(kOptionsS, Options(0, 0, 0, 1, 0, 1, 900, kOptionsTail)),
                          S(kAuthS, U32(7)),
                          S(kWdsS, Wds(0, {}, kWdsHarbor)),
                          S(kEncS, U32(6)),
                          S(kAddKeyS, Psk(kPskHarbor)),
                          Q(kRekeyQ),
                          S(kSsidS, Ssid("Harbor AP"))});
    // And the registry holds what was sent.
    EXPECT_EQ(Text(ApDefault(), "WirelessMode"), "8");
    EXPECT_EQ(Text(ApDefault(), "Channel"), "36");
    EXPECT_EQ(Text(DriverKey(), "SSID"), "Harbor AP");
    const auto transmit = testutil::ReadValue(HKEY_LOCAL_MACHINE, ApDefault(), "TransmitSetting");
    ASSERT_TRUE(transmit.present);
    EXPECT_EQ(transmit.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Hex(transmit.data), Hex(U32(8 | 33 << 4 | 1 << 11 | 1 << 12 | 1 << 13 | 1 << 15 | 1 << 16 | 1 << 17)));
}

TEST_F(ApPushTest, ApplyOnARegionSelectableAdapterSendsTheRegion) {
    Load(testutil::Scenario("soft-ap.scn"));
    Bind(1, false);  // chips 0 and 1 run the region check
    g_Supports5GHz = 0;
    softap::InitApDefaults();
    softap::CheckRegionAndChannel();
    ASSERT_EQ(softap::g_Ap.region24Selectable, 1);
    softap::DaduVeSettings s = Record();
    s.CountryRegion = 5;
    s.CountryRegionABand = 3;
    int rebuilt = 0;
    world.ClearJournal();
    softap::WriteConfigToRegistryAndSetOid(s, 0, nullptr, [&] { ++rebuilt; });
    const auto sets = testutil::SetsOf(world, kRegionS);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Hex(sets[0].in), Hex(U32(0x0305)));
    EXPECT_EQ(softap::g_Ap.regionWord, 0x0305u);
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(Text(ApDefault(), "CountryRegion"), "5");
    EXPECT_EQ(Text(ApDefault(), "CountryRegionABand"), "3");
}

TEST_F(ApPushTest, ApplyOnOtherChipsSendsNoRegion) {
    Seeded();
    softap::DaduVeSettings s = Record();
    s.CountryRegion = 5;
    Apply(s);
    EXPECT_TRUE(testutil::SetsOf(world, kRegionS).empty());
    EXPECT_EQ(Text(ApDefault(), "CountryRegion"), "0");
}

// ---- the registry write of Apply

TEST_F(ApPushTest, ApplyStoresWhatTheModeAllows) {
    struct Case {
        const char* mode;
        int rate;
        int protection;
        const char* storedMode;
        const char* storedRate;
        const char* storedProtection;
    } cases[] = {
        {"802.11 B Only", 7, 1, "1", "0", "0"},   {"802.11 G Only", 9, 1, "4", "0", "0"},
        {"802.11 G Only", 8, 1, "4", "8", "0"},   {"802.11 A Only", 9, 1, "2", "0", "0"},
        {"802.11 B/G Mixed", 12, 1, "0", "12", "1"}, {"no such mode", 3, 1, "0", "3", "1"},
    };
    Seeded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        softap::DaduVeSettings s = Record();
        s.WirelessModeText = c.mode;
        s.BGProtection = c.protection;
        softap::WriteConfigToRegistryAndSetOid(s, c.rate, nullptr);
        EXPECT_EQ(Text(ApDefault(), "WirelessMode"), c.storedMode);
        EXPECT_EQ(Text(ApDefault(), "TransRate"), c.storedRate);
        EXPECT_EQ(Text(ApDefault(), "BGProtection"), c.storedProtection);
        EXPECT_EQ(Text(DriverKey(), "TransRate"), c.storedRate);
    }
}

TEST_F(ApPushTest, ApplyStoresKeysOnlyForTheAuthenticationInUse) {
    Seeded();
    Write({{"WPAPSK", "old passphrase"}, {"WEPKey1", "1111111111"}});
    SetText(ApDefault(), "WPAPSK", "old passphrase");
    SetText(ApDefault(), "WEPKey1", "1111111111");
    softap::DaduVeSettings s = Record();

    // WPA (3): neither the passphrase nor the WEP keys are rewritten.
    s.Security = Security(3, 4, "new passphrase");
    s.Security.WEPKey[0] = kWep64;
    Apply(s);
    EXPECT_EQ(Text(ApDefault(), "WPAPSK"), "old passphrase");
    EXPECT_EQ(Text(ApDefault(), "WEPKey1"), "1111111111");
    EXPECT_EQ(Text(ApDefault(), "AuthenType"), "3");

    s.Security = Security(4, 4, "new passphrase");
    Apply(s);
    EXPECT_EQ(Text(ApDefault(), "WPAPSK"), "new passphrase");
    EXPECT_EQ(Text(ApDefault(), "WEPKey1"), "1111111111");
    EXPECT_EQ(softap::g_Ap.passphrase, "new passphrase");

    s.Security = Security(0, 0);
    s.Security.WEPKeyUse = 2;
    s.Security.WEPKeyType[2] = 1;
    s.Security.WEPKey[0] = kWep64;
    Apply(s);
    EXPECT_EQ(Text(ApDefault(), "WEPKey1"), kWep64);
    EXPECT_EQ(Text(ApDefault(), "WEPKeyUse"), "3");
    EXPECT_EQ(Text(ApDefault(), "WEPKey3Type"), "1");
    EXPECT_EQ(Text(ApDefault(), "WPAPSK"), "new passphrase");
}

TEST_F(ApPushTest, ApplyStoresChannelRadiusAndIdleTimeAsTheyAreReadBack) {
    Seeded();
    softap::DaduVeSettings s = Record();
    s.ChannelText = "J12";
    s.IdleTime = 3600;
    s.Security.RadiusIP = 0xC0A80101;
    s.Security.RadiusPort = 1812;
    Apply(s);
    // The J channel's frequency reached the driver.
    const auto config = testutil::SetsOf(world, kConfigS);
    ASSERT_EQ(config.size(), 1u);
    EXPECT_EQ(Hex(config[0].in), Hex(Config(100, 5060000)));
    EXPECT_EQ(Text(ApDefault(), "Channel"), "212");
    EXPECT_EQ(Text(ApDefault(), "RadiusIP"), "3232235777");
    EXPECT_EQ(Text(DriverKey(), "RadiusIP"), "3232235777");

    // Saving again changes nothing of them.
    softap::DaduVeSettings again = Record();
    EXPECT_EQ(again.Security.RadiusIP, 0xC0A80101u);
    EXPECT_EQ(again.Security.RadiusPort, 1812u);
    EXPECT_EQ(again.IdleTime, 3600);
    EXPECT_EQ(again.ChannelText, "212");
    Apply(again);
    EXPECT_EQ(Text(ApDefault(), "RadiusIP"), "3232235777");
    EXPECT_EQ(Text(ApDefault(), "Channel"), "212");
}

TEST_F(ApPushTest, ApplyWithoutApDefaultStillPushes) {
    Seeded();
    softap::DaduVeSettings s = Record();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, ApDefault().c_str());
    s.SSID = "No Store";
    Apply(s);
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, ApDefault()));
    const auto ssid = testutil::SetsOf(world, kSsidS);
    ASSERT_EQ(ssid.size(), 1u);
    EXPECT_EQ(Hex(ssid[0].in), Hex(Ssid("No Store")));
}

TEST_F(ApPushTest, ReadingTheRecordSetsPhyModeAndHtSetting) {
    Seeded();
    Write({{"WirelessMode", "2"}, {"Channel", "44"}, {"AllowBW40Capability", "1"}});
    const DWORD transmit = 2 | 15 << 4 | 1 << 11 | 1 << 15 | 3 << 17;
    testutil::SetValue(HKEY_LOCAL_MACHINE, DriverKey(), "TransmitSetting", REG_DWORD, &transmit, sizeof(transmit));
    world.ClearJournal();
    softap::DaduVeSettings s = Record();
    EXPECT_EQ(s.WirelessModeText, "802.11 A Only");
    EXPECT_EQ(s.McsText, "15");
    EXPECT_EQ(s.Bw40, 1);
    EXPECT_EQ(s.ExtChannelText, "40");
    EXPECT_EQ(s.AllowBW40Capability, 1);
    ExpectJournal(world, {S(kPhyS, U32(2)), S(kHtS, Ht(2, 0, 3, 15, 1, 0, 0))});

    // In the modes with 2.4 GHz and 802.11n the 40 MHz flag needs AllowBW40InBGBand.
    for (const char* mode : {"8", "9"}) {
        SCOPED_TRACE(mode);
        Write({{"WirelessMode", mode}});
        softap::g_Ap.allowBw40InBgBand = 0;
        EXPECT_EQ(Record().Bw40, 0);
        softap::g_Ap.allowBw40InBgBand = 1;
        EXPECT_EQ(Record().Bw40, 1);
    }
}

}  // namespace
