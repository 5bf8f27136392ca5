#pragma once
// Filling the Config page's record from the driver key, with the page's read rules and
// 128-byte buffers. A value that cannot be read leaves its field as it was (traced).
#include "softap/core/push/ap_driver.h"
#include "softap/core/config/ap_key_reader.h"
#include "softap/core/config/ap_settings.h"

namespace softap {

// Also sets the PHY mode in the driver and, on an 802.11n adapter, the HT setting; keeps
// the folded mode, AuthenType and WPAPSK in g_Ap.
void ReadConfigFromRegistry(const ApKeyReader& driverKey, DaduVeSettings& settings, ApDriver& driver);

}  // namespace softap
