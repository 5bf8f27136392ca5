// Key blocks of the profile apply record: which ones a copy takes, and that copies and frees
// neither leak nor share (run under ASan in the host preset).
#include <gtest/gtest.h>

#include <cstring>

#include "station/profiles/profile_apply_record.h"

namespace {

const uint8_t kKey5[5] = {0x11, 0x22, 0x33, 0x44, 0x55};
const uint8_t kPsk[32] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                          17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};

// A record carrying a WPA-None block and WEP blocks in the slots of mask (bit n = key n+1).
ProfileApplyRecord* RecordWithKeys(int32_t authMode, uint32_t cipherMode, unsigned wepMask) {
    ProfileApplyRecord* r = AllocApplyRecord();
    r->AuthMode = authMode;
    r->CipherMode = cipherMode;
    r->WpaNoneKey = AllocKeyBlock(kKeyIndexTransmit, kPsk, 32);
    r->WpaNoneKeyLength = kWpaNoneKeyBlockSize;
    for (int n = 0; n < kWepKeyCount; ++n) {
        if (!(wepMask & (1u << n))) continue;
        WepKeyBlock(*r, n) = AllocKeyBlock(static_cast<uint32_t>(n), kKey5, 5);
        WepKeyLength(*r, n) = KeyBlockSize(5);
    }
    return r;
}

struct RuleCase {
    int32_t authMode;
    uint32_t cipherMode;
    unsigned wepPresent;  // slots holding a block
    bool wpaNoneCopied;
    unsigned wepCopied;
};

TEST(ProfileApplyRecord, CloneTakesOwnCopiesOfExactlyTheBlocksTheRecordUses) {
    const RuleCase cases[] = {
        {5, 0, 0xF, true, 0x0},   // WPA-None: its key only, even with WEP encryption
        {5, 4, 0x3, true, 0x0},
        {1, 1, 0xF, false, 0xF},  // shared key: the WEP keys
        {1, 6, 0x5, false, 0x5},  // only the present ones
        {0, 0, 0xA, false, 0xA},  // open with WEP
        {2, 0, 0x1, false, 0x1},
        {0, 1, 0xF, false, 0x0},  // open, no encryption: no keys
        {4, 4, 0xF, false, 0x0},  // WPA-PSK keeps its passphrase in the record
        {7, 6, 0x0, false, 0x0},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "AuthMode " << c.authMode << " CipherMode " << c.cipherMode);
        ProfileApplyRecord* record = RecordWithKeys(c.authMode, c.cipherMode, c.wepPresent);
        ProfileApplyRecord* copy = CloneApplyRecord(record);
        ASSERT_NE(copy, nullptr);
        ASSERT_NE(copy, record);

        EXPECT_EQ(copy->WpaNoneKey != nullptr, c.wpaNoneCopied);
        if (c.wpaNoneCopied) {
            EXPECT_NE(copy->WpaNoneKey, record->WpaNoneKey);
            EXPECT_EQ(std::memcmp(copy->WpaNoneKey, record->WpaNoneKey, kWpaNoneKeyBlockSize), 0);
            EXPECT_EQ(copy->WpaNoneKeyLength, kWpaNoneKeyBlockSize);
        } else {
            EXPECT_EQ(copy->WpaNoneKeyLength, 0u);
        }
        for (int n = 0; n < kWepKeyCount; ++n) {
            const bool copied = (c.wepCopied >> n) & 1;
            EXPECT_EQ(WepKeyBlock(*copy, n) != nullptr, copied) << "key " << n + 1;
            EXPECT_EQ(WepKeyLength(*copy, n), copied ? KeyBlockSize(5) : 0u) << "key " << n + 1;
            if (copied) {
                EXPECT_NE(WepKeyBlock(*copy, n), WepKeyBlock(*record, n));
                EXPECT_EQ(std::memcmp(WepKeyBlock(*copy, n), WepKeyBlock(*record, n), KeyBlockSize(5)), 0);
            }
        }
        // Everything else is the record's.
        EXPECT_EQ(copy->AuthMode, record->AuthMode);
        EXPECT_EQ(copy->CipherMode, record->CipherMode);

        // Either may go first; ASan reports a leak, a shared block or a double free.
        FreeApplyRecord(record);
        FreeApplyRecord(copy);
    }
}

TEST(ProfileApplyRecord, AWepSlotWithLengthZeroIsNotUsed) {
    ProfileApplyRecord* record = RecordWithKeys(1, 0, 0x3);
    WepKeyLength(*record, 1) = 0;
    EXPECT_TRUE(UsesWepKey(*record, 0));
    EXPECT_FALSE(UsesWepKey(*record, 1));
    ProfileApplyRecord* copy = CloneApplyRecord(record);
    EXPECT_NE(WepKeyBlock(*copy, 0), nullptr);
    EXPECT_EQ(WepKeyBlock(*copy, 1), nullptr);
    FreeApplyRecord(copy);
    FreeApplyRecord(record);  // the unused block goes with it: nothing else owns it
}

TEST(ProfileApplyRecord, UsedSlotsWithoutABlockAndOneBlockInTwoSlots) {
    ProfileApplyRecord* record = AllocApplyRecord();
    record->AuthMode = 1;
    WepKeyLength(*record, 0) = KeyBlockSize(5);  // present by its length, but no block
    Ndis80211KeyHeader* shared = AllocKeyBlock(1, kKey5, 5);
    WepKeyBlock(*record, 1) = shared;
    WepKeyLength(*record, 1) = KeyBlockSize(5);
    WepKeyBlock(*record, 2) = shared;
    WepKeyLength(*record, 2) = KeyBlockSize(5);

    ProfileApplyRecord* copy = CloneApplyRecord(record);
    EXPECT_EQ(WepKeyBlock(*copy, 0), nullptr);
    EXPECT_EQ(WepKeyLength(*copy, 0), 0u);
    EXPECT_NE(WepKeyBlock(*copy, 1), WepKeyBlock(*copy, 2));  // two own copies
    FreeApplyRecord(copy);
    FreeApplyRecord(record);  // the shared block is freed once
}

TEST(ProfileApplyRecord, NullRecordsAreFine) {
    EXPECT_EQ(CloneApplyRecord(nullptr), nullptr);
    FreeApplyRecord(nullptr);
    ProfileApplyRecord* empty = AllocApplyRecord();
    EXPECT_EQ(empty->UseBssid, 0u);
    EXPECT_EQ(empty->WpaNoneKey, nullptr);
    EXPECT_EQ(empty->ApplyFlag, 0u);
    FreeApplyRecord(empty);
}

TEST(KeyBlock, LayoutOfWepAndWpaNoneBlocks) {
    Ndis80211KeyHeader* wep = AllocKeyBlock(0x80000001u, kKey5, 5);
    ASSERT_NE(wep, nullptr);
    EXPECT_EQ(wep->Length, 44u);
    EXPECT_EQ(wep->KeyIndex, 0x80000001u);
    EXPECT_EQ(wep->KeyLength, 5u);
    for (uint8_t b : wep->Bssid) EXPECT_EQ(b, 0xFF);
    for (uint8_t b : wep->Reserved) EXPECT_EQ(b, 0);
    EXPECT_EQ(std::memcmp(KeyMaterial(wep), kKey5, 5), 0);
    FreeKeyBlock(wep);

    const uint8_t key13[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    Ndis80211KeyHeader* wep104 = AllocKeyBlock(2, key13, 13);
    EXPECT_EQ(wep104->Length, 52u);
    FreeKeyBlock(wep104);

    Ndis80211KeyHeader* psk = AllocKeyBlock(kKeyIndexTransmit, kPsk, 32);
    EXPECT_EQ(psk->Length, 71u);
    EXPECT_EQ(std::memcmp(KeyMaterial(psk), kPsk, 32), 0);
    FreeKeyBlock(psk);
}

TEST(KeyBlock, KeysLongerThanABlockHoldAreRefused) {
    uint8_t big[64] = {};
    EXPECT_EQ(AllocKeyBlock(0, big, 33), nullptr);
    EXPECT_EQ(AllocKeyBlock(0, nullptr, 5), nullptr);

    // A block whose KeyLength was overwritten would make a copy read past its end.
    Ndis80211KeyHeader* block = AllocKeyBlock(0, kKey5, 5);
    block->KeyLength = 0x10000;
    EXPECT_EQ(CloneKeyBlock(block), nullptr);
    FreeKeyBlock(block);

    ProfileApplyRecord* record = RecordWithKeys(1, 0, 0x1);
    WepKeyBlock(*record, 0)->KeyLength = 200;
    ProfileApplyRecord* copy = CloneApplyRecord(record);
    EXPECT_EQ(WepKeyBlock(*copy, 0), nullptr);
    EXPECT_EQ(WepKeyLength(*copy, 0), 0u);
    FreeApplyRecord(copy);
    FreeApplyRecord(record);
}

}  // namespace
