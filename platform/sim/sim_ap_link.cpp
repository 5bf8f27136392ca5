// The simulated driver's link as the access point's utility reads it: the BSS is up while
// the adapter runs as an access point with an SSID; then the media is connected, the BSSID
// is the adapter's own address and the link record, rates, noise, SNR and counters are the
// driver's link statistics under the access point's OIDs.
#include <cstring>

#include "platform/sim/sim_link_stats.h"
#include "platform/sim/sim_soft_ap.h"
#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr std::uint32_t kOidMediaConnectStatus = 0x00010114;  // 0 connected, 1 disconnected
constexpr std::uint32_t kOidBssid = 0x0D010101;
constexpr std::uint32_t kOidSsid = 0x0D010102;
constexpr std::uint32_t kOidTxPower = 0x0D710118;
constexpr std::uint32_t kOidTxRate = 0x0D71011B;
constexpr std::uint32_t kOidExtraInfo = 0x0D71011D;
constexpr std::uint32_t kOidChain1 = 0x0D710125, kOidChain2 = 0x0D710134;

// The access point's OIDs of the link statistics and the station's numbers of the same.
constexpr std::pair<std::uint32_t, std::uint32_t> kStatisticsAliases[] = {
    {0x0D710102, 0xFF0C0009},  // link record
    {0x0D71011A, 0xFF0C000A},  // noise
    {0x0D71011C, 0xFF0C000E},  // receive rate word
    {0x0D710135, 0xFF0C0023},  // SNR of chain 0
    {0x0D710136, 0xFF0C0024},  // SNR of chain 1
};

Bytes U32(std::uint32_t v) {
    Bytes b(4);
    std::memcpy(b.data(), &v, 4);
    return b;
}

bool RadioOn(const AdapterState& a) { return a.spec.radioOn && a.spec.radioSwitchOn; }

}  // namespace

bool ApBssUp(const AdapterState& a) {
    if (!InApMode(a) || !a.present || !RadioOn(a)) return false;
    return a.lastSet.count(kOidSsid) || a.spec.oidAnswers.count(kOidSsid);
}

bool ApLinkAnswer(const AdapterState& a, std::uint32_t oid, Bytes* answer, DWORD* error) {
    *error = ERROR_SUCCESS;
    // The access point's own answers; a station's link is the Native Wifi service's to tell.
    const bool ap = InApMode(a);
    switch (oid) {
    case kOidMediaConnectStatus:
        if (!ap) return false;
        *answer = U32(ApBssUp(a) ? 0 : 1);
        return true;
    case kOidBssid:
        if (!ap) return false;
        // No BSS, no BSSID: the driver is not ready to say one.
        if (!ApBssUp(a) || !a.spec.hasMac) *error = ERROR_NOT_READY;
        else answer->assign(a.spec.mac.begin(), a.spec.mac.end());
        return true;
    case kOidExtraInfo:
        if (!ap) return false;
        // Link is Up, Link is Down, Hardware radio off, Software radio off.
        *answer = U32(!a.spec.radioSwitchOn ? 2 : !a.spec.radioOn ? 3 : ApBssUp(a) ? 0 : 1);
        return true;
    case kOidTxPower:
        if (!ap) return false;
        *answer = U32(100);  // until the utility sets another
        return true;
    case kOidChain1:
    case kOidChain2: {
        const int k = oid == kOidChain1 ? 1 : 2;
        if (a.spec.signalCount <= k) *error = ERROR_NOT_SUPPORTED;
        else *answer = U32(static_cast<std::uint32_t>(a.spec.signal[k]));
        return true;
    }
    case kOidTxRate:
        // The transmit rate word on an 802.11n adapter, else a legacy rate index.
        return LinkStatsAnswer(a, a.spec.supports11n ? 0xFF0C0021 : 0xFF0C000E, answer);
    default:
        for (const auto& [apOid, stationOid] : kStatisticsAliases)
            if (oid == apOid) return LinkStatsAnswer(a, stationOid, answer);
        return false;
    }
}

}  // namespace platform::sim
