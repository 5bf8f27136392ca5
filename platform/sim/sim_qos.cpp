// The simulated driver's WMM and Direct Link Setup: the two switches (from the driver key's
// `WMMCapable` and `DLSCapable` at start, WMM on when the value is missing) and the table of
// four direct links. A link is set up only inside an infrastructure BSS while WMM and DLS are
// on; it comes up (status 2) when the peer is a `dls_peer` of that network and otherwise stays
// requested (status 1). Turning WMM or DLS off, or leaving the BSS, ends every link. A table
// the scenario gives is where the driver starts.
#include <cstring>

#include "platform/sim/sim_driver_tables.h"
#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr std::uint32_t kOidDlsTable = 0xFF0C0031;  // query; its set takes one entry
constexpr std::uint32_t kOidWmm = 0xFF0C0033;       // set only
constexpr std::uint32_t kOidDls = 0xFF0C0034;       // set only
constexpr std::size_t kEntrySize = 12;
constexpr std::size_t kTableSize = 48;
constexpr std::uint8_t kRequested = 1;
constexpr std::uint8_t kLinkUp = 2;

QosState& Loaded(AdapterState& a) {
    QosState& q = a.tables.qos;
    if (!q.loaded) {
        for (const RegValue& v : a.spec.values) {
            if (v.isDword) continue;
            if (lstrcmpiA(v.name.c_str(), "WMMCapable") == 0) q.wmm = v.text != "0";
            if (lstrcmpiA(v.name.c_str(), "DLSCapable") == 0) q.dls = v.text == "1";
        }
        // Links the scenario gives belong to the BSS the adapter starts in.
        if (auto given = a.spec.oidAnswers.find(kOidDlsTable); given != a.spec.oidAnswers.end())
            for (std::size_t i = 0; i < given->second.size() && i < kTableSize; ++i)
                q.links[i / kEntrySize][i % kEntrySize] = given->second[i];
        q.linkBss = a.spec.linkBssid;
        q.loaded = true;
    }
    return q;
}

void EndLinks(QosState& q) {
    for (auto& link : q.links) link.fill(0);
}

const NetworkSpec* LinkedNetwork(const std::vector<NetworkSpec>& networks, const AdapterState& a) {
    if (!a.spec.connected) return nullptr;
    for (const NetworkSpec& n : networks)
        if (n.bssid == a.spec.linkBssid) return &n;
    return nullptr;
}

void EndLinksOutsideTheBss(QosState& q, const AdapterState& a) {
    if (!a.spec.connected || a.spec.linkBssid != q.linkBss) EndLinks(q);
}

DWORD Switch(bool* flag, QosState& q, const std::uint8_t* buf, DWORD length) {
    if (length < 4) return ERROR_INVALID_PARAMETER;
    std::uint32_t v;
    std::memcpy(&v, buf, 4);
    *flag = v != 0;
    if (!q.wmm || !q.dls) EndLinks(q);
    return ERROR_SUCCESS;
}

DWORD Link(const std::vector<NetworkSpec>& networks, AdapterState& a, QosState& q, const std::uint8_t* e) {
    Mac peer;
    std::memcpy(peer.data(), e + 4, 6);
    int found = -1, free = -1;
    for (std::size_t i = 0; i < q.links.size(); ++i) {
        if (q.links[i][11] == 1 && std::memcmp(q.links[i].data() + 4, peer.data(), 6) == 0) found = static_cast<int>(i);
        if (q.links[i][11] == 0 && free < 0) free = static_cast<int>(i);
    }
    if (e[11] == 0) {
        // Tearing down a link that is not there leaves nothing to do.
        if (found >= 0) q.links[static_cast<std::size_t>(found)].fill(0);
        return ERROR_SUCCESS;
    }
    if (e[11] != 1) return ERROR_INVALID_PARAMETER;
    const Mac zero{}, broadcast{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    if (peer == zero || peer == broadcast || (peer[0] & 1) || (a.spec.hasMac && peer == a.spec.mac))
        return ERROR_INVALID_PARAMETER;
    const NetworkSpec* bss = LinkedNetwork(networks, a);
    if (!q.wmm || !q.dls || !bss || bss->adhoc) return ERROR_GEN_FAILURE;
    const int slot = found >= 0 ? found : free;
    if (slot < 0) return ERROR_GEN_FAILURE;
    auto& link = q.links[static_cast<std::size_t>(slot)];
    std::memcpy(link.data(), e, 2);                 // timeout
    link[2] = static_cast<std::uint8_t>(slot + 1);  // the driver's link number
    link[3] = 0;
    std::memcpy(link.data() + 4, peer.data(), 6);
    bool answers = false;
    for (const Mac& m : bss->dlsPeers) answers = answers || m == peer;
    link[10] = answers ? kLinkUp : kRequested;
    link[11] = 1;
    q.linkBss = a.spec.linkBssid;
    return ERROR_SUCCESS;
}

}  // namespace

bool QosSet(const std::vector<NetworkSpec>& networks, AdapterState& a, std::uint32_t queryOid,
            const std::uint8_t* buf, DWORD length, DWORD* error) {
    if (queryOid != kOidDlsTable && queryOid != kOidWmm && queryOid != kOidDls) return false;
    QosState& q = Loaded(a);
    EndLinksOutsideTheBss(q, a);
    if (queryOid == kOidDlsTable) {
        *error = length < kEntrySize ? ERROR_INVALID_PARAMETER : Link(networks, a, q, buf);
        return true;
    }
    *error = Switch(queryOid == kOidWmm ? &q.wmm : &q.dls, q, buf, length);
    return *error != ERROR_SUCCESS;  // a switch that took is kept for the next query as well
}

bool QosQuery(const std::vector<NetworkSpec>&, AdapterState& a, std::uint32_t oid, std::uint8_t* buf, DWORD length,
              DWORD* returned, DWORD* error) {
    if (oid != kOidDlsTable) return false;
    if (length < kTableSize) {
        *error = ERROR_INSUFFICIENT_BUFFER;
        return true;
    }
    QosState& q = Loaded(a);
    EndLinksOutsideTheBss(q, a);
    for (std::size_t i = 0; i < q.links.size(); ++i) std::memcpy(buf + i * kEntrySize, q.links[i].data(), kEntrySize);
    *returned = static_cast<DWORD>(kTableSize);
    *error = ERROR_SUCCESS;
    return true;
}

}  // namespace platform::sim
