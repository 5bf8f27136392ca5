#include "station/core/station_globals.h"

CHideDlg* g_pHideDlg = nullptr;
uint8_t g_CurrentSsid[36] = {};
uint8_t g_CurrentBssid[6] = {};
int g_RadioOn = 1;
int g_ConfigToolMode = 2;
int g_WpaSupported = 0;
int g_EncryptionLevel = 0;
int g_ScanPending = 0;
int g_KeyErrorFlag = 0;
int g_SheetClosing = 0;
int g_EepromBit8Clear = 0;
int g_EepromBit9Clear = 0;
