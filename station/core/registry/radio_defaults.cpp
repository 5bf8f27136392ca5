#include "station/core/registry/radio_defaults.h"

int g_WirelessMode = 3;
uint32_t g_RegionWord = 0;
int g_Region24Valid = 0;
int g_Region5Valid = 0;
uint32_t g_HtSettingsWord = 0;
uint8_t g_DefaultPhyConfig[32] = {};
int g_DefaultPhyConfigRead = 0;
