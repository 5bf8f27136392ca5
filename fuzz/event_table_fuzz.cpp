// The driver's event table taken into the event store on any bytes, as the tray window's
// poll does it every 2 seconds. Input: bytes returned (1 byte, then cut to the buffer), then
// the table's bytes (at most 168; the rest of the buffer stays zero); several tables in a
// row keep merging into one store. The same bytes are read as the table of associated
// stations in both layouts, exactly as long as they came.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include <vector>

#include "softap/core/tables/event_store.h"
#include "softap/core/tables/station_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (bool ht : {false, true}) {
        const std::vector<uint8_t> stations(data, data + (size < softap::StationTableBytes(ht) ? size : softap::StationTableBytes(ht)));
        if (softap::ParseStationTable(stations.data(), stations.size(), ht).size() > softap::kStationTableEntries)
            __builtin_trap();
    }
    softap::g_EventArray.clear();
    softap::g_EventShownCount = 0;
    while (size > 0) {
        const size_t returned = data[0] <= softap::kEventTableBytes ? data[0] : softap::kEventTableBytes;
        ++data;
        --size;
        uint8_t table[softap::kEventTableBytes] = {};
        const size_t n = size < sizeof(table) ? size : sizeof(table);
        std::memcpy(table, data, n);
        data += n;
        size -= n;
        softap::g_EventShownCount += static_cast<int>(table[0] % 7);
        softap::MergeEventTable(table, returned);
        if (softap::g_EventArray.size() > softap::kMaxStoredEvents || softap::g_EventShownCount < 0)
            __builtin_trap();
    }
    return 0;
}
