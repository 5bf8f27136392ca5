#pragma once
// The adapter's own radio settings from its driver key, put into an apply record.
#include "station/profiles/profile_apply_record.h"

// Ccx2Control always; with withDriverSettings also the wireless mode (into g_WirelessMode),
// the 802.11n settings word, the rates, the private radio block (copied into the default
// block too) and the country region; then the ad hoc OFDM code of the wireless mode into
// the driver key. A radio block or 802.11n answer the driver does not give is marked unread
// in the record (and the default block is then none). 1 done, 0 when the driver key does not
// open for reading or for writing.
int ReadDriverRegistrySettings(ProfileApplyRecord& record, int withDriverSettings);
