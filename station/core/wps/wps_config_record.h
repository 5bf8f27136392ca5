#pragma once
// The record that starts a WPS run in the driver (set OID 0xFF8C002A, 56 bytes,
// little-endian): the method, the PIN's eight ASCII digits, the chosen access point for a
// PIN run, and the station's role. Window-less.
#include <cstddef>
#include <cstdint>

constexpr uint32_t kWpsMethodPin = 0x10000000;
constexpr uint32_t kWpsMethodPbc = 0x20000000;
constexpr uint8_t kWpsRoleEnrollee = 1;
constexpr uint8_t kWpsRoleRegistrar = 2;

#pragma pack(push, 1)
struct WpsConfigRecord {
    uint32_t Method;
    char Pin[8];              // "%08u", no terminator; zero for a push-button run
    uint32_t SsidLength;      // the access point's SSID as the driver list has it
    uint8_t Ssid[32];
    uint8_t Bssid[6];
    uint8_t Channel;          // 0 when the frequency is not in the channel table
    uint8_t Role;             // kWpsRoleEnrollee or kWpsRoleRegistrar
};
#pragma pack(pop)

static_assert(sizeof(WpsConfigRecord) == 56, "driver record size");
static_assert(offsetof(WpsConfigRecord, SsidLength) == 12, "SSID after the PIN");
static_assert(offsetof(WpsConfigRecord, Bssid) == 48, "BSSID at offset 48");
static_assert(offsetof(WpsConfigRecord, Role) == 55, "role in the last byte");

// A PIN run with the access point: pin 0..99999999 as eight digits; the SSID length is
// limited to the 32 bytes the record holds.
WpsConfigRecord MakePinStartRecord(uint32_t pin, const uint8_t* ssid, uint32_t ssidLength, const uint8_t bssid[6],
                                   uint8_t channel, uint8_t role);
// A push-button run: everything but the method and the role is zero.
WpsConfigRecord MakePbcStartRecord(uint8_t role);
