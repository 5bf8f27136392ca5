#include "station/core/ini_text.h"

void ParseIniFile(const std::string& contents, IniSections& sections) {
    sections.clear();
    size_t pos = 0;
    while (pos < contents.size()) {
        size_t end = contents.find('\n', pos);
        end = end == std::string::npos ? contents.size() : end + 1;
        std::string line = contents.substr(pos, end - pos);
        pos = end;
        if (line[0] == '[' || sections.empty()) sections.emplace_back();
        sections.back().push_back(std::move(line));
    }
}

bool IsIniHeaderOf(const std::string& line, const std::string& name) {
    size_t length = line.size();
    while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r')) --length;
    return length == name.size() + 2 && line[0] == '[' && line[length - 1] == ']' &&
           line.compare(1, name.size(), name) == 0;
}

std::string RemoveIniSection(const std::string& contents, const std::string& section) {
    IniSections sections;
    ParseIniFile(contents, sections);
    std::string out;
    out.reserve(contents.size());
    for (const IniSection& s : sections) {
        if (IsIniHeaderOf(s.front(), section)) continue;
        for (const std::string& line : s) out += line;
    }
    return out;
}
