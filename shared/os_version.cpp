#include "shared/os_version.h"

#include <windows.h>

#include "shared/os_code.h"

static_assert(sizeof(OSVERSIONINFOEXA) == 156);
static_assert(sizeof(OSVERSIONINFOA) == 148);

int DetectOsVersion()
{
    OsVersionRecord record;
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof(extended);
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
        record.platformId = extended.dwPlatformId;
        record.major = extended.dwMajorVersion;
        record.minor = extended.dwMinorVersion;
        record.build = extended.dwBuildNumber;
        record.productType = extended.wProductType;
        record.extended = true;
    } else {
        // Systems before NT 4 SP6 only know the basic structure.
        OSVERSIONINFOA basic{};
        basic.dwOSVersionInfoSize = sizeof(basic);
        if (!GetVersionExA(&basic))
            return g_OsCode;
        record.platformId = basic.dwPlatformId;
        record.major = basic.dwMajorVersion;
        record.minor = basic.dwMinorVersion;
        record.build = basic.dwBuildNumber;
    }
    g_OsCode = OsCodeFromVersion(record);
    return g_OsCode;
}
