#pragma once
// The texts of the soft-AP Link Status page that differ from the station's: the transmit
// power, the channel from the frequency in kHz, the link's peer and the 802.11n rate of the
// receive word. Window-less; every input is a driver's answer.
#include <cstddef>
#include <cstdint>
#include <string>

namespace softap {

// 0..6 "Lowest", -1 "100%", anything else "n%".
std::string ApTxPowerText(int32_t value);

// "6 <--> 2437000 KHz", "J8 <--> 5040000 KHz" by the channel table; empty for a frequency
// it lacks.
std::string ApChannelText(uint32_t kHz);

// "<SSID> <--> 02-11-22-33-44-55", then " [a.b.c.d]" unless the address is 0.0.0.0. ssid is
// the driver's 36-byte record: a length, then up to 32 bytes, the length cut to them.
std::string ApStatusText(const uint8_t ssid[36], const uint8_t bssid[6], const uint8_t ip[4]);

// The 802.11n group from the receive rate word; every text "n/a" (SNR too) when the word is
// not an HT rate.
struct HtRateTexts {
    bool ht;
    std::string bw, gi, stbc, mcs;
};
HtRateTexts RxRateTexts(uint32_t word);

}  // namespace softap
