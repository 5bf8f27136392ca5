#pragma once
// Reads the running Windows version and sets g_OsCode from it.
#include "shared/system/os_code.h"

// GetVersionExA with the 156-byte extended structure, then the 148-byte basic one when
// that fails (the product type is then unknown). False when neither works.
bool ReadOsVersionRecord(OsVersionRecord* record);

// Returns the new g_OsCode.
int DetectOsVersion();
