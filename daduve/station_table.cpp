#include "daduve/station_table.h"

#include <algorithm>
#include <cstring>

#include "daduve/le_bytes.h"

namespace daduve {

std::vector<StationEntry> ReadStationTable(const uint8_t* table, size_t returned, bool htLayout)
{
    std::vector<StationEntry> stations;
    if (!table || returned < 4)
        return stations;
    const size_t entryBytes = htLayout ? 10 : 8;
    const size_t fit = std::min(kStationTableEntries, (returned - 4) / entryBytes);
    const size_t count = std::min<size_t>(GetU32(table), fit);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = table + 4 + i * entryBytes;
        StationEntry s;
        std::memcpy(s.mac.data(), e, 6);
        s.aid = e[6];
        s.powerSave = e[7];
        if (htLayout)
            s.rateWord = static_cast<uint16_t>(e[8] | e[9] << 8);
        stations.push_back(s);
    }
    return stations;
}

}  // namespace daduve
