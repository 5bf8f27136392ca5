#include "softap/core/device/bridge_device.h"

#include <cstdio>
#include <string>

#include "platform/bridge_port.h"
#include "platform/platform.h"

namespace softap {

int g_BridgeSetCount = 0;

BridgeDevice::BridgeDevice() = default;

BridgeDevice::~BridgeDevice() { Close(); }

bool BridgeDevice::Open(const char* name)
{
    Close();
    const std::string path = std::string("\\\\.\\") + (name ? name : "");
    platform::BridgePort& port = platform::Bridge();
    m_hDevice = port.Open(path.c_str(), FILE_FLAG_OVERLAPPED | FILE_FLAG_DELETE_ON_CLOSE);
    if (m_hDevice == INVALID_HANDLE_VALUE)
        m_hDevice = port.Open(path.c_str(), FILE_FLAG_OVERLAPPED);
    if (m_hDevice == INVALID_HANDLE_VALUE)
        return false;
    m_Overlapped = OVERLAPPED{};
    m_Overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_bOpened = m_Overlapped.hEvent != nullptr ? 1 : 0;
    return m_bOpened != 0;
}

void BridgeDevice::Close()
{
    if (m_hDevice != INVALID_HANDLE_VALUE)
        platform::Bridge().Close(m_hDevice);
    m_hDevice = INVALID_HANDLE_VALUE;
    if (m_Overlapped.hEvent)
        CloseHandle(m_Overlapped.hEvent);
    m_Overlapped = OVERLAPPED{};
    m_bOpened = 0;
}

BOOLEAN BridgeDevice::Control(DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned,
                              OVERLAPPED* overlapped)
{
    if (m_hDevice == INVALID_HANDLE_VALUE)
        return FALSE;
    OVERLAPPED* used = overlapped ? overlapped : &m_Overlapped;
    platform::BridgePort& port = platform::Bridge();
    DWORD done = 0;
    if (port.Control(m_hDevice, code, in, inSize, out, outSize, &done, used)) {
        if (returned)
            *returned = done;
        return TRUE;
    }
    if (GetLastError() != ERROR_IO_PENDING)
        return FALSE;
    if (port.WaitResult(m_hDevice, used, &done, kBridgeRequestWaitMs)) {
        if (returned)
            *returned = done;
        return TRUE;
    }
    if (GetLastError() == WAIT_TIMEOUT) {
        port.Cancel(m_hDevice);
        port.WaitResult(m_hDevice, used, &done, INFINITE);
    }
    return FALSE;
}

uint32_t BridgeDevice::GetBridgeVersion()
{
    uint32_t in = kNoBridgeVersion, version = kNoBridgeVersion;
    DWORD returned = 0;
    if (!Control(kBridgeIoVersion, &in, sizeof(in), &version, sizeof(version), &returned) || returned < sizeof(version))
        return kNoBridgeVersion;
    return version;
}

BOOLEAN BridgeDevice::SetBridging(uint32_t value)
{
    if (GetBridgeVersion() != kBridgingVersion)
        return FALSE;
    std::fputs("\nThis version support bridging.\n", stdout);
    DWORD returned = 0;
    return Control(kBridgeIoSetBridging, &value, sizeof(value), nullptr, 0, &returned);
}

uint32_t BridgeDevice::GetBridgingState()
{
    if (GetBridgeVersion() != kBridgingVersion) {
        std::fputs("\nThis version of driver does not support ethernet bridging.\n", stdout);
        return 0;
    }
    uint32_t state = 0;
    DWORD returned = 0;
    if (!Control(kBridgeIoGetBridging, nullptr, 0, &state, sizeof(state), &returned) || returned < sizeof(state)) {
        std::fputs("Failed to get bridging state.\n", stdout);
        return 0;
    }
    return state;
}

int EnableBridging()
{
    BridgeDevice device;
    int result = 0;
    if (device.Open(kBridgeDeviceName) && device.SetBridging(1)) {
        ++g_BridgeSetCount;
        result = 1;
    }
    device.Close();
    return result;
}

}  // namespace softap
