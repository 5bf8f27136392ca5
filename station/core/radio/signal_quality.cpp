#include "station/core/radio/signal_quality.h"

int SignalToPercent(int dbm) {
    if (dbm >= -50) return 100;
    if (dbm >= -80) return (dbm + 80) * 26 / 10 + 24;
    if (dbm >= -90) return (dbm + 90) * 26 / 10;
    return 0;
}
