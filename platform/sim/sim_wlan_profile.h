#pragma once
// The simulated service's check of a profile document: well-formed XML, the WLANProfile
// version 1 schema with its namespaces, element order and value types, the OneX part, and
// the rules the service documents for SSIDs, connection modes, security pairs and key
// material. A document it refuses gets the reason code the service gives.
#include <windows.h>

#include <string>

#include "platform/sim/scenario.h"
#include "platform/sim/sim_wlan_xml.h"

namespace platform::sim {

// What the service keeps of a stored profile beyond ProfileFacts: its key.
struct ProfileKey {
    bool present = false;
    bool networkKey = false;   // keyType networkKey; else passPhrase
    std::string material;      // unprotected key material, entities decoded
    int keyIndex = 0;          // keyIndex, 0 when absent
};

// true when the service would store the document; facts and key describe it then. On
// refusal *reason holds the WLAN reason code.
bool CheckProfileDocument(const std::wstring& xml, ProfileFacts* facts, ProfileKey* key, DWORD* reason);

// 0 when a profile's key opens the network (a network without a key takes any); else the
// reason its connection fails: a WEP key that differs is refused at association, a WPA key
// that differs fails the handshake.
DWORD KeyFailure(const ProfileKey& key, const NetworkSpec& network);

}  // namespace platform::sim
