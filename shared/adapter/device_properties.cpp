#include "shared/adapter/device_properties.h"

#include <cctype>
#include <cstring>

#include "platform/platform.h"

bool ReadHardwareId(HDEVINFO set, SP_DEVINFO_DATA* device, char out[256]) {
    std::memset(out, 0, 256);
    if (!platform::Devices().GetDeviceRegistryProperty(set, device, SPDRP_HARDWAREID,
                                                       reinterpret_cast<BYTE*>(out), 255, nullptr))
        return false;
    out[255] = 0;
    for (char* p = out; *p; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
    return true;
}

bool ReadNetCfgInstanceId(HDEVINFO set, SP_DEVINFO_DATA* device, char out[128]) {
    std::memset(out, 0, 128);
    HKEY key = platform::Devices().OpenDevRegKey(set, device, DICS_FLAG_GLOBAL, 0, DIREG_DRV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE || key == nullptr) return false;
    DWORD type = 0, size = 127;
    LONG rc = RegQueryValueExA(key, "NetCfgInstanceId", nullptr, &type,
                               reinterpret_cast<BYTE*>(out), &size);
    RegCloseKey(key);
    out[127] = 0;
    return rc == ERROR_SUCCESS && type == REG_SZ && out[0] != 0;
}

bool DeviceOpens(const char* path) {
    HANDLE h = platform::Driver().Open(path);
    if (h == INVALID_HANDLE_VALUE) return false;
    platform::Driver().Close(h);
    return true;
}
