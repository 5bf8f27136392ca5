#pragma once
// The adapter's miniport driver as the utilities reach it: a device path opened and
// closed around every call, and the NDIS query IOCTL carrying a 4-byte OID.
#include <windows.h>
#include <cstdint>

namespace platform {

constexpr DWORD kIoctlNdisQueryGlobalStats = 0x00170002;

class DriverPort {
public:
    virtual ~DriverPort() = default;
    // CreateFile(path, 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr).
    // INVALID_HANDLE_VALUE when the path does not open.
    virtual HANDLE Open(const char* devicePath) = 0;
    // DeviceIoControl(h, 0x00170002, &oid, 4, buffer, length, bytesReturned, nullptr).
    virtual BOOL Ioctl(HANDLE h, DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned) = 0;
    virtual void Close(HANDLE h) = 0;
};

}  // namespace platform
