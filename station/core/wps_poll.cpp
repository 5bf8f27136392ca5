#include "station/core/wps_poll.h"

WpsCredentialTable g_WpsCredentialTable = {};
int g_WpsCycleCredentials = 1;
int g_WpsRegistrarMode = 0;
uint32_t g_WpsPinCode = 0;

// The WPS push-button, status and reconnect steps arrive with the WPS page; until then the
// timers only run the link poll.
int PollWps(unsigned timerId) { return timerId == 4 ? 0 : 1; }

// Connecting with a credential arrives with the WPS page: nothing is queued yet.
int QueueWpsConnect() { return 0; }
