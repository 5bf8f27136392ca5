#pragma once
// Driver state that a set changes and a query reads back as a table, not as an echo of the
// last set: the 802.11n block-ack sessions and the WMM/DLS switches with the direct links.
// Called by the simulated driver with the world's mutex held.
#include <windows.h>

#include <array>
#include <cstdint>

#include "platform/sim/scenario.h"

namespace platform::sim {

struct AdapterState;

struct BlockAckState {
    bool loaded = false;             // seeded from the scenario's answer on first use
    Bytes table;                     // the driver's 3076-byte session table
    std::array<bool, 64> linkBound{};  // set up by a request: ends with the link to its peer
};

struct QosState {
    bool loaded = false;             // switches read from the driver key on first use
    bool wmm = true;
    bool dls = false;
    Mac linkBss{};                   // the BSS the direct links were set up in
    std::array<std::array<std::uint8_t, 12>, 4> links{};
};

struct DriverTables {
    BlockAckState blockAck;
    QosState qos;
};

// Each returns true when it answered the call, with its result in *error (and *returned);
// false leaves the call to the driver's echo of the last set.
// now is the world's time: the access point's stations come and go with it.
bool BlockAckSet(const std::vector<NetworkSpec>& networks, AdapterState& a, std::uint32_t queryOid,
                 const std::uint8_t* buf, DWORD length, std::uint64_t now, DWORD* error);
bool BlockAckQuery(const std::vector<NetworkSpec>& networks, AdapterState& a, std::uint32_t oid, std::uint8_t* buf,
                   DWORD length, std::uint64_t now, DWORD* returned, DWORD* error);
bool QosSet(const std::vector<NetworkSpec>& networks, AdapterState& a, std::uint32_t queryOid,
            const std::uint8_t* buf, DWORD length, DWORD* error);
bool QosQuery(const std::vector<NetworkSpec>& networks, AdapterState& a, std::uint32_t oid, std::uint8_t* buf,
              DWORD length, DWORD* returned, DWORD* error);

}  // namespace platform::sim
