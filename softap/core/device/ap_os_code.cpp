#include "softap/core/device/ap_os_code.h"

namespace softap {

int ApOsCodeFromVersion(const OsVersionRecord& v)
{
    const int code = ::OsCodeFromVersion(v);
    if (v.platformId != kPlatformWinNt || code < 11)
        return code;
    const bool workstation = v.extended && v.productType == kProductWorkstation;
    return workstation ? 11 : 12;
}

}  // namespace softap
