#pragma once
// The adapter's driver key (g_DriverKeyPath under HKEY_LOCAL_MACHINE) and its subkeys
// `Default` (station values saved on exit) and `ApDefault` (the soft-AP values), the
// first-run TX-burst step, the channel check against the country region, the CCX value.
// Registry failures are silent: the step is skipped and the rest goes on.
#include <windows.h>

#include "shared/driver/driver_key.h"

constexpr const char* kInstallerKeyPath = "SOFTWARE\\TESMAR\\WLAN\\InstallShield";
constexpr DWORD kOidQueryRadioBlock = 0x0D710111;
constexpr DWORD kOidSetRadioBlock = 0x0DF10111;
constexpr DWORD kOidSetCcx2Control = 0x0DF1011E;
constexpr DWORD kRadioBlockSize = 32;

// Driver key -> `Default`. `Default` is only opened: when it is missing nothing happens.
void SaveDriverKeyToDefault();
// `ApDefault` -> driver key.
void CopyApDefaultToDriverKey();
// Creates and seeds `ApDefault` when it does not exist and the adapter answers its address
// (the seeded SSID is named after it); an existing one is never touched.
void WriteDaduVeDefaults();
// `OpMode` "1" in the driver key, then the op-mode OID set to 1. Returns 1.
int WriteOpModeAp();

// Once per driver key: TX burst from the installer's ConfigTxBurstSelect into the driver's
// radio block and the values TXBurst and RunOnceInitConfigTxBurst (the marker).
void RunOnceInitConfigTxBurst();

// Reads the region word into g_RegionWord and the valid flags, the wireless mode into
// g_WirelessMode, and rewrites a missing or disallowed `Channel` with the first allowed
// channel, in the driver key and in `Default`. 1 done, 0 when the driver key does not open.
int VerifyCountryRegion();

// A REG_SZ decimal value of the driver key: 1 with the number, 0 (value untouched) when the
// key or value is missing or the text is not a whole number.
int ReadDriverKeyNumber(const char* name, int* value);
// Writes the number as REG_SZ "%d" text; nothing when the key does not open.
void WriteDriverKeyNumber(const char* name, int value);

// The first 4 bytes of `CCX2Control`; 1 on success, 0 (value 0) when it cannot be read.
int ReadCcx2Control(DWORD* value);
// Unless adjust is 1, bit 5 is cleared and bits 8-15 set to 0xFA before the set.
BOOLEAN SetCcx2ControlOid(int adjust, DWORD value);
