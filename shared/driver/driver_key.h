#pragma once
// The selected adapter's driver key (g_DriverKeyPath under HKEY_LOCAL_MACHINE) and its
// subkeys `Default` and `ApDefault`, which both utilities read, write and copy over it.
#include <windows.h>

// HKLM\<driver key>[\<subkey>]; null when it does not open or no adapter is bound (an
// empty path would open HKEY_LOCAL_MACHINE itself).
HKEY OpenDriverKey(const char* subkey, REGSAM access);

// Copies every value of source into destination whole, names and types kept, whatever the
// length. False when a value cannot be read or written (the values before it are copied).
bool CopyRegistryValues(HKEY source, HKEY destination);

// Every value of one key of the driver key into another (null subkey: the driver key
// itself). Nothing happens when either does not open.
void CopyDriverKeyValues(const char* sourceSubkey, REGSAM sourceAccess, const char* destinationSubkey,
                         REGSAM destinationAccess);
