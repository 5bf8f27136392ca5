#pragma once
// Link quality from a signal in dBm, and the tray picture it selects. Window-less.
#include "shared/pages/link_values.h"

// 0..100; integer arithmetic on purpose: -75 dBm must give 37, not 36.
int SignalToPercent(int dbm);
