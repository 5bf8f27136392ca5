#include "station/core/scan/scan_conversion.h"

#include <cstring>
#include <unordered_set>

namespace {

constexpr uint16_t kCapabilityPrivacy = 0x0010;
constexpr int kBssTypeInfrastructure = 1;
constexpr int kBssTypeIndependent = 2;

}  // namespace

BssidEntryFields EntryFieldsOf(const BssDescription& bss) {
    BssidEntryFields f;
    f.mac = bss.bssid;
    f.ssidLength = bss.ssidLength;
    f.ssid = bss.ssid;
    f.privacy = (bss.capability & kCapabilityPrivacy) != 0 ? 1 : 0;
    f.rssi = bss.rssi;
    f.dsConfigKhz = bss.centerFrequencyKhz;
    f.infrastructureMode = bss.bssType == kBssTypeInfrastructure ? kNdisInfrastructure
                           : bss.bssType == kBssTypeIndependent  ? kNdisIbss
                                                                 : kNdisAutoUnknown;
    f.ies = bss.ies.data();
    f.ieSize = bss.ies.size();
    return f;
}

size_t BuildScanList(const std::vector<BssDescription>& reports, uint8_t* list, size_t size,
                     int phyTypes[kBssidListMaxEntries]) {
    std::memset(list, 0, size);
    BssidListWriter writer(list, size);
    std::unordered_set<uint64_t> listed;
    for (const BssDescription& bss : reports) {
        if (writer.Full()) break;
        if (listed.count(MacKey(bss.bssid))) continue;
        uint32_t index = writer.Count();
        // A report too big for the room left is dropped; a smaller one after it may still fit.
        if (!writer.Append(EntryFieldsOf(bss))) continue;
        phyTypes[index] = bss.phyType;
        listed.insert(MacKey(bss.bssid));
    }
    return writer.Count();
}

size_t ServiceItemsThatFit(size_t totalSize, size_t headerSize, size_t itemSize, size_t claimed) {
    if (itemSize == 0 || totalSize < headerSize) return 0;
    size_t room = (totalSize - headerSize) / itemSize;
    return claimed < room ? claimed : room;
}

bool ServiceBlobInBounds(size_t totalSize, size_t itemOffset, size_t blobOffset, size_t blobSize) {
    if (itemOffset > totalSize) return false;
    size_t left = totalSize - itemOffset;
    return blobOffset <= left && blobSize <= left - blobOffset;
}
