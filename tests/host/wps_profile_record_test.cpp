// A WPS credential as an apply record: the security it maps to, the WEP key block and the
// pre-shared key it carries, and the bounds on what the driver handed over.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "station/core/wps/wps_profile_record.h"
#include "tests/host/wps_credential_builder.h"

namespace {

struct RecordDeleter {
    void operator()(ProfileApplyRecord* r) const { FreeApplyRecord(r); }
};
using Record = std::unique_ptr<ProfileApplyRecord, RecordDeleter>;


Record Fill(const WpsCredential& c) {
    Record r(AllocApplyRecord());
    FillRecordFromWpsCredential(c, *r);
    return r;
}

TEST(WpsProfileRecord, TypeBitsMapToNdisAndDot11Numbers) {
    const struct {
        uint32_t wps;
        int32_t ndisAuth;
        uint32_t dot11Auth;
    } auths[] = {{0x01, 0, 1}, {0x02, 4, 4}, {0x04, 1, 2}, {0x08, 3, 3}, {0x10, 6, 6}, {0x20, 7, 7}, {0x22, 0, 1}};
    for (const auto& a : auths) {
        EXPECT_EQ(NdisAuthModeOfWps(a.wps), a.ndisAuth) << a.wps;
        EXPECT_EQ(Dot11AuthOfWps(a.wps), a.dot11Auth) << a.wps;
    }
    const struct {
        uint32_t wps, ndis, dot11;
    } ciphers[] = {{0x01, 1, 0}, {0x02, 0, 0x101}, {0x04, 4, 2}, {0x08, 6, 4}, {0x0C, 1, 0}};
    for (const auto& c : ciphers) {
        EXPECT_EQ(NdisCipherOfWps(c.wps), c.ndis) << c.wps;
        EXPECT_EQ(Dot11CipherOfWps(c.wps), c.dot11) << c.wps;
    }
}

TEST(WpsProfileRecord, PreSharedKeyCredentialConnectsThroughTheService) {
    WpsCredential c = Credential("Lantern Home", 0x20, 0x08, "harbor lights");
    const uint8_t mac[6] = {0x02, 0xE1, 0xF0, 0x51, 0x01, 0x07};
    std::memcpy(c.MacAddress, mac, 6);
    const Record r = Fill(c);
    EXPECT_EQ(r->AuthMode, 7);
    EXPECT_EQ(r->CipherMode, 6u);
    EXPECT_EQ(r->WpaPassphraseLength, 13u);
    EXPECT_EQ(std::string(r->WpaPassphrase, 13), "harbor lights");
    EXPECT_EQ(r->SsidLength, 12u);
    EXPECT_EQ(std::memcmp(r->Bssid, mac, 6), 0);
    EXPECT_EQ(r->NetworkType, 1u);
    EXPECT_EQ(r->RtsThreshold, 2347u);
    EXPECT_EQ(r->PreambleType, 2u);
    EXPECT_EQ(r->ApplyFlag, 1u);
    EXPECT_EQ(r->StationConfigLoaded, 1u);
    EXPECT_EQ(r->UseBssid, 0u);
    EXPECT_EQ(r->ApplyDriverSettings, 0u);
    for (int n = 0; n < kWepKeyCount; ++n) EXPECT_EQ(WepKeyBlock(*r, n), nullptr);

    // A key the whole 64 bytes long fills the passphrase field exactly.
    const Record hex = Fill(Credential("Office", 0x02, 0x04, std::string(64, 'B')));
    EXPECT_EQ(hex->AuthMode, 4);
    EXPECT_EQ(hex->WpaPassphraseLength, 64u);
    EXPECT_EQ(hex->ProfileName[0], 0) << "nothing written past the passphrase";
}

TEST(WpsProfileRecord, WepKeyBlockIsSizedFromTheKeyItHolds) {
    const struct {
        const char* name;
        std::string key;
        uint32_t keyIndex;
        int slot;             // -1: no block
        uint32_t keyLength;   // of the block
        std::string material;
    } cases[] = {
        {"26 hex digits", "00112233445566778899AABBCC", 2, 2, 13,
         std::string("\x00\x11\x22\x33\x44\x55\x66\x77\x88\x99\xAA\xBB\xCC", 13)},
        {"10 hex digits, bit 31 set", "1122334455", 0x80000001, 1, 5, "\x11\x22\x33\x44\x55"},
        {"5 characters", "abcde", 0, 0, 5, "abcde"},
        {"13 characters", "lantern-quay1", 3, 3, 13, "lantern-quay1"},
        {"20 characters", "abcdefghij0123456789", 0, 0, 13, std::string(13, '\0')},
        {"10 characters, not hex", "harborquay", 1, 1, 10, "harborquay"},
        {"key index above 3", "1122334455", 4, -1, 0, ""},
        {"key index 0x7FFFFFFF", "1122334455", 0x7FFFFFFF, -1, 0, ""},
        {"no key", "", 0, -1, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Record r = Fill(Credential("Quay WEP", 0x01, 0x02, c.key, c.keyIndex));
        EXPECT_EQ(r->AuthMode, 0);
        EXPECT_EQ(r->CipherMode, 0u);
        EXPECT_EQ(r->WpaPassphraseLength, 0u);
        for (int n = 0; n < kWepKeyCount; ++n) {
            const Ndis80211KeyHeader* block = WepKeyBlock(*r, n);
            if (n != c.slot) {
                EXPECT_EQ(block, nullptr) << n;
                EXPECT_EQ(WepKeyLength(*r, n), 0u) << n;
                continue;
            }
            ASSERT_NE(block, nullptr);
            EXPECT_EQ(block->KeyLength, c.keyLength);
            EXPECT_EQ(block->Length, c.keyLength + 39);
            EXPECT_EQ(WepKeyLength(*r, n), block->Length);
            EXPECT_EQ(block->KeyIndex, static_cast<uint32_t>(n) | 0x80000000u);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(KeyMaterial(block)), block->KeyLength), c.material);
        }
    }
}

// The driver's key field is 64 bytes with no terminator: a WEP key of the last credential,
// its field full and the MAC and reserved bytes after it non-zero, is read only to its stated
// length (the table is on the heap at its exact size, so a read past it is caught).
TEST(WpsProfileRecord, WepKeyOfTheLastCredentialIsReadOnlyToItsLength) {
    const struct {
        const char* name;
        uint32_t keyLength;
        char fill;
        uint32_t blockLength;
        std::string material;
    } cases[] = {
        {"10 of 64 hex digits", 10, 'A', 5, std::string(5, '\xAA')},
        {"26 of 64 hex digits", 26, '7', 13, std::string(13, '\x77')},
        {"10 characters, not hex", 10, 'q', 10, std::string(10, 'q')},
        {"5 characters", 5, 'B', 5, std::string(5, 'B')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto table = std::make_unique<WpsCredentialTable>();
        std::memset(table.get(), 0, sizeof(WpsCredentialTable));
        table->Count = kWpsMaxCredentials;
        WpsCredential& last = table->Entries[kWpsMaxCredentials - 1];
        last = Credential("Quay WEP", 0x01, 0x02, "", 1);
        last.KeyLength = c.keyLength;
        std::memset(last.Key, c.fill, sizeof last.Key);
        std::memset(last.MacAddress, 0x5A, sizeof last.MacAddress);
        std::memset(last.Reserved, 0x5A, sizeof last.Reserved);
        const Record r = Fill(last);
        const Ndis80211KeyHeader* block = WepKeyBlock(*r, 1);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->KeyLength, c.blockLength);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(KeyMaterial(block)), block->KeyLength), c.material);
    }
}

TEST(WpsProfileRecord, HostileLengthsStayInsideTheRecord) {
    WpsCredential c = Credential(std::string(32, 's'), 0x20, 0x08, std::string(64, 'k'));
    c.SsidLength = 0xFFFFFFFF;
    c.KeyLength = 0x80000040;
    const Record r = Fill(c);
    EXPECT_EQ(r->SsidLength, 32u);
    EXPECT_EQ(r->WpaPassphraseLength, 64u);
    c.EncryType = 0x02;
    c.AuthType = 0x01;
    const Record wep = Fill(c);
    ASSERT_NE(WepKeyBlock(*wep, 0), nullptr);
    EXPECT_EQ(WepKeyBlock(*wep, 0)->KeyLength, 13u);
}

}  // namespace
