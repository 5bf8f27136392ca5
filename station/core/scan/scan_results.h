#pragma once
// The service's scan results into the main window's BSSID lists.
#include <windows.h>
#include <wlanapi.h>

#include <cstdint>
#include <vector>

#include "station/core/scan/scan_conversion.h"

class WlanManager;
class BssidLists;

// Appends the entries of one service BSS list as reports. Entries past the list's own total
// size are not read; an element blob outside it is left out; an SSID length above 32 is cut.
void DescribeBssList(const WLAN_BSS_LIST* list, std::vector<BssDescription>& out);

// Rewrites the scan list and its PHY types from the service's current results: every
// available network, then its BSS list. Returns the error of the last service call.
DWORD FillScanList(WlanManager& manager, BssidLists& lists);
// Fill, then merge into the display list with the channels of the adapter's region.
DWORD UpdateBssList(WlanManager& manager, BssidLists& lists);
// Fill, then the display list becomes the scan list (at device initialisation).
DWORD SeedBssList(WlanManager& manager, BssidLists& lists);

// The system time as a FILETIME value (UTC, 100 ns).
uint64_t CurrentFileTime();
