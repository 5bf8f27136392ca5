#pragma once
// The two scan-list buffers of the main window, in the NDIS BSSID-list layout: the latest
// scan, and the merged list that the pages show.
#include <cstddef>
#include <cstdint>

constexpr size_t kBssidListBytes = 65536;

extern uint8_t* g_pBssidListScan;
extern uint8_t* g_pBssidListMerged;

// Zero-filled; called by the main window when it starts and ends.
void AllocateBssidLists();
void FreeBssidLists();

// Number of entries the list says it holds (0 for no list).
uint32_t BssidListEntryCount(const uint8_t* list);
