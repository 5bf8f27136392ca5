#pragma once
// The one switch between the real Win32 platform and the simulated adapter world.
// Everything outside platform/ reaches the driver, the Setup API, the Native Wifi
// service, the driver's WMI events, outside programs, the tray, message boxes, the
// adapters' IP configuration, the connection-sharing configuration, the service control
// manager and the bridge driver only through these accessors.
#include "platform/device_enum.h"
#include "platform/driver_port.h"

namespace platform {

class NativeWifi;
class DriverEvents;
class Programs;
class TrayIcon;
class MessageBoxes;
class IpHelper;
class IcsSharing;
class ServiceControl;
class BridgePort;
class CertificateStores;
class FileDialogs;
class SecureRandom;

// Chooses the implementation once: the simulation when the environment variable
// WLSIM_SCENARIO names a scenario file, the real Win32 one otherwise. Safe to call twice.
void Init();
bool IsSimulated();

DriverPort& Driver();
DeviceEnum& Devices();
NativeWifi& Wlan();
DriverEvents& Events();
Programs& Outside();
TrayIcon& Tray();
MessageBoxes& Boxes();
IpHelper& Ip();
IcsSharing& Sharing();
ServiceControl& Services();
BridgePort& Bridge();
// The machine's certificate stores, also under the simulation: crypt32 works under Wine and
// each Wine prefix has stores of its own.
CertificateStores& Certificates();
FileDialogs& Files();
SecureRandom& Random();

}  // namespace platform
