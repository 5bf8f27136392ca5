// The driver key and its subkeys: value copy, ApDefault seeding, the run-once TX burst, the
// channel check against the country region, the CCX value.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "shared/driver/oid_access.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/registry/radio_defaults.h"
#include "driver_key_util.h"
#include "station_fixture.h"

namespace {

using testutil::ReadText;
using testutil::RegValue;

// Two scratch keys under HKCU, removed afterwards.
class RegistryCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = "Software\\LumoraTests\\copy-" + std::to_string(GetCurrentProcessId());
        RegCreateKeyExA(HKEY_CURRENT_USER, (root_ + "\\from").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &from_,
                        nullptr);
        RegCreateKeyExA(HKEY_CURRENT_USER, (root_ + "\\to").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &to_,
                        nullptr);
    }
    void TearDown() override {
        if (from_) RegCloseKey(from_);
        if (to_) RegCloseKey(to_);
        RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LumoraTests");  // only once no other test uses it
    }
    std::string root_;
    HKEY from_ = nullptr;
    HKEY to_ = nullptr;
};

TEST_F(RegistryCopyTest, CopiesEveryValueWholeWhateverItsTypeAndLength) {
    // An access-control list of 20 addresses is 261 bytes.
    std::string acl;
    for (int i = 0; i < 20; ++i) {
        acl += "0011223344";
        acl += std::to_string(10 + i);
        acl += '\0';
    }
    acl += '\0';
    ASSERT_EQ(acl.size(), 261u);
    const std::string longText(600, 'k');
    std::vector<BYTE> binary(1000);
    for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<BYTE>(i * 7);
    const DWORD number = 0xA5A5F00D;
    const std::string longName(300, 'N');

    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    const std::vector<Value> values = {
        {"AccessControlList", REG_MULTI_SZ, std::vector<BYTE>(acl.begin(), acl.end())},
        {"SSID", REG_SZ, {'H', 'o', 'm', 'e', 0}},
        {"Long", REG_SZ, [&] { std::vector<BYTE> d(longText.begin(), longText.end()); d.push_back(0); return d; }()},
        {"TransmitSetting", REG_DWORD, std::vector<BYTE>(reinterpret_cast<const BYTE*>(&number),
                                                         reinterpret_cast<const BYTE*>(&number) + 4)},
        {"Blob", REG_BINARY, binary},
        {"Empty", REG_BINARY, {}},
        {longName, REG_SZ, {'x', 0}},
    };
    for (const Value& v : values)
        ASSERT_EQ(RegSetValueExA(from_, v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size())),
                  ERROR_SUCCESS)
            << v.name;
    // A value already in the destination is overwritten, one only there stays.
    RegSetValueExA(to_, "SSID", 0, REG_SZ, reinterpret_cast<const BYTE*>("Old"), 4);
    RegSetValueExA(to_, "OnlyHere", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);

    EXPECT_TRUE(CopyRegistryValues(from_, to_));

    for (const Value& v : values) {
        RegValue copy = testutil::ReadValue(HKEY_CURRENT_USER, root_ + "\\to", v.name.c_str());
        ASSERT_TRUE(copy.present) << v.name.substr(0, 20);
        EXPECT_EQ(copy.type, v.type) << v.name.substr(0, 20);
        EXPECT_EQ(copy.data, v.data) << v.name.substr(0, 20);
    }
    EXPECT_EQ(testutil::ReadValue(HKEY_CURRENT_USER, root_ + "\\to", "OnlyHere").Text(), "1");
}

TEST_F(RegistryCopyTest, EmptySourceCopiesNothingAndSucceeds) {
    EXPECT_TRUE(CopyRegistryValues(from_, to_));
    DWORD count = 99;
    RegQueryInfoKeyA(to_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr);
    EXPECT_EQ(count, 0u);
}

class DriverRegistryTest : public StationTest {
protected:
    void LoadBound(const std::string& scenario) {
        Load(scenario);
        testutil::BindAdapter(world);
        key_ = world.DriverKeyPath(0);
    }
    void TearDown() override {
        g_WirelessMode = wirelessMode_;
        g_RegionWord = regionWord_;
        g_Region24Valid = region24Valid_;
        g_Region5Valid = region5Valid_;
        StationTest::TearDown();
    }
    std::string key_;

private:
    int wirelessMode_ = g_WirelessMode;
    uint32_t regionWord_ = g_RegionWord;
    int region24Valid_ = g_Region24Valid;
    int region5Valid_ = g_Region5Valid;
};

// The scenario with extra lines in the adapter's section.
std::string DefaultWith(const std::string& adapterLines) {
    std::string text = testutil::Scenario("default.scn");
    const std::string anchor = "value OpMode             = 0\n";
    text.insert(text.find(anchor) + anchor.size(), adapterLines);
    return text;
}

TEST_F(DriverRegistryTest, ApDefaultIsSeededOnceAndNeverOverwritten) {
    LoadBound(testutil::Scenario("default.scn"));
    const std::string ap = key_ + "\\ApDefault";
    ASSERT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, ap));

    WriteDaduVeDefaults();

    struct Seed {
        const char* name;
        const char* text;
    };
    const Seed seeds[] = {
        {"SSID", "DaduVE-07"},  // last byte of 02-E1-F0-51-01-07
        {"WirelessMode", "0"}, {"TransRate", "0"},       {"TurboRate", "0"},    {"BGProtection", "0"},
        {"ShortSlot", "1"},    {"Channel", "0"},         {"PreambleType", "0"}, {"TXPower", "0"},
        {"RtsThresh", "2347"}, {"FragThresh", "0"},      {"AuthMode", "0"},     {"CipherMode", "1"},
        {"WPAPSK", ""},        {"WEPKey1Type", "0"},     {"WEPKey2Type", "0"},  {"WEPKey3Type", "0"},
        {"WEPKey4Type", "0"},  {"WEPKeyUse", "1"},       {"WEPKey1", ""},       {"WEPKey2", ""},
        {"WEPKey3", ""},       {"WEPKey4", ""},          {"RekeyInterval", "60"}, {"RekeyMethod", "0"},
        {"RadiusIP", ""},      {"RadiusPort", ""},       {"RadiusKey", ""},     {"AccessControlPolicy", "0"},
        {"WdsEnable", "1"},    {"AutoChannelSelect", "0"}, {"NoForwarding", "0"}, {"HideSSID", "0"},
        {"BeaconPeriod", "100"},
    };
    for (const Seed& s : seeds) {
        RegValue v = testutil::ReadValue(HKEY_LOCAL_MACHINE, ap, s.name);
        EXPECT_TRUE(v.present) << s.name;
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ)) << s.name;
        EXPECT_EQ(v.Text(), s.text) << s.name;
    }
    for (const char* list : {"AccessControlList", "WdsList"}) {
        RegValue v = testutil::ReadValue(HKEY_LOCAL_MACHINE, ap, list);
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_MULTI_SZ)) << list;
        EXPECT_EQ(v.data, std::vector<BYTE>{0}) << list;
    }
    DWORD count = 0;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, ap.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    EXPECT_EQ(count, std::size(seeds) + 2);

    // A present ApDefault is left alone, even with values missing or changed inside it.
    testutil::SetText(ap, "SSID", "Mine");
    testutil::DeleteValue(ap, "WdsList");
    WriteDaduVeDefaults();
    EXPECT_EQ(ReadText(ap, "SSID"), "Mine");
    EXPECT_EQ(ReadText(ap, "WdsList"), "<missing>");
}

// The seeded SSID is named after the adapter's address: while the driver does not answer
// it, nothing is seeded (no "DaduVE-00"), and a later start seeds it.
TEST_F(DriverRegistryTest, ApDefaultWaitsForTheAdaptersAddress) {
    LoadBound(DefaultWith("fail 0x0D010702 1\n"));
    const std::string ap = key_ + "\\ApDefault";
    WriteDaduVeDefaults();
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, ap));
    WriteDaduVeDefaults();
    EXPECT_EQ(ReadText(ap, "SSID"), "DaduVE-07");
}

TEST_F(DriverRegistryTest, NothingIsTouchedWithoutABoundAdapter) {
    LoadBound(testutil::Scenario("default.scn"));
    g_DriverKeyPath[0] = 0;
    WriteDaduVeDefaults();
    SaveDriverKeyToDefault();
    EXPECT_EQ(VerifyCountryRegion(), 0);
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, key_ + "\\ApDefault"));
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, "ApDefault"));
    EXPECT_FALSE(testutil::KeyExists(HKEY_LOCAL_MACHINE, "Default"));
}

// The installer key is shared by every process: all its cases live in this one test.
TEST_F(DriverRegistryTest, TxBurstRunsOncePerDriverKey) {
    // Radio block as the driver holds it: field 0 the burst switch, field 6 cleared before a set.
    LoadBound(DefaultWith("oid 0x0D710111 = 00 00 00 00 22 22 22 22 33 33 33 33 44 44 44 44 "
                          "55 55 55 55 66 66 66 66 77 77 77 77 88 88 88 88\n"));
    const bool hadVendorKey = testutil::KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\TESMAR");
    auto select = [](DWORD v) {
        testutil::SetValue(HKEY_LOCAL_MACHINE, kInstallerKeyPath, "ConfigTxBurstSelect", REG_DWORD, &v, sizeof(v));
    };
    auto fresh = [&] {
        testutil::DeleteValue(key_, "RunOnceInitConfigTxBurst");
        testutil::DeleteValue(key_, "TXBurst");
        world.ClearJournal();
    };

    select(1);
    fresh();
    RunOnceInitConfigTxBurst();
    EXPECT_EQ(ReadText(key_, "TXBurst"), "1");
    EXPECT_EQ(ReadText(key_, "RunOnceInitConfigTxBurst"), "1");
    auto sets = testutil::SetsOf(world, kOidSetRadioBlock);
    ASSERT_EQ(sets.size(), 1u);
    const platform::sim::Bytes expected = {1,    0,    0,    0,    0x22, 0x22, 0x22, 0x22, 0x33, 0x33, 0x33,
                                           0x33, 0x44, 0x44, 0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x66, 0x66,
                                           0x66, 0x66, 0,    0,    0,    0,    0x88, 0x88, 0x88, 0x88};
    EXPECT_EQ(sets[0].in, expected);

    // Later starts skip it, also when the installer's choice changes.
    select(0);
    world.ClearJournal();
    RunOnceInitConfigTxBurst();
    EXPECT_EQ(ReadText(key_, "TXBurst"), "1");
    EXPECT_TRUE(testutil::SetsOf(world, kOidSetRadioBlock).empty());

    // A marker too long for a short read is still a marker.
    testutil::SetText(key_, "RunOnceInitConfigTxBurst", "000000001");
    RunOnceInitConfigTxBurst();
    EXPECT_EQ(ReadText(key_, "TXBurst"), "1");

    struct Case {
        const char* what;
        bool hasValue;
        DWORD value;
        const char* burst;
    };
    const Case cases[] = {
        {"2 is not a choice", true, 2, "0"},
        {"0", true, 0, "0"},
        {"missing", false, 0, "0"},
        {"1", true, 1, "1"},
    };
    for (const Case& c : cases) {
        if (c.hasValue) select(c.value);
        else testutil::DeleteValue(kInstallerKeyPath, "ConfigTxBurstSelect");
        fresh();
        RunOnceInitConfigTxBurst();
        EXPECT_EQ(ReadText(key_, "TXBurst"), c.burst) << c.what;
        EXPECT_EQ(ReadText(key_, "RunOnceInitConfigTxBurst"), c.burst) << c.what;
        sets = testutil::SetsOf(world, kOidSetRadioBlock);
        ASSERT_EQ(sets.size(), 1u) << c.what;
        EXPECT_EQ(sets[0].in[0], c.burst[0] - '0') << c.what;
    }

    if (hadVendorKey) testutil::DeleteValue(kInstallerKeyPath, "ConfigTxBurstSelect");
    else RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TESMAR");
}

TEST_F(DriverRegistryTest, TxBurstWithoutARadioBlockSendsNothingButStillMarks) {
    LoadBound(testutil::Scenario("default.scn"));  // the radio-block query fails
    RunOnceInitConfigTxBurst();
    EXPECT_TRUE(testutil::SetsOf(world, kOidSetRadioBlock).empty());
    EXPECT_NE(ReadText(key_, "RunOnceInitConfigTxBurst"), "<missing>");
}

TEST_F(DriverRegistryTest, ChannelCheckAgainstTheCountryRegion) {
    LoadBound(testutil::Scenario("default.scn"));
    struct Case {
        const char* what;
        int chip;
        uint32_t regionWord;  // as the driver answers
        const char* wirelessMode;
        const char* stored;   // nullptr: missing
        bool withDefault;
        const char* expected; // in the driver key
        const char* expectedDefault;
        uint32_t word;
        int valid24, valid5;
    };
    const Case cases[] = {
        {"14 in region 0 becomes 1", 5, 0x0000, "0", "14", true, "1", "1", 0x0000, 1, 1},
        {"allowed stays, and reaches Default", 5, 0x0005, "0", "14", true, "14", "14", 0x0005, 1, 1},
        {"missing gets the first", 5, 0x0003, "0", nullptr, true, "10", "10", 0x0003, 1, 1},
        {"not a number", 5, 0x0000, "0", "six", true, "1", "1", 0x0000, 1, 1},
        {"invalid bit 7 is cleared", 5, 0x0084, "0", "1", true, "14", "14", 0x0004, 0, 1},
        {"invalid bit 15 is cleared", 5, 0x8304, "0", "1", true, "14", "14", 0x0304, 1, 0},
        {"A only takes the 5 GHz list", 5, 0x0200, "2", "6", true, "36", "36", 0x0200, 1, 1},
        {"no Default: only the driver key", 5, 0x0000, "0", "14", false, "1", "<missing>", 0x0000, 1, 1},
        {"empty list: nothing written", 2, 0x0000, "0", "14", true, "14", "14", 0x0000, 1, 1},
        {"empty list, missing: nothing written", 2, 0x0000, "0", nullptr, true, "<missing>", "<missing>", 0, 1, 1},
    };
    const std::string saved = key_ + "\\Default";
    for (const Case& c : cases) {
        g_ChipIndex = c.chip;
        g_Supports5GHz = 1;
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, saved.c_str());
        if (c.withDefault) testutil::SetValue(HKEY_LOCAL_MACHINE, saved, "Marker", REG_SZ, "", 1);
        testutil::SetText(key_, "WirelessMode", c.wirelessMode);
        if (c.stored) testutil::SetText(key_, "Channel", c.stored);
        else testutil::DeleteValue(key_, "Channel");
        DWORD region = c.regionWord, returned = 0;
        SetOidEx(0xFF8C0003, &region, 4, &returned, 1, 1);

        EXPECT_EQ(VerifyCountryRegion(), 1) << c.what;
        EXPECT_EQ(ReadText(key_, "Channel"), c.expected) << c.what;
        EXPECT_EQ(ReadText(saved, "Channel"), c.expectedDefault) << c.what;
        EXPECT_EQ(g_RegionWord, c.word) << c.what;
        EXPECT_EQ(g_Region24Valid, c.valid24) << c.what;
        EXPECT_EQ(g_Region5Valid, c.valid5) << c.what;
        EXPECT_EQ(g_WirelessMode, std::atoi(c.wirelessMode)) << c.what;
    }
}

// The region query failing says nothing about the stored channel: it stays, in the driver key
// and in Default, and the region the last answer gave stays in force.
TEST_F(DriverRegistryTest, FailedRegionQueryLeavesTheChannelAlone) {
    LoadBound(testutil::Scenario("default.scn"));
    g_ChipIndex = 5;
    g_RegionWord = 0x0005;
    g_Region24Valid = 1;
    g_Region5Valid = 1;
    const std::string saved = key_ + "\\Default";
    testutil::SetValue(HKEY_LOCAL_MACHINE, saved, "Channel", REG_SZ, "14", 3);
    testutil::SetText(key_, "Channel", "14");
    testutil::SetText(key_, "WirelessMode", "0");
    world.FailOid(0xFF0C0003, 1);
    EXPECT_EQ(VerifyCountryRegion(), 1);
    EXPECT_EQ(ReadText(key_, "Channel"), "14");
    EXPECT_EQ(ReadText(saved, "Channel"), "14");
    EXPECT_EQ(g_RegionWord, 0x0005u);
    EXPECT_EQ(g_WirelessMode, 0);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, saved.c_str());
}

TEST_F(DriverRegistryTest, CcxControlValueAndOid) {
    LoadBound(testutil::Scenario("default.scn"));
    DWORD value = 77;
    EXPECT_EQ(ReadCcx2Control(&value), 0);
    EXPECT_EQ(value, 0u);

    const DWORD stored = 0x12345678;
    testutil::SetValue(HKEY_LOCAL_MACHINE, key_, "CCX2Control", REG_DWORD, &stored, 4);
    EXPECT_EQ(ReadCcx2Control(&value), 1);
    EXPECT_EQ(value, stored);

    struct Case {
        int adjust;
        DWORD in, sent;
    };
    const Case cases[] = {{1, 0x12345678, 0x12345678}, {0, 0x12345678, 0x1234FA58}, {2, 0xFFFFFFFF, 0xFFFFFADF}};
    for (const Case& c : cases) {
        world.ClearJournal();
        EXPECT_TRUE(SetCcx2ControlOid(c.adjust, c.in));
        auto sets = testutil::SetsOf(world, kOidSetCcx2Control);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].in, testutil::U32(c.sent)) << c.adjust;
    }
}

}  // namespace
