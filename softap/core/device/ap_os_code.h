#pragma once
// Havix's classification of the Windows version. It agrees with the station utility's up
// to NT 5.2; above that any workstation is 11 and anything else 12 (13 never occurs).
#include "shared/system/os_code.h"

namespace softap {

int ApOsCodeFromVersion(const OsVersionRecord& version);

// Reads the running version and sets g_OsCode; returns it.
int GetOsVersionCode();

}  // namespace softap
