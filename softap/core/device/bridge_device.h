#pragma once
// The ethernet bridge driver beside the adapter's driver, reached through its device "VLDX":
// Havix asks at access-point start whether its wireless stations are bridged onto the wired
// network, and turns bridging on when they are not.
#include <windows.h>

#include <cstdint>

namespace softap {

constexpr const char* kBridgeDeviceName = "VLDX";
constexpr DWORD kBridgeIoVersion = 0x80000000;      // out: 4 bytes, the driver interface version
constexpr DWORD kBridgeIoSetBridging = 0x80000004;  // in: 4 bytes, 1 = bridging on
constexpr DWORD kBridgeIoGetBridging = 0x80000008;  // out: 4 bytes, non-zero = on
constexpr uint32_t kBridgingVersion = 2;            // the only interface version that bridges
constexpr uint32_t kNoBridgeVersion = 0xFFFFFFFF;   // what a failed version request leaves
// How long a request may stay pending before it is cancelled.
constexpr DWORD kBridgeRequestWaitMs = 2000;

// One use of the device; not shared.
class BridgeDevice {
public:
    BridgeDevice();
    ~BridgeDevice();
    BridgeDevice(const BridgeDevice&) = delete;
    BridgeDevice& operator=(const BridgeDevice&) = delete;

    // "\\.\" + name, opened for overlapped I/O (deleted on close where the driver allows it).
    bool Open(const char* name);
    void Close();
    bool IsOpened() const { return m_bOpened != 0; }

    // One request; FALSE when the device is not open or the request failed. A request the
    // driver leaves pending is waited for, and cancelled and waited for when it does not end
    // in time: the driver writes into in, out and the OVERLAPPED until it has ended.
    BOOLEAN Control(DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned,
                    OVERLAPPED* overlapped = nullptr);

    uint32_t GetBridgeVersion();
    BOOLEAN SetBridging(uint32_t value);
    // Non-zero while bridging is on; 0 also when it cannot be told.
    uint32_t GetBridgingState();

private:
    HANDLE m_hDevice = INVALID_HANDLE_VALUE;
    OVERLAPPED m_Overlapped{};
    int m_bOpened = 0;
};

// Successful requests to turn bridging on since the last access-point start.
extern int g_BridgeSetCount;

// Turns bridging on through a device object of its own; 1 (and one more in the counter)
// when the driver took it.
int EnableBridging();

}  // namespace softap
