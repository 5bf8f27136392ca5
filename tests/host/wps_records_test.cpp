// The WPS records: the PIN and its checksum, the start records as the driver reads them,
// and the credential table as the driver hands it over and as the "_wsc" file keeps it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "station/core/settings/ini_document.h"
#include "station/core/wps/wps_config_record.h"
#include "station/core/wps/wps_credential_table.h"
#include "station/core/wps/wps_pin.h"
#include "station/core/wps/wps_status.h"
#include "station/profiles/station_config_reader.h"

namespace {

TEST(WpsPin, ChecksumTable) {
    const struct {
        uint32_t value7, checksum;
    } cases[] = {{0, 0}, {1, 7}, {5, 5}, {1234567, 0}, {1000000, 7}, {3141592, 7},
                 {4416534, 5}, {7654321, 0}, {9999999, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(PinChecksum(c.value7), c.checksum) << c.value7;
        EXPECT_EQ(PinWithChecksum(c.value7), c.value7 * 10 + c.checksum) << c.value7;
        EXPECT_TRUE(IsValidPin(c.value7 * 10 + c.checksum)) << c.value7;
        EXPECT_FALSE(IsValidPin(c.value7 * 10 + (c.checksum + 1) % 10)) << c.value7;
    }
    EXPECT_FALSE(IsValidPin(kWpsPinLimit)) << "nine digits";
}

TEST(WpsPin, CheckPinCodeTakesExactlyEightDigitsWithTheirChecksum) {
    const struct {
        const char* text;
        bool ok;
        uint32_t pin;
    } cases[] = {
        {"12345670", true, 12345670},
        {"00000000", true, 0},
        {"00000017", true, 17},
        {"12345671", false, 0},   // wrong checksum
        {"1234567", false, 0},    // seven digits
        {"123456700", false, 0},  // nine digits
        {"1234567O", false, 0},   // a pasted letter where the checksum digit belongs
        {"12 45670", false, 0},
        {"+2345670", false, 0},
        {"-0000000", false, 0},
        {"", false, 0},
    };
    for (const auto& c : cases) {
        uint32_t pin = 0xDEADBEEF;
        EXPECT_EQ(CheckPinCode(c.text, &pin), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(pin, c.ok ? c.pin : 0xDEADBEEF) << '"' << c.text << '"';
    }
    EXPECT_FALSE(CheckPinCode(nullptr, nullptr));
}

TEST(WpsPin, FromRandomBytesKeepsSevenDigitsAndAddsTheChecksum) {
    const uint8_t high[3] = {0xFF, 0xFF, 0xFF};
    EXPECT_EQ(PinFromRandomBytes(high), 67772155u);
    const uint8_t wrap[3] = {0x98, 0x96, 0x80};  // 10^7 wraps to 0
    EXPECT_EQ(PinFromRandomBytes(wrap), 0u);
    const uint8_t one[3] = {0, 0, 1};
    EXPECT_EQ(PinFromRandomBytes(one), 17u);
}

TEST(WpsStartRecord, PinAndPushButtonLayouts) {
    const uint8_t ssid[40] = {'L', 'a', 'n', 't', 'e', 'r', 'n'};
    const uint8_t bssid[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    WpsConfigRecord pin = MakePinStartRecord(17, ssid, 40, bssid, 6, kWpsRoleRegistrar);
    uint8_t bytes[56];
    std::memcpy(bytes, &pin, sizeof(bytes));
    EXPECT_EQ(bytes[3], 0x10) << "method 0x10000000, little-endian";
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes + 4), 8), "00000017");
    EXPECT_EQ(bytes[12], 32) << "SSID length held to the field";
    EXPECT_EQ(std::memcmp(bytes + 16, ssid, 32), 0);
    EXPECT_EQ(std::memcmp(bytes + 48, bssid, 6), 0);
    EXPECT_EQ(bytes[54], 6);
    EXPECT_EQ(bytes[55], kWpsRoleRegistrar);
    // The PIN never spills past its eight bytes, whatever value it is given.
    pin = MakePinStartRecord(0xFFFFFFFF, ssid, 7, bssid, 1, kWpsRoleEnrollee);
    std::memcpy(bytes, &pin, sizeof(bytes));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes + 4), 8), "94967295");
    EXPECT_EQ(bytes[12], 7);

    const WpsConfigRecord pbc = MakePbcStartRecord(kWpsRoleEnrollee);
    std::memcpy(bytes, &pbc, sizeof(bytes));
    EXPECT_EQ(bytes[3], 0x20);
    for (int i = 4; i < 55; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(bytes[55], kWpsRoleEnrollee);
}

TEST(WpsStatus, PinBitAndState) {
    EXPECT_TRUE(WpsStatusIsPinRun(0x10000012));
    EXPECT_EQ(WpsStateOf(0x10000012), kWpsStateSendM1);
    EXPECT_FALSE(WpsStatusIsPinRun(0x101));
    EXPECT_EQ(WpsStateOf(0xF0000204), kWpsStateEapFailed);
}

WpsCredentialTable Hostile() {
    WpsCredentialTable t;
    std::memset(&t, 0xEE, sizeof(t));
    return t;
}

TEST(WpsCredentialTableParse, HostileCountsAndLengthsAreHeldToTheFields) {
    WpsCredentialTable answer = Hostile();
    answer.Count = 0xFFFFFFFF;
    answer.Entries[0].SsidLength = 33;
    answer.Entries[0].KeyLength = 0x80000000;
    answer.Entries[1].SsidLength = 32;
    answer.Entries[1].KeyLength = 64;
    WpsCredentialTable table;
    ParseWpsCredentialTable(reinterpret_cast<const uint8_t*>(&answer), sizeof(answer), table);
    EXPECT_EQ(table.Count, 8u);
    EXPECT_EQ(table.Entries[0].SsidLength, 32u);
    EXPECT_EQ(table.Entries[0].KeyLength, 64u);
    EXPECT_EQ(table.Entries[1].SsidLength, 32u);
    EXPECT_EQ(table.Entries[1].KeyLength, 64u);
    EXPECT_EQ(WpsCredentialSsid(table.Entries[0]).size(), 32u);
    EXPECT_EQ(WpsCredentialKey(table.Entries[0]).size(), 64u);

    // Entries from the count on are zero, whatever the driver left there.
    answer.Count = 2;
    ParseWpsCredentialTable(reinterpret_cast<const uint8_t*>(&answer), sizeof(answer), table);
    EXPECT_EQ(table.Count, 2u);
    const WpsCredential zero{};
    for (int i = 2; i < 8; ++i) EXPECT_EQ(std::memcmp(&table.Entries[i], &zero, sizeof(zero)), 0) << i;

    // A short answer counts only the entries it holds whole.
    ParseWpsCredentialTable(reinterpret_cast<const uint8_t*>(&answer), 3, table);
    EXPECT_EQ(table.Count, 0u);
    ParseWpsCredentialTable(reinterpret_cast<const uint8_t*>(&answer), 4 + 124 + 100, table);
    EXPECT_EQ(table.Count, 1u);
    EXPECT_EQ(table.Entries[1].SsidLength, 0u);
    ParseWpsCredentialTable(nullptr, 996, table);
    EXPECT_EQ(table.Count, 0u);
}

TEST(WpsCredentialTableParse, IndicesBeyondTheCountStartAgain) {
    const struct {
        int index;
        uint32_t count;
        int expected;
    } cases[] = {{0, 0, 0}, {2, 3, 2}, {3, 3, 0}, {7, 2, 0}, {-1, 3, 0}};
    for (const auto& c : cases) EXPECT_EQ(ClampWpsIndex(c.index, c.count), c.expected) << c.index << "/" << c.count;
}

std::string AsIniText(const std::vector<WpsFileValue>& values) {
    std::string text, section;
    for (const WpsFileValue& v : values) {
        if (v.section != section) text += "[" + (section = v.section) + "]\n";
        text += v.key + "=" + v.value + "\n";
    }
    return text;
}

TEST(WpsCredentialFile, WrittenTableReadsBack) {
    WpsCredentialTable table{};
    table.Count = 2;
    WpsCredential& wpa = table.Entries[0];
    std::memcpy(wpa.Ssid, "Lantern Home", 12);
    wpa.SsidLength = 12;
    wpa.AuthType = 0x20;
    wpa.EncryType = 0x08;
    const std::string key(64, 'A');
    std::memcpy(wpa.Key, key.data(), 64);
    wpa.KeyLength = 64;
    const uint8_t mac[6] = {0x00, 0x0C, 0x43, 0x26, 0x60, 0xAB};
    std::memcpy(wpa.MacAddress, mac, 6);
    WpsCredential& wep = table.Entries[1];
    std::memcpy(wep.Ssid, "Harbor", 6);
    wep.SsidLength = 6;
    wep.AuthType = 1;
    wep.EncryType = 2;
    wep.KeyIndex = 2;
    std::memcpy(wep.Key, "abcde", 5);
    wep.KeyLength = 5;
    // Left over from an earlier table: never written for slots beyond the count.
    table.Entries[2].SsidLength = 4;
    std::memcpy(table.Entries[2].Ssid, "Gone", 4);

    const std::vector<WpsFileValue> values = WpsCredentialFileValues(table, 1, 12345670);
    ASSERT_EQ(values.size(), 3u + 8 * 7);
    const IniDocument file(AsIniText(values));
    EXPECT_EQ(file.Read("Profile2", "SSID", 64), "");
    EXPECT_EQ(file.Read("Profile2", "MacAddress", 64), "000000000000");
    EXPECT_EQ(file.Read("Profile0", "MacAddress", 64), "000C432660AB");

    WpsCredentialTable back;
    const WpsSettings settings = ReadWpsCredentials(IniDocument("[Config]\nWSC=1\n"), file, back);
    EXPECT_EQ(settings.configMode, 1);
    EXPECT_EQ(settings.pinCode, 12345670u);
    EXPECT_EQ(back.Count, 2u);
    EXPECT_EQ(std::memcmp(&back.Entries[0], &table.Entries[0], sizeof(WpsCredential)), 0);
    EXPECT_EQ(std::memcmp(&back.Entries[1], &table.Entries[1], sizeof(WpsCredential)), 0);
}

TEST(WpsCredentialFile, HostileTableWritesOnlyWhatTheFieldsHold) {
    WpsCredentialTable table = Hostile();
    table.Count = 40;
    const std::vector<WpsFileValue> values = WpsCredentialFileValues(table, 0, 0);
    const IniDocument file(AsIniText(values));
    EXPECT_EQ(file.Read("Common", "Number", 16), "8");
    EXPECT_EQ(file.Read("Profile7", "SSID", 200).size(), 32u);
    EXPECT_EQ(file.Read("Profile7", "Key", 200).size(), 64u);
    EXPECT_EQ(file.Read("Profile7", "KeyLength", 16), "64");
}

}  // namespace
