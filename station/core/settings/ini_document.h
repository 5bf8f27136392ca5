#pragma once
// A private-profile text held in memory and read the way the private-profile functions
// read a file: section and key names without regard to case, the first section and key of
// a name win, blanks around names and values ignored, a header's name taken up to the last
// "]" of its line (IniHeaderName), one pair of enclosing quotes taken off a value. Window-less.
#include <string>
#include <utility>
#include <vector>

#include "station/core/settings/settings_source.h"

// Without the blanks at both ends, as names and values are read.
std::string TrimIniText(const std::string& text);

class IniDocument : public SettingsSource {
public:
    explicit IniDocument(const std::string& text);

    std::string Read(const char* section, const char* key, size_t maxChars) const override;
    std::vector<std::string> SectionNames() const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;
    };
    std::vector<Section> m_sections;
};
