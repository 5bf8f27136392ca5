// The records Havix hands the driver, byte for byte, the address rule of its pages, the
// stored address lists, and the WDS link key against an independent PBKDF2 computation.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "softap/core/records/access_control_record.h"
#include "softap/core/records/ap_records.h"
#include "softap/core/config/ap_settings.h"
#include "softap/core/radio/band_types.h"
#include "softap/core/input/mac_entry.h"
#include "softap/core/records/wds_record.h"

namespace {

using Bytes = std::vector<uint8_t>;

template <class Record>
Bytes B(const Record& r) {
    return Bytes(r.begin(), r.end());
}
Bytes U32(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}
Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}
Bytes Zeros(size_t n) { return Bytes(n, 0); }
Bytes FromHex(const std::string& hex) {
    Bytes out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

TEST(ApRecords, HtSettingFields) {
    softap::HtSetting h;
    h.phyMode = 9;
    h.htMode = 1;
    h.extChannel = 3;
    h.mcs = 33;
    h.bw40 = 1;
    h.stbc = 1;
    h.shortGi = 0;
    EXPECT_EQ(B(softap::BuildHtSetting(h)), (Bytes{9, 0, 0, 0, 2, 1, 3, 33, 1, 1, 0, 0}));
}

TEST(ApRecords, RadiusKeyIsCutToItsFieldAndZeroFilled) {
    EXPECT_EQ(B(softap::BuildRadiusRecord(0xC0A80101, 1812, "abc")),
              Cat({U32(0xC0A80101), U32(1812), {'a', 'b', 'c'}, Zeros(61)}));
    const std::string longKey(100, 'x');
    EXPECT_EQ(B(softap::BuildRadiusRecord(0, 0, longKey)), Cat({U32(0), U32(0), Bytes(64, 'x')}));
}

TEST(ApRecords, KeyRecords) {
    uint8_t psk[32];
    for (int i = 0; i < 32; ++i) psk[i] = static_cast<uint8_t>(i + 1);
    EXPECT_EQ(B(softap::BuildPskKeyRecord(psk)),
              Cat({U32(71), U32(0x80000000u), U32(32), Zeros(6), Zeros(6), Zeros(8), Bytes(psk, psk + 32), Zeros(7)}));

    const uint8_t wep[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    EXPECT_EQ(softap::BuildWepKeyRecord(3, true, wep, 13),
              Cat({U32(52), U32(0x80000002u), U32(13), Bytes(6, 0xFF), Zeros(14), Bytes(wep, wep + 13), Zeros(7)}));
    EXPECT_EQ(softap::BuildWepKeyRecord(1, false, wep, 5).size(), 44u);
    EXPECT_EQ(softap::BuildWepKeyRecord(1, false, wep, 5)[4], 0);
    EXPECT_EQ(B(softap::BuildRemoveKeyRecord(4)), Cat({U32(16), U32(3), Bytes(6, 0xFF), Zeros(2)}));
}

TEST(ApRecords, SsidIsCutTo32Bytes) {
    EXPECT_EQ(B(softap::BuildSsidRecord("Harbor AP")),
              Cat({U32(9), {'H', 'a', 'r', 'b', 'o', 'r', ' ', 'A', 'P'}, Zeros(23)}));
    EXPECT_EQ(B(softap::BuildSsidRecord(std::string(40, 'S'))), Cat({U32(32), Bytes(32, 'S')}));
    EXPECT_EQ(softap::CutSsid(std::string(33, 'S')), std::string(32, 'S'));
}

TEST(ApRecords, SmallValues) {
    EXPECT_EQ(softap::TxPowerPercent(0), 100u);
    EXPECT_EQ(softap::TxPowerPercent(1), 75u);
    EXPECT_EQ(softap::TxPowerPercent(2), 50u);
    EXPECT_EQ(softap::TxPowerPercent(3), 25u);
    EXPECT_EQ(softap::TxPowerPercent(4), 12u);
    EXPECT_EQ(softap::TxPowerPercent(5), 100u);
    EXPECT_EQ(softap::TxPowerPercent(-1), 100u);
    EXPECT_EQ(softap::CountryRegionWord(5, 7), 0x0705u);
    EXPECT_EQ(B(softap::BuildRekeyRecord(1, 3600)), Cat({U32(1), U32(3600)}));
}

// ---- 802.11n transmit setting

TEST(ApTransmitSetting, PacksAndUnpacksEveryField) {
    softap::TransmitSettingFields f;
    f.phyMode = 9;
    f.mcs = 33;
    f.bw40 = 1;
    f.shortGi = 1;
    f.stbc = 0;
    f.htMode = 1;
    f.extChannel = 3;
    const uint32_t packed = softap::PackTransmitSetting(f);
    EXPECT_EQ(packed, 9u | 33u << 4 | 1u << 11 | 1u << 12 | 1u << 15 | 1u << 16 | 3u << 17);
    const softap::TransmitSettingFields back = softap::UnpackTransmitSetting(packed);
    EXPECT_EQ(back.phyMode, 9);
    EXPECT_EQ(back.mcs, 33);
    EXPECT_EQ(back.bw40, 1);
    EXPECT_EQ(back.shortGi, 1);
    EXPECT_EQ(back.stbc, 0);
    EXPECT_EQ(back.transmitMode, 2);
    EXPECT_EQ(back.htMode, 1);
    EXPECT_EQ(back.extChannel, 3);
    // Out-of-range fields do not spill into their neighbours; bit 14 and the top stay clear.
    softap::TransmitSettingFields wide;
    wide.phyMode = 0x1F;
    wide.mcs = 0xFF;
    wide.extChannel = 7;
    EXPECT_EQ(softap::PackTransmitSetting(wide), 0xFu | 0x7Fu << 4 | 1u << 15 | 3u << 17);
}

TEST(ApTransmitSetting, ExtensionChannelAndMcsTexts) {
    EXPECT_EQ(softap::ExtChannelCode(1, "40", 36), softap::kExtChannelAbove);
    EXPECT_EQ(softap::ExtChannelCode(1, "2", 6), softap::kExtChannelBelow);
    EXPECT_EQ(softap::ExtChannelCode(0, "40", 36), softap::kExtChannelNone);
    EXPECT_EQ(softap::ExtChannelCode(1, "none", 165), softap::kExtChannelNone);
    EXPECT_EQ(softap::ExtChannelCode(1, "", 6), softap::kExtChannelNone);
    EXPECT_EQ(softap::ExtChannelTextFor(1, 1, 6), "10");
    EXPECT_EQ(softap::ExtChannelTextFor(1, 3, 6), "2");
    EXPECT_EQ(softap::ExtChannelTextFor(1, 2, 6), "none");
    EXPECT_EQ(softap::ExtChannelTextFor(0, 1, 6), "none");
    EXPECT_EQ(softap::McsFromText("Auto"), 33);
    EXPECT_EQ(softap::McsFromText("15"), 15);
    EXPECT_EQ(softap::McsText(33), "Auto");
    EXPECT_EQ(softap::McsText(7), "7");
}

// ---- addresses

TEST(ApMacEntry, TwelveHexDigitsOfAUnicastAddress) {
    EXPECT_EQ(softap::CheckMacEntry("0073FF123456"), softap::MacEntryCheck::kValid);
    EXPECT_EQ(softap::CheckMacEntry("02aabbccddee"), softap::MacEntryCheck::kValid);
    EXPECT_EQ(softap::CheckMacEntry("01005E000001"), softap::MacEntryCheck::kMulticast);
    EXPECT_EQ(softap::CheckMacEntry("FFFFFFFFFFFF"), softap::MacEntryCheck::kMulticast);
    for (const char* bad : {"", "0073FF12345", "0073FF1234567", "00-73-FF-12-34-56", "0073FF12345G", "0073FF 23456"})
        EXPECT_EQ(softap::CheckMacEntry(bad), softap::MacEntryCheck::kInvalid) << bad;
    EXPECT_EQ(softap::CheckMacEntry(std::string("0073FF12\0" "456", 12)), softap::MacEntryCheck::kInvalid);
}

TEST(ApMacEntry, DisplayFormKeepsTheCaseTyped) {
    EXPECT_EQ(softap::MacDisplayText("00aaBBccDDee"), "00-aa-BB-cc-DD-ee");
    EXPECT_EQ(softap::MacDigits("00-aa-BB-cc-DD-ee"), "00aaBBccDDee");
    EXPECT_TRUE(softap::SameMacText("00-aa-bb-cc-dd-ee", "00-AA-BB-CC-DD-EE"));
    EXPECT_FALSE(softap::SameMacText("00-aa-bb-cc-dd-ee", "00-aa-bb-cc-dd-ef"));
    uint8_t mac[6];
    ASSERT_TRUE(softap::MacBytes("0073FF123456", mac));
    EXPECT_EQ(Bytes(mac, mac + 6), (Bytes{0x00, 0x73, 0xFF, 0x12, 0x34, 0x56}));
    EXPECT_FALSE(softap::MacBytes("0073FF12345", mac));
}

TEST(ApMacEntry, StoredListIsBoundedByItsBytesAndItsLimit) {
    static const char kStored[] = "001122334455\0" "00aabbccddee\0" "00AABBCCDDEE\0" "00112233\0" "66778899AABB\0";
    const std::string stored(kStored, sizeof(kStored));
    const Bytes bytes(stored.begin(), stored.end());
    EXPECT_EQ(softap::ParseMacMultiString(bytes.data(), bytes.size(), 32),
              (std::vector<std::string>{"001122334455", "00aabbccddee", "66778899AABB"}));
    EXPECT_EQ(softap::ParseMacMultiString(bytes.data(), bytes.size(), 2),
              (std::vector<std::string>{"001122334455", "00aabbccddee"}));
    // No terminator anywhere: the last entry ends with the bytes.
    const std::string cut = "001122334455";
    EXPECT_EQ(softap::ParseMacMultiString(reinterpret_cast<const uint8_t*>(cut.data()), cut.size(), 32),
              std::vector<std::string>{"001122334455"});
    EXPECT_EQ(softap::ParseMacMultiString(reinterpret_cast<const uint8_t*>(cut.data()), 11, 32),
              std::vector<std::string>{});
    // The empty string ends the list.
    const std::string early("\0" "001122334455\0", 14);
    EXPECT_TRUE(softap::ParseMacMultiString(reinterpret_cast<const uint8_t*>(early.data()), early.size(), 32).empty());
    static const char kBuilt[] = "001122334455\0" "0073ff123456\0";
    EXPECT_EQ(softap::BuildMacMultiString({"001122334455", "0073ff123456"}), Bytes(kBuilt, kBuilt + sizeof(kBuilt)));
    EXPECT_EQ(softap::BuildMacMultiString({}), Bytes{0});
}

// ---- access control and WDS records

std::vector<std::string> Stations(int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
        char mac[16];
        std::snprintf(mac, sizeof(mac), "0200000000%02X", static_cast<unsigned>(i & 0xFF));
        out.push_back(mac);
    }
    return out;
}

TEST(ApAccessControlRecord, PolicyCountAndEntries) {
    const auto r = softap::BuildAccessControlRecord(1, {"0073FF123456", "02aabbccddee"});
    EXPECT_EQ(B(r), Cat({U32(1), U32(2), {0x00, 0x73, 0xFF, 0x12, 0x34, 0x56, 0, 0}, {0x02, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0, 0},
                         Zeros(30 * 8)}));
    // Disable, or nothing to filter: no filtering at all.
    EXPECT_EQ(B(softap::BuildAccessControlRecord(0, {"0073FF123456"})), Zeros(264));
    EXPECT_EQ(B(softap::BuildAccessControlRecord(2, {})), Zeros(264));
    EXPECT_EQ(B(softap::BuildAccessControlRecord(2, {"nonsense"})), Zeros(264));
    // Never more than 32 entries.
    const auto full = softap::BuildAccessControlRecord(2, Stations(33));
    EXPECT_EQ(Bytes(full.begin(), full.begin() + 8), Cat({U32(2), U32(32)}));
    EXPECT_EQ(full[8 + 31 * 8 + 5], 31);
}

TEST(ApWdsRecord, PeersCountAndLinkKey) {
    // PBKDF2-HMAC-SHA1("password", "Quibro", 4096, 32), computed elsewhere.
    const Bytes key = FromHex("4624fd3b9aa3cb1239edcb6e8a16dc514cfae31f64c316f2cbd62e0717d00e84");
    const auto r = softap::BuildWdsRecord({"0073FF123456", "020000000001"}, 2, true, "password");
    EXPECT_EQ(B(r), Cat({U32(2), {0x00, 0x73, 0xFF, 0x12, 0x34, 0x56, 0x02, 0, 0, 0, 0, 0x01}, Zeros(6), Zeros(2), U32(32), key}));

    // Off: the peers are written, nothing is in use.
    EXPECT_EQ(B(softap::BuildWdsRecord({"0073FF123456"}, 0, false, "password")),
              Cat({U32(0), {0x00, 0x73, 0xFF, 0x12, 0x34, 0x56}, Zeros(12), Zeros(2), U32(0), Zeros(32)}));
    // At most three peers; a count beyond the peers there are is not claimed.
    const auto four = softap::BuildWdsRecord(Stations(4), 4, false, "");
    EXPECT_EQ(Bytes(four.begin(), four.begin() + 4), U32(3));
    EXPECT_EQ(four[4 + 2 * 6 + 5], 2);
    const auto bad = softap::BuildWdsRecord({"bad"}, 1, false, "");
    EXPECT_EQ(Bytes(bad.begin(), bad.begin() + 4), U32(0));
}

TEST(ApWdsRecord, LinkKeyOfEveryKindOfPassphrase) {
    uint8_t key[32];
    ASSERT_TRUE(softap::DeriveWdsLinkKey("quay side 8", key));
    EXPECT_EQ(Bytes(key, key + 32), FromHex("2a8e5b0811d7570b6ff4a5d894dc78c9569a3889fede9d8711cbe5ce6e6e5d4d"));
    // 64 hex digits are a key already.
    const std::string hex = "3fe817e1eea78053ce4338e56d27bb381068997bc831738ae776c08e9fd2124d";
    ASSERT_TRUE(softap::DeriveWdsLinkKey(hex, key));
    EXPECT_EQ(Bytes(key, key + 32), FromHex(hex));
    std::memset(key, 0xAB, sizeof(key));
    EXPECT_FALSE(softap::DeriveWdsLinkKey(std::string(64, 'g'), key));
    EXPECT_FALSE(softap::DeriveWdsLinkKey(std::string(65, 'a'), key));
    EXPECT_EQ(key[0], 0xAB);
    // A key that cannot be made leaves the record without one.
    const auto r = softap::BuildWdsRecord({"0073FF123456"}, 1, true, std::string(70, 'p'));
    EXPECT_EQ(Bytes(r.begin() + 24, r.end()), Zeros(36));
    EXPECT_TRUE(softap::IsPskAuthentication(4));
    EXPECT_TRUE(softap::IsPskAuthentication(7));
    EXPECT_TRUE(softap::IsPskAuthentication(9));
    EXPECT_FALSE(softap::IsPskAuthentication(3));
    EXPECT_FALSE(softap::IsPskAuthentication(8));
}

// ---- the driver's network types

TEST(ApBandTypes, CountIsBoundedByTheTypesReturned) {
    auto list = [](std::initializer_list<uint32_t> words) {
        Bytes b;
        for (uint32_t w : words) b = Cat({b, U32(w)});
        return b;
    };
    const Bytes with5 = list({3, 1, 3, 2});
    EXPECT_TRUE(softap::ListsFiveGhz(with5.data(), with5.size(), false));
    EXPECT_TRUE(softap::ListsFiveGhz(with5.data(), with5.size(), true));
    const Bytes without = list({2, 1, 3});
    EXPECT_FALSE(softap::ListsFiveGhz(without.data(), without.size(), true));
    // A count beyond what came back: the type 2 past the returned bytes is not looked at.
    const Bytes claims = list({4, 1, 3, 2});
    EXPECT_FALSE(softap::ListsFiveGhz(claims.data(), 12, true));
    // Beyond the four types the buffer holds.
    const Bytes five = list({5, 1, 1, 1, 1, 2});
    EXPECT_FALSE(softap::ListsFiveGhz(five.data(), five.size(), true));
    EXPECT_FALSE(softap::ListsFiveGhz(five.data(), 3, true));
    const Bytes huge = list({0xFFFFFFFF, 2});
    EXPECT_TRUE(softap::ListsFiveGhz(huge.data(), huge.size(), true));
}

}  // namespace
