#pragma once
// The driver's table of the stations associated with the access point (query OID
// 0x0D71010B): a count, then 32 entries of 8 bytes (MAC, association ID, power-save
// state), 10 bytes on an 802.11n adapter (and the station's transmit-rate word). Window-less.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace daduve {

constexpr size_t kStationTableEntries = 32;
constexpr size_t kStationTableLegacyBytes = 4 + kStationTableEntries * 8;  // 260
constexpr size_t kStationTableHtBytes = 4 + kStationTableEntries * 10;     // 324

struct StationEntry {
    std::array<uint8_t, 6> mac{};
    uint8_t aid = 0;
    uint8_t powerSave = 0;  // 0: active
    uint16_t rateWord = 0;  // 802.11n layout only
};

// The buffer a query hands the driver for this adapter.
inline size_t StationTableBytes(bool htLayout) { return htLayout ? kStationTableHtBytes : kStationTableLegacyBytes; }

// The stations of a table of which the driver returned `returned` bytes: as many as its
// count says, but never more than 32 nor more than those bytes hold.
std::vector<StationEntry> ReadStationTable(const uint8_t* table, size_t returned, bool htLayout);

}  // namespace daduve
