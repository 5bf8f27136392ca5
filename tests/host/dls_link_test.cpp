#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "station/core/driver/connected_bssids.h"
#include "station/core/driver/dls_link.h"

namespace {

TEST(DlsPeer, RefusesWhatIsNotAUnicastAddressOfAnotherStation) {
    const uint8_t own[6] = {0x02, 0xE1, 0xF0, 0x51, 0x01, 0x07};
    const struct {
        std::array<std::string, 6> pieces;
        DlsPeerCheck result;
    } cases[] = {
        {{"02", "11", "22", "33", "44", "66"}, DlsPeerCheck::kOk},
        {{"0a", "bB", "cc", "dd", "ee", "ff"}, DlsPeerCheck::kOk},
        {{"00", "00", "00", "00", "00", "00"}, DlsPeerCheck::kInvalid},
        {{"FF", "FF", "FF", "FF", "FF", "ff"}, DlsPeerCheck::kInvalid},
        {{"02", "e1", "F0", "51", "01", "07"}, DlsPeerCheck::kInvalid},  // the adapter's own
        {{"03", "11", "22", "33", "44", "66"}, DlsPeerCheck::kGroup},
        {{"01", "00", "5E", "00", "00", "01"}, DlsPeerCheck::kGroup},
        // Not twelve hex digits: a short piece, an empty one, pasted letters, a long piece.
        {{"2", "11", "22", "33", "44", "66"}, DlsPeerCheck::kInvalid},
        {{"02", "", "22", "33", "44", "66"}, DlsPeerCheck::kInvalid},
        {{"02", "11", "zz", "33", "44", "66"}, DlsPeerCheck::kInvalid},
        {{"02", "11", "22", "333", "44", "66"}, DlsPeerCheck::kInvalid},
        {{"02", "11", "22", "3 ", "44", "66"}, DlsPeerCheck::kInvalid},
    };
    for (const auto& c : cases) {
        uint8_t mac[6] = {9, 9, 9, 9, 9, 9};
        EXPECT_EQ(CheckDlsPeer(c.pieces, own, mac), c.result) << c.pieces[0] << c.pieces[1] << c.pieces[2];
        if (c.result == DlsPeerCheck::kOk) {
            EXPECT_NE(mac[0], 9);
        } else {
            EXPECT_EQ(mac[0], 9);
        }
    }
    uint8_t mac[6];
    ASSERT_EQ(CheckDlsPeer({"0a", "bB", "cc", "dd", "ee", "ff"}, own, mac), DlsPeerCheck::kOk);
    const uint8_t expected[6] = {0x0A, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    EXPECT_EQ(std::memcmp(mac, expected, 6), 0);
}

TEST(DlsTimeout, WholeNumbersFromZeroTo65535) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"0", 0}, {"65535", 65535}, {"00300", 300}, {"65536", -1}, {"70000", -1}, {"-1", -1},
                 {"", -1}, {"12a", -1}, {" 12", -1}, {"999999", -1}};
    for (const auto& c : cases) EXPECT_EQ(ParseDlsTimeout(c.text), c.value) << '"' << c.text << '"';
}

TEST(DlsTable, EntriesRoundTripAndAShortAnswerLeavesTheRestUnused) {
    uint8_t raw[kDlsTableSize] = {};
    DlsLinkEntry e{300, {0x12, 0x34}, {0x02, 0x11, 0x22, 0x33, 0x44, 0x66}, kDlsLinkUp, 1};
    for (size_t i = 0; i < kDlsLinkCount; ++i) WriteDlsEntry(e, raw + 12 * i);
    EXPECT_EQ(raw[0], 0x2C);
    EXPECT_EQ(raw[1], 0x01);
    EXPECT_EQ(raw[2], 0x12);
    EXPECT_EQ(raw[10], 2);
    EXPECT_EQ(raw[11], 1);
    DlsTable table = ReadDlsTable(raw, 12 * 2 + 11);
    EXPECT_EQ(table[0].Timeout, 300);
    EXPECT_EQ(table[1].Reserved[1], 0x34);
    EXPECT_EQ(std::memcmp(table[1].PeerMac, e.PeerMac, 6), 0);
    EXPECT_EQ(table[1].Valid, 1);
    EXPECT_EQ(table[2].Valid, 0);
    EXPECT_EQ(table[3].Valid, 0);
}

std::vector<uint8_t> BssidAnswer(uint32_t count, int entries) {
    std::vector<uint8_t> a(4 + 10 * entries, 0);
    std::memcpy(a.data(), &count, 4);
    for (int i = 0; i < entries; ++i) {
        a[4 + 10 * i] = 0x02;
        a[4 + 10 * i + 5] = static_cast<uint8_t>(i);
        a[4 + 10 * i + 6] = 0xEE;  // not part of the BSSID
    }
    return a;
}

std::vector<int> Tails(const std::vector<Bssid>& list) {
    std::vector<int> t;
    for (const Bssid& b : list) t.push_back(b[5]);
    return t;
}

TEST(ConnectedBssids, AssociatedFirstAtMost32AndOnlyWhatTheDriverReturned) {
    const uint8_t none[6] = {};
    const uint8_t second[6] = {0x02, 0, 0, 0, 0, 2};
    const uint8_t absent[6] = {0x02, 0, 0, 0, 0, 9};
    std::vector<int> first32;
    for (int i = 0; i < 32; ++i) first32.push_back(i);
    const struct {
        const char* name;
        std::vector<uint8_t> answer;
        size_t returned;
        const uint8_t* associated;
        std::vector<int> tails;
    } cases[] = {
        {"driver order", BssidAnswer(3, 3), 34, none, {0, 1, 2}},
        {"associated first, the others in order", BssidAnswer(4, 4), 44, second, {2, 0, 1, 3}},
        {"associated not listed", BssidAnswer(2, 2), 24, absent, {0, 1}},
        {"count above 32", BssidAnswer(1000, 32), 324, none, first32},
        {"count beyond the returned bytes", BssidAnswer(5, 5), 4 + 10 * 2 + 9, none, {0, 1}},
        {"no count", BssidAnswer(5, 0), 3, none, {}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> answer = c.answer;
        answer.resize(400, 0xFF);  // past the returned bytes: must not be read
        EXPECT_EQ(Tails(ReadConnectedBssids(answer.data(), c.returned, c.associated)), c.tails) << c.name;
    }
}

}  // namespace
