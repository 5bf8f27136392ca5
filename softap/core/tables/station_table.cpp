#include "softap/core/tables/station_table.h"

#include <cstdio>

#include "softap/core/le_bytes.h"
#include "shared/radio/ht_table.h"

namespace softap {

std::vector<StationEntry> ParseStationTable(const uint8_t* table, size_t returned, bool ht)
{
    std::vector<StationEntry> entries;
    if (returned < kStationTableHeaderBytes)
        return entries;
    const size_t entryBytes = ht ? kHtStationEntryBytes : kStationEntryBytes;
    size_t count = GetU32(table);
    if (count > kStationTableEntries)
        count = kStationTableEntries;
    const size_t held = (returned - kStationTableHeaderBytes) / entryBytes;
    if (count > held)
        count = held;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* p = table + kStationTableHeaderBytes + i * entryBytes;
        StationEntry e;
        for (int k = 0; k < 6; ++k)
            e.mac[k] = p[k];
        e.aid = p[6];
        e.powerSave = p[7];
        if (ht)
            e.rateWord = static_cast<uint16_t>(p[8] | p[9] << 8);
        entries.push_back(e);
    }
    return entries;
}

std::string StationRateText(uint16_t word, const CHTTable& table)
{
    const int mcs = word & 0x7F;
    const int bw40 = (word >> 7) & 1;
    const int shortGi = (word >> 8) & 1;
    std::string text;
    double rate = 0;
    if (word < 0x4000) {
        // CCK: the four rates, also at indices 8 to 11.
        static const double kCck[4] = {1, 2, 5.5, 11};
        text = "B: ";
        if (mcs <= 3 || (mcs >= 8 && mcs <= 11))
            rate = kCck[mcs & 3];
    } else if (word < 0x8000) {
        static const double kOfdm[8] = {6, 9, 12, 18, 24, 36, 48, 54};
        if (mcs <= 7)
            rate = kOfdm[mcs];
    } else {
        char ht[64];
        std::snprintf(ht, sizeof(ht), "N: MCS = %d, BW = %s, GI = %s, ", mcs, bw40 ? "40" : "20",
                      shortGi ? "400" : "800");
        text = ht;
        if (!table.GetHtRate(bw40, shortGi, mcs, rate))
            rate = 0;
    }
    char tail[32];
    std::snprintf(tail, sizeof(tail), "Rate = %.2f", rate);
    return text + tail;
}

}  // namespace softap
