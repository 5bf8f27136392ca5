#include "station/core/settings/ini_document.h"

#include <cctype>

#include "station/core/settings/ini_text.h"

std::string TrimIniText(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsIniBlank(s[b])) ++b;
    while (e > b && IsIniBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

namespace {

bool SameName(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return i == a.size() && b[i] == 0;
}

}  // namespace

IniDocument::IniDocument(const std::string& text) {
    size_t pos = 0;
    std::string header;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = TrimIniText(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';') continue;
        if (IniHeaderName(line, header)) {
            m_sections.push_back(Section{header, {}});
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos || m_sections.empty()) continue;
        std::string value = TrimIniText(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        m_sections.back().values.emplace_back(TrimIniText(line.substr(0, equals)), value);
    }
}

std::string IniDocument::Read(const char* section, const char* key, size_t maxChars) const {
    if (section == nullptr || key == nullptr) return {};
    for (const Section& s : m_sections) {
        if (!SameName(s.name, section)) continue;
        for (const auto& [name, value] : s.values)
            if (SameName(name, key)) return value.substr(0, maxChars);
        return {};
    }
    return {};
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : m_sections) names.push_back(s.name);
    return names;
}
