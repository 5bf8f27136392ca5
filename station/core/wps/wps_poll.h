#pragma once
// The WPS work the main window and the WPS page share: the credential table the driver
// fills, the session state, the step the main window's poll runs with each timer id, and
// the connect with a credential through the action queue.
#include <cstdint>

#include "station/core/wps/wps_credential_table.h"

struct ProfileApplyRecord;

extern WpsCredentialTable g_WpsCredentialTable;
// 1 from the first credential connect or a push-button press; 0 once a profile is applied
// or the WPS page disconnects. Written to [Config] WSC of the station file.
extern int g_WpsSessionActive;
// 1 while successive reconnects walk through the credentials in turn.
extern int g_WpsCycleCredentials;
// The credential the last attempt used and the one the next will use.
extern int g_WpsCurrentIndex;
extern int g_WpsNextIndex;
// The WPS page's configuration mode (0 enrollee, 1 registrar) and PIN, as "_wsc" keeps them.
extern int g_WpsRegistrarMode;
extern uint32_t g_WpsPinCode;

// The main window's timers of the WPS work.
constexpr unsigned kWpsReconnectTimer = 4;  // every 10 s: reconnect until the link is up
constexpr unsigned kWpsStatusTimer = 5;     // every 1 s: follow the driver's WPS state
constexpr unsigned kWpsButtonTimer = 6;     // every 1 s: the adapter's push button
constexpr unsigned kWpsReconnectMs = 10000;
constexpr unsigned kWpsStatusMs = 1000;
constexpr unsigned kWpsButtonMs = 1000;

// 0 for timer 4 (the caller's poll ends there), 1 otherwise.
int PollWps(unsigned timerId);

// The driver's credential table (query OID 0xFF0C002E) into g_WpsCredentialTable, held to its
// fields. False when the query fails: the table is left as it was and a trace is written,
// so the caller stores nothing and asks again on its next status tick.
bool QueryWpsCredentials();

// Queues a connect with the current credential (the next one while cycling); 1 when one was
// queued, 0 when the table is empty. With driverSettings, the connect also carries the
// adapter's own settings of that record (CopyDriverSettings).
int QueueWpsConnect(const ProfileApplyRecord* driverSettings = nullptr);
// Fills a zeroed record from credential index of the table (an index beyond the count
// takes credential 0).
void BuildProfileFromWpsCredential(int index, ProfileApplyRecord* record);
// 1 when the link is up with the current credential's SSID, authentication and cipher.
int IsWpsProfileConnected();
// The table into the "_wsc" file; with deleteOld 1 the service profiles named by the SSIDs
// stored there before are deleted first.
void WriteWpsProfiles(int deleteOld);
// [Config] WSC of the station file from g_WpsSessionActive.
void WriteWpsConfigCommon();
