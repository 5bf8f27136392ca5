#include "softap/core/tray_signal.h"

#include "resources/softap/resource.h"

namespace softap {

int RssiToPercent(int32_t rssi)
{
    if (rssi >= -40)
        return 100;
    if (rssi >= -80)
        return 2 * rssi + 180;
    if (rssi >= -84)
        return 5 * rssi + 420;
    return 0;
}

unsigned TrayIconForPercent(int percent)
{
    if (percent > 70)
        return IDI_TRAY_GOOD;
    if (percent <= 40)
        return IDI_TRAY_WEAK;
    return IDI_TRAY_NORMAL;
}

}  // namespace softap
