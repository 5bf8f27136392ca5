#pragma once
// The Win32 implementations, one instance each for the life of the process.
#include <windows.h>
#include <wbemcli.h>

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

// The event sink that posts kDriverEventMessage for every QelWLANMessageEvent object; its
// reference count starts at 1. Exposed so that its handling of event batches can be tested.
IWbemObjectSink* NewDriverEventSink(HWND owner);

}  // namespace platform::win32
