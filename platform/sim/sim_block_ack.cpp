// The simulated driver's 802.11n block-ack sessions. A request adds a session for one TID
// with the peer the station is associated with, when that network is 802.11n and aggregation
// is on, or, running as an access point, with an associated 802.11n station; a delete ends
// one TID or every TID of the peer; turning aggregation off ends them all, and sessions set
// up by a request end with the link or the station's association. A table given by the
// scenario is kept as it is given. The access point's OIDs reach the same state.
#include <algorithm>
#include <cstring>

#include "platform/sim/sim_driver_tables.h"
#include "platform/sim/sim_soft_ap.h"
#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr std::uint32_t kOidTable = 0xFF0C0025;      // query; its set adds a session
constexpr std::uint32_t kOidCapability = 0xFF0C0026;
constexpr std::uint32_t kOidDelete = 0xFF0C0027;     // set only
constexpr std::uint32_t kOidPeers = 0xFF0C0029;      // the BSSIDs a session can be set up with
// The same three as the access point's utility reaches them.
constexpr std::uint32_t kOidApCapability = 0x0D710137;
constexpr std::uint32_t kOidApTable = 0x0D710138;
constexpr std::uint32_t kOidApDelete = 0x0D71013A;

constexpr std::size_t kTableSize = 3076;
constexpr std::size_t kEntrySize = 48;
constexpr std::size_t kEntries = 32;
constexpr std::size_t kRecipientHalf = 1536;
constexpr std::size_t kCounts = 3072;
constexpr std::size_t kRequestSize = 14;
constexpr std::size_t kPeersSize = 324;

// The capability the driver starts with: windows 32, aggregation on, density 0, A-MSDU on,
// 3839 bytes, SM power save disabled, sessions set up automatically.
const Bytes kDefaultCapability = {32, 32, 1, 0, 1, 0, 3, 1};

std::uint32_t StationOid(std::uint32_t oid) {
    switch (oid) {
    case kOidApCapability: return kOidCapability;
    case kOidApTable: return kOidTable;
    case kOidApDelete: return kOidDelete;
    default: return oid;
    }
}

bool IsOid(std::uint32_t oid) {
    oid = StationOid(oid);
    return oid == kOidTable || oid == kOidCapability || oid == kOidDelete || oid == kOidPeers;
}

// The scenario's answer for the OID under either of its numbers.
const Bytes* Given(const AdapterState& a, std::uint32_t stationOid) {
    for (const auto& [station, ap] : {std::pair{kOidTable, kOidApTable}, std::pair{kOidCapability, kOidApCapability},
                                      std::pair{kOidPeers, kOidPeers}, std::pair{kOidDelete, kOidApDelete}}) {
        if (station != stationOid) continue;
        for (std::uint32_t o : {station, ap})
            if (auto given = a.spec.oidAnswers.find(o); given != a.spec.oidAnswers.end()) return &given->second;
    }
    return nullptr;
}

BlockAckState& Loaded(AdapterState& a) {
    BlockAckState& b = a.tables.blockAck;
    if (!b.loaded) {
        const Bytes* given = Given(a, kOidTable);
        b.table = given ? *given : Bytes{};
        b.table.resize(kTableSize, 0);
        b.loaded = true;
    }
    return b;
}

std::uint8_t* Entry(BlockAckState& b, int direction, std::size_t slot) {
    return b.table.data() + (direction ? kRecipientHalf : 0) + slot * kEntrySize;
}

void ClearEntry(BlockAckState& b, int direction, std::size_t slot) {
    std::memset(Entry(b, direction, slot), 0, kEntrySize);
    b.linkBound[direction * kEntries + slot] = false;
}

void Recount(BlockAckState& b) {
    for (int d = 0; d < 2; ++d) {
        std::uint8_t n = 0;
        for (std::size_t i = 0; i < kEntries; ++i) n += Entry(b, d, i)[6] != 0;
        b.table[kCounts + d] = n;
    }
}

Bytes Capability(const AdapterState& a) {
    if (auto set = a.lastSet.find(kOidCapability); set != a.lastSet.end()) return set->second;
    if (const Bytes* given = Given(a, kOidCapability)) return *given;
    return kDefaultCapability;
}

// The peer a session can be set up with: the associated 802.11n network, or an associated
// 802.11n station of the access point.
bool IsSessionPeer(const std::vector<NetworkSpec>& networks, const AdapterState& a, const std::uint8_t* peer,
                   std::uint64_t now) {
    if (InApMode(a)) return IsHtApStation(a, peer, now);
    if (!a.spec.connected || std::memcmp(peer, a.spec.linkBssid.data(), 6) != 0) return false;
    for (const NetworkSpec& n : networks)
        if (n.bssid == a.spec.linkBssid) return n.ht;
    return false;
}

// Sessions a request set up end once their peer can no longer have one.
void EndLostSessions(const std::vector<NetworkSpec>& networks, BlockAckState& b, const AdapterState& a,
                     std::uint64_t now) {
    bool changed = false;
    for (int d = 0; d < 2; ++d)
        for (std::size_t i = 0; i < kEntries; ++i) {
            if (!b.linkBound[d * kEntries + i]) continue;
            if (IsSessionPeer(networks, a, Entry(b, d, i), now)) continue;
            ClearEntry(b, d, i);
            changed = true;
        }
    if (changed) Recount(b);
}

int FindPeer(BlockAckState& b, int direction, const std::uint8_t* peer) {
    for (std::size_t i = 0; i < kEntries; ++i) {
        const std::uint8_t* e = Entry(b, direction, i);
        if (e[6] != 0 && std::memcmp(e, peer, 6) == 0) return static_cast<int>(i);
    }
    return -1;
}

DWORD Add(const std::vector<NetworkSpec>& networks, AdapterState& a, BlockAckState& b, const std::uint8_t* r,
          std::uint64_t now) {
    const int direction = r[0];
    const int tid = r[7];
    if (direction > 1 || tid > 7) return ERROR_INVALID_PARAMETER;
    const Bytes capability = Capability(a);
    if (capability.size() > 2 && capability[2] == 2) return ERROR_GEN_FAILURE;
    if (!IsSessionPeer(networks, a, r + 1, now)) return ERROR_GEN_FAILURE;
    int slot = FindPeer(b, direction, r + 1);
    if (slot < 0)
        for (std::size_t i = 0; i < kEntries && slot < 0; ++i)
            if (Entry(b, direction, i)[6] == 0) slot = static_cast<int>(i);
    if (slot < 0) return ERROR_GEN_FAILURE;
    std::uint8_t* e = Entry(b, direction, static_cast<std::size_t>(slot));
    std::memcpy(e, r + 1, 6);
    e[6] = static_cast<std::uint8_t>(e[6] | (1u << tid));
    int limit = capability.size() > static_cast<std::size_t>(direction) ? capability[direction] : 0;
    if (limit == 0) limit = 64;
    const int wanted = r[8] == 0 ? limit : r[8];
    e[8 + tid] = static_cast<std::uint8_t>(std::min(wanted, limit));
    b.linkBound[direction * kEntries + slot] = true;
    Recount(b);
    return ERROR_SUCCESS;
}

DWORD Delete(AdapterState&, BlockAckState& b, const std::uint8_t* r) {
    const int direction = r[0];
    const int tid = r[7];
    const int all = r[12];
    if (direction > 1 || tid > 7 || all > 1) return ERROR_INVALID_PARAMETER;
    const int slot = FindPeer(b, direction, r + 1);
    // Nothing to end: the driver has nothing to tell the peer.
    if (slot < 0) return ERROR_SUCCESS;
    std::uint8_t* e = Entry(b, direction, static_cast<std::size_t>(slot));
    if (!all) {
        e[6] = static_cast<std::uint8_t>(e[6] & ~(1u << tid));
        e[8 + tid] = 0;
        std::memset(e + 16 + 4 * tid, 0, 4);
    }
    if (all || e[6] == 0) ClearEntry(b, direction, static_cast<std::size_t>(slot));
    Recount(b);
    return ERROR_SUCCESS;
}

}  // namespace

bool BlockAckSet(const std::vector<NetworkSpec>& networks, AdapterState& a, std::uint32_t queryOid,
                 const std::uint8_t* buf, DWORD length, std::uint64_t now, DWORD* error) {
    if (!IsOid(queryOid)) return false;
    queryOid = StationOid(queryOid);
    if (!a.spec.supports11n || queryOid == kOidPeers) {
        *error = ERROR_NOT_SUPPORTED;
        return true;
    }
    BlockAckState& b = Loaded(a);
    EndLostSessions(networks, b, a, now);
    if (queryOid == kOidCapability) {
        if (length < kDefaultCapability.size()) {
            *error = ERROR_INVALID_PARAMETER;
            return true;
        }
        if (buf[2] == 2) {
            for (int d = 0; d < 2; ++d)
                for (std::size_t i = 0; i < kEntries; ++i) ClearEntry(b, d, i);
            Recount(b);
        }
        return false;  // kept for the next query
    }
    if (length < kRequestSize) {
        *error = ERROR_INVALID_PARAMETER;
        return true;
    }
    *error = queryOid == kOidTable ? Add(networks, a, b, buf, now) : Delete(a, b, buf);
    return true;
}

bool BlockAckQuery(const std::vector<NetworkSpec>& networks, AdapterState& a, std::uint32_t asked, std::uint8_t* buf,
                   DWORD length, std::uint64_t now, DWORD* returned, DWORD* error) {
    if (!IsOid(asked)) return false;
    // A driver without 802.11n answers only what the scenario says it answers.
    if (!a.spec.supports11n && a.spec.oidAnswers.count(asked)) return false;
    const std::uint32_t oid = StationOid(asked);
    if (!a.spec.supports11n || oid == kOidDelete) {
        *error = ERROR_NOT_SUPPORTED;
        return true;
    }
    if (oid == kOidCapability) {
        if (a.lastSet.count(oid)) return false;
        if (const Bytes* given = Given(a, oid)) {
            if (length < given->size()) {
                *error = ERROR_INSUFFICIENT_BUFFER;
                return true;
            }
            std::memcpy(buf, given->data(), given->size());
            *returned = static_cast<DWORD>(given->size());
            *error = ERROR_SUCCESS;
            return true;
        }
        if (length < kDefaultCapability.size()) {
            *error = ERROR_INSUFFICIENT_BUFFER;
            return true;
        }
        std::memcpy(buf, kDefaultCapability.data(), kDefaultCapability.size());
        *returned = static_cast<DWORD>(kDefaultCapability.size());
        *error = ERROR_SUCCESS;
        return true;
    }
    if (oid == kOidPeers) {
        if (a.spec.oidAnswers.count(oid)) return false;
        if (length < kPeersSize) {
            *error = ERROR_INSUFFICIENT_BUFFER;
            return true;
        }
        std::memset(buf, 0, kPeersSize);
        if (a.spec.connected) {
            buf[0] = 1;
            std::memcpy(buf + 4, a.spec.linkBssid.data(), 6);
        }
        *returned = static_cast<DWORD>(kPeersSize);
        *error = ERROR_SUCCESS;
        return true;
    }
    if (length < kTableSize) {
        *error = ERROR_INSUFFICIENT_BUFFER;
        return true;
    }
    BlockAckState& b = Loaded(a);
    EndLostSessions(networks, b, a, now);
    std::memcpy(buf, b.table.data(), kTableSize);
    *returned = static_cast<DWORD>(kTableSize);
    *error = ERROR_SUCCESS;
    return true;
}

}  // namespace platform::sim
