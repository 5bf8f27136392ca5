#pragma once
// The station's current configuration in the settings files of the selected adapter:
// reading it into an apply record, and the stored WPS credentials.
#include "station/profiles/profile_apply_record.h"

// [Config] of "_sta" into the record (the 802.1X values when WPA is supported, the
// certificate thumbprints into the two global selections).
void ReadStationConfig(ProfileApplyRecord& record);

// [Config] WSC into g_WpsSessionActive and the "_wsc" file into the WPS credential table and
// the WPS page's mode and PIN.
void ReadWpsCredentials();
