#include "station/profiles/profile_apply_record.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

Ndis80211KeyHeader* ProfileApplyRecord::*const kWepBlocks[kWepKeyCount] = {
    &ProfileApplyRecord::WepKey1, &ProfileApplyRecord::WepKey2, &ProfileApplyRecord::WepKey3,
    &ProfileApplyRecord::WepKey4};
uint32_t ProfileApplyRecord::*const kWepLengths[kWepKeyCount] = {
    &ProfileApplyRecord::WepKey1Length, &ProfileApplyRecord::WepKey2Length,
    &ProfileApplyRecord::WepKey3Length, &ProfileApplyRecord::WepKey4Length};

Ndis80211KeyHeader* AllocZeroedBlock(uint32_t keyLength) {
    void* block = std::calloc(1, KeyBlockSize(keyLength));
    if (block == nullptr) throw std::bad_alloc();
    return static_cast<Ndis80211KeyHeader*>(block);
}

}  // namespace

Ndis80211KeyHeader* AllocKeyBlock(uint32_t keyIndex, const uint8_t* key, uint32_t keyLength) {
    if (keyLength > kMaxKeyMaterial || (key == nullptr && keyLength != 0)) return nullptr;
    Ndis80211KeyHeader* block = AllocZeroedBlock(keyLength);
    block->Length = KeyBlockSize(keyLength);
    block->KeyIndex = keyIndex;
    block->KeyLength = keyLength;
    std::memset(block->Bssid, 0xFF, sizeof(block->Bssid));
    if (keyLength != 0) std::memcpy(KeyMaterial(block), key, keyLength);
    return block;
}

Ndis80211KeyHeader* CloneKeyBlock(const Ndis80211KeyHeader* block) {
    // The size comes from the block itself; a KeyLength beyond any key we allocate would make
    // the copy read past the block, so such a block is not copied.
    if (block == nullptr || block->KeyLength > kMaxKeyMaterial) return nullptr;
    const uint32_t size = KeyBlockSize(block->KeyLength);
    Ndis80211KeyHeader* copy = AllocZeroedBlock(block->KeyLength);
    std::memcpy(copy, block, size);
    return copy;
}

void FreeKeyBlock(Ndis80211KeyHeader* block) { std::free(block); }

Ndis80211KeyHeader*& WepKeyBlock(ProfileApplyRecord& record, int n) { return record.*kWepBlocks[n]; }
uint32_t& WepKeyLength(ProfileApplyRecord& record, int n) { return record.*kWepLengths[n]; }
Ndis80211KeyHeader* WepKeyBlock(const ProfileApplyRecord& record, int n) { return record.*kWepBlocks[n]; }
uint32_t WepKeyLength(const ProfileApplyRecord& record, int n) { return record.*kWepLengths[n]; }

bool UsesWpaNoneKey(const ProfileApplyRecord& record) { return record.AuthMode == 5; }

bool UsesWepKey(const ProfileApplyRecord& record, int n) {
    if (UsesWpaNoneKey(record)) return false;
    if (record.AuthMode != 1 && record.CipherMode != 0) return false;
    return WepKeyLength(record, n) != 0;
}

ProfileApplyRecord* AllocApplyRecord() { return new ProfileApplyRecord(); }

ProfileApplyRecord* CloneApplyRecord(const ProfileApplyRecord* record) {
    if (record == nullptr) return nullptr;
    ProfileApplyRecord* copy = AllocApplyRecord();
    std::memcpy(copy, record, sizeof(*copy));

    copy->WpaNoneKey = nullptr;
    copy->WpaNoneKeyLength = 0;
    if (UsesWpaNoneKey(*record) && record->WpaNoneKey != nullptr) {
        copy->WpaNoneKey = CloneKeyBlock(record->WpaNoneKey);
        if (copy->WpaNoneKey != nullptr) copy->WpaNoneKeyLength = record->WpaNoneKeyLength;
    }
    for (int n = 0; n < kWepKeyCount; ++n) {
        WepKeyBlock(*copy, n) = nullptr;
        WepKeyLength(*copy, n) = 0;
        const Ndis80211KeyHeader* block = WepKeyBlock(*record, n);
        if (!UsesWepKey(*record, n) || block == nullptr) continue;
        WepKeyBlock(*copy, n) = CloneKeyBlock(block);
        if (WepKeyBlock(*copy, n) != nullptr) WepKeyLength(*copy, n) = WepKeyLength(*record, n);
    }
    return copy;
}

void FreeApplyRecord(ProfileApplyRecord* record) {
    if (record == nullptr) return;
    // The blocks the record uses go with it. A block in a slot the record's modes do not use
    // has no other owner either (copies never take it), so it goes too rather than leak.
    Ndis80211KeyHeader* blocks[1 + kWepKeyCount] = {record->WpaNoneKey};
    for (int n = 0; n < kWepKeyCount; ++n) blocks[1 + n] = WepKeyBlock(*record, n);
    for (int i = 0; i < 1 + kWepKeyCount; ++i) {
        bool seen = false;  // one block in two slots is freed once
        for (int j = 0; j < i; ++j) seen = seen || blocks[j] == blocks[i];
        if (!seen) FreeKeyBlock(blocks[i]);
    }
    delete record;
}

void CopyDriverSettings(const ProfileApplyRecord& from, ProfileApplyRecord& to) {
    to.ApplyDriverSettings = from.ApplyDriverSettings;
    std::memcpy(to.DesiredRates, from.DesiredRates, sizeof(to.DesiredRates));
    std::memcpy(to.PhyConfig, from.PhyConfig, sizeof(to.PhyConfig));
    to.Ccx2Control = from.Ccx2Control;
    to.CountryRegion = from.CountryRegion;
    to.RadioBlockUnread = from.RadioBlockUnread;
    to.HtSettingsUnread = from.HtSettingsUnread;
}
