#pragma once
// Who the selected adapter is, and the small predicates on its chip and on the
// system. Discovery rewrites the identity; everything else only reads it.
#include <cstddef>
#include <cstdint>

#include "shared/adapter/chip_table.h"

extern char g_HardwareId[kHardwareIdLength + 1];  // first 21 characters, upper case
extern int g_ChipIndex;                             // row of SupportedChipTable, -1 until found
extern int g_IsUsbAdapter;
extern char g_AdapterDescription[256];  // friendly name, or the device description
extern char g_NetCfgInstanceId[128];
extern char g_DevicePath[256];
extern char g_DriverKeyPath[512];  // under HKEY_LOCAL_MACHINE
extern int g_NoWpsChip;
extern int g_IsHtChip;
extern int g_HtChipIndex;
extern int g_IsWow64;
extern int g_IsAdmin;
extern int g_Supports5GHz;
extern uint16_t g_DriverVersion;  // major version in the high byte

// 802.11n chip: only the NT driver of chip indices 6, 7 and 8 does 11n.
int IsHtChip(int chipIndex);
// 1, 2, 3 for the 11n chip indices 6, 7, 8; else 0.
int HtChipIndex(int chipIndex);
int IsNoWpsChip(int chipIndex);
// Sets g_NoWpsChip, g_IsHtChip and g_HtChipIndex for the selected chip.
void SetChipFlags(int chipIndex);

// "<root>\<driver key name>", the root chosen by OS code. False (and an empty
// out) when driverName is null or the result does not fit.
bool BuildDriverKeyPath(int osCode, const char* driverName, char* out, size_t outSize);
// "\\.\" + NetCfgInstanceId on NT (codes above 6), "\\.\" + chip family id on
// codes 4 and 5. False (and an empty out) when there is no path for this system,
// the chip index is out of range, or the result does not fit.
bool BuildDevicePath(int osCode, const char* netCfgInstanceId, int chipIndex, char* out,
                     size_t outSize);

template <size_t N>
bool BuildDriverKeyPath(int osCode, const char* driverName, char (&out)[N])
{
    return BuildDriverKeyPath(osCode, driverName, out, N);
}
template <size_t N>
bool BuildDevicePath(int osCode, const char* netCfgInstanceId, int chipIndex, char (&out)[N])
{
    return BuildDevicePath(osCode, netCfgInstanceId, chipIndex, out, N);
}
