#pragma once
// Havix's wireless-mode numbers: 0 B/G, 1 B, 2 A, 3 A/B/G, 4 G, 5 A/B/G/N, 6 N, 8 A/N,
// 9 B/G/N; their texts in the Config page; and their folding onto what the adapter can do.
#include <string>

namespace softap {

// Without the 5 GHz band (g_Supports5GHz): 2, 3 -> 0, 5 -> 9, 8 -> 6. Then without
// 802.11n (g_IsHtChip): 5 -> 3, 6 and 9 -> 0. Unlike the station's, 7, 8 and 10 are not
// folded first.
void NormalizeWirelessMode(int& mode);

// "802.11 B/G Mixed" and the like; an empty text for a number without one.
const char* WirelessModeText(int mode);
// The number of a mode text; 0 for any other text.
int WirelessModeFromText(const std::string& text);

// The text's number, normalised, written back as its text.
void NormalizeWirelessModeText(std::string& text);

}  // namespace softap
