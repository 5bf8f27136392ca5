#include "shared/driver/driver_version.h"

#include <cstdint>

#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"

int QueryDriverVersion()
{
    g_DriverVersion = 0;
    uint16_t version = 0;
    DWORD returned = 0;
    // A failed query may have left half an answer: only a successful one counts.
    if (!QueryOid(kOidGenDriverVersion, &version, sizeof(version), &returned))
        return 0;
    g_DriverVersion = version;
    return 1;
}
