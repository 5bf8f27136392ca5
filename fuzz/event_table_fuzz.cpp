// The driver's event table taken into the event store on any bytes, as the tray window's
// poll does it every 2 seconds. Input: bytes returned (1 byte, then cut to the buffer), then
// the table's bytes (at most 168; the rest of the buffer stays zero); several tables in a
// row keep merging into one store. The same bytes are read as the table of associated
// stations in both layouts, exactly as long as they came.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include <vector>

#include "daduve/event_store.h"
#include "daduve/station_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (bool ht : {false, true}) {
        const std::vector<uint8_t> stations(data, data + (size < daduve::StationTableBytes(ht) ? size : daduve::StationTableBytes(ht)));
        if (daduve::ParseStationTable(stations.data(), stations.size(), ht).size() > daduve::kStationTableEntries)
            __builtin_trap();
    }
    daduve::g_EventArray.clear();
    daduve::g_EventShownCount = 0;
    while (size > 0) {
        const size_t returned = data[0] <= daduve::kEventTableBytes ? data[0] : daduve::kEventTableBytes;
        ++data;
        --size;
        uint8_t table[daduve::kEventTableBytes] = {};
        const size_t n = size < sizeof(table) ? size : sizeof(table);
        std::memcpy(table, data, n);
        data += n;
        size -= n;
        daduve::g_EventShownCount += static_cast<int>(table[0] % 7);
        daduve::MergeEventTable(table, returned);
        if (daduve::g_EventArray.size() > daduve::kMaxStoredEvents || daduve::g_EventShownCount < 0)
            __builtin_trap();
    }
    return 0;
}
