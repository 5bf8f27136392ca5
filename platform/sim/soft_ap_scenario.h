#pragma once
// What a scenario says about the soft-AP side of the world (docs/scenario-format.md): the
// stations and the event table of an adapter while it runs as an access point, the RSSI it
// reports, and the ethernet bridge driver beside it.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace platform::sim {

// A station of the access point; associated from joinAt (-1: from the start, with no
// event) until leaveAt (-1: stays), when it leaves or, agedOut, the driver ages it out.
struct ApStationSpec {
    std::array<std::uint8_t, 6> mac{};
    std::uint8_t aid = 0;
    bool powerSave = false;
    std::uint16_t rateWord = 0;        // the station table's transmit-rate word
    std::int64_t joinAt = -1;
    std::int64_t leaveAt = -1;
    bool agedOut = false;
};

// One record of the driver's event table: its time and code, and the station it names.
struct ApEventSpec {
    std::int64_t at = 0;
    std::uint16_t code = 0;
    std::array<std::uint8_t, 6> mac{};
};

struct SoftApSpec {
    bool hasRssi = false;
    std::int32_t rssi = 0;             // OID_802_11_RSSI, dBm
    std::vector<std::pair<std::int64_t, std::int32_t>> rssiAt;  // {ms, dBm}, in file order
    std::vector<ApStationSpec> stations;
    std::vector<ApEventSpec> events;   // the explicit ones; joins and leaves add theirs
};

// How the bridge driver ends its requests: at once, when the caller waits for them, or never
// (only a cancel ends them).
enum class BridgePending { kNo, kLater, kNever };

struct BridgeSpec {
    int line = 0;
    bool present = false;              // a [bridge] section was given
    std::uint32_t version = 2;         // only version 2 bridges
    bool bridging = false;
    BridgePending pending = BridgePending::kNo;
};

}  // namespace platform::sim
