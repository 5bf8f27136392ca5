// Driver, Setup API, outside programs, tray and message boxes: straight to Win32.
#include <objbase.h>
#include <shellapi.h>

#include "platform/device_enum.h"
#include "platform/driver_port.h"
#include "platform/message_boxes.h"
#include "platform/programs.h"
#include "platform/tray_icon.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

class RealDriverPort final : public DriverPort {
public:
    HANDLE Open(const char* devicePath) override {
        return CreateFileA(devicePath, 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    BOOL Ioctl(HANDLE h, DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned) override {
        DWORD ignored = 0;  // no overlapped structure: the count must have a home
        return DeviceIoControl(h, kIoctlNdisQueryGlobalStats, &oid, sizeof(oid), buffer, length,
                               bytesReturned ? bytesReturned : &ignored, nullptr);
    }
    void Close(HANDLE h) override {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

class RealDeviceEnum final : public DeviceEnum {
public:
    BOOL ClassGuidsFromName(const char* className, GUID* guids, DWORD guidCount, DWORD* requiredCount) override {
        return SetupDiClassGuidsFromNameA(className, guids, guidCount, requiredCount);
    }
    HDEVINFO GetClassDevs(const GUID* classGuid, DWORD flags) override {
        return SetupDiGetClassDevsA(classGuid, nullptr, nullptr, flags);
    }
    BOOL EnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data) override {
        return SetupDiEnumDeviceInfo(set, index, data);
    }
    BOOL GetDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property, BYTE* buffer, DWORD size,
                                   DWORD* requiredSize) override {
        return SetupDiGetDeviceRegistryPropertyA(set, data, property, nullptr, buffer, size, requiredSize);
    }
    HKEY OpenDevRegKey(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD scope, DWORD hwProfile, DWORD keyType,
                       REGSAM access) override {
        return SetupDiOpenDevRegKey(set, data, scope, hwProfile, keyType, access);
    }
    BOOL DestroyDeviceInfoList(HDEVINFO set) override { return SetupDiDestroyDeviceInfoList(set); }
};

class RealProgramStarter final : public Programs {
public:
    UINT WinExec(const char* commandLine, UINT show) override { return ::WinExec(commandLine, show); }
    HINSTANCE ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show) override {
        // The shell may hand the document to an extension that needs COM on this thread.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        HINSTANCE result = ::ShellExecuteA(owner, verb, file, parameters, directory, show);
        if (SUCCEEDED(com)) CoUninitialize();
        return result;
    }
    BOOL WinHelp(HWND owner, const char* file, UINT command, ULONG_PTR data) override {
        return ::WinHelpA(owner, file, command, data);
    }
};

class RealTrayIcon final : public TrayIcon {
public:
    BOOL Notify(DWORD message, NOTIFYICONDATAA* data) override { return Shell_NotifyIconA(message, data); }
};

class RealMessageBoxes final : public MessageBoxes {
public:
    int Show(HWND owner, const char* text, const char* caption, UINT type) override {
        return MessageBoxA(owner, text, caption, type);
    }
};

}  // namespace

DriverPort& RealDriver() {
    static RealDriverPort p;
    return p;
}
DeviceEnum& RealDevices() {
    static RealDeviceEnum d;
    return d;
}
Programs& RealPrograms() {
    static RealProgramStarter p;
    return p;
}
TrayIcon& RealTray() {
    static RealTrayIcon t;
    return t;
}
MessageBoxes& RealBoxes() {
    static RealMessageBoxes b;
    return b;
}

}  // namespace platform::win32
