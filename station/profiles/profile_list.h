#pragma once
// The order and the default names of the Profile page's list: newest activation first,
// equal times in file order; new profiles are named PROF1, PROF2, ... Window-less.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The local time of a profile's last activation, as the `ActiveTime` key keeps it.
struct ActiveTime {
    int year = 1971, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// "%d, %d, %d, %d, %d, %d": each field up to its comma, trimmed; a field out of its range
// takes its least value (year 1971..3000, month 1..12, day 1..31, hour 0..23, minute and
// second 0..59). Empty text is 1971-01-01 00:00:00.
ActiveTime ParseActiveTime(const std::string& text);
std::string FormatActiveTime(const ActiveTime& time);
// Seconds on a calendar that runs on past a short month (31 February is 3 March), as the
// system's local-time conversion counts them; only the order of two values matters.
int64_t ActiveTimeSeconds(const ActiveTime& time);

constexpr int kProfileColumnCount = 6;  // name, SSID, channel, authentication, encryption, network type

struct ProfileListEntry {
    std::array<std::string, kProfileColumnCount> texts;
    int64_t activeSeconds = 0;
};

// Before the first entry activated strictly earlier; last when none was.
void InsertByActiveTime(std::vector<ProfileListEntry>& list, ProfileListEntry entry);

// "PROF" and one more than the largest number that follows "PROF" (any case) at the start of
// a name; a name with no digits there counts 0.
std::string NextProfileName(const std::vector<std::string>& names);

// Private-profile section names ignore case: two names that differ only in it are one.
bool SameProfileName(const std::string& a, const std::string& b);

// The name trimmed of blanks at both ends.
std::string TrimProfileName(const std::string& name);
