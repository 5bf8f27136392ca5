#include "station/core/wps/wps_profile_record.h"

#include <cstring>

#include "shared/text/hex_text.h"

int32_t NdisAuthModeOfWps(uint32_t authType) {
    switch (authType) {
    case 0x02: return 4;  // WPA-PSK
    case 0x04: return 1;  // shared
    case 0x08: return 3;  // WPA
    case 0x10: return 6;  // WPA2
    case 0x20: return 7;  // WPA2-PSK
    default: return 0;    // open
    }
}

uint32_t NdisCipherOfWps(uint32_t encryType) {
    switch (encryType) {
    case 0x02: return 0;  // WEP
    case 0x04: return 4;  // TKIP
    case 0x08: return 6;  // AES
    default: return 1;    // disabled
    }
}

uint32_t Dot11AuthOfWps(uint32_t authType) {
    switch (authType) {
    case 0x02: return 4;
    case 0x04: return 2;
    case 0x08: return 3;
    case 0x10: return 6;
    case 0x20: return 7;
    default: return 1;
    }
}

uint32_t Dot11CipherOfWps(uint32_t encryType) {
    switch (encryType) {
    case 0x02: return 0x101;
    case 0x04: return 2;
    case 0x08: return 4;
    default: return 0;
    }
}

namespace {

constexpr uint32_t kRtsOff = 2347;
constexpr uint32_t kPreambleAuto = 2;
constexpr uint32_t kLongestWepKey = 13;

void FillWepKey(const WpsCredential& c, ProfileApplyRecord& record) {
    const uint32_t slot = c.KeyIndex & 0x7FFFFFFF;
    uint32_t length = c.KeyLength > kWpsMaxKeyLength ? kWpsMaxKeyLength : c.KeyLength;
    if (length == 0 || slot > 3) return;
    uint8_t key[kWpsMaxKeyLength] = {};
    // The key field need not end in a zero: only its stated length is read.
    const char* text = reinterpret_cast<const char*>(c.Key);
    if ((length == 10 || length == 26) && IsHexDigits(text, length)) {
        length /= 2;
        HexStringToBytes(text, key, length);
    } else if (length > kLongestWepKey) {
        // No WEP key is that long: a key of zeros in the longest size.
        length = kLongestWepKey;
    } else {
        std::memcpy(key, c.Key, length);
    }
    // The block is sized from the key it finally holds.
    Ndis80211KeyHeader* block = AllocKeyBlock(slot | kKeyIndexTransmit, key, length);
    if (!block) return;
    WepKeyBlock(record, static_cast<int>(slot)) = block;
    WepKeyLength(record, static_cast<int>(slot)) = block->Length;
}

}  // namespace

void FillRecordFromWpsCredential(const WpsCredential& c, ProfileApplyRecord& record) {
    record.ApplyDriverSettings = 0;
    record.AcPowerCam = 0;
    record.PowerSaveMode = 0;
    record.RtsThreshold = kRtsOff;
    record.FragThreshold = 0;
    record.PreambleType = kPreambleAuto;
    record.NetworkType = 1;
    record.LeapEnabled = 0;
    record.TxPower = 0;

    record.AuthMode = NdisAuthModeOfWps(c.AuthType);
    record.CipherMode = NdisCipherOfWps(c.EncryType);
    if (record.CipherMode == 0) FillWepKey(c, record);
    if (record.AuthMode == 4 || record.AuthMode == 7) {
        const uint32_t length = c.KeyLength > sizeof(record.WpaPassphrase) ? sizeof(record.WpaPassphrase) : c.KeyLength;
        record.WpaPassphraseLength = length;
        std::memcpy(record.WpaPassphrase, c.Key, length);
    }

    const uint32_t ssidLength = c.SsidLength > sizeof(record.Ssid) ? sizeof(record.Ssid) : c.SsidLength;
    record.SsidLength = ssidLength;
    std::memcpy(record.Ssid, c.Ssid, ssidLength);
    std::memcpy(record.Bssid, c.MacAddress, sizeof(record.Bssid));
    record.StationConfigLoaded = 1;
    record.UseBssid = 0;
    record.ApplyFlag = 1;
}
