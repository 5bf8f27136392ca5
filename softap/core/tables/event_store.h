#pragma once
// The store of the access point's station events: the tray window's poll takes the
// driver's event table into it every 2 seconds, the Event Log page lists it. At most 100
// records, oldest first. Window-less.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace softap {

// One record as the driver's table holds it (16 bytes: time, station, code).
struct EventRecord {
    uint64_t time = 0;    // FILETIME: 100 ns units since 1601-01-01, UTC
    uint8_t mac[6] = {};  // the station
    uint16_t code = 0;    // 0 restart, 1 associated, 2 left, 3 aged out, 4 countermeasure, 5 wrong PSK
};

// The driver's table: a count, four unused bytes, then up to ten records.
constexpr size_t kEventTableBytes = 168;
constexpr size_t kEventTableHeaderBytes = 8;
constexpr size_t kEventRecordBytes = 16;
constexpr size_t kEventTableRecords = 10;
constexpr size_t kMaxStoredEvents = 100;
static_assert(kEventTableHeaderBytes + kEventTableRecords * kEventRecordBytes == kEventTableBytes);

extern std::vector<EventRecord> g_EventArray;
// How many records at the front of g_EventArray the Event Log list already shows.
extern int g_EventShownCount;

// The records of a table of which the driver returned `returned` bytes: its count, but no
// more than ten and no more than those bytes hold.
size_t EventTableRecordCount(const uint8_t* table, size_t returned);
EventRecord ParseEventRecord(const uint8_t* bytes);

// Appends the table's records to the store, first dropping as many of the oldest as the
// store would hold above 100 (the shown count drops with them, not below 0). table holds
// at least `returned` bytes.
void MergeEventTable(const uint8_t* table, size_t returned);

}  // namespace softap
