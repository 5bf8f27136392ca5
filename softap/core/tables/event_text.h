#pragma once
// The two texts of an Event Log row: the event's local time and its message. Window-less:
// the page converts the record's time and looks the code's string up.
#include <cstdint>
#include <string>

#include "softap/core/tables/event_store.h"

namespace softap {

// Codes 0 to 5 have a text of their own; the string id of code c is the first id plus c.
constexpr uint16_t kLastEventCode = 5;

// A broken-down local time, as the system converts a FILETIME.
struct EventTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "2026 / 12 / 10 - 05 : 09 : 13"
std::string EventTimeText(const EventTime& t);

// Code 0: the text alone; codes 1 to 5: " <MAC> <text>"; any other code: empty. codeText is
// the code's string (the caller has none for other codes).
std::string EventMessageText(const EventRecord& record, const std::string& codeText);

}  // namespace softap
