#pragma once
// The driver's list of BSSIDs the station can set a block-ack session up with: a 32-bit
// count, then entries of 10 bytes whose first 6 are the BSSID. Window-less.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr size_t kConnectedBssidsSize = 324;
constexpr size_t kConnectedBssidEntrySize = 10;
constexpr size_t kConnectedBssidsMax = 32;

using Bssid = std::array<uint8_t, 6>;

// At most 32 entries and only those wholly inside the returned bytes, in the driver's order,
// except that `associated` (when it is not all zero and is listed) comes first.
std::vector<Bssid> ReadConnectedBssids(const uint8_t* data, size_t returned, const uint8_t associated[6]);
