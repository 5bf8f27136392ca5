#pragma once
// The "_prof" keys of a profile imported from a WPS credential. Window-less.
#include "station/core/wps/wps_credential_table.h"
#include "station/profiles/profile_apply_record.h"
#include "station/profiles/editor/profile_editor_model.h"

// record: the credential turned into an apply record. A WEP key is stored as the profile
// keys store every WEP key, as hex digits (an ASCII key as its characters' codes, marked
// ASCII), in the slot of the key index (bit 31 aside; an index above 3 is slot 0).
ProfileKeyValues ImportedProfileValues(const ProfileApplyRecord& record, const WpsCredential& credential);
