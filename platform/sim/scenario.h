#pragma once
// The simulated adapter world as a scenario file describes it (see docs/scenario-format.md).
// Plain data and a strict parser; no Win32 here.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/link_stats_scenario.h"
#include "platform/sim/soft_ap_scenario.h"

namespace platform::sim {

using Bytes = std::vector<std::uint8_t>;
using Mac = std::array<std::uint8_t, 6>;

struct RegValue {
    std::string name;
    bool isDword = false;
    std::string text;          // REG_SZ
    std::uint32_t dword = 0;   // REG_DWORD
};

// Register kinds of the private register-access OID: {kind, offset, value}.
enum RegisterKind : std::uint32_t { kRegMac = 0, kRegBbp = 1, kRegRf = 2, kRegEeprom = 3 };

struct OidFault {
    std::uint32_t oid = 0;     // as sent, set bits included
    unsigned count = 0;
};

// One batch of event objects the driver's WMI class delivers at a time: each object's
// __CLASS, or empty for an object whose __CLASS cannot be read.
struct DriverEventSpec {
    std::int64_t at = 0;
    std::vector<std::string> objects;
};

struct AdapterSpec {
    int line = 0;                          // of its [adapter] header
    std::vector<std::string> hardwareIds;  // first = the device's hardware ID
    std::string description;
    bool hasFriendlyName = false;
    std::string friendlyName;
    bool hasLocation = false;
    std::string location;
    bool hasManufacturer = false;
    std::string manufacturer;
    std::string instanceId;                // "{GUID}", the NetCfgInstanceId
    std::string driver;                    // "{class GUID}\NNNN"
    bool hasMac = false;
    Mac mac{};
    bool supports5GHz = false;
    bool supports11n = false;
    bool hasDriverVersion = false;
    std::uint16_t driverVersion = 0;       // major in the high byte
    std::vector<RegValue> values;          // extra values of the driver key
    std::map<std::uint32_t, Bytes> oidAnswers;                          // by query OID
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> registers;  // {kind, offset}
    int signalCount = 0;                   // chains answering their signal OID, in order; the rest fail
    std::int32_t signal[3] = {0, 0, 0};    // without a link (all the time when signalFixed)
    bool signalFixed = false;              // false: while linked, chain 0 reads the network's rssi
    bool connected = false;
    std::string linkSsid;                  // raw SSID bytes
    Mac linkBssid{};
    bool radioOn = true;                   // software radio
    bool radioSwitchOn = true;             // hardware switch
    bool responds = true;                  // device path opens
    bool present = true;                   // at load time
    std::int64_t unplugAt = -1;
    std::int64_t replugAt = -1;
    std::vector<OidFault> faults;
    std::vector<DriverEventSpec> driverEvents;
    // Native Wifi service
    std::uint32_t scanDelayMs = 1000;      // from WlanScan to its notification
    bool scanFails = false;                // scans end with scan_fail
    std::vector<std::pair<std::int64_t, bool>> radioSwitchAt;  // {ms, switch on}
    std::vector<std::int64_t> wpsButtonAt;  // the adapter's WPS push button, pressed at these times
    // IPv4 configuration (dotted texts); without it the adapter is not bound to IPv4.
    bool hasIp = false;
    std::string ipAddress, ipMask, ipGateway;  // no gateway: "0.0.0.0"
    LinkStatsSpec linkStats;
    SoftApSpec softAp;
};

enum class Security { Open, Wep, WpaPsk, Wpa2Psk, Wpa, Wpa2 };
enum class Cipher { None, Wep, Tkip, Aes };

struct NetworkSpec {
    int line = 0;
    std::string ssid;                      // empty = hidden
    Mac bssid{};
    int channel = 0;                       // J8, J12 and J16 are 208, 212 and 216
    int rssi = -60;                        // dBm
    Security security = Security::Open;
    Cipher cipher = Cipher::None;
    bool adhoc = false;
    std::vector<std::uint8_t> rates;       // 500 kbit/s units, 0x80 = basic rate
    std::uint16_t beaconPeriod = 100;      // TU
    Bytes ies;                             // raw information elements after the fixed ones
    std::int64_t appearAt = -1;            // in the air from then (ms); -1: from the start
    std::int64_t vanishAt = -1;            // gone from then (ms); -1: never
    bool connectFails = false;             // every connection attempt to it fails
    enum Wps { kWpsNone, kWpsIdle, kWpsPin, kWpsPbc };
    Wps wps = kWpsNone;                    // WPS element; PIN/PBC add a device password id
    std::string wpsPin;                    // 8 digits: the PIN its registrar (or itself) takes; empty: none
    bool ht = false;                       // 802.11n elements (HT capabilities, HT operation)
    std::vector<Mac> dlsPeers;             // stations of this BSS that accept a direct link
    // The network's key: a WEP key (10 or 26 hex digits, or 5 or 13 characters) at keyIndex,
    // or a WPA passphrase (8-63 characters) or 64 hex digits. Without one any key fits.
    bool hasKey = false;
    std::string key;
    int keyIndex = 0;                      // WEP: the slot of the AP's transmit key
};

// A network connection of the machine, as the home-networking configuration and the IP
// configuration listing show it.
enum class IcsRole { None, Public, Private };

struct ConnectionSpec {
    int line = 0;
    std::string name;                      // unique, case-insensitive
    std::string guid;                      // "{...}", upper case
    std::string description;
    bool ppp = false;                      // a dial-up ("PPP adapter") rather than "Ethernet adapter"
    Mac mac{};
    std::string ip;                        // dotted; empty: media disconnected
    std::string mask = "255.255.255.0";
    std::string gateway;
    bool dhcp = false;
    std::string dnsSuffix;
    IcsRole sharing = IcsRole::None;       // changes as the programs share and unshare
};

// A system service the service control manager knows.
struct ServiceSpec {
    int line = 0;
    std::string name;
    bool running = true;
};

struct Scenario {
    std::vector<AdapterSpec> adapters;
    std::vector<NetworkSpec> networks;
    std::vector<ConnectionSpec> connections;
    std::vector<ServiceSpec> services;
    BridgeSpec bridge;
};

struct ParseError {
    int line = 0;                          // 0: not tied to a line (e.g. the file did not open)
    std::string message;
    std::string Text() const;              // "line 12: ..." or the message alone
};

bool ParseScenario(const std::string& text, Scenario* out, ParseError* error);

// Query OID that a set OID stands for: bit 23 cleared, 0xFF81/0xFF82 back to 0x0D01/0x0D02.
std::uint32_t QueryOidOf(std::uint32_t oidAsSent);
inline bool IsSetOid(std::uint32_t oidAsSent) { return (oidAsSent & 0x00800000u) != 0; }

bool Is5GHzChannel(int channel);
struct GuidParts {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0, data3 = 0;
    std::uint8_t data4[8] = {};
};
bool ParseGuidText(const std::string& text, GuidParts* out);  // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"

}  // namespace platform::sim
