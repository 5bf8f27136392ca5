#pragma once
// Havix's channel tables: the channels of each country-region code, the allowed list the
// start-up check compares the stored channel with, and the channel-to-frequency table.
// They are the soft-AP's own and differ from the station's channel plan in places.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace softap {

// Code 0 and any code not listed: 1-11.
std::vector<uint8_t> Channels24(int regionCode);
// Code 0 and any code above 10: the 13 channels of code 0.
std::vector<uint8_t> Channels5(int regionCode);

// What the start-up check allows: no 2.4 GHz channels in mode 2 (A only), else the list of
// the 2.4 GHz code; then in modes 2, 3 and 8 the list of the 5 GHz code.
std::vector<uint8_t> AllowedChannels(int wirelessMode, int region24, int region5);

// Japanese channels are kept as 200 + 8, 12, 16.
constexpr int kJapanChannelBase = 200;

// "J8", "J12", "J16" -> 208, 212, 216; any other text by its leading decimal number
// (0 when it has none).
int ChannelFromText(const std::string& text);

// DS frequency in kHz from the 49-entry table, searched in order. False for a channel the
// table lacks.
bool ChannelToFrequencyKhz(int channel, uint32_t* kHz);
// The other way: the channel of the first entry with that frequency; false when none has it.
bool FrequencyKhzToChannel(uint32_t kHz, int* channel);

}  // namespace softap
