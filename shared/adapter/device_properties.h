#pragma once
// What adapter discovery reads of a Net-class device, through the platform's Setup API.
#include <windows.h>
#include <setupapi.h>

// First string of the hardware-ID list, upper-cased and terminated. False when the
// property is missing.
bool ReadHardwareId(HDEVINFO set, SP_DEVINFO_DATA* device, char out[256]);

// The id the driver keeps for the adapter ("NetCfgInstanceId" of its driver key); it
// names the device path and the settings files. False when missing or empty.
bool ReadNetCfgInstanceId(HDEVINFO set, SP_DEVINFO_DATA* device, char out[128]);

// The device path opens: no access rights, FILE_SHARE_READ, OPEN_EXISTING.
bool DeviceOpens(const char* path);
