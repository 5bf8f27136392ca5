#include "station/core/wps_poll.h"

uint8_t g_WpsCredentialTable[kWpsCredentialTableBytes] = {};

// The WPS push-button, status and reconnect steps arrive with the WPS page; until then the
// timers only run the link poll.
int PollWps(unsigned timerId) { return timerId == 4 ? 0 : 1; }
