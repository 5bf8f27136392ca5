// The driver's station table as the Mac Table page reads it every 2 seconds, on any bytes:
// the entries taken in either layout and the rate text of each. Input: a flag byte (bit 0:
// an 802.11n adapter), a byte of bytes returned (doubled; cut to the buffer), then the
// table's bytes (the rest of the buffer stays zero).
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "softap/core/tables/station_table.h"
#include "shared/radio/ht_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CHTTable* rates = [] {
        auto* t = new CHTTable;
        t->FillRateMaps();
        return t;
    }();
    if (size < 2)
        return 0;
    const bool ht = data[0] & 1;
    uint8_t table[softap::kHtStationTableBytes] = {};
    const size_t buffer = softap::StationTableBytes(ht);
    size_t returned = static_cast<size_t>(data[1]) * 2;
    if (returned > buffer)
        returned = buffer;
    data += 2;
    size -= 2;
    std::memcpy(table, data, size < buffer ? size : buffer);
    const auto entries = softap::ParseStationTable(table, returned, ht);
    if (entries.size() > softap::kStationTableEntries)
        __builtin_trap();
    for (const softap::StationEntry& e : entries)
        if (softap::StationRateText(e.rateWord, *rates).empty())
            __builtin_trap();
    return 0;
}
