#pragma once
// Channel of a centre frequency, by the 49-row table of the channel plan (the three
// J-channels 208, 212 and 216 included).
#include <cstdint>

// 1 and the channel when a row has exactly that frequency (the first such row), else 0 and
// the channel left as it was.
int FrequencyToChannel(uint32_t kHz, int* channel);
