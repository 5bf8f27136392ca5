#pragma once
// The few per-OID driver operations the registry and mode-switch code needs: fixed OID,
// direction and length. Sets go out with the private-set bits and 3 attempts.
#include <windows.h>

#include <cstdint>

namespace driver_oid {

constexpr DWORD kOidMacAddress = 0x0D010702;
constexpr DWORD kOidQueryOpMode = 0xFF0C001A;
constexpr DWORD kOidSetOpMode = 0xFF8C001A;
constexpr DWORD kOidQueryCountryRegion = 0xFF0C0003;

// The adapter's MAC address (6 bytes); the buffer is left as it was on failure.
BOOLEAN QueryOid0702(uint8_t mac[6]);
// 0 station, 1 access point. Result of the first attempt.
BOOLEAN SetOpMode(DWORD mode);
// mode is zeroed first; non-zero means access-point mode.
BOOLEAN QueryOpMode(DWORD* mode);
// The country region word; left as it was on failure.
BOOLEAN QueryOid0003(DWORD* region);

}  // namespace driver_oid
