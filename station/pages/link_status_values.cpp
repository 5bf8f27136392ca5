#include "station/pages/link_status_values.h"

#include <cstdio>

#include "station/core/radio/channel_plan.h"

namespace link_status {

std::string TxPowerText(int32_t percent) {
    if (percent == -1 || percent == 100) return "100%";
    if (percent > 6) return std::to_string(percent) + "%";
    return "Lowest";
}

std::string ChannelText(int channel) {
    const uint32_t kHz = FrequencyOfChannel(channel);
    if (kHz == 0) return {};
    char text[48];
    const int mhz = static_cast<int>(kHz / 1000);
    if (channel == kJChannelBase + 8 || channel == kJChannelBase + 12 || channel == kJChannelBase + 16)
        std::snprintf(text, sizeof(text), "J%d <--> %d KHz", channel - kJChannelBase, mhz);
    else
        std::snprintf(text, sizeof(text), "%u <--> %d KHz", static_cast<unsigned>(channel), mhz);
    return text;
}

}  // namespace link_status
