#include "softap/core/radio/band_detect.h"

#include "softap/core/push/ap_oids.h"
#include "softap/core/radio/band_types.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"

namespace softap {

void DetectABand()
{
    uint8_t answer[kNetworkTypesBufferSize] = {};
    DWORD returned = 0;
    g_Supports5GHz = 0;
    if (QueryOid(kOidNetworkTypesSupported, answer, sizeof(answer), &returned))
        g_Supports5GHz = ListsFiveGhz(answer, returned, g_IsHtChip != 0) ? 1 : 0;
}

}  // namespace softap
