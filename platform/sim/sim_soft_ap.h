#pragma once
// The simulated driver as an access point: the RSSI it reports, its table of associated
// stations and its event table, from the scenario's rssi, ap_station and ap_event_at lines.
#include <windows.h>

#include <cstdint>

#include "platform/sim/scenario.h"

namespace platform::sim {

struct AdapterState;

// The answer to queryOid at world time now: true when the soft-AP side answers it, with
// *error ERROR_SUCCESS and the bytes in *answer, or the driver's refusal in *error. length
// is the caller's buffer. Handing out event records takes them from the table.
bool SoftApAnswer(AdapterState& a, std::uint32_t queryOid, std::uint32_t length, std::uint64_t now, Bytes* answer,
                  DWORD* error);

// Whether the adapter runs as an access point (its op mode is 1).
bool InApMode(const AdapterState& a);
// Whether its BSS is up: an access point with its radio on and an SSID set or given.
bool ApBssUp(const AdapterState& a);
// The link as the access point's utility reads it (media state, BSSID, extra info, transmit
// power, receive chains 1 and 2, and the link statistics under its OIDs): true when queryOid
// is one of these, with the bytes in *answer or the driver's refusal in *error.
bool ApLinkAnswer(const AdapterState& a, std::uint32_t queryOid, Bytes* answer, DWORD* error);
// Whether mac is a station associated with the access point at now that sends 802.11n rates
// (its rate word is an HT one): the only stations a block-ack session can be set up with.
bool IsHtApStation(const AdapterState& a, const std::uint8_t* mac, std::uint64_t now);

}  // namespace platform::sim
