#pragma once
// The driver's list of network types (OID_802_11_NETWORK_TYPES_SUPPORTED): a 32-bit count,
// then the types. Type 2 (OFDM at 5 GHz) means the adapter has the 5 GHz band.
#include <cstddef>
#include <cstdint>

namespace softap {

constexpr size_t kNetworkTypesBufferSize = 20;  // the count and at most four types
constexpr uint32_t kNetworkTypeOfdm5 = 2;

// The count is believed only as far as the four types of the buffer and the bytes the
// driver returned. A non-802.11n adapter stops at the first type 2, an 802.11n one looks
// at the whole list; the answer is the same.
bool ListsFiveGhz(const uint8_t* answer, size_t returned, bool isHtChip);

}  // namespace softap
