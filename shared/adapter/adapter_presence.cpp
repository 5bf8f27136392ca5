#include "shared/adapter/adapter_presence.h"

#include "shared/adapter/adapter_identity.h"
#include "shared/adapter/device_properties.h"

int IsSelDeviceExist() { return DeviceOpens(g_DevicePath) ? 1 : 0; }
