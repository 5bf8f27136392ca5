#include "softap/core/radio/band_types.h"

#include "softap/core/le_bytes.h"

namespace softap {

bool ListsFiveGhz(const uint8_t* answer, size_t returned, bool isHtChip)
{
    if (returned > kNetworkTypesBufferSize)
        returned = kNetworkTypesBufferSize;
    if (returned < 4)
        return false;
    uint32_t count = GetU32(answer);
    const uint32_t present = static_cast<uint32_t>((returned - 4) / 4);
    if (count > present)
        count = present;
    bool found = false;
    for (uint32_t i = 0; i < count; ++i) {
        if (GetU32(answer + 4 + i * 4) == kNetworkTypeOfdm5) {
            found = true;
            if (!isHtChip)
                break;
        }
    }
    return found;
}

}  // namespace softap
