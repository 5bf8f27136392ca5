#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "shared/block_ack/block_ack.h"
#include "shared/text/mac_text.h"

namespace {

std::vector<uint8_t> Bytes(const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    return std::vector<uint8_t>(b, b + n);
}

TEST(BlockAckCapability, PacksEachFieldIntoItsBits) {
    const struct {
        BaCapability capability;
        uint32_t packed;
    } cases[] = {
        // The station page's initial values: windows 32, aggregation and A-MSDU on, SM power
        // save disabled, sessions set up automatically.
        {{32, 32, 1, 0, 1, 0, 3, 1}, 0x03432020},
        {{32, 32, 2, 0, 1, 0, 3, 1}, 0x03452020},  // aggregation off: 2 in bits 17-18
        {{0, 0, 0, 7, 0, 0, 0, 0}, 7u << 19},
        {{0, 0, 0, 0, 0, 1, 1, 0}, (1u << 23) | (1u << 24)},
        {{0xFF, 0x40, 0, 0, 0, 0, 0, 0}, 0x40FF},
        // Wider than their bits: cut, never spilling into the next field.
        {{0, 0, 7, 9, 3, 2, 7, 2}, (3u << 17) | (1u << 19) | (1u << 22) | (3u << 24)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PackBaCapability(c.capability), c.packed) << std::hex << c.packed;
        EXPECT_EQ(PackBaCapability(c.capability) >> 26, 0u);
    }
}

TEST(BlockAckCapability, UnpackIgnoresTheTopBitsAndRoundTrips) {
    const BaCapability c = UnpackBaCapability(0xFC000000u | 0x03452020u);
    const uint8_t expected[8] = {32, 32, 2, 0, 1, 0, 3, 1};
    EXPECT_EQ(Bytes(&c, 8), Bytes(expected, 8));
    for (uint32_t packed : {0u, 0x03FFFFFFu, 0x01234567u, 0x02A5C3E1u})
        EXPECT_EQ(PackBaCapability(UnpackBaCapability(packed)), packed) << std::hex << packed;
}

std::vector<uint8_t> Stored(const BaCapabilityFields& f) {
    BaCapability c = StoreBaCapability(f);
    return Bytes(&c, 8);
}

TEST(BlockAckCapability, PageFieldsStoreAndLoad) {
    BaCapabilityFields initial;
    EXPECT_EQ(Stored(initial), (std::vector<uint8_t>{32, 32, 1, 0, 1, 0, 3, 1}));

    const struct {
        const char* name;
        void (*edit)(BaCapabilityFields&);
        const char* density;  // nullptr: as it was
        std::vector<uint8_t> bytes;
    } stores[] = {
        {"aggregation off stores 2", [](BaCapabilityFields& f) { f.MpduAggregation = 0; }, nullptr,
         {32, 32, 2, 0, 1, 0, 3, 1}},
        {"static SMPS", [](BaCapabilityFields& f) { f.SmPowerSave = 1; }, nullptr, {32, 32, 1, 0, 1, 0, 0, 1}},
        {"dynamic SMPS", [](BaCapabilityFields& f) { f.SmPowerSave = 2; }, nullptr, {32, 32, 1, 0, 1, 0, 1, 1}},
        {"no SMPS choice", [](BaCapabilityFields& f) { f.SmPowerSave = -1; }, nullptr, {32, 32, 1, 0, 1, 0, 3, 1}},
        {"manual, density 5, 7935", [](BaCapabilityFields& f) { f.AutoSetup = 0; f.AmsduSize = 1; }, "5",
         {32, 32, 1, 5, 1, 1, 3, 0}},
        {"no density", [](BaCapabilityFields&) {}, "", {32, 32, 1, 0, 1, 0, 3, 1}},
        {"density not a number", [](BaCapabilityFields&) {}, "-3", {32, 32, 1, 0, 1, 0, 3, 1}},
        {"density too large", [](BaCapabilityFields&) {}, "999", {32, 32, 1, 0, 1, 0, 3, 1}},
    };
    for (const auto& c : stores) {
        BaCapabilityFields f;
        c.edit(f);
        if (c.density) f.MpduDensity.assign(c.density);
        EXPECT_EQ(Stored(f), c.bytes) << c.name;
    }

    const struct {
        const char* name;
        BaCapability from;
        int aggregation, amsdu, amsduSize, smps, autoSetup;
        const char* density;
    } loads[] = {
        {"defaults", {32, 32, 1, 0, 1, 0, 3, 1}, 1, 1, 0, 0, 1, "0"},
        {"aggregation off, static, manual", {64, 8, 2, 7, 1, 1, 0, 0}, 0, 1, 1, 1, 0, "7"},
        {"A-MSDU off keeps the size field as it was", {32, 32, 1, 3, 0, 0, 1, 1}, 1, 0, 1, 2, 1, "3"},
        {"values the page does not know", {32, 32, 9, 200, 5, 9, 9, 9}, 0, 0, 1, 0, 0, "200"},
    };
    for (const auto& c : loads) {
        BaCapabilityFields f;
        f.AmsduSize = 1;
        LoadBaCapability(c.from, f);
        EXPECT_EQ(f.OriginatorWindowLimit, c.from.OriginatorWindowLimit) << c.name;
        EXPECT_EQ(f.RecipientWindowLimit, c.from.RecipientWindowLimit) << c.name;
        EXPECT_EQ(f.MpduAggregation, c.aggregation) << c.name;
        EXPECT_EQ(f.Amsdu, c.amsdu) << c.name;
        EXPECT_EQ(f.AmsduSize, c.amsduSize) << c.name;
        EXPECT_EQ(f.SmPowerSave, c.smps) << c.name;
        EXPECT_EQ(f.AutoSetup, c.autoSetup) << c.name;
        EXPECT_EQ(f.MpduDensity, c.density) << c.name;
    }
}

TEST(BlockAckRequest, AddAndDeleteRecords) {
    const uint8_t peer[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
    const struct {
        const char* name;
        BaSessionRequest request;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"add, window 300 sent as its low byte", MakeBaAddRequest(kBaRecipient, peer, 5, 300),
         {1, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 5, 44, 0, 0, 0, 0, 0}},
        {"add, window 32", MakeBaAddRequest(kBaOriginator, peer, 0, 32),
         {0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 0, 32, 0, 0, 0, 0, 0}},
        {"delete one TID", MakeBaDeleteRequest(kBaOriginator, peer, 7, false),
         {0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 7, 0, 0, 0, 0, 0, 0}},
        {"delete every TID", MakeBaDeleteRequest(kBaRecipient, peer, 7, true),
         {1, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 0, 0, 0, 0, 0, 1, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(Bytes(&c.request, sizeof(c.request)), c.bytes) << c.name;
}

// A table of entries: {direction, slot, last MAC byte, TID bitmap}; window of TID t is 10 + t
// and its word 0xAB00 + t in the low half, 0xFFFF in the high half.
struct Entry {
    BaDirection direction;
    int slot;
    uint8_t macTail;
    uint8_t bitmap;
};

std::vector<uint8_t> Table(const std::vector<Entry>& entries, uint8_t originators, uint8_t recipients) {
    std::vector<uint8_t> table(sizeof(BaSessionTable), 0);
    for (const Entry& e : entries) {
        uint8_t* p = table.data() + (e.direction == kBaOriginator ? kBaOriginatorOffset : kBaRecipientOffset) +
                     e.slot * sizeof(BaSessionEntry);
        const uint8_t mac[6] = {0x02, 0, 0, 0, 0, e.macTail};
        std::memcpy(p, mac, 6);
        p[6] = e.bitmap;
        for (int t = 0; t < 8; ++t) {
            p[8 + t] = static_cast<uint8_t>(10 + t);
            const uint8_t word[4] = {static_cast<uint8_t>(t), 0xAB, 0xFF, 0xFF};
            std::memcpy(p + 16 + 4 * t, word, 4);
        }
    }
    table[kBaOriginatorCountOffset] = originators;
    table[kBaRecipientCountOffset] = recipients;
    return table;
}

std::vector<uint8_t> Tails(const std::vector<BaPeerSessions>& peers) {
    std::vector<uint8_t> tails;
    for (const auto& p : peers) tails.push_back(p.Peer[5]);
    return tails;
}

TEST(BlockAckSessions, WalkStopsAtTheCountSkipsEmptyEntriesAndStaysInsideTheAnswer) {
    std::vector<Entry> full;
    std::vector<uint8_t> allTails;
    for (int i = 0; i < 32; ++i) {
        full.push_back({kBaOriginator, i, static_cast<uint8_t>(i), 1});
        allTails.push_back(static_cast<uint8_t>(i));
    }
    const struct {
        const char* name;
        std::vector<uint8_t> table;
        size_t returned;
        BaDirection direction;
        std::vector<uint8_t> tails;
    } cases[] = {
        {"count 2, entries at 0 and 5, a later one ignored",
         Table({{kBaOriginator, 0, 0xA0, 0x01}, {kBaOriginator, 5, 0xA5, 0x81}, {kBaOriginator, 9, 0xA9, 0x02}}, 2, 0),
         sizeof(BaSessionTable), kBaOriginator, {0xA0, 0xA5}},
        {"count 0 lists nothing", Table({{kBaOriginator, 0, 0xA0, 0x01}}, 0, 0), sizeof(BaSessionTable),
         kBaOriginator, {}},
        {"recipients from their own half and count", Table({{kBaOriginator, 0, 0xA0, 1}, {kBaRecipient, 3, 0xB3, 4}}, 1, 1),
         sizeof(BaSessionTable), kBaRecipient, {0xB3}},
        {"a count above 32 lists the 32 entries", Table(full, 200, 0), sizeof(BaSessionTable), kBaOriginator,
         allTails},
        {"a count the driver did not return reads as 0", Table({{kBaOriginator, 0, 0xA0, 1}}, 1, 0), 3072,
         kBaOriginator, {}},
        {"only entries wholly inside the answer", Table({{kBaRecipient, 0, 0xB0, 1}, {kBaRecipient, 1, 0xB1, 1}}, 0, 2),
         kBaRecipientOffset + 48 + 47, kBaRecipient, {}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> copy = c.table;
        // Whatever lies past the returned bytes must not be read: make it look like entries.
        for (size_t i = c.returned; i < copy.size(); ++i) copy[i] = 0xFF;
        EXPECT_EQ(Tails(ReadBaSessions(copy.data(), c.returned, c.direction)), c.tails) << c.name;
    }
}

TEST(BlockAckSessions, TidRecordsAndRowTexts) {
    std::vector<uint8_t> table = Table({{kBaRecipient, 2, 0x55, 0x85}}, 0, 1);
    auto peers = ReadBaSessions(table.data(), table.size(), kBaRecipient);
    ASSERT_EQ(peers.size(), 1u);
    const BaPeerSessions& p = peers[0];
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(p.Tids[t].Direction, kBaRecipient);
        EXPECT_EQ(p.Tids[t].Peer, p.Peer);
        EXPECT_EQ(p.Tids[t].Tid, t);
        EXPECT_EQ(p.Tids[t].WindowSize, 10 + t);
        EXPECT_EQ(p.Tids[t].Value, 0xAB00 + t);
        EXPECT_EQ(p.Tids[t].InUse, t == 0 || t == 2 || t == 7) << t;
    }
    const std::array<std::string, 9> row = {"02-00-00-00-00-55", "10", "-", "12", "-", "-", "-", "-", "17"};
    EXPECT_EQ(BaSessionRowTexts(p), row);
}

TEST(MacText, FormatsUpperCaseAndParsesOnlyTwelveHexDigits) {
    const uint8_t mac[6] = {0x0a, 0xBC, 0x00, 0xFF, 0x12, 0x9d};
    EXPECT_EQ(FormatMacText(mac), "0A-BC-00-FF-12-9D");
    const struct {
        const char* text;
        bool ok;
    } cases[] = {{"0A-BC-00-FF-12-9D", true}, {"0abc00ff129d", true}, {"0A-BC-00-FF-12", false},
                 {"0A-BC-00-FF-12-9D-00", false}, {"0A-BC-00-FF-12-9G", false}, {"", false}};
    for (const auto& c : cases) {
        uint8_t out[6] = {1, 1, 1, 1, 1, 1};
        EXPECT_EQ(ParseMacText(c.text, out), c.ok) << c.text;
        EXPECT_EQ(Bytes(out, 6), c.ok ? Bytes(mac, 6) : std::vector<uint8_t>(6, 1)) << c.text;
    }
}

}  // namespace
