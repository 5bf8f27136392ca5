#pragma once
// What the soft-AP tray icon shows for the RSSI the driver reports. Window-less.
#include <cstdint>

namespace softap {

// Havix's own table: -40 dBm and above 100; -80 to -41 2 x rssi + 180; -84 to -81
// 5 x rssi + 420; below -84 0.
int RssiToPercent(int32_t rssi);

// The tray picture of a percent: Good above 70, Weak at 40 or less, else Normal.
unsigned TrayIconForPercent(int percent);

}  // namespace softap
