#include "softap/core/tables/event_text.h"

#include <cstdio>

#include "shared/text/mac_text.h"

namespace softap {

std::string EventTimeText(const EventTime& t)
{
    char text[64];
    std::snprintf(text, sizeof(text), "%04d / %02d / %02d - %02d : %02d : %02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

std::string EventMessageText(const EventRecord& record, const std::string& codeText)
{
    if (record.code == 0)
        return codeText;
    if (record.code > kLastEventCode)
        return {};
    // Appended piece by piece: gcc 12 misreads the chained concatenation on i686.
    std::string text(1, ' ');
    text.append(FormatMacText(record.mac));
    text.push_back(' ');
    text.append(codeText);
    return text;
}

}  // namespace softap
