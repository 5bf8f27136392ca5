#include "station/core/scan/scan_merge.h"

#include <cstring>
#include <memory>
#include <unordered_set>
#include <vector>

#include "station/core/radio/channel_frequency.h"

namespace {

bool ChannelAllowed(const BssidEntryView& entry, const uint8_t* allowed, size_t count) {
    int channel = -1;
    if (!FrequencyToChannel(entry.DsConfig(), &channel)) return false;
    for (size_t i = 0; i < count; ++i)
        if (allowed[i] == channel) return true;
    return false;
}

// Age on the whole 64-bit time: a time ahead of now (the clock was set back) counts as
// unknown and therefore too old.
bool Recent(uint64_t seen, uint64_t now) { return seen <= now && now - seen < kBssAgeLimit; }

}  // namespace

void BssidLists::Attach(uint8_t* scanList, uint8_t* displayList) {
    m_scan = scanList;
    m_display = displayList;
}

void BssidLists::Seed(uint64_t now) {
    if (!Attached()) return;
    std::memcpy(m_display, m_scan, kBssidListSize);
    m_displayPhy = m_scanPhy;
    m_displaySeen.fill(now);
}

void BssidLists::Merge(uint64_t now, const uint8_t* allowedChannels, size_t allowedCount) {
    if (!Attached()) return;
    auto merged = std::make_unique<uint8_t[]>(kBssidListSize);
    std::array<int, kBssidListMaxEntries> phy{};
    std::array<uint64_t, kBssidListMaxEntries> seen{};

    // The scan list goes in whole (re-walked, so a damaged list contributes its sound part).
    const std::vector<BssidEntryView> scan = ReadBssidList(m_scan);
    std::unordered_set<uint64_t> scanned;
    for (const BssidEntryView& e : scan) scanned.insert(MacKey(e.Mac()));
    BssidListWriter writer(merged.get());
    for (size_t i = 0; i < scan.size(); ++i) {
        if (!writer.AppendRaw(scan[i])) break;
        phy[i] = m_scanPhy[i];
        seen[i] = now;
    }

    const std::vector<BssidEntryView> old = ReadBssidList(m_display);
    for (size_t i = 0; i < old.size() && !writer.Full(); ++i) {
        const BssidEntryView& e = old[i];
        if (scanned.count(MacKey(e.Mac())) || !Recent(m_displaySeen[i], now)) continue;
        if (!ChannelAllowed(e, allowedChannels, allowedCount)) continue;
        uint32_t at = writer.Count();
        if (!writer.AppendRaw(e)) continue;
        phy[at] = m_displayPhy[i];
        seen[at] = m_displaySeen[i];
    }

    std::memcpy(m_display, merged.get(), kBssidListSize);
    m_displayPhy = phy;
    m_displaySeen = seen;
}
