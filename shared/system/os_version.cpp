#include "shared/system/os_version.h"

#include <windows.h>

static_assert(sizeof(OSVERSIONINFOEXA) == 156);
static_assert(sizeof(OSVERSIONINFOA) == 148);

bool ReadOsVersionRecord(OsVersionRecord* record)
{
    *record = OsVersionRecord{};
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof(extended);
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
        record->platformId = extended.dwPlatformId;
        record->major = extended.dwMajorVersion;
        record->minor = extended.dwMinorVersion;
        record->build = extended.dwBuildNumber;
        record->productType = extended.wProductType;
        record->extended = true;
        return true;
    }
    // Systems before NT 4 SP6 only know the basic structure.
    OSVERSIONINFOA basic{};
    basic.dwOSVersionInfoSize = sizeof(basic);
    if (!GetVersionExA(&basic))
        return false;
    record->platformId = basic.dwPlatformId;
    record->major = basic.dwMajorVersion;
    record->minor = basic.dwMinorVersion;
    record->build = basic.dwBuildNumber;
    return true;
}

int DetectOsVersion()
{
    OsVersionRecord record;
    if (!ReadOsVersionRecord(&record))
        return g_OsCode;
    g_OsCode = OsCodeFromVersion(record);
    return g_OsCode;
}
