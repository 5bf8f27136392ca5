#pragma once
// Process-wide state of the station utility, set on the user-interface thread only.
#include <cstdint>

class CHideDlg;

extern CHideDlg* g_pHideDlg;

// NDIS 802.11 SSID (32-bit length, 32 bytes) and BSSID of the current link, re-read by every poll.
extern uint8_t g_CurrentSsid[36];
extern uint8_t g_CurrentBssid[6];

extern int g_RadioOn;
extern int g_ConfigToolMode;
extern int g_WpaSupported;
extern int g_EncryptionLevel;
extern int g_ScanPending;
extern int g_KeyErrorFlag;
extern int g_SheetClosing;
extern int g_EepromBit8Clear;
extern int g_EepromBit9Clear;
