#include "shared/adapter_presence.h"

#include "shared/adapter_identity.h"
#include "shared/device_properties.h"

int IsSelDeviceExist() { return DeviceOpens(g_DevicePath) ? 1 : 0; }
