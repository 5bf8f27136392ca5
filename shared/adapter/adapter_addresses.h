#pragma once
// The IPv4 configuration of one adapter, found by its MAC in the system's adapter list: what
// both About pages show.
#include <cstdint>
#include <string>

struct AdapterAddressTexts {
    std::string address;  // the first IP address
    std::string mask;     // its subnet mask
    std::string gateway;  // the first default gateway
};

// Empty texts when no adapter with a 6-byte address equal to mac is bound to IPv4, or when
// the list cannot be read.
AdapterAddressTexts FindAdapterAddresses(const uint8_t (&mac)[6]);
