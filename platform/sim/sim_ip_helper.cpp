// The simulated IP Helper: GetAdaptersInfo lists the present adapters that the scenario binds
// to IPv4 (`ip = ...`), laid out in the caller's buffer as the system does.
#include <cstring>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr UINT kIfTypeIeee80211 = 71;

void CopyText(char* out, std::size_t size, const std::string& text) {
    std::memset(out, 0, size);
    std::memcpy(out, text.data(), text.size() < size ? text.size() : size - 1);
}

void FillAddress(IP_ADDR_STRING& a, const std::string& address, const std::string& mask) {
    a.Next = nullptr;
    CopyText(a.IpAddress.String, sizeof a.IpAddress.String, address);
    CopyText(a.IpMask.String, sizeof a.IpMask.String, mask);
    a.Context = 0;
}

class SimIpHelper final : public IpHelper {
public:
    explicit SimIpHelper(World& w) : w_(w) {}

    ULONG GetAdaptersInfo(IP_ADAPTER_INFO* info, ULONG* size) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        if (!size) return ERROR_INVALID_PARAMETER;
        std::vector<std::size_t> bound;
        for (std::size_t i = 0; i < s.adapters.size(); ++i)
            if (s.IsUsable(i) && s.adapters[i].spec.hasIp) bound.push_back(i);
        if (bound.empty()) return ERROR_NO_DATA;
        const ULONG needed = static_cast<ULONG>(bound.size() * sizeof(IP_ADAPTER_INFO));
        if (!info || *size < needed) {
            *size = needed;
            return ERROR_BUFFER_OVERFLOW;
        }
        std::memset(info, 0, needed);
        for (std::size_t k = 0; k < bound.size(); ++k) {
            const AdapterSpec& a = s.adapters[bound[k]].spec;
            IP_ADAPTER_INFO& e = info[k];
            e.Next = k + 1 < bound.size() ? &info[k + 1] : nullptr;
            e.ComboIndex = static_cast<DWORD>(bound[k] + 1);
            CopyText(e.AdapterName, sizeof e.AdapterName, a.instanceId);
            CopyText(e.Description, sizeof e.Description, a.hasFriendlyName ? a.friendlyName : a.description);
            if (a.hasMac) {
                e.AddressLength = 6;
                std::memcpy(e.Address, a.mac.data(), 6);
            }
            e.Index = static_cast<DWORD>(bound[k] + 1);
            e.Type = kIfTypeIeee80211;
            e.DhcpEnabled = 1;
            FillAddress(e.IpAddressList, a.ipAddress, a.ipMask);
            FillAddress(e.GatewayList, a.ipGateway, "255.255.255.255");
            FillAddress(e.DhcpServer, a.ipGateway, "255.255.255.255");
            FillAddress(e.PrimaryWinsServer, "0.0.0.0", "0.0.0.0");
            FillAddress(e.SecondaryWinsServer, "0.0.0.0", "0.0.0.0");
        }
        return ERROR_SUCCESS;
    }

private:
    World& w_;
};

}  // namespace

std::unique_ptr<IpHelper> MakeSimIpHelper(World& w) { return std::make_unique<SimIpHelper>(w); }

void World::SetIpConfig(std::size_t i, bool bound, const std::string& address, const std::string& mask,
                        const std::string& gateway) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i >= state_->adapters.size()) return;
    AdapterSpec& a = state_->adapters[i].spec;
    a.hasIp = bound;
    a.ipAddress = bound ? address : std::string();
    a.ipMask = bound ? mask : std::string();
    a.ipGateway = bound ? gateway : std::string();
}

}  // namespace platform::sim
