#pragma once
// The IPv4 configuration of the network adapters, as the IP Helper reports it.
#include <windows.h>
#include <iphlpapi.h>

namespace platform {

class IpHelper {
public:
    virtual ~IpHelper() = default;
    // As ::GetAdaptersInfo: ERROR_BUFFER_OVERFLOW with *size set when the buffer is null or
    // too small, ERROR_NO_DATA when no adapter is bound to IPv4.
    virtual ULONG GetAdaptersInfo(IP_ADAPTER_INFO* info, ULONG* size) = 0;
};

}  // namespace platform
