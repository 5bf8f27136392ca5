// The access point's station table as the driver hands it to the Mac Table page: both entry
// sizes, counts the table or the bytes returned cannot hold, and the rate text of each mode.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "softap/core/tables/station_table.h"
#include "shared/radio/ht_table.h"

namespace {

// A full table whose entry i has MAC byte 5, AID and rate word made from i, power save on
// odd entries.
std::vector<uint8_t> Table(uint32_t count, bool ht) {
    std::vector<uint8_t> t(softap::StationTableBytes(ht), 0);
    for (int i = 0; i < 4; ++i) t[i] = static_cast<uint8_t>(count >> (8 * i));
    const size_t entry = ht ? 10 : 8;
    for (size_t e = 0; e < 32; ++e) {
        uint8_t* p = t.data() + 4 + e * entry;
        p[0] = 0x02;
        p[5] = static_cast<uint8_t>(0x10 + e);
        p[6] = static_cast<uint8_t>(1 + e);
        p[7] = e & 1;
        if (ht) {
            p[8] = static_cast<uint8_t>(e);
            p[9] = 0x80;
        }
    }
    return t;
}

TEST(StationTable, EntriesTakenAreTheCountButNoMoreThanThirtyTwoOrTheBytesReturned) {
    const struct {
        bool ht;
        uint32_t count;
        size_t returned;
        size_t taken;
    } cases[] = {
        {false, 3, 260, 3},         {true, 3, 324, 3},        {false, 32, 260, 32},
        {true, 33, 324, 32},        {false, 0xFFFFFFFF, 260, 32}, {true, 0x80000000, 324, 32},
        {false, 10, 4 + 8 * 5, 5},  {true, 10, 4 + 10 * 5, 5}, {true, 10, 4 + 10 * 5 + 9, 5},
        {false, 2, 4, 0},           {true, 2, 3, 0},          {false, 2, 0, 0},
        {true, 0, 324, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.ht ? "802.11n" : "802.11g") << ", count " << c.count << ", "
                                        << c.returned << " bytes");
        const auto table = Table(c.count, c.ht);
        EXPECT_EQ(softap::ParseStationTable(table.data(), c.returned, c.ht).size(), c.taken);
    }
}

TEST(StationTable, EntriesLieEightOrTenBytesApart) {
    for (bool ht : {false, true}) {
        SCOPED_TRACE(ht ? "802.11n" : "802.11g");
        const auto table = Table(32, ht);
        const auto entries = softap::ParseStationTable(table.data(), table.size(), ht);
        ASSERT_EQ(entries.size(), 32u);
        const softap::StationEntry& last = entries[31];
        EXPECT_EQ(last.mac[0], 0x02);
        EXPECT_EQ(last.mac[5], 0x10 + 31);
        EXPECT_EQ(last.aid, 32);
        EXPECT_EQ(last.powerSave, 1);
        EXPECT_EQ(last.rateWord, ht ? 0x8000 + 31 : 0);
        EXPECT_EQ(entries[30].powerSave, 0);
    }
}

TEST(StationTable, RateTextOfEachMode) {
    CHTTable table;
    table.FillRateMaps();
    const struct {
        uint16_t word;
        const char* text;
    } cases[] = {
        {0x0003, "B: Rate = 11.00"},
        {0x0000, "B: Rate = 1.00"},
        {0x0002, "B: Rate = 5.50"},
        {0x0009, "B: Rate = 2.00"},
        {0x0004, "B: Rate = 0.00"},  // outside the CCK map
        {0x000C, "B: Rate = 0.00"},
        {0x4007, "Rate = 54.00"},
        {0x4000, "Rate = 6.00"},
        {0x4008, "Rate = 0.00"},
        {0x8000 | 0x180 | 7, "N: MCS = 7, BW = 40, GI = 400, Rate = 150.00"},
        {0x8000 | 0x100 | 7, "N: MCS = 7, BW = 20, GI = 400, Rate = 72.20"},  // the GI bit read as 1
        {0x8000 | 0x600 | 7, "N: MCS = 7, BW = 20, GI = 800, Rate = 65.00"},  // STBC not shown
        {0xC000 | 0x80 | 15, "N: MCS = 15, BW = 40, GI = 800, Rate = 270.00"},  // greenfield
        {0x8000 | 0x100 | 8, "N: MCS = 8, BW = 20, GI = 400, Rate = 14.44"},
        {0x8000 | 32, "N: MCS = 32, BW = 20, GI = 800, Rate = 0.00"},  // no MCS 32 at 20 MHz
        {0x8000 | 0x80 | 32, "N: MCS = 32, BW = 40, GI = 800, Rate = 6.00"},
        {0x8000 | 0x7F, "N: MCS = 127, BW = 20, GI = 800, Rate = 0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(softap::StationRateText(c.word, table), c.text) << std::hex << c.word;
}

}  // namespace
