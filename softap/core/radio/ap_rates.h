#pragma once
// The desired-rates record the access point sends: rates in 500 kbit/s units, chosen by
// the transmit-rate index of the Config page's rate list for the wireless mode.
#include <array>
#include <cstdint>

namespace softap {

constexpr uint32_t kOidDesiredRates = 0x0D010210;  // OID_802_11_DESIRED_RATES
using DesiredRates = std::array<uint8_t, 8>;

// The OFDM list (6 .. 54 Mbit/s) serves modes 2, 4, 7, 8 and 10; every other mode uses the
// mixed list (CCK, then OFDM). Mode 6 (N only) sends no rates at all.
bool UsesOfdmRateList(int wirelessMode);

// Index 0 is "Auto": every rate of the list, fastest first (B only: the four CCK rates).
// Any other index names one rate, sent alone; an index the list lacks counts as 0.
DesiredRates DesiredRatesFor(int wirelessMode, int transRate);

}  // namespace softap
