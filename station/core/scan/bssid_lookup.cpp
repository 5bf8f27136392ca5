#include "station/core/scan/bssid_lookup.h"

#include "station/core/scan/bss_ie_decoder.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/radio/channel_frequency.h"

int ChannelOfBssid(const uint8_t* list, const uint8_t bssid[6]) {
    if (list == nullptr) return -1;
    for (const BssidEntryView& e : ReadBssidList(list)) {
        int channel = -1;
        if (e.HasMac(bssid) && FrequencyToChannel(e.DsConfig(), &channel)) return channel;
    }
    return -1;
}

int IsHtBssidInList(const uint8_t* list, const uint8_t bssid[6]) {
    if (list == nullptr) return 0;
    for (const BssidEntryView& e : ReadBssidList(list))
        if (e.HasMac(bssid) && DecodeBssInformationElements(e).ht) return 1;
    return 0;
}
