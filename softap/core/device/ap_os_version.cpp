#include "daduve/ap_os_code.h"
#include "shared/os_version.h"

namespace daduve {

int GetOsVersionCode()
{
    OsVersionRecord record;
    if (ReadOsVersionRecord(&record))
        g_OsCode = ApOsCodeFromVersion(record);
    return g_OsCode;
}

}  // namespace daduve
