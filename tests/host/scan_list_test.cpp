// The BSSID-list layout, and the conversion of the service's reports into a scan list.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "station/core/scan/bssid_list.h"
#include "station/core/scan/scan_conversion.h"
#include "tests/host/beacon_elements.h"

namespace {

using namespace beacon;

BssDescription Report(uint8_t macLast, const std::string& ssid, int channel = 6, int phy = 7) {
    BssDescription d;
    d.bssid = Mac(macLast);
    d.ssidLength = static_cast<uint32_t>(ssid.size());
    std::memcpy(d.ssid.data(), ssid.data(), ssid.size());
    d.rssi = -55;
    d.centerFrequencyKhz = Khz(channel);
    d.capability = 0x0401;
    d.phyType = phy;
    d.bssType = 1;
    d.ies = Ssid(ssid) + Rates() + DsParameter(static_cast<uint8_t>(channel));
    return d;
}

struct ScanList {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(kBssidListSize, 0xCD);
    int phy[kBssidListMaxEntries] = {};
    size_t Build(const std::vector<BssDescription>& reports) {
        return BuildScanList(reports, bytes.data(), bytes.size(), phy);
    }
    std::vector<BssidEntryView> Entries() const { return ReadBssidList(bytes.data(), bytes.size()); }
};

TEST(ScanConversion, EntryLayoutFromOneReport) {
    BssDescription d = Report(0x01, "Office", 11, 7);
    d.rssi = -71;
    d.capability = 0x0411;  // ESS, privacy, short slot
    ScanList s;
    ASSERT_EQ(s.Build({d}), 1u);

    const uint8_t* list = s.bytes.data();
    EXPECT_EQ(ReadU32(list), 1u);
    const uint8_t* e = list + 4;
    EXPECT_EQ(ReadU32(e + bssid_entry::kLength), 116u + d.ies.size());
    EXPECT_EQ(0, std::memcmp(e + bssid_entry::kMac, d.bssid.data(), 6));
    EXPECT_EQ(e[10], 0);
    EXPECT_EQ(e[11], 0);
    EXPECT_EQ(ReadU32(e + bssid_entry::kSsidLength), 6u);
    EXPECT_EQ(0, std::memcmp(e + bssid_entry::kSsid, "Office\0\0", 8));
    EXPECT_EQ(ReadU32(e + bssid_entry::kPrivacy), 1u);
    EXPECT_EQ(ReadU32(e + bssid_entry::kRssi), static_cast<uint32_t>(-71));
    EXPECT_EQ(ReadU32(e + bssid_entry::kDsConfig), 2462000u);
    EXPECT_EQ(ReadU32(e + bssid_entry::kInfrastructureMode), 1u);
    for (size_t at : {bssid_entry::kNetworkTypeInUse, bssid_entry::kConfigLength, bssid_entry::kBeaconPeriod,
                      bssid_entry::kAtimWindow})
        EXPECT_EQ(ReadU32(e + at), 0u) << at;
    for (size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(e[bssid_entry::kFhConfig + i], 0) << i;
        EXPECT_EQ(e[bssid_entry::kSupportedRates + i], 0) << i;
    }
    EXPECT_EQ(ReadU32(e + bssid_entry::kIeLength), d.ies.size());
    EXPECT_EQ(0, std::memcmp(e + bssid_entry::kIes, d.ies.data(), d.ies.size()));
    // The rest of the buffer was cleared.
    EXPECT_EQ(list[4 + 116 + d.ies.size()], 0);
    EXPECT_EQ(list[kBssidListSize - 1], 0);
    EXPECT_EQ(s.phy[0], 7);
}

TEST(ScanConversion, PrivacyAndInfrastructureMode) {
    struct Case {
        uint16_t capability;
        int bssType;
        uint32_t privacy, mode;
    };
    const Case cases[] = {
        {0x0001, 1, 0, 1}, {0x0011, 1, 1, 1}, {0x0012, 2, 1, 0}, {0x0000, 3, 0, 2}, {0xFFEF, 0, 0, 2},
    };
    for (const Case& c : cases) {
        BssDescription d = Report(1, "x");
        d.capability = c.capability;
        d.bssType = c.bssType;
        ScanList s;
        s.Build({d});
        const BssidEntryView e = s.Entries().at(0);
        EXPECT_EQ(e.Privacy(), c.privacy) << std::hex << c.capability;
        EXPECT_EQ(e.InfrastructureMode(), c.mode) << c.bssType;
    }
}

// The service reports a BSS under each network it belongs to; the first report is kept.
TEST(ScanConversion, BssUnderTwoNetworksListedOnceWithFirstReport) {
    BssDescription withProfile = Report(0x0A, "Home", 6, 7);
    BssDescription plain = withProfile;
    plain.rssi = -90;
    plain.phyType = 4;
    ScanList s;
    ASSERT_EQ(s.Build({withProfile, Report(0x0B, "Other", 1, 6), plain}), 2u);
    const auto entries = s.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Mac(), Mac(0x0A));
    EXPECT_EQ(entries[0].Rssi(), -55);
    EXPECT_EQ(entries[1].Mac(), Mac(0x0B));
    EXPECT_EQ(s.phy[0], 7);
    EXPECT_EQ(s.phy[1], 6);
}

TEST(ScanConversion, SsidLongerThan32IsCut) {
    BssDescription d = Report(1, "");
    d.ssidLength = 200;
    d.ssid.fill('S');
    ScanList s;
    s.Build({d});
    const BssidEntryView e = s.Entries().at(0);
    EXPECT_EQ(e.SsidLength(), 32u);
    EXPECT_EQ(e.Ssid(), std::string(32, 'S'));
    EXPECT_EQ(ReadU32(e.Data() + bssid_entry::kPrivacy), 0u);  // the SSID did not spill into Privacy
}

// The 64 KB buffer and the 1,024-entry arrays bound the list; what does not fit is left out.
TEST(ScanConversion, FullBufferStopsCleanly) {
    std::vector<BssDescription> reports;
    for (int i = 0; i < 700; ++i) {
        BssDescription d = Report(static_cast<uint8_t>(i), "n");
        d.bssid[4] = static_cast<uint8_t>(i >> 8);
        d.ies.clear();
        reports.push_back(d);
    }
    ScanList s;
    // 4 + 116 x 564 = 65,428 bytes; a 565th entry would end at 65,544.
    EXPECT_EQ(s.Build(reports), 564u);
    EXPECT_EQ(s.Entries().size(), 564u);
    EXPECT_EQ(ReadU32(s.bytes.data()), 564u);

    // A report too big for the room left is dropped, a smaller one after it still goes in.
    std::vector<BssDescription> mixed(reports.begin(), reports.begin() + 560);
    BssDescription big = Report(0xF0, "big");
    big.bssid[3] = 0xFF;
    big.ies.assign(2000, 0xDD);
    mixed.push_back(big);
    mixed.push_back(reports[600]);
    EXPECT_EQ(s.Build(mixed), 561u);
    EXPECT_EQ(s.Entries().back().Mac(), reports[600].bssid);

    // A larger buffer meets the 1,024-entry bound of the PHY-type array first.
    std::vector<BssDescription> many;
    for (int i = 0; i < 1100; ++i) {
        BssDescription d = Report(static_cast<uint8_t>(i), "n", 1, i);
        d.bssid[4] = static_cast<uint8_t>(i >> 8);
        d.ies.clear();
        many.push_back(d);
    }
    std::vector<uint8_t> large(200000);
    int phy[kBssidListMaxEntries] = {};
    EXPECT_EQ(BuildScanList(many, large.data(), large.size(), phy), kBssidListMaxEntries);
    EXPECT_EQ(phy[1023], 1023);
    EXPECT_EQ(ReadBssidList(large.data(), large.size()).size(), kBssidListMaxEntries);

    // One report larger than the whole buffer.
    BssDescription huge = Report(1, "huge");
    huge.ies.assign(70000, 0x01);
    EXPECT_EQ(s.Build({huge, Report(2, "ok")}), 1u);
}

// A damaged list is read up to its first damaged entry.
TEST(BssidList, WalkEndsAtDamagedEntries) {
    ScanList s;
    s.Build({Report(1, "a"), Report(2, "b"), Report(3, "c")});
    const size_t first = s.Entries()[0].Size();
    const size_t second = s.Entries()[1].Size();

    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        size_t expected;
    };
    const Case cases[] = {
        {"count above the entries", 0, 50, 3},
        {"count below the entries", 0, 2, 2},
        {"second entry Length 0", 4 + first, 0, 1},
        {"second entry Length below the fixed part", 4 + first, 115, 1},
        {"third entry Length past the buffer", 4 + first + second, 70000, 2},
        {"first entry Length to the very end", 4, static_cast<uint32_t>(kBssidListSize - 4), 1},
        {"first entry Length one past the end", 4, static_cast<uint32_t>(kBssidListSize - 3), 0},
    };
    for (const Case& c : cases) {
        ScanList t;
        t.bytes = s.bytes;
        WriteU32(t.bytes.data() + c.at, c.value);
        EXPECT_EQ(t.Entries().size(), c.expected) << c.what;
    }
    EXPECT_TRUE(ReadBssidList(nullptr, kBssidListSize).empty());
    EXPECT_TRUE(ReadBssidList(s.bytes.data(), 3).empty());
}

TEST(BssidList, SsidTextStopsAtZeroAndLength) {
    struct Case {
        char bytes[6];
        uint32_t length;
        const char* text;
    };
    const Case cases[] = {{"Cafe", 4, "Cafe"}, {"Cafe", 2, "Ca"}, {"Ca\0fe", 5, "Ca"}, {"", 0, ""}};
    for (const Case& c : cases) {
        BssidEntryFields f;
        std::memcpy(f.ssid.data(), c.bytes, 5);
        f.ssidLength = c.length;
        std::vector<uint8_t> list(4 + 116);
        BssidListWriter w(list.data(), list.size());
        ASSERT_TRUE(w.Append(f));
        EXPECT_EQ(ReadBssidList(list.data(), list.size()).at(0).Ssid(), c.text) << c.bytes;
    }
}

TEST(ServiceListBounds, ItemsAndBlobs) {
    EXPECT_EQ(ServiceItemsThatFit(8 + 3 * 360, 8, 360, 3), 3u);
    EXPECT_EQ(ServiceItemsThatFit(8 + 3 * 360, 8, 360, 1000), 3u);
    EXPECT_EQ(ServiceItemsThatFit(8 + 3 * 360 - 1, 8, 360, 3), 2u);
    EXPECT_EQ(ServiceItemsThatFit(4, 8, 360, 3), 0u);
    EXPECT_EQ(ServiceItemsThatFit(1000, 8, 0, 3), 0u);

    EXPECT_TRUE(ServiceBlobInBounds(1000, 8, 360, 632));
    EXPECT_FALSE(ServiceBlobInBounds(1000, 8, 360, 633));
    EXPECT_FALSE(ServiceBlobInBounds(1000, 8, 0xFFFFFFF0u, 0x20));
    EXPECT_FALSE(ServiceBlobInBounds(1000, 8, 360, 0xFFFFFFFFu));
    EXPECT_FALSE(ServiceBlobInBounds(1000, 1001, 0, 0));
}

}  // namespace
