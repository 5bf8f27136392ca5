// The bridge driver's device: straight to Win32.
#include "platform/bridge_port.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

class RealBridgePort final : public BridgePort {
public:
    HANDLE Open(const char* devicePath, DWORD flags) override {
        return CreateFileA(devicePath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, flags, nullptr);
    }
    BOOL Control(HANDLE h, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned,
                 OVERLAPPED* overlapped) override {
        return DeviceIoControl(h, code, in, inSize, out, outSize, returned, overlapped);
    }
    BOOL WaitResult(HANDLE h, OVERLAPPED* overlapped, DWORD* returned, DWORD ms) override {
        if (WaitForSingleObject(overlapped->hEvent, ms) == WAIT_TIMEOUT) {
            SetLastError(WAIT_TIMEOUT);
            return FALSE;
        }
        DWORD done = 0;
        const BOOL ok = GetOverlappedResult(h, overlapped, &done, FALSE);
        if (ok && returned) *returned = done;
        return ok;
    }
    BOOL Cancel(HANDLE h) override { return CancelIo(h); }
    void Close(HANDLE h) override {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

}  // namespace

BridgePort& RealBridge() {
    static RealBridgePort p;
    return p;
}

}  // namespace platform::win32
