#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "station/core/radio/rate_tables.h"

namespace {

constexpr DesiredRates kB = {22, 11, 4, 2, 0, 0, 0, 0};
constexpr DesiredRates kA = {108, 96, 72, 48, 36, 24, 18, 12};
constexpr DesiredRates kBG = {108, 96, 72, 48, 22, 11, 4, 2};

RateRecord Record(std::initializer_list<uint8_t> supported, std::initializer_list<uint8_t> extended) {
    RateRecord r{};
    r[0] = static_cast<uint8_t>(supported.size());
    std::copy(supported.begin(), supported.end(), r.begin() + 1);
    r[13] = static_cast<uint8_t>(extended.size());
    std::copy(extended.begin(), extended.end(), r.begin() + 14);
    return r;
}

struct ModeCase {
    int mode;
    DesiredRates desired;
    RateRecord record;
};

TEST(RateTables, DesiredRatesAndRateRecordByMode) {
    const RateRecord b = Record({0x82, 0x84, 0x8B, 0x96}, {});
    const RateRecord a = Record({0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C}, {});
    const RateRecord bg = Record({0x82, 0x84, 0x8B, 0x96, 0x12, 0x24, 0x48, 0x6C}, {0x8C, 0x98, 0xB0, 0x60});
    // 7, 8, -1 and 100 are "any other value": the mixed b/g set.
    const ModeCase cases[] = {{0, kBG, bg}, {1, kB, b},   {2, kA, a},     {3, kBG, bg},
                              {4, kA, a},   {7, kBG, bg}, {8, kBG, bg},  {-1, kBG, bg},
                              {100, kBG, bg}};
    for (const ModeCase& c : cases) {
        EXPECT_EQ(DefaultDesiredRates(c.mode), c.desired) << "mode " << c.mode;
        EXPECT_EQ(BuildRateRecord(c.mode), c.record) << "mode " << c.mode;
        EXPECT_FALSE(IsHtWirelessMode(c.mode)) << "mode " << c.mode;
    }
    for (int mode : {5, 6, 9}) EXPECT_TRUE(IsHtWirelessMode(mode)) << "mode " << mode;
}

TEST(RateTables, HtDesiredRatesFollowOnlyTheMcsBits) {
    constexpr DesiredRates kTopOnly = {108, 0, 0, 0, 0, 0, 0, 0};
    struct Case {
        uint32_t word;
        DesiredRates expected;
    } cases[] = {
        {33u << 4, kBG},                        // MCS auto
        {(33u << 4) | 0xFFFF800Fu, kBG},        // every other bit set: still auto
        {1u << 4, kTopOnly},
        {32u << 4, kTopOnly},
        {0, kTopOnly},
        {0xFFFFFFFFu, kTopOnly},                // MCS 127
    };
    for (const Case& c : cases) EXPECT_EQ(HtDesiredRates(c.word), c.expected) << std::hex << c.word;
}

TEST(RateTables, HtSettingsUnpackEachFieldFromItsBits) {
    // mode 9, MCS 15, BW 1, GI 0, STBC 1, HT mode 1, extension 2, operating mode 2.
    const uint32_t word = 9u | (15u << 4) | (1u << 11) | (1u << 13) | (2u << 14) | (1u << 16) | (2u << 17);
    const HtSettingsRecord expected = {9, 2, 1, 0, 1, 15, 2, 1, 0, 0, 0, 0};
    EXPECT_EQ(UnpackHtSettings(word), expected);
    // Bits above 18 never leak into the record.
    EXPECT_EQ(UnpackHtSettings(0xFFF80000u), HtSettingsRecord{});
}

}  // namespace

TEST(RateTables, ProfileRatesByModeAndTransRate) {
    const uint32_t htAuto = kHtMcsAuto << 4, htFixed = 7u << 4;
    const struct {
        int mode;
        bool has;
        long n;
        uint32_t ht;
        DesiredRates expected;
    } cases[] = {
        {4, true, 3, 0, {24, 0, 0, 0, 0, 0, 0, 0}},
        {2, true, 8, 0, {108, 0, 0, 0, 0, 0, 0, 0}},
        {2, true, 9, 0, {108, 96, 72, 48, 36, 24, 18, 12}},  // past the A rates: all of them
        {1, true, 4, 0, {22, 0, 0, 0, 0, 0, 0, 0}},
        {1, true, 5, 0, {22, 11, 4, 2, 0, 0, 0, 0}},
        {3, true, 12, 0, {108, 0, 0, 0, 0, 0, 0, 0}},
        {0, true, 0, 0, {108, 96, 72, 48, 22, 11, 4, 2}},
        {6, true, 1, htAuto, {108, 96, 72, 48, 22, 11, 4, 2}},
        {9, true, 1, htFixed, {108, 0, 0, 0, 0, 0, 0, 0}},
        // Without TransRate the mode alone decides.
        {5, false, 0, htAuto, {0, 0, 0, 0, 0, 0, 0, 0}},
        {4, false, 0, 0, {22, 11, 4, 2, 0, 0, 0, 0}},
        {3, false, 0, 0, {108, 96, 72, 48, 22, 11, 4, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileDesiredRates(c.mode, c.has, c.n, c.ht), c.expected) << c.mode << " " << c.has << " " << c.n;
}

TEST(RateTables, ProfileHtWordAndAdhocOfdmCode) {
    // Absent TransmitSetting: automatic MCS, 40 MHz, short guard interval, STBC, HT mode off.
    EXPECT_EQ(ProfileHtSettingsWord(9, 0xFF, false, 0), 9u | 33u << 4 | 1u << 11 | 1u << 12 | 1u << 13 | 2u << 14 | 3u << 17);
    // Stored: only its MCS, bandwidth, guard interval, STBC and HT-mode bits count.
    EXPECT_EQ(ProfileHtSettingsWord(6, 1, true, 0xFFFFFFFF),
              6u | 0x7Fu << 4 | 1u << 11 | 1u << 12 | 1u << 13 | 2u << 14 | 1u << 16 | 1u << 17);
    const int codes[10] = {1, 0, 3, 4, 2, 5, 6, -1, -1, 9};
    for (int mode = 0; mode < 10; ++mode) EXPECT_EQ(AdhocOfdmCode(mode), codes[mode]) << mode;
}
