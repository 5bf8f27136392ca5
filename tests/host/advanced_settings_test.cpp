#include <gtest/gtest.h>

#include <string>

#include "station/pages/advanced_settings.h"
#include "station/core/radio/rate_tables.h"

namespace {

TEST(AdvancedSettings, WirelessModeTextsBothWays)
{
    const struct { int mode; const char* text; } known[] = {
        {0, "802.11 B/G mix"}, {1, "802.11 B only"}, {2, "802.11 A only"}, {3, "802.11 A/B/G mix"},
        {4, "802.11 G only"}, {5, "802.11 A/B/G/N mix"}, {9, "802.11 B/G/N mix"},
    };
    for (const auto& k : known) {
        EXPECT_EQ(WirelessModeText(k.mode), k.text);
        EXPECT_EQ(WirelessModeFromText(k.text), k.mode);
    }
    EXPECT_EQ(WirelessModeText(6), "");
    EXPECT_EQ(WirelessModeFromText(""), 6);
    EXPECT_EQ(WirelessModeText(7), "802.11 B/G mix");
    EXPECT_EQ(WirelessModeText(-1), "802.11 B/G mix");
    EXPECT_EQ(WirelessModeFromText("802.11 n only"), 0);
    EXPECT_EQ(WirelessModeFromText("802.11 b only"), 0);  // exact texts only
}

TEST(AdvancedSettings, TxRateListAndLimitsByMode)
{
    EXPECT_EQ(TxRateChoices(1), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(TxRateChoices(2), (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(TxRateChoices(4), TxRateChoices(2));
    EXPECT_TRUE(TxRateChoices(6).empty());
    EXPECT_EQ(TxRateChoices(0).size(), 12u);
    EXPECT_EQ(TxRateChoices(9).size(), 12u);

    const struct { int mode; bool a; int protection, rate; int wantProtection, wantRate; } cases[] = {
        {1, false, 2, 7, 0, 0},   // B only: index 7 does not exist there
        {1, false, 1, 4, 0, 4},
        {2, true, 1, 9, 0, 0},
        {2, true, 2, 8, 0, 8},
        {2, false, 2, 9, 2, 9},   // A only without 5 GHz: left alone
        {0, true, 2, 12, 2, 12},
    };
    for (const auto& c : cases) {
        int protection = c.protection, rate = c.rate;
        ForceModeLimits(c.mode, c.a, &protection, &rate);
        EXPECT_EQ(protection, c.wantProtection) << c.mode;
        EXPECT_EQ(rate, c.wantRate) << c.mode;
    }
}

TEST(AdvancedSettings, SupportedRatesRecordByMode)
{
    const struct { int mode; std::vector<uint8_t> rates; } cases[] = {
        {1, {0x82, 0x84, 0x8B, 0x96}},
        {2, {0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C}},
        {4, {0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C}},
        {0, {0x82, 0x84, 0x8B, 0x96, 0x12, 0x24, 0x48, 0x6C, 0x8C, 0x98, 0xB0, 0x60}},
        {3, {0x82, 0x84, 0x8B, 0x96, 0x12, 0x24, 0x48, 0x6C, 0x8C, 0x98, 0xB0, 0x60}},
    };
    for (const auto& c : cases) {
        const auto record = SupportedRatesRecord(c.mode);
        EXPECT_EQ(record[0], c.rates.size()) << c.mode;
        EXPECT_EQ(record[1] | record[2] | record[3], 0);
        EXPECT_TRUE(std::equal(c.rates.begin(), c.rates.end(), record.begin() + 4)) << c.mode;
        for (size_t i = 4 + c.rates.size(); i < record.size(); ++i) ASSERT_EQ(record[i], 0) << c.mode;
    }
}

TEST(AdvancedSettings, RegionListsAndSpans)
{
    EXPECT_EQ(Region24Texts(0).size(), 8u);
    EXPECT_EQ(Region24Texts(3)[5], "5: MKK, CH14");
    EXPECT_EQ(Region24Texts(4)[7], "7: CH5-13");
    EXPECT_TRUE(Region24Texts(-1).empty());
    EXPECT_TRUE(Region5Texts(5).empty());
    EXPECT_EQ(Region5Texts(8).size(), 9u);
    EXPECT_EQ(Region5Texts(6)[8], "8: CH 52, 56, 60, 64");

    const struct { const char* text; int span; } spans[] = {
        {"0: FCC, CH1-11", 10}, {"3: SPAIN, CH10-11", 1}, {"4: FRANCE, CH10-13", 3}, {"5: MKK, CH14", 0},
        {"6: CH3-9", 6}, {"7: CH5-13", 8}, {"", 0}, {"CH", 0}, {"CH7-", 0},
    };
    for (const auto& s : spans) EXPECT_EQ(RegionChannelSpan(s.text), s.span) << s.text;
}

TEST(AdvancedSettings, Ccx2ControlPacking)
{
    CcxSettings s;
    s.ccx = true;
    s.limitMs = 300;
    s.fastRoaming = true;
    s.thresholdDbm = -75;
    EXPECT_EQ(PackCcx2Control(s), 0x012C4B21u);

    const struct { const char* name; CcxSettings in; uint32_t packed; } cases[] = {
        {"nothing", {}, 0x00FA4600},
        // Without CCX its options and the limit do not count.
        {"options without CCX", {false, true, true, true, true, false, 900, -70}, 0x00FA4600},
        {"CCKM sets CCX too", {true, true, false, false, false, false, 250, -70}, 0x00FA4603},
        {"non-serving needs radio measurements", {true, false, false, true, false, false, 250, -70}, 0x00FA4601},
        {"all of CCX", {true, true, true, true, true, false, 2000, -70}, 0x07D0461F},
        {"roaming alone", {false, false, false, false, false, true, 250, -90}, 0x00FA5A20},
    };
    for (const auto& c : cases) EXPECT_EQ(PackCcx2Control(c.in), c.packed) << c.name;

    const CcxSettings back = UnpackCcx2Control(0x012C4B21);
    EXPECT_TRUE(back.ccx);
    EXPECT_FALSE(back.cckm);
    EXPECT_TRUE(back.fastRoaming);
    EXPECT_EQ(back.limitMs, 300);
    EXPECT_EQ(back.thresholdDbm, -75);
    // Out of range: the defaults.
    EXPECT_EQ(UnpackCcx2Control(0x07D10000).limitMs, 250);
    EXPECT_EQ(UnpackCcx2Control(0x07D00000).limitMs, 2000);
    EXPECT_EQ(UnpackCcx2Control(0x00003B00).thresholdDbm, -70);  // -59
    EXPECT_EQ(UnpackCcx2Control(0x00005B00).thresholdDbm, -70);  // -91
    EXPECT_EQ(UnpackCcx2Control(0x00003C00).thresholdDbm, -60);
}

// The word the driver key keeps and the 12-byte record the driver gets from it agree: the
// record keeps its layout (extension channel at byte 6, HT mode at byte 7).
TEST(AdvancedSettings, TransmitSettingWordAndTheDriversRecord)
{
    HtPhySettings s;
    s.wirelessMode = 9;
    s.mcs = 7;
    s.bw = 1;
    s.gi = 0;
    s.stbc = 1;
    s.htMode = 1;
    s.extension = 2;
    const uint32_t word = PackTransmitSetting(s);
    EXPECT_EQ(word, 0x9u | (7u << 4) | (1u << 11) | (1u << 13) | (2u << 14) | (1u << 16) | (2u << 17));
    const HtPhySettings back = UnpackTransmitSetting(word);
    EXPECT_EQ(back.wirelessMode, 9);
    EXPECT_EQ(back.mcs, 7);
    EXPECT_EQ(back.bw, 1);
    EXPECT_EQ(back.gi, 0);
    EXPECT_EQ(back.stbc, 1);
    EXPECT_EQ(back.htMode, 1);
    EXPECT_EQ(back.extension, 2);
    const HtSettingsRecord record = UnpackHtSettings(word);
    const HtSettingsRecord expected = {9, 2, 1, 0, 1, 7, 2, 1, 0, 0, 0, 0};
    EXPECT_EQ(record, expected);
    EXPECT_EQ(PackTransmitSetting(HtPhySettings{}), 33u << 4 | 1u << 11 | 1u << 12 | 1u << 13 | 2u << 14);
}

}  // namespace
