#include "station/core/radio/channel_frequency.h"

#include "station/core/radio/channel_plan.h"

int FrequencyToChannel(uint32_t kHz, int* channel) {
    int found = ChannelOfFrequency(kHz);
    if (found < 0) return 0;
    if (channel != nullptr) *channel = found;
    return 1;
}
