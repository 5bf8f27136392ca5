#include "softap/core/device/ap_os_code.h"
#include "shared/system/os_version.h"

namespace softap {

int GetOsVersionCode()
{
    OsVersionRecord record;
    if (ReadOsVersionRecord(&record))
        g_OsCode = ApOsCodeFromVersion(record);
    return g_OsCode;
}

}  // namespace softap
