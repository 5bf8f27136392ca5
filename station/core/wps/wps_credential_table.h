#pragma once
// The credentials a WPS run hands over, in the driver's layout (the buffer of query OID
// 0xFF0C002E and set OID 0xFF8C0049): a count and 8 entries of 124 bytes, little-endian.
// The "_wsc" settings file keeps the same fields. Window-less.
#include <cstddef>
#include <cstdint>

constexpr uint32_t kWpsMaxCredentials = 8;
constexpr uint32_t kWpsMaxKeyLength = 64;

#pragma pack(push, 1)
struct WpsCredential {
    uint32_t SsidLength;      // 0..32
    uint8_t Ssid[32];         // not terminated
    uint32_t AuthType;        // 1 open, 2 WPA-PSK, 4 shared, 8 WPA, 0x10 WPA2, 0x20 WPA2-PSK
    uint32_t EncryType;       // 1 none, 2 WEP, 4 TKIP, 8 AES
    uint32_t KeyIndex;        // 0-based; bit 31 ignored
    uint32_t KeyLength;       // 0..64
    uint8_t Key[kWpsMaxKeyLength];
    uint8_t MacAddress[6];
    uint8_t Reserved[2];
};

struct WpsCredentialTable {
    uint32_t Count;           // 0..8; entries from Count on are zero
    WpsCredential Entries[kWpsMaxCredentials];
};
#pragma pack(pop)

static_assert(sizeof(WpsCredential) == 124, "driver entry size");
static_assert(offsetof(WpsCredential, AuthType) == 36, "authentication after the SSID");
static_assert(offsetof(WpsCredential, Key) == 52, "key at offset 52");
static_assert(offsetof(WpsCredential, MacAddress) == 116, "MAC address at offset 116");
static_assert(sizeof(WpsCredentialTable) == 996, "driver table size");

#include <string>
#include <vector>

// The table as the driver returned it: length bytes of answer (at most the table's 996)
// over a zeroed table, the count no more than the whole entries returned, then
// SanitizeWpsCredentialTable.
void ParseWpsCredentialTable(const uint8_t* answer, size_t length, WpsCredentialTable& table);
// Holds the table to what its readers may trust: the count at most 8, every SSID length at
// most 32 and key length at most 64, the entries from the count on zero.
void SanitizeWpsCredentialTable(WpsCredentialTable& table);
// A credential index kept beside the table, back to 0 when the table no longer has it.
int ClampWpsIndex(int index, uint32_t count);

// The SSID and the key as text, each its length's bytes (bounded by the field).
std::string WpsCredentialSsid(const WpsCredential& credential);
std::string WpsCredentialKey(const WpsCredential& credential);

// One value of the "_wsc" settings file.
struct WpsFileValue {
    std::string section;
    std::string key;
    std::string value;
};
// What the "_wsc" file keeps of the table, in writing order: [Common] Number, ConfigMode and
// PinCode, then sections Profile0 to Profile7 with SSID, AuthType, EncryType, KeyIndex,
// KeyLength, Key and MacAddress (slots from the count on from the zeroed entries).
std::vector<WpsFileValue> WpsCredentialFileValues(const WpsCredentialTable& table, int configMode, uint32_t pinCode);
