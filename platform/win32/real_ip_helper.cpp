// The adapters' IP configuration: straight to the IP Helper.
#include "platform/ip_helper.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

class RealIpHelper final : public IpHelper {
public:
    ULONG GetAdaptersInfo(IP_ADAPTER_INFO* info, ULONG* size) override { return ::GetAdaptersInfo(info, size); }
};

}  // namespace

IpHelper& RealIp() {
    static RealIpHelper h;
    return h;
}

}  // namespace platform::win32
