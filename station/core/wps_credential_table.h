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
