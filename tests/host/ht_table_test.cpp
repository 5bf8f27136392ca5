#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "shared/radio/ht_table.h"

namespace {

class HtTableTest : public ::testing::Test {
protected:
    void SetUp() override { table.FillRateMaps(); }
    CHTTable table;
};

TEST_F(HtTableTest, MapsHoldFifteenLegacyAndSixtyEightHtEntries) {
    EXPECT_EQ(table.LegacyMap().size(), 15u);
    EXPECT_EQ(table.HtMap().size(), 68u);
    CHTTable empty;
    double rate = -1;
    int width = -1;
    EXPECT_EQ(empty.GetRateByIndex(0, rate, width), 0) << "nothing before FillRateMaps";
    EXPECT_EQ(empty.GetHtRate(0, 0, 0, rate), 0);
    EXPECT_EQ(rate, -1);
}

TEST_F(HtTableTest, TellingRows) {
    struct Row {
        int is40, shortGi, mcs;
        double mbps;
    } rows[] = {
        {0, 0, 0, 6.5},    {0, 1, 7, 72.2},    {0, 0, 15, 130.0}, {0, 1, 8, 14.444},
        {0, 1, 0, 7.2},    {0, 1, 15, 144.444}, {0, 1, 2, 21.7},  {1, 0, 0, 13.5},
        {1, 0, 15, 270.0}, {1, 1, 15, 300.0},  {1, 0, 32, 6.0},   {1, 1, 32, 6.7},
        {1, 0, 33, 39.0},  {1, 1, 33, 43.3},
    };
    for (const Row& r : rows) {
        double rate = 0;
        ASSERT_EQ(table.GetHtRate(r.is40, r.shortGi, r.mcs, rate), 1) << r.is40 << "," << r.shortGi << "," << r.mcs;
        EXPECT_DOUBLE_EQ(rate, r.mbps) << r.is40 << "," << r.shortGi << "," << r.mcs;
    }
}

// Every MCS 0-15 row against the symbol arithmetic: data subcarriers x coded bits x coding
// rate x streams per symbol time, rounded to the row's decimals.
TEST_F(HtTableTest, SingleAndDualStreamRowsFollowTheSymbolArithmetic) {
    const double bitsPerSubcarrier[8] = {1, 2, 2, 4, 4, 6, 6, 6};
    const double codingRate[8] = {1.0 / 2, 1.0 / 2, 3.0 / 4, 1.0 / 2, 3.0 / 4, 2.0 / 3, 3.0 / 4, 5.0 / 6};
    for (int is40 : {0, 1})
        for (int shortGi : {0, 1})
            for (int mcs = 0; mcs < 16; ++mcs) {
                const double subcarriers = is40 ? 108 : 52;
                const double symbolUs = shortGi ? 3.6 : 4.0;
                const double exact =
                    subcarriers * bitsPerSubcarrier[mcs % 8] * codingRate[mcs % 8] * (mcs / 8 + 1) / symbolUs;
                const double scale = (!is40 && shortGi && mcs >= 8) ? 1000 : 10;
                const std::string key = std::string(is40 ? "40," : "20,") + (shortGi ? "400," : "800,") +
                                        std::to_string(mcs);
                ASSERT_EQ(table.HtMap().count(key), 1u) << key;
                EXPECT_DOUBLE_EQ(table.HtMap().at(key), std::round(exact * scale) / scale) << key;
            }
}

TEST_F(HtTableTest, HtLookupEdges) {
    struct Case {
        int is40, shortGi, mcs;
        int found;
        double mbps;
    } cases[] = {
        {0, 0, 32, 0, 0},      // MCS 32 exists only at 40 MHz
        {0, 1, 32, 0, 0},
        {0, 0, 33, 0, 0},      // no such row at 20 MHz
        {1, 0, 16, 0, 0},
        {1, 0, 34, 0, 0},
        {1, 0, -1, 0, 0},
        {0, 2, 7, 1, 65.0},    // a guard-interval argument other than 1 is the long one
        {0, -1, 7, 1, 65.0},
        {0, 256, 7, 1, 65.0},
        {128, 1, 7, 1, 150.0}, // any non-zero width flag is 40 MHz
    };
    for (const Case& c : cases) {
        double rate = 0;
        EXPECT_EQ(table.GetHtRate(c.is40, c.shortGi, c.mcs, rate), c.found) << c.is40 << "," << c.shortGi << "," << c.mcs;
        EXPECT_DOUBLE_EQ(rate, c.mbps) << c.is40 << "," << c.shortGi << "," << c.mcs;
    }
}

TEST_F(HtTableTest, LegacyIndicesGiveRateAndWidth) {
    const double rates[15] = {54, 81, 108, 121.5, 135, 54, 81, 108, 121.5, 135, 108, 162, 216, 243, 270};
    for (int i = 0; i < 15; ++i) {
        double rate = 0;
        int width = 0;
        ASSERT_EQ(table.GetRateByIndex(i, rate, width), 1) << i;
        EXPECT_DOUBLE_EQ(rate, rates[i]) << i;
        EXPECT_EQ(width, i < 10 ? 20 : 40) << i;
    }
    EXPECT_EQ(table.LegacyMap().at(3), "121.5.0,20") << "the text stands as it was";
    for (int bad : {-1, 15, 1000}) {
        double rate = -1;
        int width = -1;
        EXPECT_EQ(table.GetRateByIndex(bad, rate, width), 0) << bad;
        EXPECT_EQ(rate, -1);
        EXPECT_EQ(width, -1);
    }
}

}  // namespace
