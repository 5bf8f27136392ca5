#pragma once
// What the simulated driver knows of particular OIDs beyond keeping what is set: one
// state behind two OIDs, answers derived from the adapter, and the records it refuses.
#include <windows.h>

#include <cstdint>

#include "platform/sim/scenario.h"

namespace platform::sim {

// The query OID whose state an OID shares: the soft-AP utility's op-mode (0x0D710126) and
// region (0x0D710107) OIDs reach the same driver state as the station's 0xFF0C001A and
// 0xFF0C0003. Any other OID is its own.
std::uint32_t SharedStateOid(std::uint32_t queryOid);

// OID_802_11_NETWORK_TYPES_SUPPORTED from the adapter's bands: DS and OFDM 2.4 GHz, and
// OFDM 5 GHz with supports_5ghz.
Bytes NetworkTypesAnswer(const AdapterSpec& spec);

// ERROR_SUCCESS, or the error the driver answers a malformed set of this OID with: a
// buffer shorter than the record (ERROR_INSUFFICIENT_BUFFER), or a length or count field
// the record cannot hold (ERROR_INVALID_PARAMETER).
DWORD CheckSetRecord(std::uint32_t queryOid, const std::uint8_t* buffer, DWORD length);

}  // namespace platform::sim
