#pragma once
// The Win32 implementations, one instance each for the life of the process.
#include <windows.h>

namespace platform {
class DriverPort;
class DeviceEnum;
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
}  // namespace platform

namespace platform::win32 {

DriverPort& RealDriver();
DeviceEnum& RealDevices();
NativeWifi& RealWlan();
DriverEvents& RealEvents();
Programs& RealPrograms();
TrayIcon& RealTray();
MessageBoxes& RealBoxes();
IpHelper& RealIp();
IcsSharing& RealSharing();
ServiceControl& RealServices();
BridgePort& RealBridge();
CertificateStores& RealCertificates();
FileDialogs& RealFileDialogs();
SecureRandom& RealRandom();

}  // namespace platform::win32
