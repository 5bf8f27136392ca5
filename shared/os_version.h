#pragma once
// Reads the running Windows version and sets g_OsCode from it.

// Returns the new g_OsCode.
int DetectOsVersion();
