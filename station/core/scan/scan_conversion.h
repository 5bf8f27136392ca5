#pragma once
// Turns the Native Wifi service's scan results, described neutrally, into a scan list in the
// driver's BSSID-list layout, and checks the service's own list lengths.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "station/core/scan/bssid_list.h"

// One BSS as the service reported it under one network of the available-network list.
struct BssDescription {
    MacAddress bssid{};
    uint32_t ssidLength = 0;  // as reported; more than 32 is cut
    std::array<uint8_t, 32> ssid{};
    int32_t rssi = 0;               // dBm
    uint32_t centerFrequencyKhz = 0;
    uint16_t capability = 0;        // beacon capability word
    int phyType = 0;                // DOT11_PHY_TYPE
    int bssType = 0;                // DOT11_BSS_TYPE: 1 infrastructure, 2 independent
    std::vector<uint8_t> ies;       // the elements, from the first one
};

// The entry of one report: Privacy from capability bit 4, NDIS infrastructure mode from
// the BSS type, everything else zero.
BssidEntryFields EntryFieldsOf(const BssDescription& bss);

// Rewrites the scan list (size bytes, zeroed first) from the reports in service order. A
// BSSID already listed is skipped (the service reports a BSS under each of its networks);
// PHY types go to phyTypes[i] for entry i. Reports that no longer fit in the buffer or in
// the 1,024-entry arrays are left out. Returns the number of entries.
size_t BuildScanList(const std::vector<BssDescription>& reports, uint8_t* list, size_t size,
                     int phyTypes[kBssidListMaxEntries]);

// Bounds of the service's own lists, which are not trusted.
// How many items of itemSize bytes, from headerSize on, lie within totalSize bytes: at most
// claimed.
size_t ServiceItemsThatFit(size_t totalSize, size_t headerSize, size_t itemSize, size_t claimed);
// Whether a blob at blobOffset (from an item at itemOffset) of blobSize bytes lies within
// totalSize bytes from the list's start.
bool ServiceBlobInBounds(size_t totalSize, size_t itemOffset, size_t blobOffset, size_t blobSize);
