#pragma once
// Questions about one BSSID in a BSSID list (the display list).
#include <cstdint>

// Channel of the first entry with that MAC whose frequency is in the channel table; -1 when
// none. A null list has no entries.
int ChannelOfBssid(const uint8_t* list, const uint8_t bssid[6]);
// 1 when an entry with that MAC carries the 802.11n marker in its elements, else 0.
int IsHtBssidInList(const uint8_t* list, const uint8_t bssid[6]);
