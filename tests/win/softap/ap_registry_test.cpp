// `ApDefault` and the driver key at access-point start: the seeding (missing, seeded by the
// station utility, complete), the run-once TX-burst copy, the country-region and channel
// check, band detection, AllowBW40InBGBand, the op mode, the WZCSVC stop and the trace file.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "softap/core/config/ap_config_store.h"
#include "softap/core/config/ap_registry.h"
#include "softap/core/config/ap_settings.h"
#include "softap/core/radio/band_detect.h"
#include "softap/core/device/op_mode.h"
#include "softap/core/radio/region_check.h"
#include "softap/core/device/wzc_service.h"
#include "havix_fixture.h"

namespace {

using testutil::U32;

// Every value of a key: name -> {type, bytes}.
std::map<std::string, testutil::RegValue> Values(const std::string& path) {
    std::map<std::string, testutil::RegValue> out;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return out;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof(name);
        BYTE data[2048];
        DWORD dataSize = sizeof(data);
        DWORD type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
        testutil::RegValue v;
        v.present = true;
        v.type = type;
        v.data.assign(data, data + dataSize);
        out[name] = v;
    }
    RegCloseKey(key);
    return out;
}

std::string Adapter(const std::string& hardwareId, bool fiveGhz, bool ht, const std::string& extra = "") {
    return "[adapter]\n"
           "hardware_id = " + hardwareId + "\n"
           "description = Norvane ZQ-4402\n"
           "instance_id = {11111111-2222-3333-4444-555555555555}\n"
           "driver = {4d36e972-e325-11ce-bfc1-08002be10318}\\0010\n"
           "mac = 02-E1-F0-70-01-A7\n"
           "supports_5ghz = " + (fiveGhz ? "yes" : "no") + "\n"
           "supports_11n = " + (ht ? "yes" : "no") + "\n" + extra;
}

class ApRegistryTest : public HavixTest {
protected:
    void LoadSoftAp() {
        Load(testutil::Scenario("soft-ap.scn"));
        Bind(7, false);
    }
};

// ---- seeding

struct SeedCase {
    bool fiveGhz;
    bool ht;
    const char* mode;
};

class ApSeedTest : public ApRegistryTest, public ::testing::WithParamInterface<SeedCase> {};

TEST_P(ApSeedTest, MissingApDefaultIsCreatedWithHavixsValuesAndCopied) {
    const SeedCase& c = GetParam();
    Load(Adapter(c.ht ? "PCI\\VEN_F0E1&DEV_7001" : "PCI\\VEN_F0E1&DEV_4001", c.fiveGhz, c.ht));
    Bind(c.ht ? 7 : 4, false);
    ASSERT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, ApDefault()));

    EXPECT_EQ(softap::InitApDefaults(), 1);

    const auto seeded = Values(ApDefault());
    const std::map<std::string, std::string> texts = {
        {"SSID", "DaduVE-A7"}, {"WirelessMode", c.mode}, {"TransRate", "0"}, {"TurboRate", "0"},
        {"BGProtection", "0"}, {"ShortSlot", "1"}, {"CountryRegion", "0"}, {"CountryRegionABand", "0"},
        {"Channel", "0"}, {"PreambleType", "0"}, {"TXPower", "0"}, {"RtsThresh", "2347"}, {"FragThresh", "2346"},
        {"AuthenType", "0"}, {"Encryption", "1"}, {"WPAPSK", ""}, {"WEPKey1Type", "0"}, {"WEPKey2Type", "0"},
        {"WEPKey3Type", "0"}, {"WEPKey4Type", "0"}, {"WEPKeyUse", "1"}, {"WEPKey1", ""}, {"WEPKey2", ""},
        {"WEPKey3", ""}, {"WEPKey4", ""}, {"RekeyInterval", "60"}, {"RekeyMethod", "0"}, {"RadiusIP", ""},
        {"RadiusPort", ""}, {"RadiusKey", ""}, {"AccessControlPolicy", "0"}, {"WdsEnable", "0"},
        {"AutoChannelSelect", "0"}, {"NoForwarding", "0"}, {"HideSSID", "0"}, {"BeaconPeriod", "100"},
        {"IdleTime", "300"}};
    EXPECT_EQ(seeded.size(), texts.size() + 2);
    for (const auto& [name, text] : texts) {
        ASSERT_TRUE(seeded.count(name)) << name;
        EXPECT_EQ(seeded.at(name).type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(seeded.at(name).Text(), text) << name;
    }
    for (const char* list : {"AccessControlList", "WdsList"}) {
        ASSERT_TRUE(seeded.count(list)) << list;
        EXPECT_EQ(seeded.at(list).type, static_cast<DWORD>(REG_MULTI_SZ));
        EXPECT_EQ(seeded.at(list).data, std::vector<BYTE>{0}) << list;
    }
    // The driver key now holds every seeded value.
    const auto live = Values(DriverKey());
    for (const auto& [name, value] : seeded) {
        ASSERT_TRUE(live.count(name)) << name;
        EXPECT_EQ(live.at(name).data, value.data) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Bands, ApSeedTest,
                         ::testing::Values(SeedCase{true, true, "9"}, SeedCase{false, true, "9"},
                                           SeedCase{true, false, "0"}, SeedCase{false, false, "0"}));

TEST_F(ApRegistryTest, StationSeededApDefaultGetsWhatHavixReadsAndKeepsTheRest) {
    LoadSoftAp();
    // What the station utility seeds: other names for the security values, no idle time,
    // no regions, WDS off.
    const std::vector<std::pair<const char*, const char*>> station = {
        {"SSID", "DaduVE-21"}, {"WirelessMode", "0"}, {"TransRate", "0"}, {"TurboRate", "0"},
        {"BGProtection", "0"}, {"ShortSlot", "1"}, {"Channel", "0"}, {"PreambleType", "0"}, {"TXPower", "0"},
        {"RtsThresh", "2347"}, {"FragThresh", "0"}, {"AuthMode", "0"}, {"CipherMode", "1"}, {"WPAPSK", ""},
        {"WEPKeyUse", "1"}, {"RekeyInterval", "60"}, {"RekeyMethod", "0"}, {"RadiusIP", ""}, {"RadiusPort", ""},
        {"RadiusKey", ""}, {"AccessControlPolicy", "0"}, {"WdsEnable", "1"}, {"AutoChannelSelect", "0"},
        {"NoForwarding", "0"}, {"HideSSID", "0"}, {"BeaconPeriod", "100"}};
    for (const auto& [name, text] : station) SetText(ApDefault(), name, text);
    SetMultiString(ApDefault(), "AccessControlList", {});
    SetMultiString(ApDefault(), "WdsList", {});
    SetText(DriverKey(), "CountryRegion", "5");
    SetText(DriverKey(), "CountryRegionABand", "7");

    softap::InitApDefaults();

    // Nothing present is overwritten.
    for (const auto& [name, text] : station) EXPECT_EQ(Text(ApDefault(), name), text) << name;
    // What Havix reads and the station did not write comes with Havix's defaults.
    for (const auto& [name, text] : std::vector<std::pair<const char*, const char*>>{
             {"AuthenType", "0"}, {"Encryption", "1"}, {"IdleTime", "300"}, {"WEPKey1Type", "0"}, {"WEPKey4", ""}})
        EXPECT_EQ(Text(ApDefault(), name), text) << name;
    // But for the regions: they are the adapter's, and the copy leaves the driver key's alone.
    EXPECT_EQ(Text(ApDefault(), "CountryRegion"), "<missing>");
    EXPECT_EQ(Text(ApDefault(), "CountryRegionABand"), "<missing>");
    EXPECT_EQ(Text(DriverKey(), "CountryRegion"), "5");
    EXPECT_EQ(Text(DriverKey(), "CountryRegionABand"), "7");
    EXPECT_EQ(Text(DriverKey(), "IdleTime"), "300");
    EXPECT_EQ(Text(DriverKey(), "FragThresh"), "0");
    EXPECT_EQ(Text(DriverKey(), "AuthMode"), "0");

    // So the Config page's record holds an idle time its Apply accepts.
    softap::DaduVeSettings settings;
    softap::ReadConfigFromRegistry(settings);
    EXPECT_EQ(settings.IdleTime, 300);
    EXPECT_EQ(settings.Security.Encryption, 1);
}

// The seeded SSID is named after the adapter's address: without it no SSID is stored (a
// "DaduVE-00" would stay for good); the next start with the address adds it.
TEST_F(ApRegistryTest, SeedingWithoutTheAdaptersAddressLeavesTheSsidOut) {
    LoadSoftAp();
    world.FailOid(0x01010102, 1);
    softap::InitApDefaults();
    EXPECT_EQ(Text(ApDefault(), "SSID"), "<missing>");
    EXPECT_EQ(Text(ApDefault(), "BeaconPeriod"), "100") << "the rest is seeded";
    EXPECT_EQ(Text(DriverKey(), "SSID"), "<missing>");
    EXPECT_EQ(softap::LastTrace(), "OID_802_3_CURRENT_ADDRESS failed: SSID not seeded\n");

    softap::InitApDefaults();
    EXPECT_EQ(Text(ApDefault(), "SSID"), "DaduVE-21");
    EXPECT_EQ(Text(DriverKey(), "SSID"), "DaduVE-21");
}

TEST_F(ApRegistryTest, CompleteApDefaultIsOnlyCopied) {
    LoadSoftAp();
    softap::InitApDefaults();
    SetText(ApDefault(), "SSID", "Harbor AP");
    SetText(ApDefault(), "IdleTime", "1200");
    SetText(DriverKey(), "SSID", "stale");
    const auto before = Values(ApDefault());

    softap::InitApDefaults();

    const auto after = Values(ApDefault());
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, value] : before) EXPECT_EQ(after.at(name).data, value.data) << name;
    EXPECT_EQ(Text(DriverKey(), "SSID"), "Harbor AP");
    EXPECT_EQ(Text(DriverKey(), "IdleTime"), "1200");
}

// ---- the run-once TX-burst copy

TEST_F(ApRegistryTest, TxBurstIsCopiedOnceIntoAnExistingApDefault) {
    LoadSoftAp();
    // Before ApDefault exists there is nothing to copy into.
    SetText(DriverKey(), "RunOnceInitConfigTxBurst", "1");
    softap::CopyTxBurstToApDefault();
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, ApDefault()));

    softap::InitApDefaults();
    softap::CopyTxBurstToApDefault();
    EXPECT_EQ(Text(ApDefault(), "TXBurst"), "1");
    EXPECT_EQ(Text(ApDefault(), "RunOnceInitConfigTxBurst"), "1");

    // Once: a later change of the driver key's marker is not copied again.
    SetText(DriverKey(), "RunOnceInitConfigTxBurst", "0");
    softap::CopyTxBurstToApDefault();
    EXPECT_EQ(Text(ApDefault(), "TXBurst"), "1");
}

TEST_F(ApRegistryTest, TxBurstWithoutTheDriverKeysMarkerIsLeftAlone) {
    LoadSoftAp();
    softap::InitApDefaults();
    softap::CopyTxBurstToApDefault();
    EXPECT_EQ(Text(ApDefault(), "TXBurst"), "<missing>");
    EXPECT_EQ(Text(ApDefault(), "RunOnceInitConfigTxBurst"), "<missing>");
}

// ---- country region and channel (chips 0 and 1)

struct RegionCase {
    const char* name;
    const char* regionOid;    // 0x0D710107 answer
    const char* mode;         // WirelessMode, or null for none
    const char* channel;      // Channel, or null for none
    bool fiveGhz;
    const char* channelAfter;  // in the driver key
    bool apDefaultWritten;
    const char* region24After;  // CountryRegion in the driver key
    const char* region5After;
    uint32_t regionWord;
    int selectable24, selectable5;
};

class ApRegionTest : public ApRegistryTest, public ::testing::WithParamInterface<RegionCase> {};

TEST_P(ApRegionTest, StoredChannelAndRegionsFollowTheAdapter) {
    const RegionCase& c = GetParam();
    Load(Adapter("USB\\VID_F0E1&PID_1101", c.fiveGhz, false, std::string("oid 0x0D710107 = ") + c.regionOid + "\n"));
    Bind(1, true);
    softap::InitApDefaults();
    SetText(ApDefault(), "Channel", "77");
    SetText(DriverKey(), "CountryRegion", "9");
    SetText(DriverKey(), "CountryRegionABand", "9");
    if (c.mode) SetText(DriverKey(), "WirelessMode", c.mode);
    else testutil::DeleteValue(DriverKey(), "WirelessMode");
    if (c.channel) SetText(DriverKey(), "Channel", c.channel);
    else testutil::DeleteValue(DriverKey(), "Channel");

    EXPECT_EQ(softap::CheckRegionAndChannel(), TRUE);

    EXPECT_EQ(Text(DriverKey(), "Channel"), c.channelAfter);
    EXPECT_EQ(Text(ApDefault(), "Channel"), c.apDefaultWritten ? c.channelAfter : "77");
    EXPECT_EQ(Text(DriverKey(), "CountryRegion"), c.region24After);
    EXPECT_EQ(Text(DriverKey(), "CountryRegionABand"), c.region5After);
    EXPECT_EQ(softap::g_Ap.regionWord, c.regionWord);
    EXPECT_EQ(softap::g_Ap.region24Selectable, c.selectable24);
    EXPECT_EQ(softap::g_Ap.region5Selectable, c.selectable5);
}

const std::string kLongChannel(300, '6');

INSTANTIATE_TEST_SUITE_P(
    Cases, ApRegionTest,
    ::testing::Values(
        // 2.4 GHz code 1 not selectable: CountryRegion stays; 5 GHz code 2 written.
        RegionCase{"locked24", "81 02 00 00", "0", "6", false, "6", false, "9", "2", 0x0201, 0, 1},
        // Channel 14 is all code 4 allows.
        RegionCase{"code4", "04 00 00 00", "0", "6", false, "14", true, "4", "0", 0x0004, 1, 1},
        // An allowed channel is written nowhere.
        RegionCase{"allowed", "05 00 00 00", "0", "13", false, "13", false, "5", "0", 0x0005, 1, 1},
        RegionCase{"missing", "00 00 00 00", "0", nullptr, false, "1", true, "0", "0", 0, 1, 1},
        // A value too long for the buffer is unreadable, not a number.
        RegionCase{"oversized", "00 00 00 00", "0", kLongChannel.c_str(), false, "1", true, "0", "0", 0, 1, 1},
        // A only: the 5 GHz list of the code.
        RegionCase{"aOnly", "00 06 00 00", "2", "6", true, "36", true, "0", "6", 0x0600, 1, 1},
        // A without the 5 GHz band folds to B/G.
        RegionCase{"aFolded", "00 06 00 00", "2", "40", false, "1", true, "0", "6", 0x0600, 1, 1},
        // A/B/G: 2.4 GHz then 5 GHz channels.
        RegionCase{"abg", "00 04 00 00", "3", "149", true, "149", false, "0", "4", 0x0400, 1, 1},
        // Both locked: neither region written, the word without its lock bits.
        RegionCase{"locked", "85 87 00 00", "0", "14", false, "14", false, "9", "9", 0x0705, 0, 0}),
    [](const ::testing::TestParamInfo<RegionCase>& info) { return std::string(info.param.name); });

// The driver holds a region but the query fails: its zeros are no region, so the stored
// channel and codes stay everywhere and neither region is the page's to choose.
TEST_F(ApRegistryTest, AFailedRegionQueryWritesNothing) {
    Load(Adapter("USB\\VID_F0E1&PID_1101", true, false, "oid 0x0D710107 = 05 07 00 00\n"));
    Bind(1, true);
    softap::InitApDefaults();
    for (const std::string& key : {DriverKey(), ApDefault()}) {
        SetText(key, "WirelessMode", "3");
        SetText(key, "Channel", "13");
        SetText(key, "CountryRegion", "5");
        SetText(key, "CountryRegionABand", "7");
    }
    softap::g_Ap.region24Selectable = softap::g_Ap.region5Selectable = 1;
    world.FailOid(0x0D710107, 1);

    EXPECT_EQ(softap::CheckRegionAndChannel(), FALSE);

    for (const std::string& key : {DriverKey(), ApDefault()}) {
        EXPECT_EQ(Text(key, "Channel"), "13") << key;
        EXPECT_EQ(Text(key, "CountryRegion"), "5") << key;
        EXPECT_EQ(Text(key, "CountryRegionABand"), "7") << key;
    }
    EXPECT_EQ(softap::g_Ap.region24Selectable, 0);
    EXPECT_EQ(softap::g_Ap.region5Selectable, 0);
    EXPECT_EQ(softap::g_Ap.regionWord, 0u);
    EXPECT_EQ(softap::LastTrace(), "Country region query failed: channel and regions left as stored\n");

    // Once the driver answers again, the check runs as before.
    EXPECT_EQ(softap::CheckRegionAndChannel(), TRUE);
    EXPECT_EQ(softap::g_Ap.regionWord, 0x0705u);
    EXPECT_EQ(Text(DriverKey(), "Channel"), "13");
}

TEST_F(ApRegistryTest, TracesReachTheFileOnlyWhileCheckBuildIsOne) {
    LoadSoftAp();
    g_DriverKeyPath[0] = 0;
    EXPECT_EQ(softap::CheckRegionAndChannel(), FALSE);
    EXPECT_EQ(softap::LastTrace(), "RegOpenKeyEx '' failed\n");
    EXPECT_EQ(TraceFile(), "");
    softap::g_Ap.checkBuild = 1;
    softap::CheckRegionAndChannel();
    softap::CheckRegionAndChannel();
    // One line a step, as a text file of this system has its lines.
    EXPECT_EQ(TraceFile(), "RegOpenKeyEx '' failed\r\nRegOpenKeyEx '' failed\r\n");
}

// ---- band detection, AllowBW40InBGBand, op mode

struct BandCase {
    const char* answer;  // 0x0D010203, or null for the driver's own
    bool fiveGhz;        // the adapter's band
    bool ht;
    int expected;
};

class ApBandTest : public ApRegistryTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(ApBandTest, FiveGhzFlagFollowsTheListedNetworkTypes) {
    const BandCase& c = GetParam();
    Load(Adapter("PCI\\VEN_F0E1&DEV_7001", c.fiveGhz, c.ht,
                 c.answer ? std::string("oid 0x0D010203 = ") + c.answer + "\n" : std::string()));
    Bind(c.ht ? 7 : 4, false);
    g_Supports5GHz = 1 - c.expected;
    softap::DetectABand();
    EXPECT_EQ(g_Supports5GHz, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ApBandTest,
    ::testing::Values(BandCase{nullptr, true, true, 1}, BandCase{nullptr, false, true, 0},
                      BandCase{nullptr, true, false, 1},
                      BandCase{"02 00 00 00 01 00 00 00 03 00 00 00", true, true, 0},
                      // The count claims more types than came back.
                      BandCase{"04 00 00 00 01 00 00 00 03 00 00 00", true, true, 0},
                      BandCase{"04 00 00 00 01 00 00 00 03 00 00 00 02 00 00 00", true, false, 1},
                      // More than the 20-byte buffer holds: the query fails.
                      BandCase{"05 00 00 00 01 00 00 00 03 00 00 00 01 00 00 00 03 00 00 00 02 00 00 00", true,
                               true, 0}));

TEST_F(ApRegistryTest, AllowBw40InBgBandIsOnlyOne) {
    LoadSoftAp();
    int flag = 7;
    EXPECT_EQ(softap::ReadAllowBW40InBGBand(&flag), 1);
    EXPECT_EQ(flag, 7);  // missing: unchanged
    SetText(DriverKey(), "AllowBW40InBGBand", "1");
    softap::ReadAllowBW40InBGBand(&flag);
    EXPECT_EQ(flag, 1);
    SetText(DriverKey(), "AllowBW40InBGBand", "2");
    softap::ReadAllowBW40InBGBand(&flag);
    EXPECT_EQ(flag, 0);
    g_DriverKeyPath[0] = 0;
    EXPECT_EQ(softap::ReadAllowBW40InBGBand(&flag), 0);
}

TEST_F(ApRegistryTest, OpModeQueryAndTheSwitchBackToStation) {
    LoadSoftAp();
    EXPECT_EQ(softap::QueryApOpMode(), 1);
    world.ClearJournal();

    EXPECT_EQ(softap::WriteStationOpMode(), 1);
    EXPECT_EQ(Text(DriverKey(), "OpMode"), "0");
    const auto sets = testutil::SetsOf(world, 0x0DF10126);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].in, U32(0));
    // The driver now reports station mode, under either OID.
    EXPECT_EQ(softap::QueryApOpMode(), 0);
    EXPECT_EQ(world.LastSet(0, 0xFF0C001A), U32(0));
}

TEST_F(ApRegistryTest, OpModeWithoutAnAnswerCountsAsAccessPoint) {
    Load(Adapter("PCI\\VEN_F0E1&DEV_7001", true, true));
    Bind(7, false);
    EXPECT_EQ(softap::QueryApOpMode(), 1);
    g_DevicePath[0] = 0;
    EXPECT_EQ(softap::QueryApOpMode(), 1);
}

// ---- the Wireless Zero Configuration service

TEST_F(ApRegistryTest, WzcServiceIsStoppedWhenItRuns) {
    LoadSoftAp();
    EXPECT_TRUE(softap::IsWzcRunning());
    softap::StopWzcService();
    EXPECT_FALSE(softap::IsWzcRunning());
    EXPECT_EQ(world.ServiceStops("WZCSVC"), 1u);
    // Stopped already: not asked again.
    softap::StopWzcService();
    EXPECT_EQ(world.ServiceStops("WZCSVC"), 1u);
    // Started again behind the program's back: the next stop finds it.
    world.SetServiceRunning("WZCSVC", true);
    EXPECT_TRUE(softap::IsWzcRunning());
    softap::StopWzcService();
    EXPECT_EQ(world.ServiceStops("WZCSVC"), 2u);
    EXPECT_EQ(world.OpenServiceHandles(), 0u);
}

TEST_F(ApRegistryTest, WzcServiceThatIsNotInstalledIsNotRunning) {
    Load(Adapter("PCI\\VEN_F0E1&DEV_7001", true, true));
    EXPECT_FALSE(softap::IsWzcRunning());
    softap::StopWzcService();
    EXPECT_EQ(world.OpenServiceHandles(), 0u);
}

}  // namespace
