#include "platform/sim/sim_soft_ap.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr std::uint32_t kOidRssi = 0x0D010206;          // OID_802_11_RSSI
constexpr std::uint32_t kOidEventTable = 0x0D71010A;
constexpr std::uint32_t kOidStationTable = 0x0D71010B;
constexpr std::uint32_t kOidOpMode = 0xFF0C001A;        // also 0x0D710126
constexpr std::size_t kEventTableBytes = 168;           // count, 4 unused bytes, 10 records of 16
constexpr std::size_t kEventsPerQuery = 10;
constexpr std::uint16_t kEventAssociated = 1;
constexpr std::uint16_t kEventLeft = 2;
constexpr std::uint16_t kEventAgedOut = 3;

void PutLe(Bytes& b, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

bool InApMode(const AdapterState& a) {
    const Bytes* mode = nullptr;
    if (auto set = a.lastSet.find(kOidOpMode); set != a.lastSet.end()) mode = &set->second;
    else if (auto given = a.spec.oidAnswers.find(kOidOpMode); given != a.spec.oidAnswers.end()) mode = &given->second;
    if (!mode || mode->size() < 4) return false;
    std::uint32_t v = 0;
    std::memcpy(&v, mode->data(), 4);
    return v == 1;
}

namespace {

bool Associated(const ApStationSpec& st, std::uint64_t now) {
    const auto t = static_cast<std::int64_t>(now);
    return (st.joinAt < 0 || st.joinAt <= t) && (st.leaveAt < 0 || t < st.leaveAt);
}

// Every record the driver's table will hold, in time order: the scenario's own and one for
// each station that joins, leaves or is aged out.
std::vector<ApEventSpec> AllEvents(const SoftApSpec& ap) {
    std::vector<ApEventSpec> all = ap.events;
    for (const ApStationSpec& st : ap.stations) {
        if (st.joinAt >= 0) all.push_back({st.joinAt, kEventAssociated, st.mac});
        if (st.leaveAt >= 0) all.push_back({st.leaveAt, st.agedOut ? kEventAgedOut : kEventLeft, st.mac});
    }
    std::stable_sort(all.begin(), all.end(), [](const ApEventSpec& x, const ApEventSpec& y) { return x.at < y.at; });
    return all;
}

// The wall-clock time of world time at, as the driver stamps it.
std::uint64_t FileTimeOf(std::int64_t at, std::uint64_t now) {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const std::uint64_t wall = (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return wall - (now - static_cast<std::uint64_t>(at)) * 10000;
}

bool RssiNow(const SoftApSpec& ap, std::uint64_t now, std::int32_t* rssi) {
    bool found = ap.hasRssi;
    *rssi = ap.rssi;
    std::int64_t latest = -1;
    for (const auto& [at, dbm] : ap.rssiAt) {
        if (static_cast<std::uint64_t>(at) > now || at < latest) continue;
        latest = at;
        *rssi = dbm;
        found = true;
    }
    return found;
}

}  // namespace

bool IsHtApStation(const AdapterState& a, const std::uint8_t* mac, std::uint64_t now) {
    if (!InApMode(a)) return false;
    for (const ApStationSpec& st : a.spec.softAp.stations)
        if (std::memcmp(st.mac.data(), mac, 6) == 0 && Associated(st, now)) return (st.rateWord >> 14) >= 2;
    return false;
}

bool SoftApAnswer(AdapterState& a, std::uint32_t oid, std::uint32_t length, std::uint64_t now, Bytes* answer,
                  DWORD* error) {
    *error = ERROR_SUCCESS;
    answer->clear();
    const SoftApSpec& ap = a.spec.softAp;
    if (ApLinkAnswer(a, oid, answer, error)) return true;
    if (oid == kOidRssi) {
        std::int32_t rssi = 0;
        if (!RssiNow(ap, now, &rssi)) return false;
        PutLe(*answer, static_cast<std::uint32_t>(rssi), 4);
        return true;
    }
    if (oid != kOidEventTable && oid != kOidStationTable) return false;
    // The access point's tables exist only while the adapter runs as one.
    if (!InApMode(a)) {
        *error = ERROR_NOT_SUPPORTED;
        return true;
    }
    if (oid == kOidStationTable) {
        const std::size_t entry = a.spec.supports11n ? 10 : 8;
        const std::size_t size = 4 + 32 * entry;
        if (length < size) {
            *error = ERROR_INSUFFICIENT_BUFFER;
            return true;
        }
        Bytes entries;
        std::uint32_t count = 0;
        for (const ApStationSpec& st : ap.stations) {
            if (!Associated(st, now)) continue;
            ++count;
            entries.insert(entries.end(), st.mac.begin(), st.mac.end());
            entries.push_back(st.aid);
            entries.push_back(st.powerSave ? 1 : 0);
            if (a.spec.supports11n) PutLe(entries, st.rateWord, 2);
        }
        PutLe(*answer, count, 4);
        answer->insert(answer->end(), entries.begin(), entries.end());
        answer->resize(size, 0);
        return true;
    }
    if (length < kEventTableBytes) {
        *error = ERROR_INSUFFICIENT_BUFFER;
        return true;
    }
    // Each record is handed out once, at most ten per query; the rest wait for the next.
    const std::vector<ApEventSpec> all = AllEvents(ap);
    Bytes records;
    std::uint32_t count = 0;
    while (a.apEventsTaken < all.size() && count < kEventsPerQuery &&
           static_cast<std::uint64_t>(all[a.apEventsTaken].at) <= now) {
        const ApEventSpec& e = all[a.apEventsTaken++];
        PutLe(records, FileTimeOf(e.at, now), 8);
        records.insert(records.end(), e.mac.begin(), e.mac.end());
        PutLe(records, e.code, 2);
        ++count;
    }
    PutLe(*answer, count, 4);
    PutLe(*answer, 0, 4);
    answer->insert(answer->end(), records.begin(), records.end());
    return true;
}

}  // namespace platform::sim
