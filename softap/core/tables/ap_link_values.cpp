#include "softap/core/tables/ap_link_values.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "softap/core/radio/ap_channels.h"
#include "softap/core/le_bytes.h"
#include "shared/pages/link_values.h"
#include "shared/text/mac_text.h"

namespace softap {

std::string ApTxPowerText(int32_t value)
{
    if (value >= 0 && value <= 6)
        return "Lowest";
    if (value == -1)
        return "100%";
    return std::to_string(value) + "%";
}

std::string ApChannelText(uint32_t kHz)
{
    int channel = 0;
    if (!FrequencyKhzToChannel(kHz, &channel))
        return {};
    char text[48];
    if (channel == kJapanChannelBase + 8 || channel == kJapanChannelBase + 12 || channel == kJapanChannelBase + 16)
        std::snprintf(text, sizeof(text), "J%d <--> %u KHz", channel - kJapanChannelBase, kHz);
    else
        std::snprintf(text, sizeof(text), "%u <--> %u KHz", static_cast<unsigned>(channel), kHz);
    return text;
}

std::string ApStatusText(const uint8_t ssid[36], const uint8_t bssid[6], const uint8_t ip[4])
{
    const size_t length = std::min<uint32_t>(GetU32(ssid), 32);
    std::string text(reinterpret_cast<const char*>(ssid + 4), length);
    // A name with a zero inside shows as the system would show it: up to the zero.
    text.resize(std::strlen(text.c_str()));
    text += " <--> " + FormatMacText(bssid);
    if ((ip[0] | ip[1] | ip[2] | ip[3]) != 0) {
        char address[24];
        std::snprintf(address, sizeof(address), " [%d.%d.%d.%d]", ip[0], ip[1], ip[2], ip[3]);
        text += address;
    }
    return text;
}

HtRateTexts RxRateTexts(uint32_t word)
{
    const link_status::RateWord w = link_status::SplitRateWord(word);
    if (w.mode < 2)
        return {false, "BW: n/a", "GI: n/a", "STBC: n/a", "MCS: n/a"};
    return {true, w.bw40 ? "BW: 40" : "BW: 20", w.shortGi ? "GI: short" : "GI: long",
            w.stbc ? "STBC: used" : "STBC: none", "MCS: " + std::to_string(w.index)};
}

}  // namespace softap
