#pragma once
// Where the profile readers take their values from: a settings file through the
// private-profile functions, or a text held in memory (tests, fuzzing). Window-less.
#include <cstddef>
#include <string>

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    // The value of key in section, "" when either is missing; at most maxChars characters,
    // as the private-profile reader returns them into a buffer of maxChars + 1 bytes.
    virtual std::string Read(const char* section, const char* key, size_t maxChars) const = 0;
};
