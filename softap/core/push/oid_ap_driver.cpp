#include "softap/core/push/oid_ap_driver.h"

#include <vector>

#include "shared/driver/oid_access.h"

namespace softap {

bool OidApDriver::Query(uint32_t oid, void* buffer, uint32_t length, uint32_t* returned)
{
    DWORD bytes = 0;
    const bool ok = QueryOid(oid, buffer, length, &bytes) != FALSE;
    if (returned)
        *returned = bytes;
    return ok;
}

bool OidApDriver::Set(uint32_t oid, const void* buffer, uint32_t length, int attempts)
{
    // The driver may write into a set's buffer; the caller's record stays as it was.
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    std::vector<uint8_t> copy(bytes, bytes + length);
    DWORD returned = 0;
    return SetOid(oid, length ? copy.data() : nullptr, length, &returned, attempts) != FALSE;
}

}  // namespace softap
