#pragma once
// The ethernet bridge driver beside the adapter's driver, as the soft-AP utility reaches it:
// a device opened for overlapped I/O and its I/O control requests.
#include <windows.h>

namespace platform {

class BridgePort {
public:
    virtual ~BridgePort() = default;
    // CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, flags,
    // nullptr). INVALID_HANDLE_VALUE when the device does not open.
    virtual HANDLE Open(const char* devicePath, DWORD flags) = 0;
    // As DeviceIoControl with an OVERLAPPED: FALSE with ERROR_IO_PENDING means the request
    // runs on, and the driver writes out and *returned until it ends.
    virtual BOOL Control(HANDLE h, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned,
                         OVERLAPPED* overlapped) = 0;
    // The end of a pending request: TRUE with *returned once it ended well; FALSE with
    // WAIT_TIMEOUT when it has not ended within ms, else with the request's error
    // (ERROR_OPERATION_ABORTED after Cancel).
    virtual BOOL WaitResult(HANDLE h, OVERLAPPED* overlapped, DWORD* returned, DWORD ms) = 0;
    // As CancelIo: asks the driver to end this thread's pending requests on h.
    virtual BOOL Cancel(HANDLE h) = 0;
    virtual void Close(HANDLE h) = 0;
};

}  // namespace platform
