#pragma once
// Everything needed to connect with one profile, built by the profile path or from a WPS
// credential and consumed by the action queue. The record itself never leaves the process;
// its WEP and WPA-None keys are separate NDIS 802.11 key blocks (the OID_802_11_ADD_KEY
// layout) that the record owns by pointer and length. Window-less.
#include <cstddef>
#include <cstdint>

// Header of an NDIS 802.11 key block; KeyLength bytes of key material follow at offset 32.
struct Ndis80211KeyHeader {
    uint32_t Length;     // size of the whole block
    uint32_t KeyIndex;   // bit 31: transmit key
    uint32_t KeyLength;  // bytes of key material
    uint8_t Bssid[6];    // FF-FF-FF-FF-FF-FF
    uint8_t Reserved[14];  // alignment and key RSC, always 0
};
static_assert(sizeof(Ndis80211KeyHeader) == 32, "key material starts at offset 32");
static_assert(offsetof(Ndis80211KeyHeader, KeyLength) == 8, "third 32-bit field");
static_assert(offsetof(Ndis80211KeyHeader, Bssid) == 12, "BSSID at offset 12");

// A block is its key length plus 39 bytes: the driver's structure size with a one-byte key
// array, less that byte.
constexpr uint32_t kKeyBlockOverhead = 39;
// The longest key material the driver takes (a WPA-None pre-shared key).
constexpr uint32_t kMaxKeyMaterial = 32;
constexpr uint32_t kWpaNoneKeyBlockSize = kMaxKeyMaterial + kKeyBlockOverhead;  // 71
constexpr uint32_t kKeyIndexTransmit = 0x80000000u;

constexpr uint32_t KeyBlockSize(uint32_t keyLength) { return keyLength + kKeyBlockOverhead; }
inline uint8_t* KeyMaterial(Ndis80211KeyHeader* block) {
    return reinterpret_cast<uint8_t*>(block) + sizeof(Ndis80211KeyHeader);
}
inline const uint8_t* KeyMaterial(const Ndis80211KeyHeader* block) {
    return reinterpret_cast<const uint8_t*>(block) + sizeof(Ndis80211KeyHeader);
}

// A zero-filled block with Length, KeyIndex, KeyLength, the broadcast BSSID and the key.
// Null when keyLength is above kMaxKeyMaterial (or key is null with a non-zero length).
Ndis80211KeyHeader* AllocKeyBlock(uint32_t keyIndex, const uint8_t* key, uint32_t keyLength);
// Own copy of a block, sized by its KeyLength; null for null or for a KeyLength no block of
// ours can have.
Ndis80211KeyHeader* CloneKeyBlock(const Ndis80211KeyHeader* block);
void FreeKeyBlock(Ndis80211KeyHeader* block);

struct ProfileApplyRecord {
    uint32_t UseBssid;          // 1: join Bssid on AdhocFrequency; 0: join by SSID
    uint32_t SsidLength;
    uint8_t Ssid[32];           // not terminated
    uint8_t Bssid[6];
    uint32_t NetworkType;       // 0 ad hoc, 1 infrastructure, 2 automatic
    uint32_t PreambleType;
    uint32_t RtsThreshold;
    uint32_t FragThreshold;
    int32_t AuthMode;           // NDIS authentication mode 0..7
    uint32_t CipherMode;        // NDIS encryption status: 0 WEP, 1 none, 4 TKIP, 6 AES
    uint32_t TxPower;
    Ndis80211KeyHeader* WpaNoneKey;
    uint32_t WpaNoneKeyLength;
    Ndis80211KeyHeader* WepKey1;
    uint32_t WepKey1Length;     // size of the block; non-zero = present
    Ndis80211KeyHeader* WepKey2;
    uint32_t WepKey2Length;
    Ndis80211KeyHeader* WepKey3;
    uint32_t WepKey3Length;
    Ndis80211KeyHeader* WepKey4;
    uint32_t WepKey4Length;
    uint32_t PowerSaveMode;
    uint32_t AcPowerCam;
    uint32_t AdhocFrequency;    // kHz
    uint32_t StationConfigLoaded;
    uint32_t ApplyDriverSettings;  // 1: the record carries its own radio settings below
    uint8_t DesiredRates[8];
    uint8_t PhyConfig[32];
    uint32_t Ccx2Control;
    int32_t CountryRegion;      // 2.4 GHz region + 256 x 5 GHz region
    uint32_t Use8021X;
    uint32_t AuthenProtocol;
    uint32_t TunnelProtocol;
    uint32_t ProvisioningTunnel;
    uint32_t TtlsTunnelProtocol;
    uint32_t SessionResumption;
    uint32_t UseClientCert;
    uint32_t UseServerCert;
    uint32_t UsePAC;
    uint32_t ProvisionMode;
    char PACFilePath[256];
    uint32_t IntermediateCert;
    uint32_t NameRule;
    char Identity[128];
    char Password[128];
    char TunnelID[128];
    char TunnelPassword[128];
    char ServerName[128];
    char WpaPassphrase[64];     // not terminated when 64 long
    uint32_t WpaPassphraseLength;
    uint32_t PasswordMode;
    uint8_t LeapEnabled;
    uint8_t LeapCcxFlag;
    char LeapUserName[256];
    uint32_t LeapUserNameLength;
    char LeapPassword[256];
    uint32_t LeapPasswordLength;
    char ProfileName[100];
    uint32_t ApplyFlag;         // 1: connect through Native Wifi as well
    // Past the fields both producers share: what the driver did not answer when the record's
    // own settings were read (nothing of it is sent then), and a record that joins nothing.
    uint32_t RadioBlockUnread;  // 1: PhyConfig holds no answer of the driver: no radio block is sent
    uint32_t HtSettingsUnread;  // 1: the 802.11n settings word lacks the driver's part: it is not sent
    uint32_t SettingsOnly;      // 1: the driver settings alone: no SSID or BSSID is set
};

constexpr int kWepKeyCount = 4;

// Slot n (0..3) of the WEP keys, by reference.
Ndis80211KeyHeader*& WepKeyBlock(ProfileApplyRecord& record, int n);
uint32_t& WepKeyLength(ProfileApplyRecord& record, int n);
Ndis80211KeyHeader* WepKeyBlock(const ProfileApplyRecord& record, int n);
uint32_t WepKeyLength(const ProfileApplyRecord& record, int n);

// The key blocks a record uses: the WPA-None key when AuthMode is 5; otherwise, when
// AuthMode is 1 or CipherMode is 0, every WEP key whose length field is non-zero.
bool UsesWpaNoneKey(const ProfileApplyRecord& record);
bool UsesWepKey(const ProfileApplyRecord& record, int n);

// Zero-filled. Never null (allocation failure ends the program as any other would).
ProfileApplyRecord* AllocApplyRecord();
// Deep copy: own copies of the key blocks the source uses; the copy's other key slots are
// empty, so it never shares a block with the source. Null for null.
ProfileApplyRecord* CloneApplyRecord(const ProfileApplyRecord* record);
// Frees the record with its key blocks. Null is fine.
void FreeApplyRecord(ProfileApplyRecord* record);

// The adapter's own settings of from (ApplyDriverSettings and what it carries: rates, radio
// block, CCX control value, region, and what of them the driver did not answer) into to;
// the network, keys and everything else of to stay.
void CopyDriverSettings(const ProfileApplyRecord& from, ProfileApplyRecord& to);
