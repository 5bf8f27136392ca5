#pragma once
// The two fixed OID sequences that hand the access point's configuration to the driver:
// the apply push, from the Config page's record right after it was stored, with the SSID
// last (setting it restarts the access point); and the start-up push, straight from the
// driver key, with the SSID before the access-control list and the WDS settings. The two
// differ on purpose in which authentications send RADIUS and how they adjust the cipher.
#include <functional>

#include "softap/core/push/ap_driver.h"
#include "softap/core/config/ap_key_reader.h"
#include "softap/core/records/ap_records.h"
#include "softap/core/config/ap_settings.h"
#include "softap/core/push/ap_sheet_sync.h"

namespace softap {

// The apply push's authentication: 5 and anything outside 0..9 become 0 (Open).
int MapApplyAuthMode(int authenType);
// Apply: for modes 0, 1, 2 values above 1 become 1 (none); for 3, 4, 6, 7, 9 values
// below 4 become 4 (TKIP).
int AdjustApplyEncryption(int mappedMode, int encryption);
// Start-up: for 0, 1, 2 values above 1 become 1; for 3, 4, 6, 7, 8, 9 anything but 4, 6
// and 8 becomes 4.
int AdjustStartupEncryption(int authenType, int encryption);

// The HT setting of the record: the extension channel from its text (0 without a
// selection), the MCS from its text ("Auto" is 33).
HtSetting HtSettingOf(const DaduVeSettings& settings, int phyMode);

struct ApplyTargets {
    ApDriver& driver;
    const ApKeyReader* driverKey = nullptr;  // WdsEnable and WdsList; null: WDS off
    IApSheetSync* sheet = nullptr;           // null while the sheet has no window
    std::function<void()> regionChanged;     // the Config page rebuilds its channel lists
};

// phyMode is the record's wireless mode as the write folded it onto the adapter. Sets
// g_Ap.wdsAllowed, and g_Ap.regionWord when a region is selectable.
void ApplyApSettings(const DaduVeSettings& settings, int phyMode, const ApplyTargets& targets);

// Reads each value with the start-up push's buffers; a value that cannot be read is
// traced and its step skipped. Sets g_Ap.phyMode, authenType, passphrase and wdsAllowed.
void LoadAndApplyApSettings(const ApKeyReader& driverKey, ApDriver& driver, IApSheetSync* sheet);

}  // namespace softap
