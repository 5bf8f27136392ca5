// The simulated driver's WSC exchange. A run reports "Scanning AP" first; then a PIN run
// looks for the access point its record names (by BSSID, else by SSID) among the networks
// in the air that offer WPS, a push-button run for the one network in push-button mode.
// From there each state of the exchange lasts kStepMs: the enrollee's M1 to M8, the
// registrar's M1 to M8, then "Configured" (15). Failures end in 516 ("WPS Eap process
// failed"): a wrong PIN after reporting 262 for a while, two push-button networks after
// 257, no push-button network or no registrar PIN within the walk time of 120 s. A PIN run
// whose access point is not there ends in 513.
#include "platform/sim/sim_wps.h"

#include <algorithm>
#include <cstring>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr std::uint32_t kOidStart = 0xFF0C002A;
constexpr std::uint32_t kOidAssociateIe = 0xFF0C002B;
constexpr std::uint32_t kOidProbeIe = 0xFF0C002C;
constexpr std::uint32_t kOidStatus = 0xFF0C002D;
constexpr std::uint32_t kOidCredentials = 0xFF0C002E;
constexpr std::uint32_t kOidButton = 0xFF0C002F;
constexpr std::uint32_t kOidSetCredentials = 0xFF0C0049;

constexpr std::uint32_t kMethodPin = 0x10000000;
constexpr std::uint32_t kMethodPbc = 0x20000000;
constexpr DWORD kStartSize = 56;
constexpr DWORD kTableSize = 996;
constexpr std::size_t kEntrySize = 124;
constexpr std::uint64_t kStepMs = 250;
constexpr std::uint64_t kWarningMs = 2000;   // 257 and 262 are seen before the run ends
constexpr std::uint64_t kWalkMs = 120000;

enum : std::uint32_t {
    kScanning = 2, kConfigured = 15, kRecvM2D = 20, kSendM2D = 36, kOverlap = 257, kNoPbcAp = 258,
    kEapFail = 259, kWrongPin = 262, kInvalidSsid = 513, kFailed = 516,
};
// The states before the PIN is proved, and after it, by role.
const std::uint32_t kEnrolleeBefore[] = {3, 4, 5, 6, 17, 18, 19, 21, 22};
const std::uint32_t kEnrolleeAfter[] = {23, 24, 25, 26, 27};
const std::uint32_t kRegistrarBefore[] = {3, 4, 5, 6, 34, 35, 37, 38};
const std::uint32_t kRegistrarAfter[] = {39, 40, 41, 42, 43};

std::uint32_t U32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void Put32(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }

bool InAirAt(const NetworkSpec& n, std::uint64_t now) {
    if (n.appearAt >= 0 && now < static_cast<std::uint64_t>(n.appearAt)) return false;
    if (n.vanishAt >= 0 && now >= static_cast<std::uint64_t>(n.vanishAt)) return false;
    return true;
}

bool AllHex(const std::string& k) {
    return std::all_of(k.begin(), k.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

std::uint32_t AuthTypeOf(Security s) {
    switch (s) {
    case Security::WpaPsk: return 0x02;
    case Security::Wpa: return 0x08;
    case Security::Wpa2: return 0x10;
    case Security::Wpa2Psk: return 0x20;
    default: return 0x01;  // open, also open-system WEP
    }
}

std::uint32_t EncryTypeOf(Cipher c) {
    switch (c) {
    case Cipher::Wep: return 0x02;
    case Cipher::Tkip: return 0x04;
    case Cipher::Aes: return 0x08;
    default: return 0x01;
    }
}

// A network without a key in the scenario takes any key: it hands out one of its own.
std::string HandedKey(const NetworkSpec& n) {
    if (n.hasKey) return n.key;
    static const char kHex[] = "0123456789ABCDEF";
    std::string key;
    const std::size_t size = n.cipher == Cipher::Wep ? 26 : n.cipher == Cipher::None ? 0 : 64;
    for (std::size_t i = 0; i < size; ++i) key += kHex[(n.bssid[i % 6] + i * 7) & 0xF];
    return key;
}

// What the access point hands the enrollee: one credential.
void FillEnrolleeTable(Bytes& table, const NetworkSpec& n, const AdapterSpec& adapter) {
    std::fill(table.begin(), table.end(), 0);
    Put32(table.data(), 1);
    std::uint8_t* e = table.data() + 4;
    const std::size_t ssidLength = std::min<std::size_t>(n.ssid.size(), 32);
    Put32(e, static_cast<std::uint32_t>(ssidLength));
    std::memcpy(e + 4, n.ssid.data(), ssidLength);
    Put32(e + 36, AuthTypeOf(n.security));
    Put32(e + 40, EncryTypeOf(n.cipher));
    Put32(e + 44, n.cipher == Cipher::Wep ? static_cast<std::uint32_t>(n.keyIndex) : 0);
    const std::string key = HandedKey(n);
    const std::size_t keyLength = std::min<std::size_t>(key.size(), 64);
    Put32(e + 48, static_cast<std::uint32_t>(keyLength));
    std::memcpy(e + 52, key.data(), keyLength);
    // The credential names the enrollee it was made for.
    if (adapter.hasMac) std::memcpy(e + 116, adapter.mac.data(), 6);
}

// The registrar's entry 0 as the network's new configuration, written over *out; false when
// the access point could not run with it (*out is then spoilt).
bool CredentialAsNetwork(const Bytes& table, NetworkSpec* out) {
    if (U32(table.data()) == 0) return false;
    const std::uint8_t* e = table.data() + 4;
    const std::uint32_t ssidLength = U32(e), auth = U32(e + 36), encry = U32(e + 40), keyLength = U32(e + 48);
    if (ssidLength == 0 || ssidLength > 32 || keyLength > 64) return false;
    NetworkSpec& n = *out;
    n.ssid.assign(reinterpret_cast<const char*>(e + 4), ssidLength);
    n.key.assign(reinterpret_cast<const char*>(e + 52), keyLength);
    n.hasKey = keyLength != 0;
    n.keyIndex = static_cast<int>(U32(e + 44) & 0x7FFFFFFF);
    const std::size_t k = n.key.size();
    switch (encry) {
    case 0x01: n.cipher = Cipher::None; break;
    case 0x02: n.cipher = Cipher::Wep; break;
    case 0x04: n.cipher = Cipher::Tkip; break;
    case 0x08: n.cipher = Cipher::Aes; break;
    default: return false;
    }
    switch (auth) {
    case 0x01:
    case 0x04:
        if (n.cipher == Cipher::None) {
            n.security = Security::Open;
            n.hasKey = false;
            return true;
        }
        if (n.cipher != Cipher::Wep || n.keyIndex > 3) return false;
        n.security = Security::Wep;
        return k == 5 || k == 13 || ((k == 10 || k == 26) && AllHex(n.key));
    case 0x02:
    case 0x20:
        if (n.cipher != Cipher::Tkip && n.cipher != Cipher::Aes) return false;
        n.security = auth == 0x02 ? Security::WpaPsk : Security::Wpa2Psk;
        n.keyIndex = 0;
        return (k >= 8 && k <= 63) || (k == 64 && AllHex(n.key));
    default:
        return false;  // the enterprise modes hand over no key
    }
}

void AddSteps(WpsRunState& w, const std::uint32_t* states, std::size_t count, std::uint64_t* at) {
    for (std::size_t i = 0; i < count; ++i) {
        w.steps.push_back({states[i], *at});
        *at += kStepMs;
    }
}

// The exchange with the access point that was found at time now.
void Script(WpsRunState& w, const NetworkSpec& n, std::uint64_t now) {
    const bool registrar = w.role == 2;
    std::uint64_t at = now;
    AddSteps(w, registrar ? kRegistrarBefore : kEnrolleeBefore, registrar ? 8 : 9, &at);
    if (w.pin && n.wpsPin.empty()) {
        // Nobody on the other side has a PIN: it answers M2D until the walk time is over.
        w.steps.resize(registrar ? 5 : 6);
        at = w.steps.back().at + kStepMs;
        w.steps.push_back({registrar ? kSendM2D : kRecvM2D, at});
        w.steps.push_back({kFailed, std::max(at + kStepMs, w.start + kWalkMs)});
        return;
    }
    if (w.pin && std::memcmp(w.pinDigits, n.wpsPin.data(), 8) != 0) {
        w.steps.push_back({kWrongPin, at});
        w.steps.push_back({kFailed, at + kWarningMs});
        return;
    }
    NetworkSpec configured = n;
    if (registrar && !CredentialAsNetwork(w.table, &configured)) {
        // The access point cannot run with what it was handed: it refuses with EAP-Fail.
        w.steps.push_back({kEapFail, at});
        w.steps.push_back({kFailed, at + kWarningMs});
        return;
    }
    AddSteps(w, registrar ? kRegistrarAfter : kEnrolleeAfter, 5, &at);
    w.steps.push_back({kConfigured, at});
}

void Decide(WpsRunState& w, std::vector<NetworkSpec>& networks, std::uint64_t now) {
    int found = -1, pbc = 0;
    for (std::size_t i = 0; i < networks.size(); ++i) {
        const NetworkSpec& n = networks[i];
        if (n.wps == NetworkSpec::kWpsNone || n.adhoc || !InAirAt(n, now)) continue;
        if (w.pin) {
            const bool byBssid = w.bssid != Mac{};
            if (byBssid ? n.bssid == w.bssid : n.ssid == w.ssid) {
                found = static_cast<int>(i);
                break;
            }
        } else if (n.wps == NetworkSpec::kWpsPbc) {
            ++pbc;
            found = static_cast<int>(i);
        }
    }
    if (w.pin) {
        w.decided = true;
        if (found < 0) w.steps.push_back({kInvalidSsid, now});
        else Script(w, networks[static_cast<std::size_t>(found)], now);
        w.target = found;
        return;
    }
    if (pbc > 1) {
        // Session overlap: more than one registrar has its button pressed.
        w.decided = true;
        w.steps.push_back({kOverlap, now});
        w.steps.push_back({kFailed, now + kWarningMs});
    } else if (pbc == 1) {
        w.decided = true;
        w.target = found;
        Script(w, networks[static_cast<std::size_t>(found)], now);
    } else if (now >= w.start + kWalkMs) {
        w.decided = true;
        w.steps.push_back({kFailed, now});
    } else {
        w.state = kNoPbcAp;
    }
}

void Advance(std::vector<NetworkSpec>& networks, AdapterState& a, std::uint64_t now) {
    WpsRunState& w = a.wps;
    const std::vector<std::int64_t>& presses = a.spec.wpsButtonAt;
    w.buttonsDone.resize(presses.size());
    // Presses in time order, each starting its run at its own time.
    for (;;) {
        std::size_t next = presses.size();
        for (std::size_t i = 0; i < presses.size(); ++i)
            if (!w.buttonsDone[i] && static_cast<std::uint64_t>(presses[i]) <= now &&
                (next == presses.size() || presses[i] < presses[next]))
                next = i;
        if (next == presses.size()) break;
        w.buttonsDone[next] = true;
        PressWpsButton(a, static_cast<std::uint64_t>(presses[next]));
    }
    if (!w.started || w.finished) return;
    if (!w.decided) {
        if (now < w.start + kStepMs) {
            w.state = kScanning;
            return;
        }
        Decide(w, networks, now);
        if (!w.decided) return;
    }
    std::size_t reached = 0;
    for (std::size_t i = 0; i < w.steps.size(); ++i)
        if (w.steps[i].at <= now) reached = i;
    w.state = w.steps.empty() || w.steps[0].at > now ? kScanning : w.steps[reached].state;
    if (reached + 1 < w.steps.size() || w.steps.empty() || w.steps.back().at > now) return;
    w.finished = true;
    if (w.state != kConfigured || w.target < 0) return;
    NetworkSpec& n = networks[static_cast<std::size_t>(w.target)];
    if (w.role == 2) {
        // The access point takes the registrar's credential as its configuration.
        NetworkSpec configured = n;
        if (CredentialAsNetwork(w.table, &configured)) n = configured;
    } else {
        FillEnrolleeTable(w.table, n, a.spec);
    }
}

void Begin(WpsRunState& w, bool pin, std::uint8_t role, std::uint64_t now) {
    w.started = true;
    w.pin = pin;
    w.role = role;
    w.start = now;
    w.decided = false;
    w.finished = false;
    w.target = -1;
    w.steps.clear();
    w.state = kScanning;
    // An enrollee starts without credentials; a registrar keeps the one it hands out.
    if (role == 1) std::fill(w.table.begin(), w.table.end(), 0);
}

DWORD StartRun(WpsRunState& w, const std::uint8_t* p, DWORD n, std::uint64_t now) {
    if (n < kStartSize) return ERROR_INSUFFICIENT_BUFFER;
    const std::uint32_t method = U32(p);
    const std::uint8_t role = p[55];
    if ((method != kMethodPin && method != kMethodPbc) || (role != 1 && role != 2)) return ERROR_INVALID_PARAMETER;
    if (method == kMethodPin) {
        for (int i = 4; i < 12; ++i)
            if (p[i] < '0' || p[i] > '9') return ERROR_INVALID_PARAMETER;
        if (U32(p + 12) > 32) return ERROR_INVALID_PARAMETER;
    }
    Begin(w, method == kMethodPin, role, now);
    if (w.pin) {
        std::memcpy(w.pinDigits, p + 4, 8);
        w.ssid.assign(reinterpret_cast<const char*>(p + 16), U32(p + 12));
        std::memcpy(w.bssid.data(), p + 48, 6);
    }
    return ERROR_SUCCESS;
}

DWORD CheckTable(const std::uint8_t* p, DWORD n) {
    if (n < kTableSize) return ERROR_INSUFFICIENT_BUFFER;
    if (U32(p) > 8) return ERROR_INVALID_PARAMETER;
    for (std::size_t i = 0; i < 8; ++i) {
        const std::uint8_t* e = p + 4 + i * kEntrySize;
        if (U32(e) > 32 || U32(e + 48) > 64) return ERROR_INVALID_PARAMETER;
    }
    return ERROR_SUCCESS;
}

}  // namespace

void PressWpsButton(AdapterState& a, std::uint64_t now) {
    a.wps.buttonLatched = true;
    Begin(a.wps, false, 1, now);
}

bool WpsSet(std::vector<NetworkSpec>& networks, AdapterState& a, std::uint64_t now, std::uint32_t q,
            const std::uint8_t* buf, DWORD length, DWORD* error) {
    Advance(networks, a, now);
    switch (q) {
    case kOidStart: *error = StartRun(a.wps, buf, length, now); break;
    case kOidSetCredentials:
        *error = CheckTable(buf, length);
        if (*error == ERROR_SUCCESS) a.wps.table.assign(buf, buf + kTableSize);
        break;
    case kOidAssociateIe:
    case kOidProbeIe: *error = length < 4 ? ERROR_INSUFFICIENT_BUFFER : ERROR_SUCCESS; break;
    default: return false;
    }
    return true;
}

bool WpsQuery(std::vector<NetworkSpec>& networks, AdapterState& a, std::uint64_t now, std::uint32_t oid,
              std::uint8_t* buf, DWORD length, DWORD* returned, DWORD* error) {
    if (oid != kOidStatus && oid != kOidCredentials && oid != kOidButton) return false;
    Advance(networks, a, now);
    const DWORD size = oid == kOidCredentials ? kTableSize : 4;
    if (length < size) {
        *error = ERROR_INSUFFICIENT_BUFFER;
        return true;
    }
    if (oid == kOidStatus) {
        Put32(buf, a.wps.state | (a.wps.started && a.wps.pin ? kMethodPin : 0));
    } else if (oid == kOidButton) {
        Put32(buf, a.wps.buttonLatched ? 1 : 0);
        a.wps.buttonLatched = false;
    } else {
        std::memcpy(buf, a.wps.table.data(), kTableSize);
    }
    *returned = size;
    *error = ERROR_SUCCESS;
    return true;
}

void World::PressWpsButton(std::size_t i) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->Sync();
    if (i < state_->adapters.size()) platform::sim::PressWpsButton(state_->adapters[i], state_->clock.Now());
}

}  // namespace platform::sim
