#include "softap/core/device/op_mode.h"

#include "softap/core/push/ap_oids.h"
#include "softap/core/config/reg_key.h"
#include "shared/driver/oid_access.h"

namespace softap {

int QueryApOpMode()
{
    DWORD mode = 0, returned = 0;
    if (QueryOid(kOidQueryOpMode, &mode, sizeof(mode), &returned) && returned == sizeof(mode) && mode != 1)
        return 0;
    return 1;
}

int WriteStationOpMode()
{
    ScopedKey key(OpenDriverKeyTraced(nullptr, KEY_ALL_ACCESS));
    if (key)
        WriteRegNumber(key.get(), "OpMode", 0);
    DWORD mode = 0, returned = 0;
    SetOid(kOidSetOpMode, &mode, sizeof(mode), &returned, kSetTries);
    return 1;
}

}  // namespace softap
