#pragma once
// What the main window's timers ask of the WPS work: the credential table the driver
// fills, the WPS state shared with the profile code, and the step the poll runs with each
// timer id.
#include <cstdint>

#include "station/core/wps_credential_table.h"

extern WpsCredentialTable g_WpsCredentialTable;
// 1 while successive reconnects walk through the credentials in turn.
extern int g_WpsCycleCredentials;
// The WPS page's configuration mode (0 enrollee, 1 registrar) and PIN, as "_wsc" keeps them.
extern int g_WpsRegistrarMode;
extern uint32_t g_WpsPinCode;

// 0 for timer 4 (the poll ends there), 1 otherwise.
int PollWps(unsigned timerId);

// Queues a connect with the current credential; 1 when one was queued, 0 when the table
// is empty.
int QueueWpsConnect();
