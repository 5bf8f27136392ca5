#pragma once
// The adapter's radio defaults that connects fall back on and the channel check reads.
#include <cstdint>

// Driver wireless-mode number (normalised), read from the driver key.
extern int g_WirelessMode;
// Country region word from the driver: low byte 2.4 GHz region, high byte 5 GHz region,
// with the "invalid" bits 7 and 15 already cleared.
extern uint32_t g_RegionWord;
extern int g_Region24Valid;
extern int g_Region5Valid;
// The 802.11n settings word, and the default private radio block (32 bytes).
extern uint32_t g_HtSettingsWord;
extern uint8_t g_DefaultPhyConfig[32];
// 1 while g_DefaultPhyConfig holds a block the driver answered; until then, and after the
// driver failed to answer, connects without settings of their own send no radio block.
extern int g_DefaultPhyConfigRead;
