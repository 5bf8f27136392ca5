// The bounds checks of the Native Wifi service's lists, which Lumora does not trust: a BSS
// list as the service hands it over (total size, item count, then fixed-size entries, each
// with the offset and size of its elements from the entry), walked the way the scan code
// walks it, and every admitted element blob decoded and converted into a scan list.
// Input: the list's bytes; the total size is what the input holds, the count is its word.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "station/core/scan/bss_ie_decoder.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/scan/scan_conversion.h"

namespace {

// The layout of the service's list: its header and the fields of an entry that the walk
// reads, at their offsets in the service's own structures.
constexpr size_t kHeader = 8;           // dwTotalSize, dwNumberOfItems
constexpr size_t kEntrySize = 360;      // sizeof(WLAN_BSS_ENTRY)
constexpr size_t kIeOffsetAt = 352;     // ulIeOffset
constexpr size_t kIeSizeAt = 356;       // ulIeSize

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The list in a buffer of exactly its size, so that a read past it is caught.
    std::vector<uint8_t> list(data, data + size);
    const uint8_t* base = list.data();
    const uint32_t claimed = size >= kHeader ? Le32(base + 4) : 0;
    const size_t items = ServiceItemsThatFit(size, kHeader, kEntrySize, claimed);
    if (items > claimed || (items != 0 && kHeader + items * kEntrySize > size)) std::abort();

    std::vector<BssDescription> reports;
    for (size_t i = 0; i < items; ++i) {
        const size_t itemOffset = kHeader + i * kEntrySize;
        const uint8_t* entry = base + itemOffset;
        BssDescription d;
        std::memcpy(d.bssid.data(), entry + 40, d.bssid.size());
        d.ssidLength = Le32(entry) < 32 ? Le32(entry) : 32;
        std::memcpy(d.ssid.data(), entry + 4, d.ssidLength);
        d.capability = static_cast<uint16_t>(entry[88] | entry[89] << 8);
        d.bssType = static_cast<int>(Le32(entry + 48) & 3);
        const uint32_t ieOffset = Le32(entry + kIeOffsetAt), ieSize = Le32(entry + kIeSizeAt);
        if (ieSize != 0 && ServiceBlobInBounds(size, itemOffset, ieOffset, ieSize)) {
            const uint8_t* ies = entry + ieOffset;
            d.ies.assign(ies, ies + ieSize);
            DecodeInformationElements(d.ies.data(), d.ies.size(), d.capability & 0x10, 1);
        }
        reports.push_back(std::move(d));
    }
    std::vector<uint8_t> scanList(kBssidListSize);
    static int phyTypes[kBssidListMaxEntries];
    BuildScanList(reports, scanList.data(), scanList.size(), phyTypes);

    // The checks themselves on any numbers, as a 64-bit service word could give them.
    if (size >= 32) {
        uint64_t v[4];
        std::memcpy(v, base + size - 32, 32);
        const size_t total = static_cast<size_t>(v[0]), item = static_cast<size_t>(v[1]);
        const size_t offset = static_cast<size_t>(v[2]), blob = static_cast<size_t>(v[3]);
        if (ServiceBlobInBounds(total, item, offset, blob)) {
            size_t end;
            if (__builtin_add_overflow(item, offset, &end) || __builtin_add_overflow(end, blob, &end) || end > total)
                std::abort();
        }
        const size_t fit = ServiceItemsThatFit(total, item, offset, blob);
        if (fit > blob || (fit != 0 && (offset == 0 || fit > (total - item) / offset))) std::abort();
    }
    return 0;
}
