#include "softap/core/tables/event_store.h"

#include "softap/core/le_bytes.h"

namespace softap {

std::vector<EventRecord> g_EventArray;
int g_EventShownCount = 0;

size_t EventTableRecordCount(const uint8_t* table, size_t returned)
{
    if (returned < kEventTableHeaderBytes)
        return 0;
    size_t count = GetU32(table);
    if (count > kEventTableRecords)
        count = kEventTableRecords;
    const size_t held = (returned - kEventTableHeaderBytes) / kEventRecordBytes;
    return count < held ? count : held;
}

EventRecord ParseEventRecord(const uint8_t* bytes)
{
    EventRecord r;
    r.time = static_cast<uint64_t>(GetU32(bytes)) | static_cast<uint64_t>(GetU32(bytes + 4)) << 32;
    for (int i = 0; i < 6; ++i)
        r.mac[i] = bytes[8 + i];
    r.code = static_cast<uint16_t>(bytes[14] | bytes[15] << 8);
    return r;
}

void MergeEventTable(const uint8_t* table, size_t returned)
{
    const size_t count = EventTableRecordCount(table, returned);
    const size_t total = g_EventArray.size() + count;
    if (total > kMaxStoredEvents) {
        const size_t drop = total - kMaxStoredEvents;
        g_EventArray.erase(g_EventArray.begin(), g_EventArray.begin() + static_cast<std::ptrdiff_t>(drop));
        g_EventShownCount = g_EventShownCount > static_cast<int>(drop) ? g_EventShownCount - static_cast<int>(drop) : 0;
    }
    for (size_t i = 0; i < count; ++i)
        g_EventArray.push_back(ParseEventRecord(table + kEventTableHeaderBytes + i * kEventRecordBytes));
}

}  // namespace softap
