#include "station/core/driver_oid_calls.h"

#include "shared/oid_access.h"

namespace driver_oid {

namespace {
constexpr int kSetAttempts = 3;
}

BOOLEAN QueryOid0702(uint8_t mac[6]) {
    DWORD returned = 0;
    return QueryOid(kOidMacAddress, mac, 6, &returned);
}

BOOLEAN SetOpMode(DWORD mode) {
    DWORD returned = 0;
    return SetOidEx(kOidSetOpMode, &mode, sizeof(mode), &returned, 1, kSetAttempts);
}

BOOLEAN QueryOpMode(DWORD* mode) {
    *mode = 0;
    DWORD returned = 0;
    return QueryOid(kOidQueryOpMode, mode, sizeof(*mode), &returned);
}

BOOLEAN QueryOid0003(DWORD* region) {
    DWORD returned = 0;
    return QueryOid(kOidQueryCountryRegion, region, sizeof(*region), &returned);
}

}  // namespace driver_oid
