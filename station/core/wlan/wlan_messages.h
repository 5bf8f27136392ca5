#pragma once
// Window messages that the Native Wifi layer posts to the main window (wParam 0, lParam 0
// unless noted).
#include <windows.h>

constexpr UINT kMsgWlanConnectionComplete = 0x401;
constexpr UINT kMsgWlanRoamingEnd = 0x402;
constexpr UINT kMsgWlanInterfaceArrival = 0x403;
constexpr UINT kMsgWlanScanComplete = 0x404;
constexpr UINT kMsgWlanDisconnected = 0x405;
constexpr UINT kMsgWlanScanFail = 0x406;
constexpr UINT kMsgProfileEditor = 0x407;  // wParam 0 before the editor opens, 1 after it closed
constexpr UINT kMsgWlanRadioOn = 0x408;
constexpr UINT kMsgWlanRadioOff = 0x409;
