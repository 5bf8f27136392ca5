// Havix's window-less tables: its OS code, hardware-ID tables, wireless modes, channels by
// country region, the channel-to-frequency table, the desired-rate lists and the driver's
// table of associated stations.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "softap/core/radio/ap_channels.h"
#include "softap/core/device/ap_hardware_ids.h"
#include "softap/core/device/ap_os_code.h"
#include "softap/core/radio/ap_rates.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "softap/core/tables/station_table.h"
#include "identity_globals.h"

namespace {

struct OsCase {
    uint32_t platform, major, minor, build;
    uint8_t product;
    bool extended;
    int code;
};

class ApOsCodeTest : public ::testing::TestWithParam<OsCase> {};

TEST_P(ApOsCodeTest, LaterNtVersionsAreWorkstationOrServer) {
    const OsCase& c = GetParam();
    OsVersionRecord v;
    v.platformId = c.platform;
    v.major = c.major;
    v.minor = c.minor;
    v.build = c.build;
    v.productType = c.product;
    v.extended = c.extended;
    EXPECT_EQ(softap::ApOsCodeFromVersion(v), c.code);
}

constexpr uint8_t kWs = kProductWorkstation;
constexpr uint8_t kServer = 3;

INSTANTIATE_TEST_SUITE_P(
    Versions, ApOsCodeTest,
    ::testing::Values(OsCase{kPlatformWin9x, 4, 0, 950, 0, false, 2}, OsCase{kPlatformWin9x, 4, 10, 1998, 0, false, 3},
                      OsCase{kPlatformWin9x, 4, 10, 0x040A08AE, 0, false, 4}, OsCase{kPlatformWin9x, 4, 90, 3000, 0, false, 5},
                      OsCase{kPlatformWinNt, 4, 0, 1381, kWs, true, 6}, OsCase{kPlatformWinNt, 5, 0, 2195, kWs, true, 7},
                      OsCase{kPlatformWinNt, 5, 1, 2600, kWs, true, 8}, OsCase{kPlatformWinNt, 5, 2, 3790, kServer, true, 9},
                      OsCase{kPlatformWinNt, 5, 2, 3790, kWs, true, 10},
                      // Above 5.2 the product type decides, 6.x included.
                      OsCase{kPlatformWinNt, 6, 0, 6000, kWs, true, 11}, OsCase{kPlatformWinNt, 6, 0, 6001, kServer, true, 12},
                      OsCase{kPlatformWinNt, 6, 1, 7601, kWs, true, 11}, OsCase{kPlatformWinNt, 10, 0, 19045, kWs, true, 11},
                      OsCase{kPlatformWinNt, 10, 0, 17763, kServer, true, 12}, OsCase{kPlatformWinNt, 5, 3, 1, kWs, true, 11},
                      // Without the extended structure there is no product type: not a workstation.
                      OsCase{kPlatformWinNt, 6, 0, 6000, kWs, false, 12}, OsCase{kPlatformWin32s, 3, 10, 0, 0, false, 0}));

std::map<int, int> RowsPerChip(const HardwareIdRow* table, size_t count) {
    std::map<int, int> rows;
    for (size_t i = 0; i < count; ++i) ++rows[table[i].chipIndex];
    return rows;
}

TEST(ApHardwareIdTables, RowsPerChipIndex) {
    EXPECT_EQ(RowsPerChip(softap::UsbHardwareIdTable, softap::kUsbHardwareIdCount),
              (std::map<int, int>{{1, 24}, {5, 27}, {8, 16}}));
    EXPECT_EQ(RowsPerChip(softap::PciHardwareIdTable, softap::kPciHardwareIdCount),
              (std::map<int, int>{{4, 5}, {6, 1}, {7, 2}}));
}

TEST(ApHardwareIdTables, IdsAreUniqueUpperCaseAndOfTheirBusForm) {
    std::set<std::string> seen;
    auto check = [&](const HardwareIdRow* table, size_t count, const char* prefix) {
        for (size_t i = 0; i < count; ++i) {
            const std::string id = table[i].id;
            SCOPED_TRACE(id);
            EXPECT_EQ(id.size(), kHardwareIdLength);
            EXPECT_EQ(id.rfind(prefix, 0), 0u);
            for (char c : id) EXPECT_FALSE(std::islower(static_cast<unsigned char>(c)));
            EXPECT_TRUE(seen.insert(id).second) << "duplicate";
        }
    };
    check(softap::UsbHardwareIdTable, softap::kUsbHardwareIdCount, "USB\\VID_F0E1&PID_");
    check(softap::PciHardwareIdTable, softap::kPciHardwareIdCount, "PCI\\VEN_F0E1&DEV_");
}

TEST(ApHardwareIdTables, LookupComparesTwentyOneCharacters) {
    EXPECT_EQ(softap::FindChipIndex("USB\\VID_F0E1&PID_5101&REV_0001"), 5);
    EXPECT_EQ(softap::FindChipIndex("PCI\\VEN_F0E1&DEV_4004&SUBSYS_1"), 4);
    EXPECT_EQ(softap::FindChipIndex("PCI\\VEN_F0E1&DEV_400"), -1);  // 20 characters
    EXPECT_EQ(softap::FindChipIndex(""), -1);
    EXPECT_EQ(softap::FindChipIndex(nullptr), -1);
    EXPECT_EQ(softap::FindChipIndex(false, "USB\\VID_F0E1&PID_5101"), -1);
}

// ---- wireless modes

struct ModeCase {
    int fiveGhz, ht;
    int in, out;
};

class ApWirelessModeTest : public IdentityGlobals, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ApWirelessModeTest, ModeFoldsOntoTheAdapter) {
    const ModeCase& c = GetParam();
    g_Supports5GHz = c.fiveGhz;
    g_IsHtChip = c.ht;
    int mode = c.in;
    softap::NormalizeWirelessMode(mode);
    EXPECT_EQ(mode, c.out);
    // The text form folds the same way.
    std::string text = softap::WirelessModeText(c.in);
    softap::NormalizeWirelessModeText(text);
    if (*softap::WirelessModeText(c.in)) {
        EXPECT_EQ(text, softap::WirelessModeText(c.out));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Adapters, ApWirelessModeTest,
    ::testing::Values(
        // Both bands and 802.11n: nothing changes; 7 and 10 are not folded as the station does.
        ModeCase{1, 1, 5, 5}, ModeCase{1, 1, 8, 8}, ModeCase{1, 1, 7, 7}, ModeCase{1, 1, 10, 10},
        // No 5 GHz band.
        ModeCase{0, 1, 2, 0}, ModeCase{0, 1, 3, 0}, ModeCase{0, 1, 5, 9}, ModeCase{0, 1, 8, 6},
        // No 802.11n.
        ModeCase{1, 0, 5, 3}, ModeCase{1, 0, 6, 0}, ModeCase{1, 0, 9, 0}, ModeCase{1, 0, 8, 8},
        // Neither: A/N becomes N, then B/G.
        ModeCase{0, 0, 8, 0}, ModeCase{0, 0, 5, 0}, ModeCase{0, 0, 4, 4}, ModeCase{0, 0, 1, 1}));

TEST(ApWirelessModeText, TextsAndNumbers) {
    const std::map<int, std::string> texts = {{0, "802.11 B/G Mixed"},  {1, "802.11 B Only"},
                                              {2, "802.11 A Only"},     {3, "802.11 A/B/G Mix"},
                                              {4, "802.11 G Only"},     {5, "802.11 A/B/G/N mix"},
                                              {6, "802.11 N"},          {8, "802.11 A/N mix"},
                                              {9, "802.11 B/G/N mix"}};
    for (const auto& [mode, text] : texts) {
        EXPECT_EQ(softap::WirelessModeText(mode), text);
        EXPECT_EQ(softap::WirelessModeFromText(text), mode);
    }
    EXPECT_STREQ(softap::WirelessModeText(7), "");
    EXPECT_EQ(softap::WirelessModeFromText("802.11 b only"), 0);
    EXPECT_EQ(softap::WirelessModeFromText(""), 0);
}

// ---- channels

std::vector<uint8_t> Range(int a, int b, int step = 1) {
    std::vector<uint8_t> r;
    for (int c = a; c <= b; c += step) r.push_back(static_cast<uint8_t>(c));
    return r;
}

TEST(ApChannels, ListsOfEachRegionCode) {
    EXPECT_EQ(softap::Channels24(0), Range(1, 11));
    EXPECT_EQ(softap::Channels24(1), Range(1, 13));
    EXPECT_EQ(softap::Channels24(2), Range(10, 11));
    EXPECT_EQ(softap::Channels24(3), Range(10, 13));
    EXPECT_EQ(softap::Channels24(4), std::vector<uint8_t>{14});
    EXPECT_EQ(softap::Channels24(5), Range(1, 14));
    EXPECT_EQ(softap::Channels24(6), Range(3, 9));
    EXPECT_EQ(softap::Channels24(7), Range(5, 13));
    EXPECT_EQ(softap::Channels24(8), Range(1, 11));
    EXPECT_EQ(softap::Channels24(127), Range(1, 11));

    const std::vector<uint8_t> code0 = {36, 40, 44, 48, 52, 56, 60, 64, 149, 153, 157, 161, 165};
    EXPECT_EQ(softap::Channels5(0), code0);
    EXPECT_EQ(softap::Channels5(11), code0);
    EXPECT_EQ(softap::Channels5(-1), code0);
    std::vector<uint8_t> code1 = Range(36, 64, 4);
    for (uint8_t c : Range(100, 140, 4)) code1.push_back(c);
    EXPECT_EQ(softap::Channels5(1), code1);
    EXPECT_EQ(softap::Channels5(2), Range(36, 64, 4));
    EXPECT_EQ(softap::Channels5(3), (std::vector<uint8_t>{52, 56, 60, 64, 149, 153, 157, 161}));
    EXPECT_EQ(softap::Channels5(4), Range(149, 165, 4));
    EXPECT_EQ(softap::Channels5(5), Range(149, 161, 4));
    EXPECT_EQ(softap::Channels5(6), Range(36, 48, 4));
    std::vector<uint8_t> code7 = code1;
    for (uint8_t c : Range(149, 165, 4)) code7.push_back(c);
    EXPECT_EQ(softap::Channels5(7), code7);
    EXPECT_EQ(softap::Channels5(8), Range(52, 64, 4));
    EXPECT_EQ(softap::Channels5(9), (std::vector<uint8_t>{34, 38, 42, 46}));
    EXPECT_EQ(softap::Channels5(10), (std::vector<uint8_t>{34, 36, 38, 40, 42, 44, 46, 48, 52, 56, 60, 64}));
}

TEST(ApChannels, AllowedListByMode) {
    EXPECT_EQ(softap::AllowedChannels(2, 5, 6), Range(36, 48, 4));  // A only: no 2.4 GHz
    std::vector<uint8_t> abg = Range(1, 11);
    for (uint8_t c : Range(149, 165, 4)) abg.push_back(c);
    EXPECT_EQ(softap::AllowedChannels(3, 0, 4), abg);
    EXPECT_EQ(softap::AllowedChannels(8, 4, 6), (std::vector<uint8_t>{14, 36, 40, 44, 48}));
    // A/B/G/N is not among the 5 GHz modes here.
    EXPECT_EQ(softap::AllowedChannels(5, 1, 6), Range(1, 13));
    EXPECT_EQ(softap::AllowedChannels(9, 1, 6), Range(1, 13));
}

TEST(ApChannels, FrequencyTable) {
    struct Case {
        int channel;
        uint32_t kHz;
    } cases[] = {{1, 2412000},   {13, 2472000},  {14, 2484000},  {34, 5170000},  {36, 5180000}, {64, 5320000},
                 {100, 5500000}, {140, 5700000}, {165, 5825000}, {184, 4920000}, {196, 4980000},
                 {208, 5040000}, {212, 5060000}, {216, 5080000}};
    for (const Case& c : cases) {
        uint32_t kHz = 0;
        ASSERT_TRUE(softap::ChannelToFrequencyKhz(c.channel, &kHz)) << c.channel;
        EXPECT_EQ(kHz, c.kHz) << c.channel;
    }
    int entries = 0;
    for (int ch = -5; ch < 400; ++ch) {
        uint32_t kHz = 12345;
        if (softap::ChannelToFrequencyKhz(ch, &kHz)) {
            ++entries;
        } else {
            EXPECT_EQ(kHz, 12345u) << ch;
        }
    }
    EXPECT_EQ(entries, 49);
    for (int absent : {0, 15, 35, 50, 144, 145, 200, 208 - 200 + 300}) {
        uint32_t kHz = 0;
        EXPECT_FALSE(softap::ChannelToFrequencyKhz(absent, &kHz)) << absent;
    }
}

TEST(ApChannels, ChannelTexts) {
    EXPECT_EQ(softap::ChannelFromText("J8"), 208);
    EXPECT_EQ(softap::ChannelFromText("J12"), 212);
    EXPECT_EQ(softap::ChannelFromText("J16"), 216);
    EXPECT_EQ(softap::ChannelFromText("11"), 11);
    EXPECT_EQ(softap::ChannelFromText("j8"), 0);
    EXPECT_EQ(softap::ChannelFromText(""), 0);
}

// ---- desired rates

struct RateCase {
    int mode, index;
    softap::DesiredRates rates;
};

class ApRatesTest : public ::testing::TestWithParam<RateCase> {};

TEST_P(ApRatesTest, RatesOfModeAndIndex) {
    EXPECT_EQ(softap::DesiredRatesFor(GetParam().mode, GetParam().index), GetParam().rates);
}

const softap::DesiredRates kOfdmAuto = {0x6C, 0x60, 0x48, 0x30, 0x24, 0x18, 0x12, 0x0C};
const softap::DesiredRates kMixedAuto = {0x6C, 0x60, 0x48, 0x30, 0x16, 0x0B, 0x04, 0x02};

INSTANTIATE_TEST_SUITE_P(
    Lists, ApRatesTest,
    ::testing::Values(RateCase{1, 0, {0x16, 0x0B, 0x04, 0x02, 0, 0, 0, 0}}, RateCase{1, 1, {0x02}},
                      RateCase{1, 3, {0x0B}}, RateCase{0, 0, kMixedAuto}, RateCase{0, 4, {0x16}}, RateCase{0, 5, {0x0C}},
                      RateCase{0, 12, {0x6C}}, RateCase{0, 13, kMixedAuto}, RateCase{9, -1, kMixedAuto},
                      RateCase{3, 6, {0x12}}, RateCase{4, 1, {0x0C}}, RateCase{4, 8, {0x6C}}, RateCase{4, 9, kOfdmAuto},
                      RateCase{2, 0, kOfdmAuto}, RateCase{7, 2, {0x12}}, RateCase{8, 5, {0x30}},
                      RateCase{10, 7, {0x60}}));

TEST(ApRates, WhichModesUseTheOfdmList) {
    std::vector<int> ofdm;
    for (int mode = 0; mode <= 10; ++mode)
        if (softap::UsesOfdmRateList(mode)) ofdm.push_back(mode);
    EXPECT_EQ(ofdm, (std::vector<int>{2, 4, 7, 8, 10}));
}

// The count is the driver's word: it is believed only as far as 32 entries and the bytes
// returned go.
TEST(ApStationTable, ReadsAsManyAsTheCountAndTheBytesHold) {
    std::vector<uint8_t> table(softap::kHtStationTableBytes, 0);
    for (int i = 0; i < 32; ++i) {
        uint8_t* e = table.data() + 4 + 10 * i;
        e[0] = 0x02;
        e[5] = static_cast<uint8_t>(i);
        e[6] = static_cast<uint8_t>(i + 1);
        e[8] = 0x07;
        e[9] = 0x80;
    }
    const struct {
        const char* name;
        uint32_t count;
        size_t returned;
        bool ht;
        size_t expected;
    } cases[] = {
        {"count 2", 2, table.size(), true, 2},
        {"count beyond 32", 1000, table.size(), true, 32},
        {"count beyond the bytes returned", 5, 4 + 10 * 3 + 9, true, 3},
        {"fewer bytes than the count word", 5, 3, true, 0},
        {"legacy layout: 8-byte entries", 40, softap::kStationTableBytes, false, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table[0] = static_cast<uint8_t>(c.count);
        table[1] = static_cast<uint8_t>(c.count >> 8);
        const auto stations = softap::ParseStationTable(table.data(), c.returned, c.ht);
        EXPECT_EQ(stations.size(), c.expected);
    }
    table[0] = 2;
    table[1] = 0;
    const auto stations = softap::ParseStationTable(table.data(), table.size(), true);
    ASSERT_EQ(stations.size(), 2u);
    EXPECT_EQ((std::array<uint8_t, 6>{stations[1].mac[0], stations[1].mac[1], stations[1].mac[2], stations[1].mac[3], stations[1].mac[4], stations[1].mac[5]}), (std::array<uint8_t, 6>{0x02, 0, 0, 0, 0, 1}));
    EXPECT_EQ(stations[1].aid, 2);
    EXPECT_EQ(stations[1].rateWord, 0x8007);
}

}  // namespace
