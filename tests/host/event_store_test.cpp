// The event store of the soft-AP utility: how many records a table of the driver gives, the
// merge that keeps the newest 100, and the texts of an Event Log row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "softap/core/tables/event_store.h"
#include "softap/core/tables/event_text.h"

namespace {

using softap::g_EventArray;
using softap::g_EventShownCount;

// A table as the driver fills it: count, four unused bytes, records whose last MAC byte and
// code count up from first.
std::vector<uint8_t> Table(uint32_t count, size_t records, uint8_t first = 0) {
    std::vector<uint8_t> t(softap::kEventTableBytes, 0);
    for (int i = 0; i < 4; ++i) t[i] = static_cast<uint8_t>(count >> (8 * i));
    for (size_t r = 0; r < records && r < softap::kEventTableRecords; ++r) {
        uint8_t* p = t.data() + 8 + 16 * r;
        for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(0x10 + i);
        p[13] = static_cast<uint8_t>(first + r);
        p[14] = static_cast<uint8_t>(first + r);
    }
    return t;
}

class EventStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_EventArray.clear();
        g_EventShownCount = 0;
    }
    void TearDown() override { SetUp(); }
};

TEST_F(EventStoreTest, RecordsTakenAreTheCountButNoMoreThanTenOrTheBytesReturned) {
    const struct {
        uint32_t count;
        size_t returned;
        size_t taken;
    } cases[] = {
        {3, 168, 3},        {10, 168, 10},  {11, 168, 10}, {0xFFFFFFFF, 168, 10},
        {10, 8 + 16 * 4, 4}, {2, 8 + 16 + 15, 1}, {5, 8, 0},  {5, 7, 0},
        {5, 0, 0},          {0, 168, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << ", " << c.returned << " bytes");
        const auto table = Table(c.count, 10);
        EXPECT_EQ(softap::EventTableRecordCount(table.data(), c.returned), c.taken);
    }
}

TEST_F(EventStoreTest, RecordsKeepTheirTimeStationAndCode) {
    auto table = Table(1, 1, 0x45);
    table[8 + 15] = 0x01;  // code 0x0145
    softap::MergeEventTable(table.data(), table.size());
    ASSERT_EQ(g_EventArray.size(), 1u);
    EXPECT_EQ(g_EventArray[0].time, 0x1716151413121110ull);
    EXPECT_EQ(g_EventArray[0].mac[5], 0x45);
    EXPECT_EQ(g_EventArray[0].code, 0x0145);
}

TEST_F(EventStoreTest, MergeKeepsTheNewestHundredAndLowersTheShownCount) {
    const struct {
        size_t stored;
        int shown;
        uint32_t count;
        size_t size;
        int shownAfter;
    } cases[] = {
        {95, 40, 10, 100, 35},  // five oldest dropped
        {95, 3, 10, 100, 0},    // not below 0
        {100, 100, 10, 100, 90},
        {0, 0, 10, 10, 0},
        {90, 90, 10, 100, 90},  // exactly full: nothing dropped
        {100, 50, 0, 100, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored << " stored, " << c.count << " new");
        g_EventArray.assign(c.stored, softap::EventRecord{});
        if (c.stored) g_EventArray.back().code = 0x77;
        g_EventShownCount = c.shown;
        const auto table = Table(c.count, c.count, 1);
        softap::MergeEventTable(table.data(), table.size());
        EXPECT_EQ(g_EventArray.size(), c.size);
        EXPECT_EQ(g_EventShownCount, c.shownAfter);
        if (c.count) {
            EXPECT_EQ(g_EventArray.back().mac[5], c.count) << "the table's order is kept";
        }
        if (c.stored && c.count) {
            EXPECT_EQ(g_EventArray[c.size - c.count - 1].code, 0x77) << "oldest first";
        }
    }
}

TEST(EventTexts, MessageByCode) {
    softap::EventRecord r;
    const uint8_t mac[6] = {0x02, 0x5a, 0x10, 0x00, 0x0b, 0xff};
    std::copy(mac, mac + 6, r.mac);
    const struct {
        uint16_t code;
        const char* text;
        const char* message;
    } cases[] = {
        {0, "Restart Access Point", "Restart Access Point"},  // no station
        {1, "associated", " 02-5A-10-00-0B-FF associated"},
        {3, "was aged-out and removed from this BSS", " 02-5A-10-00-0B-FF was aged-out and removed from this BSS"},
        {5, "associated with invalid PSK password", " 02-5A-10-00-0B-FF associated with invalid PSK password"},
        {6, "", ""},
        {9, "anything", ""},  // a code without a text of its own shows nothing
        {0xFFFF, "", ""},
    };
    for (const auto& c : cases) {
        r.code = c.code;
        EXPECT_EQ(softap::EventMessageText(r, c.text), c.message) << "code " << c.code;
    }
}

TEST(EventTexts, TimeIsPaddedYearMonthDayAndClock) {
    EXPECT_EQ(softap::EventTimeText({2026, 12, 10, 5, 9, 3}), "2026 / 12 / 10 - 05 : 09 : 03");
    EXPECT_EQ(softap::EventTimeText({1601, 1, 1, 0, 0, 0}), "1601 / 01 / 01 - 00 : 00 : 00");
}

}  // namespace
