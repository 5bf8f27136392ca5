// Allowed channels by chip group, region word and wireless mode; the frequency table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "shared/adapter/adapter_identity.h"
#include "station/core/radio/channel_plan.h"
#include "station/core/registry/radio_defaults.h"

namespace {

using Channels = std::vector<uint8_t>;

Channels Range(int first, int last, int step = 1) {
    Channels out;
    for (int c = first; c <= last; c += step) out.push_back(static_cast<uint8_t>(c));
    return out;
}

Channels operator+(Channels a, const Channels& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Channels k5Region0 = Range(36, 64, 4) + Range(149, 165, 4);

TEST(ChannelPlan, TwoPointFourGigahertzTablesPerGroup) {
    struct Row {
        int region;
        Channels a, b;
    };
    const Row rows[] = {
        {0, Range(1, 11), Range(1, 11)},  {1, Range(1, 11), Range(1, 13)},  {2, Range(1, 13), Range(10, 11)},
        {3, Range(10, 11), Range(10, 13)}, {4, Range(10, 13), {14}},         {5, {14}, Range(1, 14)},
        {6, Range(1, 14), Range(3, 9)},    {7, Range(3, 9), Range(5, 13)},   {8, Range(5, 13), Range(1, 11)},
        {9, Range(1, 11), Range(1, 11)},   {127, Range(1, 11), Range(1, 11)},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Channels24(ChannelGroup::A, r.region), r.a) << "group A region " << r.region;
        EXPECT_EQ(Channels24(ChannelGroup::B, r.region), r.b) << "group B region " << r.region;
        EXPECT_TRUE(Channels24(ChannelGroup::None, r.region).empty());
    }
}

TEST(ChannelPlan, FiveGigahertzTable) {
    struct Row {
        int region;
        Channels channels;
    };
    const Row rows[] = {
        {0, k5Region0},
        {1, Range(36, 64, 4) + Range(100, 140, 4)},
        {2, Range(36, 64, 4)},
        {3, Range(52, 64, 4) + Range(149, 161, 4)},
        {4, Range(149, 165, 4)},
        {5, Range(149, 161, 4)},
        {6, Range(36, 48, 4)},
        {7, Range(36, 64, 4) + Range(100, 140, 4) + Range(149, 165, 4)},
        {8, Range(52, 64, 4)},
        {9, {34, 38, 42, 46}},
        {10, {34, 36, 38, 40, 42, 44, 46, 48, 52, 56, 60, 64}},
        {11, k5Region0},
    };
    for (const Row& r : rows) EXPECT_EQ(Channels5(r.region), r.channels) << "region " << r.region;
    EXPECT_EQ(Channels5(1).size(), 19u);
    EXPECT_EQ(Channels5(7).size(), 24u);
}

TEST(ChannelPlan, ListByChipRegionWordAndMode) {
    struct Case {
        const char* what;
        int chip;
        uint32_t regionWord;
        int numbering, driverMode, listMode;
        Channels expected;
    };
    const Case cases[] = {
        {"chip 2 has no 2.4 GHz list", 2, 0x0000, 1, 0, 0, {}},
        {"chip 3, mode A/B/G: 5 GHz only", 3, 0x0000, 1, 3, 0, k5Region0},
        {"unknown chip", -1, 0x0000, 1, 0, 0, {}},
        {"group B, 0x0101, mode 3", 5, 0x0101, 1, 3, 0, Range(1, 13) + Range(36, 64, 4) + Range(100, 140, 4)},
        {"group A region 5", 0, 0x0005, 1, 0, 0, {14}},
        {"group B region 4", 8, 0x0004, 1, 0, 0, {14}},
        {"mode 2 (A) leaves 2.4 GHz out", 4, 0x0201, 1, 2, 0, Range(36, 64, 4)},
        {"mode 5 adds 5 GHz", 6, 0x0400, 1, 5, 0, Range(1, 11) + Range(149, 165, 4)},
        {"mode 9 (B/G/N) is 2.4 GHz only", 6, 0x0401, 1, 9, 0, Range(1, 13)},
        {"list position 3 is A only", 5, 0x0101, 0, 9, 3, Range(36, 64, 4) + Range(100, 140, 4)},
        {"list position 4 adds 5 GHz", 5, 0x0001, 0, 0, 4, Range(1, 13) + k5Region0},
        {"list position 2 is 2.4 GHz only", 5, 0x0001, 0, 3, 2, Range(1, 13)},
        {"2.4 GHz invalid bit 7 is masked", 5, 0x0081, 1, 0, 0, Range(1, 13)},
        {"5 GHz invalid bit 15 is masked", 5, 0x8500, 1, 3, 0, Range(1, 11) + Range(149, 161, 4)},
        {"both invalid bits", 0, 0x8686, 1, 3, 0, Range(1, 14) + Range(36, 48, 4)},
        {"region 7 of 5 GHz fills the whole list", 1, 0x0706, 1, 3, 0,
         Range(1, 14) + Range(36, 64, 4) + Range(100, 140, 4) + Range(149, 165, 4)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AllowedChannels(c.chip, c.regionWord, c.numbering, c.driverMode, c.listMode), c.expected)
            << c.what;
}

TEST(ChannelPlan, BuildChannelListReadsTheSelectedAdapter) {
    const int chip = g_ChipIndex;
    const uint32_t word = g_RegionWord;
    g_ChipIndex = 1;
    g_RegionWord = 0x0706;  // the longest list: 14 + 24

    uint8_t buffer[kMaxChannelListLength + 1];
    std::fill(std::begin(buffer), std::end(buffer), 0xEE);
    int count = -1;
    BuildChannelList(1, 3, 0, buffer, &count);
    EXPECT_EQ(count, 38);
    EXPECT_EQ(Channels(buffer, buffer + count), AllowedChannels(1, 0x0706, 1, 3, 0));
    EXPECT_EQ(buffer[kMaxChannelListLength], 0xEE) << "nothing written past the list";

    g_ChipIndex = 2;
    BuildChannelList(1, 0, 0, buffer, &count);
    EXPECT_EQ(count, 0);

    g_ChipIndex = chip;
    g_RegionWord = word;
}

TEST(ChannelPlan, FrequencyTableEndsWithTheJChannels) {
    EXPECT_EQ(kChannelFrequencyTable[46].channel, 208);
    EXPECT_EQ(kChannelFrequencyTable[46].kHz, 5040000u);
    EXPECT_EQ(kChannelFrequencyTable[47].channel, 212);
    EXPECT_EQ(kChannelFrequencyTable[47].kHz, 5060000u);
    EXPECT_EQ(kChannelFrequencyTable[48].channel, 216);
    EXPECT_EQ(kChannelFrequencyTable[48].kHz, 5080000u);

    struct Case {
        int channel;
        uint32_t kHz;
    };
    const Case cases[] = {{1, 2412000}, {13, 2472000}, {14, 2484000}, {34, 5170000}, {36, 5180000},
                          {140, 5700000}, {165, 5825000}, {184, 4920000}, {196, 4980000}, {212, 5060000}};
    for (const Case& c : cases) {
        EXPECT_EQ(FrequencyOfChannel(c.channel), c.kHz) << c.channel;
        EXPECT_EQ(ChannelOfFrequency(c.kHz), c.channel) << c.kHz;
    }
    EXPECT_EQ(ChannelOfFrequency(2417001), -1);
    EXPECT_EQ(FrequencyOfChannel(15), 0u);
}

}  // namespace
