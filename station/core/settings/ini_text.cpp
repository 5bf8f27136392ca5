#include "station/core/settings/ini_text.h"

#include <cctype>

bool IsIniBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) || c == '\x1a'; }

bool IniHeaderName(const std::string& line, std::string& name) {
    size_t begin = 0, end = line.size();
    while (begin < end && IsIniBlank(line[begin])) ++begin;
    while (end > begin && IsIniBlank(line[end - 1])) --end;
    if (begin == end || line[begin] != '[') return false;
    const size_t close = line.rfind(']', end - 1);
    if (close == std::string::npos || close <= begin) return false;
    size_t nameBegin = begin + 1, nameEnd = close;
    while (nameBegin < nameEnd && IsIniBlank(line[nameBegin])) ++nameBegin;
    while (nameEnd > nameBegin && IsIniBlank(line[nameEnd - 1])) --nameEnd;
    name = line.substr(nameBegin, nameEnd - nameBegin);
    return true;
}

void ParseIniFile(const std::string& contents, IniSections& sections) {
    sections.clear();
    size_t pos = 0;
    std::string name;
    while (pos < contents.size()) {
        size_t end = contents.find('\n', pos);
        end = end == std::string::npos ? contents.size() : end + 1;
        std::string line = contents.substr(pos, end - pos);
        pos = end;
        if (sections.empty() || IniHeaderName(line, name)) sections.emplace_back();
        sections.back().push_back(std::move(line));
    }
}

bool IsIniHeaderOf(const std::string& line, const std::string& name) {
    std::string header;
    return IniHeaderName(line, header) && header == name;
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

namespace {

bool LostAtAnEnd(char c) { return IsIniBlank(c) || c == '"' || c == '\''; }

}  // namespace

std::string EncodeIniValue(const std::string& value) {
    if (value.empty() || (!LostAtAnEnd(value.front()) && !LostAtAnEnd(value.back()))) return value;
    return '"' + value + '"';
}
