#include "station/core/driver/connected_bssids.h"

#include <algorithm>
#include <cstring>

std::vector<Bssid> ReadConnectedBssids(const uint8_t* data, size_t returned, const uint8_t associated[6]) {
    std::vector<Bssid> list;
    if (!data || returned < 4) return list;
    uint32_t count = 0;
    for (int i = 0; i < 4; ++i) count |= static_cast<uint32_t>(data[i]) << (8 * i);
    const size_t fits = (std::min(returned, kConnectedBssidsSize) - 4) / kConnectedBssidEntrySize;
    const size_t n = std::min<size_t>({count, kConnectedBssidsMax, fits});
    for (size_t i = 0; i < n; ++i) {
        Bssid b;
        std::memcpy(b.data(), data + 4 + i * kConnectedBssidEntrySize, 6);
        list.push_back(b);
    }
    if (associated && std::any_of(associated, associated + 6, [](uint8_t v) { return v != 0; })) {
        auto it = std::find_if(list.begin(), list.end(),
                               [&](const Bssid& b) { return std::memcmp(b.data(), associated, 6) == 0; });
        if (it != list.end()) std::rotate(list.begin(), it, it + 1);
    }
    return list;
}
