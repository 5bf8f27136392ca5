#include "shared/system/os_code.h"

int g_OsCode = 0;

int OsCodeFromVersion(const OsVersionRecord& v)
{
    if (v.platformId == kPlatformWin9x) {
        if (v.major != 4)
            return 0;
        if (v.minor == 0)
            return 2;
        if (v.minor == 10)
            return (v.build & 0xFFFF) == 2222 ? 4 : 3;  // 9x packs the version into the high word
        if (v.minor == 90)
            return 5;
        return 0;
    }
    if (v.platformId != kPlatformWinNt)
        return 0;

    // Without the extended structure there is no product type: it reads as 0.
    const uint8_t productType = v.extended ? v.productType : 0;
    const bool workstation = productType == kProductWorkstation;
    if (v.major <= 4)
        return 6;
    if (v.major == 5 && v.minor == 0)
        return 7;
    if (v.major == 5 && v.minor == 1)
        return 8;
    if (v.major == 5 && v.minor == 2)
        return workstation ? 10 : 9;
    if (v.major == 6)
        return 11;
    return workstation ? 12 : 13;
}
