#include "station/core/scan/bssid_list_buffers.h"

#include <windows.h>

#include <cstring>

uint8_t* g_pBssidListScan = nullptr;
uint8_t* g_pBssidListMerged = nullptr;

namespace {

HGLOBAL g_hScan = nullptr;
HGLOBAL g_hMerged = nullptr;

uint8_t* Allocate(HGLOBAL* handle) {
    *handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kBssidListBytes);
    return *handle ? static_cast<uint8_t*>(GlobalLock(*handle)) : nullptr;
}

void Release(HGLOBAL* handle, uint8_t** pointer) {
    if (*handle) {
        GlobalUnlock(*handle);
        GlobalFree(*handle);
    }
    *handle = nullptr;
    *pointer = nullptr;
}

}  // namespace

void AllocateBssidLists() {
    FreeBssidLists();
    g_pBssidListScan = Allocate(&g_hScan);
    g_pBssidListMerged = Allocate(&g_hMerged);
}

void FreeBssidLists() {
    Release(&g_hScan, &g_pBssidListScan);
    Release(&g_hMerged, &g_pBssidListMerged);
}

uint32_t BssidListEntryCount(const uint8_t* list) {
    if (!list) return 0;
    uint32_t count = 0;
    std::memcpy(&count, list, sizeof(count));
    return count;
}
