#include "daduve/band_detect.h"

#include "daduve/ap_oids.h"
#include "daduve/band_types.h"
#include "shared/adapter_identity.h"
#include "shared/oid_access.h"

namespace daduve {

void DetectABand()
{
    uint8_t answer[kNetworkTypesBufferSize] = {};
    DWORD returned = 0;
    g_Supports5GHz = 0;
    if (QueryOid(kOidNetworkTypesSupported, answer, sizeof(answer), &returned))
        g_Supports5GHz = ListsFiveGhz(answer, returned, g_IsHtChip != 0) ? 1 : 0;
}

}  // namespace daduve
