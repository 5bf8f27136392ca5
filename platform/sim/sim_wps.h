#pragma once
// The simulated driver's Wi-Fi Protected Setup: a start record begins a run, which moves
// through the WSC exchange on the world's clock with an access point of the scenario and
// ends "Configured" with a credential table, or in a failure state. Called by the simulated
// driver with the world's mutex held.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/sim/scenario.h"

namespace platform::sim {

struct AdapterState;

struct WpsStep {
    std::uint32_t state = 0;
    std::uint64_t at = 0;  // world time from which the run reports it
};

struct WpsRunState {
    bool started = false;         // a run was started since the driver loaded
    bool pin = false;
    std::uint8_t role = 1;        // 1 enrollee, 2 registrar
    char pinDigits[8] = {};
    Mac bssid{};
    std::string ssid;
    std::uint64_t start = 0;
    bool decided = false;         // the access point was found, or the run failed to find one
    int target = -1;              // network index
    std::vector<WpsStep> steps;   // from the decision on; the last one stays
    bool finished = false;        // its last step's work was done
    std::uint32_t state = 0;      // as reported now
    bool buttonLatched = false;   // read once by the button query
    std::vector<bool> buttonsDone;  // of spec.wpsButtonAt
    Bytes table = Bytes(996, 0);  // the credential table the driver holds
};

// True when it answered the call (the WPS OIDs), with its result in *error (and *returned).
bool WpsSet(std::vector<NetworkSpec>& networks, AdapterState& a, std::uint64_t now, std::uint32_t queryOid,
            const std::uint8_t* buf, DWORD length, DWORD* error);
bool WpsQuery(std::vector<NetworkSpec>& networks, AdapterState& a, std::uint64_t now, std::uint32_t oid,
              std::uint8_t* buf, DWORD length, DWORD* returned, DWORD* error);
// The adapter's button pressed at time now: the driver starts a push-button run itself.
void PressWpsButton(AdapterState& a, std::uint64_t now);

}  // namespace platform::sim
