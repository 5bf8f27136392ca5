#pragma once
// The two BSSID lists of the main window: the scan list (the latest conversion) and the
// display list that the pages read, which keeps a network for a while after it dropped out
// of a scan. PHY type and last-seen time of each display entry are kept beside it.
#include <array>
#include <cstddef>
#include <cstdint>

#include "station/core/scan/bssid_list.h"

// 15 seconds in FILETIME units (100 ns).
constexpr uint64_t kBssAgeLimit = 150000000;

class BssidLists {
public:
    BssidLists() = default;
    BssidLists(const BssidLists&) = delete;
    BssidLists& operator=(const BssidLists&) = delete;

    // The two buffers of kBssidListSize bytes, owned by the caller; null detaches.
    void Attach(uint8_t* scanList, uint8_t* displayList);
    bool Attached() const { return m_scan != nullptr && m_display != nullptr; }

    uint8_t* ScanList() { return m_scan; }
    const uint8_t* DisplayList() const { return m_display; }
    // Where the conversion puts the PHY type of each scan-list entry.
    int* ScanPhyTypes() { return m_scanPhy.data(); }

    // PHY type and last-seen time (FILETIME, UTC) of display entry index; 0 past the end.
    int DisplayPhyType(size_t index) const { return index < m_displayPhy.size() ? m_displayPhy[index] : 0; }
    uint64_t DisplayLastSeen(size_t index) const {
        return index < m_displaySeen.size() ? m_displaySeen[index] : 0;
    }

    // The display list becomes the scan list, every entry seen at now.
    void Seed(uint64_t now);
    // The display list becomes the scan list (seen at now) followed by the entries of the
    // old display list that the scan lacks, seen less than kBssAgeLimit ago, on a channel of
    // allowedChannels. Kept entries keep their bytes, PHY type and last-seen time.
    void Merge(uint64_t now, const uint8_t* allowedChannels, size_t allowedCount);

private:
    uint8_t* m_scan = nullptr;
    uint8_t* m_display = nullptr;
    std::array<int, kBssidListMaxEntries> m_scanPhy{};
    std::array<int, kBssidListMaxEntries> m_displayPhy{};
    std::array<uint64_t, kBssidListMaxEntries> m_displaySeen{};
};
