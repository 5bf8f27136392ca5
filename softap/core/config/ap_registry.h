#pragma once
// `ApDefault`, the subkey of the driver key that holds the access point's configuration as
// Havix last saved it: its seeding at start-up, the run-once TX-burst copy, and the
// driver key's AllowBW40InBGBand switch.

namespace softap {

// Once per `ApDefault`: the driver key's RunOnceInitConfigTxBurst, when it has one, becomes
// TXBurst and RunOnceInitConfigTxBurst of `ApDefault`. Nothing happens while `ApDefault`
// is missing or already holds the marker.
void CopyTxBurstToApDefault();

// Creates and seeds a missing `ApDefault`; in an existing one (the station utility may have
// seeded it with other names) each seeded value that is missing is added with Havix's
// default, and nothing present is overwritten. Then every value of `ApDefault` is copied
// into the driver key. Returns 1.
int InitApDefaults();

// The driver key's AllowBW40InBGBand into *flag (the program's g_Ap.allowBw40InBgBand):
// "1" turns it on, any other text off, a missing value leaves it. 0 when the driver key
// does not open, else 1.
int ReadAllowBW40InBGBand(int* flag);

}  // namespace softap
