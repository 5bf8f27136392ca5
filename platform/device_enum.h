#pragma once
// Setup API enumeration of the "Net" device class, narrowed to the calls discovery makes.
#include <windows.h>
#include <setupapi.h>

namespace platform {

class DeviceEnum {
public:
    virtual ~DeviceEnum() = default;
    virtual BOOL ClassGuidsFromName(const char* className, GUID* guids, DWORD guidCount,
                                    DWORD* requiredCount) = 0;
    virtual HDEVINFO GetClassDevs(const GUID* classGuid, DWORD flags) = 0;
    virtual BOOL EnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data) = 0;
    // A REG_SZ or REG_MULTI_SZ device property (SPDRP_*), as SetupDiGetDeviceRegistryPropertyA.
    virtual BOOL GetDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property,
                                           BYTE* buffer, DWORD size, DWORD* requiredSize) = 0;
    // The device's driver or hardware key, as SetupDiOpenDevRegKey; INVALID_HANDLE_VALUE on failure.
    virtual HKEY OpenDevRegKey(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD scope, DWORD hwProfile,
                               DWORD keyType, REGSAM access) = 0;
    virtual BOOL DestroyDeviceInfoList(HDEVINFO set) = 0;
};

}  // namespace platform
