#include "station/core/wlan/xml_tag_text.h"

std::string XmlTagText(const std::string& text, const char* tag) {
    const std::string open = std::string("<") + tag;
    size_t at = 0;
    for (;;) {
        at = text.find(open, at);
        if (at == std::string::npos) return {};
        char next = at + open.size() < text.size() ? text[at + open.size()] : '\0';
        if (next == '>' || next == ' ') break;
        at += open.size();
    }
    size_t begin = text.find('>', at);
    if (begin == std::string::npos) return {};
    ++begin;
    size_t end = text.find(std::string("</") + tag + ">", begin);
    if (end == std::string::npos) return {};
    std::string inner = text.substr(begin, end - begin);
    size_t b = inner.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return inner.substr(b, inner.find_last_not_of(" \t\r\n") - b + 1);
}
