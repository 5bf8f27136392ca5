// The display list: a network missing from a scan stays 15 seconds on an allowed channel.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "station/core/scan/bssid_lookup.h"
#include "station/core/radio/channel_frequency.h"
#include "station/core/scan/scan_conversion.h"
#include "station/core/scan/scan_merge.h"
#include "tests/host/beacon_elements.h"

namespace {

using namespace beacon;

constexpr uint64_t kSecond = 10000000;
// Low 32 bits just below their wrap, as the time is every ~7 minutes.
constexpr uint64_t kT0 = 0x01DB000000000000ull + 0xFFFFFFFFull - 5 * kSecond;
const std::vector<uint8_t> kChannels1To11 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 36, 40, 44, 48};

struct Net {
    uint8_t mac;
    int channel;
    int rssi;
};

class ScanMerge : public ::testing::Test {
protected:
    void SetUp() override { lists.Attach(scan.data(), display.data()); }

    void Scan(const std::vector<Net>& nets) {
        std::vector<BssDescription> reports;
        for (const Net& n : nets) {
            BssDescription d;
            d.bssid = Mac(n.mac);
            d.ssidLength = 3;
            std::memcpy(d.ssid.data(), "Net", 3);
            d.rssi = n.rssi;
            d.centerFrequencyKhz = n.channel > 0 ? Khz(n.channel) : 2417001;
            d.phyType = 100 + n.mac;
            d.bssType = 1;
            d.ies = Ssid("Net") + DsParameter(static_cast<uint8_t>(n.channel));
            reports.push_back(d);
        }
        BuildScanList(reports, lists.ScanList(), kBssidListSize, lists.ScanPhyTypes());
    }
    void ScanAndMerge(const std::vector<Net>& nets, uint64_t now,
                      const std::vector<uint8_t>& allowed = kChannels1To11) {
        Scan(nets);
        lists.Merge(now, allowed.data(), allowed.size());
    }

    // "mac:rssi@seen-offset-in-seconds/phy" of each display entry.
    std::vector<std::string> Shown(uint64_t base = kT0) const {
        std::vector<std::string> out;
        const auto entries = ReadBssidList(display.data());
        for (size_t i = 0; i < entries.size(); ++i) {
            out.push_back(std::to_string(entries[i].Mac()[5]) + ":" + std::to_string(entries[i].Rssi()) + "@" +
                          std::to_string((lists.DisplayLastSeen(i) - base) / kSecond) + "/" +
                          std::to_string(lists.DisplayPhyType(i)));
        }
        EXPECT_EQ(BssidListCount(display.data()), entries.size());
        return out;
    }

    std::vector<uint8_t> scan = std::vector<uint8_t>(kBssidListSize);
    std::vector<uint8_t> display = std::vector<uint8_t>(kBssidListSize);
    BssidLists lists;
};

using Rows = std::vector<std::string>;

TEST_F(ScanMerge, SeedCopiesTheScanAndStampsNow) {
    Scan({{1, 6, -40}, {2, 11, -60}});
    lists.Seed(kT0);
    EXPECT_EQ(Shown(), (Rows{"1:-40@0/101", "2:-60@0/102"}));
}

TEST_F(ScanMerge, MissingNetworkStaysFifteenSecondsWithOldValues) {
    ScanAndMerge({{1, 6, -40}, {2, 11, -60}}, kT0);
    ScanAndMerge({{1, 6, -45}}, kT0 + 10 * kSecond);
    EXPECT_EQ(Shown(), (Rows{"1:-45@10/101", "2:-60@0/102"}));
    ScanAndMerge({{1, 6, -45}}, kT0 + 15 * kSecond - 1);
    EXPECT_EQ(Shown(), (Rows{"1:-45@14/101", "2:-60@0/102"}));
    ScanAndMerge({{1, 6, -45}}, kT0 + 15 * kSecond);
    EXPECT_EQ(Shown(), (Rows{"1:-45@15/101"}));
}

TEST_F(ScanMerge, ReturningNetworkTakesTheNewScan) {
    ScanAndMerge({{1, 6, -40}, {2, 11, -60}}, kT0);
    ScanAndMerge({{1, 6, -40}}, kT0 + 5 * kSecond);
    ScanAndMerge({{2, 11, -70}}, kT0 + 8 * kSecond);
    EXPECT_EQ(Shown(), (Rows{"2:-70@8/102", "1:-40@5/101"}));
}

TEST_F(ScanMerge, NetworkOnAForbiddenChannelGoesAtOnce) {
    ScanAndMerge({{1, 6, -40}, {2, 13, -50}, {3, 149, -60}, {4, 0, -70}}, kT0);
    EXPECT_EQ(Shown().size(), 4u);  // the scan itself is shown whatever the channel
    ScanAndMerge({{1, 6, -40}}, kT0 + kSecond);
    EXPECT_EQ(Shown(), (Rows{"1:-40@1/101"}));

    // With an empty channel list nothing missing is kept.
    ScanAndMerge({{1, 6, -40}, {2, 6, -50}}, kT0 + 2 * kSecond);
    ScanAndMerge({{1, 6, -40}}, kT0 + 3 * kSecond, {});
    EXPECT_EQ(Shown(), (Rows{"1:-40@3/101"}));
}

TEST_F(ScanMerge, EmptyScanKeepsOnlyRecentEntries) {
    ScanAndMerge({{1, 6, -40}}, kT0);
    ScanAndMerge({{2, 1, -40}}, kT0 + 10 * kSecond);
    ScanAndMerge({}, kT0 + 20 * kSecond);
    EXPECT_EQ(Shown(), (Rows{"2:-40@10/102"}));
}

// Ages on the whole 64-bit time: across the wrap of the low 32 bits, after a multiple of
// 2^32 units (~7 minutes), and with the clock set back.
TEST_F(ScanMerge, AgeUsesTheWhole64BitTime) {
    struct Case {
        const char* what;
        uint64_t later;
        bool kept;
    };
    const Case cases[] = {
        {"14 s, across the low-word wrap", kT0 + 14 * kSecond, true},
        {"16 s, across the low-word wrap", kT0 + 16 * kSecond, false},
        {"2^32 units + 1 s later", kT0 + (1ull << 32) + kSecond, false},
        {"2^33 units - 1 s later", kT0 + (1ull << 33) - kSecond, false},
        {"clock set back 1 s", kT0 - kSecond, false},
    };
    for (const Case& c : cases) {
        lists.Attach(nullptr, nullptr);
        std::fill(display.begin(), display.end(), 0);
        lists.Attach(scan.data(), display.data());
        ScanAndMerge({{1, 6, -40}, {2, 6, -50}}, kT0);
        ScanAndMerge({{1, 6, -40}}, c.later);
        EXPECT_EQ(Shown().size(), c.kept ? 2u : 1u) << c.what;
    }
}

// Kept entries fill the list up to the buffer's end and no further.
TEST_F(ScanMerge, FullDisplayListStopsCleanly) {
    // 300 networks per batch; the MAC's fifth byte tells the batches apart.
    auto batch = [](uint8_t tag) {
        std::vector<BssDescription> reports;
        for (int i = 0; i < 300; ++i) {
            BssDescription d;
            d.bssid = Mac(static_cast<uint8_t>(i));
            d.bssid[3] = static_cast<uint8_t>(i >> 8);
            d.bssid[4] = tag;
            d.centerFrequencyKhz = Khz(6);
            d.bssType = 1;
            d.ies = Ssid("Net") + DsParameter(6);
            reports.push_back(d);
        }
        return reports;
    };
    BuildScanList(batch(0x22), lists.ScanList(), kBssidListSize, lists.ScanPhyTypes());
    lists.Merge(kT0, kChannels1To11.data(), kChannels1To11.size());
    BuildScanList(batch(0x99), lists.ScanList(), kBssidListSize, lists.ScanPhyTypes());
    lists.Merge(kT0 + kSecond, kChannels1To11.data(), kChannels1To11.size());

    const auto entries = ReadBssidList(display.data());
    const size_t entrySize = 116 + 8;  // SSID and DS elements
    const size_t fits = (kBssidListSize - 4) / entrySize;
    ASSERT_EQ(entries.size(), fits);
    EXPECT_EQ(BssidListCount(display.data()), fits);
    EXPECT_EQ(entries[299].Mac()[4], 0x99);
    EXPECT_EQ(entries[300].Mac()[4], 0x22);
    EXPECT_EQ(lists.DisplayLastSeen(299), kT0 + kSecond);
    EXPECT_EQ(lists.DisplayLastSeen(300), kT0);
    EXPECT_EQ(lists.DisplayLastSeen(fits), 0u);
}

// A damaged display list contributes its sound entries only.
TEST_F(ScanMerge, DamagedDisplayListKeepsItsSoundPart) {
    ScanAndMerge({{1, 6, -40}, {2, 6, -50}, {3, 6, -60}}, kT0);
    const size_t first = ReadBssidList(display.data())[0].Size();
    WriteU32(display.data() + 4 + first, 0);  // second entry Length 0
    ScanAndMerge({}, kT0 + kSecond);
    EXPECT_EQ(Shown(), (Rows{"1:-40@0/101"}));
}

TEST_F(ScanMerge, DetachedListsAreLeftAlone) {
    BssidLists none;
    none.Seed(kT0);
    none.Merge(kT0, kChannels1To11.data(), kChannels1To11.size());
    EXPECT_FALSE(none.Attached());
}

TEST(BssidLookup, ChannelAndHtOfABssid) {
    std::vector<uint8_t> list(kBssidListSize);
    int phy[kBssidListMaxEntries] = {};
    auto report = [](uint8_t mac, uint32_t khz, const Bytes& ies) {
        BssDescription d;
        d.bssid = Mac(mac);
        d.centerFrequencyKhz = khz;
        d.bssType = 1;
        d.ies = ies;
        return d;
    };
    BuildScanList({report(1, Khz(6), Ssid("a") + HtCapabilities() + HtOperation(6, 0)),
                   report(2, 5040000, Ssid("j") + VendorHt()), report(3, 2417001, Ssid("odd")),
                   report(4, Khz(165), Ssid("legacy"))},
                  list.data(), list.size(), phy);

    struct Case {
        uint8_t mac;
        int channel;
        int ht;
    };
    const Case cases[] = {{1, 6, 1}, {2, 208, 1}, {3, -1, 0}, {4, 165, 0}, {9, -1, 0}};
    for (const Case& c : cases) {
        const MacAddress m = Mac(c.mac);
        EXPECT_EQ(ChannelOfBssid(list.data(), m.data()), c.channel) << int(c.mac);
        EXPECT_EQ(IsHtBssidInList(list.data(), m.data()), c.ht) << int(c.mac);
    }
    const MacAddress m = Mac(1);
    EXPECT_EQ(ChannelOfBssid(nullptr, m.data()), -1);
    EXPECT_EQ(IsHtBssidInList(nullptr, m.data()), 0);
}

TEST(FrequencyToChannel, TableRowsAndMisses) {
    struct Case {
        uint32_t kHz;
        int found, channel;
    };
    const Case cases[] = {{2412000, 1, 1},   {2472000, 1, 13},  {2484000, 1, 14},   {5170000, 1, 34},
                          {5825000, 1, 165}, {4920000, 1, 184}, {5040000, 1, 208},  {5080000, 1, 216},
                          {2417001, 0, -7},  {0, 0, -7},        {5000000, 0, -7}};
    for (const Case& c : cases) {
        int channel = -7;
        EXPECT_EQ(FrequencyToChannel(c.kHz, &channel), c.found) << c.kHz;
        EXPECT_EQ(channel, c.channel) << c.kHz;
    }
}

}  // namespace
