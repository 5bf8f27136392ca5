#pragma once
// How a simulated network looks to the Native Wifi service: its beacon's information
// elements, PHY type, capability word, rates and security algorithms.
#include <windows.h>
#include <wlanapi.h>

#include "platform/sim/scenario.h"

namespace platform::sim {

// Elements in beacon order: SSID, rates, DS parameter (2.4 GHz), IBSS parameter (ad hoc),
// HT capabilities, RSN, extended rates, HT operation, WPA, WPS, then the scenario's own.
Bytes BuildInformationElements(const NetworkSpec& n);
std::vector<std::uint8_t> RatesOf(const NetworkSpec& n);  // scenario rates or the band's default
DOT11_PHY_TYPE PhyTypeOf(const NetworkSpec& n);
ULONG ChannelKhz(int channel);
USHORT CapabilityOf(const NetworkSpec& n);
DOT11_AUTH_ALGORITHM AuthAlgorithmOf(Security s);
DOT11_CIPHER_ALGORITHM CipherAlgorithmOf(Cipher c);
ULONG QualityOf(int dbm);  // the service's usual mapping: -100 dBm 0, -50 dBm 100

}  // namespace platform::sim
