#pragma once
// What the simulated service reads from a profile document: the elements that decide where
// and how a connection goes (sim_wlan_profile.h checks the document and fills them).
#include <string>

namespace platform::sim {

struct ProfileFacts {
    bool wellFormed = false;   // a WLANProfile root was found
    std::string name;          // WLANProfile/name, entities decoded
    bool hasSsid = false;
    std::string ssid;          // the bytes of SSIDConfig/SSID/hex, else its name
    bool ibss = false;         // connectionType IBSS
    std::string authentication;
    std::string encryption;
    bool oneX = false;
    bool autoConnect = false;  // connectionMode auto (or absent)
};

// The facts of a document the service takes; wellFormed false (and nothing else) otherwise.
ProfileFacts ReadProfileXml(const std::wstring& xml);
std::string ToUtf8(const std::wstring& text);

}  // namespace platform::sim
