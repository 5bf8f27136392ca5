#pragma once
// What the simulated service reads from a profile document: the elements that decide where
// and how a connection goes. Namespace prefixes and attributes are ignored.
#include <string>

namespace platform::sim {

struct ProfileFacts {
    bool wellFormed = false;   // a WLANProfile root was found
    std::string name;          // WLANProfile/name, entities decoded
    bool hasSsid = false;
    std::string ssid;          // SSIDConfig/SSID/name, or the bytes of SSIDConfig/SSID/hex
    bool ibss = false;         // connectionType IBSS
    std::string authentication;
    std::string encryption;
    bool oneX = false;
};

ProfileFacts ReadProfileXml(const std::wstring& xml);
std::string ToUtf8(const std::wstring& text);

}  // namespace platform::sim
