#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "shared/radio/ht_table.h"
#include "station/pages/link_status_values.h"

using namespace link_status;

namespace {

TEST(LinkStatusValues, RateWordsByMode) {
    CHTTable table;
    table.FillRateMaps();
    constexpr uint32_t kHt = 2u << 14, kGreenfield = 3u << 14, kOfdm = 1u << 14;
    struct {
        uint32_t word;
        double mbps;
    } cases[] = {
        {0, 1},       {2, 5.5},   {3, 11},     {8, 1},      {11, 11},  {4, 0},   {12, 0},  {0x7F, 0},  // CCK
        {kOfdm | 0, 6}, {kOfdm | 7, 54}, {kOfdm | 8, 0},                                     // OFDM
        {kHt | 0x180 | 15, 300}, {kGreenfield | 0x80 | 32, 6}, {kHt | 32, 0}, {kHt | 0x100 | 16, 0},
        // Only the low 16 bits count.
        {0xFFFF0000u | kOfdm | 6, 48}, {0x00010000u | 2, 5.5},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RateOfWord(c.word, table), c.mbps) << std::hex << c.word;
    EXPECT_FALSE(IsHtRate(kOfdm | 0x1FF));
    EXPECT_TRUE(IsHtRate(kGreenfield));
}

TEST(LinkStatusValues, LegacyRateIndex) {
    const double rates[12] = {1, 2, 5.5, 11, 6, 9, 12, 18, 24, 36, 48, 54};
    for (uint32_t i = 0; i < 12; ++i) EXPECT_DOUBLE_EQ(LegacyRateOfIndex(i), rates[i]) << i;
    for (uint32_t i : {12u, 255u, 0xFFFFFFFFu}) EXPECT_DOUBLE_EQ(LegacyRateOfIndex(i), 1) << i;
}

// Whatever the driver reports, the noise stays a number the page can show and bar.
TEST(LinkStatusValues, NoiseFromUntrustedReadings) {
    struct {
        bool ht;
        int32_t rssi[3];
        uint32_t snr[2];
        uint32_t noiseValue;
        int dbm;
        int percent;
    } cases[] = {
        {true, {-60, -200, -200}, {30, 30}, 0, -92, 26},
        {true, {-80, -90, -200}, {20, 25}, 0, -100, 0},
        {true, {-71, -200, -200}, {0, 44}, 0, -71, 96},
        {true, {-70, -200, -200}, {0, 0}, 0, -92, 26},              // -70 is not below -70
        {true, {INT_MIN, INT_MIN, INT_MIN}, {0xFFFFFFFFu, 0xFFFFFFFFu}, 0, INT_MIN, 0},
        {true, {-200, -200, -200}, {0xFFFFFFFFu, 5}, 0, -205, 0},  // the smaller, unsigned
        {false, {0, 0, 0}, {0, 0}, 143 - 70, -70, 100},
        {false, {0, 0, 0}, {0, 0}, 0, -143, 0},
        {false, {0, 0, 0}, {0, 0}, 0xFFFFFFFFu, INT_MAX, 100},
    };
    for (const auto& c : cases) {
        const int n = NoiseDbm(c.ht, c.rssi, c.snr, c.noiseValue);
        EXPECT_EQ(n, c.dbm) << c.rssi[0] << " " << c.snr[0] << " " << c.noiseValue;
        EXPECT_EQ(NoisePercent(n), c.percent) << n;
    }
    EXPECT_EQ(ClassifyNoise(91), NoiseClass::Strong);
    EXPECT_EQ(ClassifyNoise(90), NoiseClass::Normal);
    EXPECT_EQ(ClassifyNoise(51), NoiseClass::Normal);
    EXPECT_EQ(ClassifyNoise(50), NoiseClass::Low);
}

TEST(LinkStatusValues, ThroughputIsAnUnsignedDifference) {
    EXPECT_DOUBLE_EQ(ThroughputKbps(2500, 0), 10.0);
    EXPECT_DOUBLE_EQ(ThroughputKbps(100, 0xFFFFFF6Au), 1.0) << "across the wrap: 250 bytes";
    EXPECT_DOUBLE_EQ(ThroughputKbps(7, 7), 0.0);
}

TEST(LinkStatusValues, TransmitPowerAndChannelTexts) {
    struct {
        int32_t percent;
        const char* text;
    } power[] = {{-1, "100%"}, {100, "100%"}, {75, "75%"}, {7, "7%"}, {6, "Lowest"}, {0, "Lowest"}, {-5, "Lowest"}};
    for (const auto& p : power) EXPECT_EQ(TxPowerText(p.percent), p.text) << p.percent;

    struct {
        int channel;
        const char* text;
    } channels[] = {{1, "1 <--> 2412 KHz"}, {14, "14 <--> 2484 KHz"}, {36, "36 <--> 5180 KHz"},
                    {208, "J8 <--> 5040 KHz"}, {212, "J12 <--> 5060 KHz"}, {216, "J16 <--> 5080 KHz"},
                    {144, ""}, {0, ""}, {-1, ""}};
    for (const auto& c : channels) EXPECT_EQ(ChannelText(c.channel), c.text) << c.channel;
}

}  // namespace
