#include "platform/sim/sim_wlan_xml.h"

#include <windows.h>

#include "platform/sim/sim_wlan_profile.h"

namespace platform::sim {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

ProfileFacts ReadProfileXml(const std::wstring& xml) {
    ProfileFacts facts;
    CheckProfileDocument(xml, &facts, nullptr, nullptr);
    return facts;
}

}  // namespace platform::sim
