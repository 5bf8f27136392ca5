#include "station/profiles/profile_list.h"

#include <cctype>
#include <cstdio>

#include "station/core/settings/ini_document.h"

namespace {

// A field as the decimal number it starts with; false when it has none.
bool FieldNumber(const std::string& field, long& value) {
    const std::string t = TrimIniText(field);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    if (i >= t.size() || !std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    long long v = 0;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i)
        if (v < 100000000LL) v = v * 10 + (t[i] - '0');
    value = static_cast<long>(negative ? -v : v);
    return true;
}

int InRange(long value, bool present, int low, int high) {
    return present && value >= low && value <= high ? static_cast<int>(value) : low;
}

// Days from 1970-01-01 of a proleptic Gregorian date; months and days may run over.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y += (m - 1) / 12;
    m = (m - 1) % 12 + 1;
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

ActiveTime ParseActiveTime(const std::string& text) {
    long fields[6] = {};
    bool present[6] = {};
    size_t at = 0;
    for (int i = 0; i < 6 && at <= text.size(); ++i) {
        size_t comma = text.find(',', at);
        const std::string field = text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        present[i] = FieldNumber(field, fields[i]);
        if (comma == std::string::npos) break;
        at = comma + 1;
    }
    ActiveTime t;
    t.year = InRange(fields[0], present[0], 1971, 3000);
    t.month = InRange(fields[1], present[1], 1, 12);
    t.day = InRange(fields[2], present[2], 1, 31);
    t.hour = InRange(fields[3], present[3], 0, 23);
    t.minute = InRange(fields[4], present[4], 0, 59);
    t.second = InRange(fields[5], present[5], 0, 59);
    return t;
}

std::string FormatActiveTime(const ActiveTime& t) {
    char text[96];
    std::snprintf(text, sizeof(text), "%d, %d, %d, %d, %d, %d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return text;
}

int64_t ActiveTimeSeconds(const ActiveTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

void InsertByActiveTime(std::vector<ProfileListEntry>& list, ProfileListEntry entry) {
    auto at = list.begin();
    while (at != list.end() && at->activeSeconds >= entry.activeSeconds) ++at;
    list.insert(at, std::move(entry));
}

std::string NextProfileName(const std::vector<std::string>& names) {
    long largest = 0;
    for (const std::string& name : names) {
        if (name.size() < 4) continue;
        bool prefix = true;
        for (int i = 0; i < 4; ++i)
            prefix = prefix && std::toupper(static_cast<unsigned char>(name[i])) == "PROF"[i];
        if (!prefix) continue;
        long number = 0;
        for (size_t i = 4; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i) {
            number = number * 10 + (name[i] - '0');
            if (number > 100000000L) break;  // no one keeps that many profiles
        }
        if (number > largest) largest = number;
    }
    return "PROF" + std::to_string(largest + 1);
}

bool SameProfileName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string TrimProfileName(const std::string& name) { return TrimIniText(name); }
