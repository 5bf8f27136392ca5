#pragma once
// The driver's table of the access point's associated stations (the Mac Table page reads it
// every 2 seconds) and the text of a station's transmit rate. The table is the driver's:
// its count is bounded by the table and by the bytes returned. Window-less.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CHTTable;

namespace softap {

// A count, then 32 entries: 8 bytes each, 10 on an 802.11n adapter (the rate word added).
constexpr size_t kStationTableHeaderBytes = 4;
constexpr size_t kStationTableEntries = 32;
constexpr size_t kStationEntryBytes = 8;
constexpr size_t kHtStationEntryBytes = 10;
constexpr size_t kStationTableBytes = kStationTableHeaderBytes + kStationTableEntries * kStationEntryBytes;
constexpr size_t kHtStationTableBytes = kStationTableHeaderBytes + kStationTableEntries * kHtStationEntryBytes;
static_assert(kStationTableBytes == 260 && kHtStationTableBytes == 324);

struct StationEntry {
    uint8_t mac[6] = {};
    uint8_t aid = 0;
    uint8_t powerSave = 0;  // 0: active
    uint16_t rateWord = 0;  // bits 0-6 MCS or rate index, 7 40 MHz, 8 short GI, 14-15 PHY mode
};

inline size_t StationTableBytes(bool ht) { return ht ? kHtStationTableBytes : kStationTableBytes; }

// The entries of a table of which the driver returned `returned` bytes: its count, but no
// more than 32 and no more than those bytes hold. table holds at least `returned` bytes.
std::vector<StationEntry> ParseStationTable(const uint8_t* table, size_t returned, bool ht);

// "B: Rate = 11.00", "Rate = 54.00", "N: MCS = 7, BW = 40, GI = 400, Rate = 150.00"; a rate
// the word's mode does not know reads 0.
std::string StationRateText(uint16_t word, const CHTTable& table);

}  // namespace softap
