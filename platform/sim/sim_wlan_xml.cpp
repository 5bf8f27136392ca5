#include "platform/sim/sim_wlan_xml.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace platform::sim {
namespace {

std::string LocalName(const std::string& tag) {
    std::size_t colon = tag.find(':');
    return colon == std::string::npos ? tag : tag.substr(colon + 1);
}

std::string Decode(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] != '&') {
            out += s[i++];
            continue;
        }
        std::size_t semi = s.find(';', i);
        if (semi == std::string::npos) {
            out += s.substr(i);
            break;
        }
        std::string e = s.substr(i + 1, semi - i - 1);
        if (e == "amp") out += '&';
        else if (e == "lt") out += '<';
        else if (e == "gt") out += '>';
        else if (e == "quot") out += '"';
        else if (e == "apos") out += '\'';
        else if (e.size() > 1 && e[0] == '#') {
            long v = e[1] == 'x' ? std::strtol(e.c_str() + 2, nullptr, 16) : std::strtol(e.c_str() + 1, nullptr, 10);
            out += static_cast<char>(v);
        } else {
            out += '&' + e + ';';
        }
        i = semi + 1;
    }
    return out;
}

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// Calls leaf(path, text) for every element's direct text.
template <class Leaf>
bool Walk(const std::string& xml, Leaf leaf) {
    std::vector<std::string> stack;
    bool root = false;
    std::size_t i = 0;
    while ((i = xml.find('<', i)) != std::string::npos) {
        std::size_t close = xml.find('>', i);
        if (close == std::string::npos) return false;
        std::string tag = xml.substr(i + 1, close - i - 1);
        i = close + 1;
        if (tag.empty() || tag[0] == '?' || tag[0] == '!') continue;
        if (tag[0] == '/') {
            if (stack.empty() || stack.back() != LocalName(Trim(tag.substr(1)))) return false;
            stack.pop_back();
            continue;
        }
        bool selfClosing = tag.back() == '/';
        if (selfClosing) tag.pop_back();
        std::string name = LocalName(tag.substr(0, tag.find_first_of(" \t\r\n")));
        if (stack.empty()) root = name == "WLANProfile";
        if (selfClosing) continue;
        stack.push_back(name);
        std::size_t next = xml.find('<', i);
        leaf(stack, Trim(xml.substr(i, next == std::string::npos ? std::string::npos : next - i)));
    }
    return root && stack.empty();
}

bool Is(const std::vector<std::string>& path, std::initializer_list<const char*> want) {
    if (path.size() != want.size()) return false;
    std::size_t k = 0;
    for (const char* w : want)
        if (path[k++] != w) return false;
    return true;
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

ProfileFacts ReadProfileXml(const std::wstring& xml) {
    ProfileFacts f;
    bool ssidByName = false;
    f.wellFormed = Walk(ToUtf8(xml), [&](const std::vector<std::string>& path, const std::string& text) {
        if (Is(path, {"WLANProfile", "name"})) {
            f.name = Decode(text);
        } else if (Is(path, {"WLANProfile", "SSIDConfig", "SSID", "name"})) {
            f.ssid = Decode(text);
            f.hasSsid = ssidByName = true;
        } else if (Is(path, {"WLANProfile", "SSIDConfig", "SSID", "hex"}) && !ssidByName) {
            std::string bytes;
            for (std::size_t k = 0; k + 1 < text.size(); k += 2)
                bytes += static_cast<char>(std::strtol(text.substr(k, 2).c_str(), nullptr, 16));
            f.ssid = bytes;
            f.hasSsid = true;
        } else if (Is(path, {"WLANProfile", "connectionType"})) {
            f.ibss = text == "IBSS";
        } else if (Is(path, {"WLANProfile", "MSM", "security", "authEncryption", "authentication"})) {
            f.authentication = text;
        } else if (Is(path, {"WLANProfile", "MSM", "security", "authEncryption", "encryption"})) {
            f.encryption = text;
        } else if (Is(path, {"WLANProfile", "MSM", "security", "authEncryption", "useOneX"})) {
            f.oneX = text == "true";
        }
    });
    return f;
}

}  // namespace platform::sim
