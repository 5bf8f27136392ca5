#pragma once
// The values Havix seeds `ApDefault` with, in the order it writes them. SSID and
// WirelessMode depend on the adapter; every other value is a fixed text. TXBurst and
// RunOnceInitConfigTxBurst are not here: the run-once TX-burst copy owns them.
#include <cstddef>
#include <cstdint>
#include <string>

namespace softap {

enum class SeedKind { kText, kEmptyMultiString, kSsid, kWirelessMode };

struct SeedValue {
    const char* name;
    SeedKind kind;
    const char* text;  // kText only
};

extern const SeedValue kApSeedValues[];
extern const size_t kApSeedValueCount;

// The seeded SSID: "DaduVE-" and the last byte of the adapter's MAC address in two
// upper-case hex digits.
std::string DefaultApSsid(const uint8_t mac[6]);
// The seeded wireless mode before folding onto the adapter: B/G/N.
constexpr int kSeedWirelessMode = 9;
// Seeded numbers a push falls back on when neither the driver nor the registry gives one.
constexpr uint32_t kSeedBeaconPeriod = 100;
constexpr uint32_t kSeedShortSlot = 1;
constexpr uint16_t kSeedIdleTime = 300;

}  // namespace softap
