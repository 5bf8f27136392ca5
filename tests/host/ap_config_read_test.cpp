// How stored values become the Config page's record and the start-up push's values: the
// read rules, the buffers, and values that are too long, of another type or unterminated.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ap_memory_key.h"
#include "softap/core/config/ap_config_read.h"
#include "softap/core/config/ap_numbers.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/push/ap_push.h"
#include "softap/core/config/ap_state.h"
#include "identity_globals.h"

namespace {

class ApReadTest : public IdentityGlobals {
protected:
    void SetUp() override {
        g_Supports5GHz = 1;
        g_IsHtChip = 0;
        softap::g_Ap = softap::ApState{};
    }
    void TearDown() override {
        softap::g_Ap = softap::ApState{};
        IdentityGlobals::TearDown();
    }
    softap::DaduVeSettings Read() {
        softap::DaduVeSettings s;
        softap::ReadConfigFromRegistry(key, s, driver);
        return s;
    }
    MemoryKey key;
    RecordingDriver driver;
};

TEST_F(ApReadTest, ReadRulesOfTheRecord) {
    key.Text("IdleTime", "30");
    key.Text("PreambleType", "2");
    key.Text("TransRate", "-1");
    key.Text("WEPKeyUse", "3");
    key.Text("WirelessMode", "5");
    key.Text("Channel", "J8");
    key.Text("SSID", std::string(40, 'n'));
    key.Text("AuthenType", "4");
    key.Text("WPAPSK", "quay side 8");
    key.Text("RadiusIP", "3232235777");
    key.Text("RadiusPort", "1812");
    const softap::DaduVeSettings s = Read();
    EXPECT_EQ(s.IdleTime, 300);
    EXPECT_EQ(s.PreambleType, 0);
    EXPECT_EQ(s.TransRate, 0);
    EXPECT_EQ(s.Security.WEPKeyUse, 2);
    // A/B/G/N without 802.11n folds to A/B/G.
    EXPECT_EQ(s.WirelessModeText, "802.11 A/B/G Mix");
    EXPECT_EQ(softap::g_Ap.phyMode, 3);
    EXPECT_EQ(s.ChannelText, "J8");
    EXPECT_EQ(s.SSID, std::string(32, 'n'));
    EXPECT_EQ(s.Security.RadiusIP, 0xC0A80101u);
    EXPECT_EQ(s.Security.RadiusPort, 1812u);
    EXPECT_EQ(softap::g_Ap.authenType, 4);
    EXPECT_EQ(softap::g_Ap.passphrase, "quay side 8");
    // The PHY mode went to the driver; no HT setting without 802.11n.
    ASSERT_EQ(driver.calls.size(), 1u);
    EXPECT_EQ(driver.calls[0].oid, softap::kOidSetPhyMode);
    EXPECT_EQ(driver.calls[0].bytes, (std::vector<uint8_t>{3, 0, 0, 0}));
}

TEST_F(ApReadTest, IdleTimeKeepsItsRangeEnds) {
    for (const auto& [stored, read] : std::vector<std::pair<const char*, int>>{
             {"60", 60}, {"3600", 3600}, {"59", 300}, {"3601", 300}, {"-5", 300}, {"abc", 300}}) {
        key.Text("IdleTime", stored);
        EXPECT_EQ(Read().IdleTime, read) << stored;
    }
}

TEST_F(ApReadTest, ValuesThatCannotBeReadLeaveTheirFields) {
    // Longer than the page's 128-byte buffer, of another type, or missing.
    key.Text("BeaconPeriod", "250" + std::string(200, ' '));
    key.Raw("RtsThresh", softap::kRegDword, {0x10, 0, 0, 0});
    key.Raw("SSID", softap::kRegMultiSz, {'a', 0, 0});
    softap::DaduVeSettings s;
    s.BeaconPeriod = 111;
    s.RtsThresh = 222;
    s.SSID = "kept";
    s.IdleTime = 7;
    softap::ReadConfigFromRegistry(key, s, driver);
    EXPECT_EQ(s.BeaconPeriod, 111);
    EXPECT_EQ(s.RtsThresh, 222);
    EXPECT_EQ(s.SSID, "kept");
    EXPECT_EQ(s.IdleTime, 7);
}

TEST_F(ApReadTest, TextWithoutTerminatorEndsWithItsBytes) {
    key.Raw("SSID", softap::kRegSz, {'H', 'a', 'r', 'b', 'o', 'r'});
    key.Raw("WPAPSK", softap::kRegSz, {'a', 'b', 0, 'c', 'd', 0});
    const softap::DaduVeSettings s = Read();
    EXPECT_EQ(s.SSID, "Harbor");
    EXPECT_EQ(s.Security.WPAPSK, "ab");
    // 127 bytes fit the 128-byte buffer with room for the terminator; 128 do not.
    key.Raw("SSID", softap::kRegSz, std::vector<uint8_t>(127, 'x'));
    EXPECT_EQ(Read().SSID, std::string(32, 'x'));
    key.Raw("SSID", softap::kRegSz, std::vector<uint8_t>(128, 'y'));
    EXPECT_EQ(Read().SSID, "");
}

TEST_F(ApReadTest, RegionsComeFromTheAdapterUnlessSelectable) {
    key.Text("CountryRegion", "133");  // 0x85
    key.Text("CountryRegionABand", "9");
    softap::g_Ap.regionWord = 0x0402;
    EXPECT_EQ(Read().CountryRegion, 2);
    EXPECT_EQ(Read().CountryRegionABand, 4);
    softap::g_Ap.region24Selectable = 1;
    softap::g_Ap.region5Selectable = 1;
    EXPECT_EQ(Read().CountryRegion, 5);
    EXPECT_EQ(Read().CountryRegionABand, 9);
}

TEST_F(ApReadTest, HtFieldsOnAnHtAdapter) {
    g_IsHtChip = 1;
    key.Text("WirelessMode", "9");
    key.Text("Channel", "6");
    key.Raw("TransmitSetting", softap::kRegDword, {0x79, 0x98, 0x02, 0x00});  // 9, MCS 7, 40 MHz, SGI, ext 1
    softap::DaduVeSettings s = Read();
    EXPECT_EQ(s.McsText, "7");
    EXPECT_EQ(s.ShortGi, 1);
    EXPECT_EQ(s.Bw40, 0);  // B/G/N without AllowBW40InBGBand
    EXPECT_EQ(s.ExtChannelText, "none");
    softap::g_Ap.allowBw40InBgBand = 1;
    s = Read();
    EXPECT_EQ(s.Bw40, 1);
    EXPECT_EQ(s.ExtChannelText, "10");
    const auto ht = driver.SetsOf(softap::kOidSetHtSetting);
    ASSERT_EQ(ht.size(), 2u);
    EXPECT_EQ(ht[1].bytes, (std::vector<uint8_t>{9, 0, 0, 0, 2, 0, 1, 7, 1, 0, 1, 0}));
    // A short value reads as its bytes and zeros.
    key.Raw("TransmitSetting", softap::kRegBinary, {0x79});
    EXPECT_EQ(Read().McsText, "7");
}

TEST(ApNumbers, DecimalConversion) {
    EXPECT_EQ(softap::DecimalValue(""), 0);
    EXPECT_EQ(softap::DecimalValue("  42abc"), 42);
    EXPECT_EQ(softap::DecimalValue("-17"), -17);
    EXPECT_EQ(softap::DecimalValue("+8"), 8);
    EXPECT_EQ(softap::DecimalValue("99999999999999999999"), 2147483647);
    EXPECT_EQ(softap::DecimalValue("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(softap::DecimalValueU32("3232235777"), 3232235777u);
    EXPECT_EQ(softap::DecimalValueU32("-1062731519"), 3232235777u);  // the same bits written signed
    EXPECT_EQ(softap::DecimalValueU32("99999999999"), 0xFFFFFFFFu);
    EXPECT_EQ(softap::DecimalText(3232235777u), "3232235777");
    EXPECT_EQ(softap::DecimalText(-3), "-3");
}

TEST_F(ApReadTest, StartupPushSurvivesValuesOfEveryWrongKind) {
    // Every value the push reads, stored as something it cannot use.
    for (const char* name : {"SSID", "WirelessMode", "TXPower", "TransRate", "AutoChannelSelect", "Channel",
                             "BeaconPeriod", "PreambleType", "AuthenType", "Encryption", "WPAPSK", "WEPKeyUse",
                             "AccessControlPolicy", "WdsEnable"})
        key.Raw(name, softap::kRegDword, {1, 2, 3, 4});
    key.Raw("AccessControlList", softap::kRegMultiSz, std::vector<uint8_t>(2000, 'A'));
    key.Raw("WdsList", softap::kRegDword, {0, 0, 0, 0});
    driver.answers[softap::kOidCurrentAddress] = {0x02, 0xE1, 0xF0, 0x70, 0x01, 0x5C};
    softap::LoadAndApplyApSettings(key, driver, nullptr);
    // The SSID it broadcasts, the filter off, WDS off: never anything malformed.
    const auto ssid = driver.SetsOf(softap::kOidSsid);
    ASSERT_EQ(ssid.size(), 1u);
    EXPECT_EQ(std::string(ssid[0].bytes.begin() + 4, ssid[0].bytes.begin() + 13), "DaduVE-5C");
    const auto acl = driver.SetsOf(softap::kOidSetAccessControl);
    ASSERT_EQ(acl.size(), 1u);
    EXPECT_EQ(acl[0].bytes, std::vector<uint8_t>(264, 0));
    const auto wds = driver.SetsOf(softap::kOidSetWds);
    ASSERT_EQ(wds.size(), 1u);
    EXPECT_EQ(wds[0].bytes, std::vector<uint8_t>(60, 0));
    EXPECT_TRUE(driver.SetsOf(softap::kOidAuthenticationMode).empty());
}

}  // namespace
