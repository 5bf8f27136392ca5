#pragma once
// Expected driver calls, compared entry by entry with the simulated driver's journal, and
// the records of the soft-AP OIDs written out field by field.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/sim/world.h"

namespace steps {

using Bytes = platform::sim::Bytes;

// OIDs as they reach the driver (sets carry bit 23).
constexpr uint32_t kMacQ = 0x01010102;
constexpr uint32_t kSsidS = 0x0D810102;
constexpr uint32_t kAuthS = 0x0D810118;
constexpr uint32_t kEncS = 0x0D81011B;
constexpr uint32_t kAddKeyS = 0x0D81011D;
constexpr uint32_t kRemoveKeyS = 0x0D81011E;
constexpr uint32_t kFragQ = 0x0D010209, kFragS = 0x0D810209;
constexpr uint32_t kRtsQ = 0x0D01020A, kRtsS = 0x0D81020A;
constexpr uint32_t kRatesS = 0x0D810210;
constexpr uint32_t kConfigQ = 0x0D010211, kConfigS = 0x0D810211;
constexpr uint32_t kPreambleQ = 0x0D710101, kPreambleS = 0x0DF10101;
constexpr uint32_t kRegionS = 0x0DF10107;
constexpr uint32_t kPhyS = 0x0DF1010C;
constexpr uint32_t kOptionsQ = 0x0D71010F, kOptionsS = 0x0DF1010F;
constexpr uint32_t kAclS = 0x0DF10110;
constexpr uint32_t kWdsS = 0x0DF10112;
constexpr uint32_t kRadiusQ = 0x0D710113, kRadiusS = 0x0DF10113;
constexpr uint32_t kRekeyQ = 0x0D710114, kRekeyS = 0x0DF10114;
constexpr uint32_t kTxPowerS = 0x0DF10118;
constexpr uint32_t kHtS = 0x0DF1013B;

struct Step {
    uint32_t oid = 0;
    bool set = false;
    Bytes bytes;
    bool checkBytes = false;
};

// A stored station list of n entries as another program may write it: the first entry
// again in lower case and a text that is no address come right after it, so that the
// first 32 valid, distinct entries are FirstStations(32).
inline std::string Station(int i) {
    char mac[16];
    std::snprintf(mac, sizeof(mac), "02AB%08X", static_cast<unsigned>(i));
    return mac;
}
inline std::vector<std::string> FirstStations(int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(Station(i));
    return out;
}
inline std::vector<std::string> StationList(int n) {
    std::vector<std::string> out = FirstStations(n);
    out.insert(out.begin() + 1, {"02ab00000000", "02AB0000000G"});
    return out;
}

inline Step Q(uint32_t oid) { return {oid, false, {}, false}; }
inline Step S(uint32_t oid, Bytes bytes) { return {oid, true, std::move(bytes), true}; }

inline std::string Hex(const Bytes& b) {
    std::string s;
    char t[4];
    for (uint8_t x : b) {
        std::snprintf(t, sizeof(t), "%02X ", x);
        s += t;
    }
    return s;
}

inline std::string Describe(uint32_t oid, bool set) {
    char t[32];
    std::snprintf(t, sizeof(t), "%s 0x%08X", set ? "set" : "query", oid);
    return t;
}

inline void ExpectJournal(const platform::sim::World& world, const std::vector<Step>& expected) {
    const auto journal = world.Journal();
    const size_t n = journal.size() > expected.size() ? journal.size() : expected.size();
    for (size_t i = 0; i < n; ++i) {
        if (i >= journal.size()) {
            ADD_FAILURE() << "call " << i << " missing: " << Describe(expected[i].oid, expected[i].set);
            continue;
        }
        const auto& got = journal[i];
        if (i >= expected.size()) {
            ADD_FAILURE() << "call " << i << " not expected: " << Describe(got.oid, got.set);
            continue;
        }
        const Step& want = expected[i];
        if (got.oid != want.oid || got.set != want.set) {
            ADD_FAILURE() << "call " << i << ": " << Describe(got.oid, got.set) << ", expected "
                          << Describe(want.oid, want.set);
            continue;
        }
        if (want.checkBytes) {
            EXPECT_EQ(Hex(got.in), Hex(want.bytes)) << "call " << i << ": " << Describe(got.oid, true);
        }
        if (want.set) {
            EXPECT_TRUE(got.result) << "call " << i << " refused: " << Describe(got.oid, true);
        }
    }
}

// ---- records, field by field

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}
inline Bytes U32(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}
inline Bytes U16(uint16_t v) { return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}; }
inline Bytes Zeros(size_t n) { return Bytes(n, 0); }
inline Bytes Fill(size_t n, uint8_t v) { return Bytes(n, v); }
inline Bytes Text(const std::string& t) { return Bytes(t.begin(), t.end()); }
inline Bytes FromHex(const std::string& hex) {
    Bytes out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

// NDIS_802_11_SSID.
inline Bytes Ssid(const std::string& ssid) { return Cat({U32(static_cast<uint32_t>(ssid.size())), Text(ssid), Zeros(32 - ssid.size())}); }
// NDIS_802_11_CONFIGURATION.
inline Bytes Config(uint32_t beacon, uint32_t kHz) { return Cat({U32(32), U32(beacon), U32(0), U32(kHz), Zeros(16)}); }
// NDIS_802_11_KEY: length, index, key length, BSSID, 6 padding bytes, RSC, key, 7 bytes.
inline Bytes Key(uint32_t index, const Bytes& bssid, const Bytes& key) {
    return Cat({U32(static_cast<uint32_t>(39 + key.size())), U32(index), U32(static_cast<uint32_t>(key.size())), bssid,
                Zeros(6), Zeros(8), key, Zeros(7)});
}
inline Bytes Psk(const std::string& hex) { return Key(0x80000000u, Zeros(6), FromHex(hex)); }
inline Bytes Wep(int n, bool isDefault, const std::string& hex) {
    return Key(static_cast<uint32_t>(n - 1) | (isDefault ? 0x80000000u : 0u), Fill(6, 0xFF), FromHex(hex));
}
inline Bytes RemoveKey(int n) { return Cat({U32(16), U32(static_cast<uint32_t>(n - 1)), Fill(6, 0xFF), Zeros(2)}); }
inline Bytes Acl(uint32_t policy, const std::vector<std::string>& macs) {
    Bytes out = Cat({U32(policy), U32(static_cast<uint32_t>(macs.size()))});
    for (const std::string& m : macs) out = Cat({out, FromHex(m), Zeros(2)});
    return Cat({out, Zeros((32 - macs.size()) * 8)});
}
inline Bytes Wds(uint32_t count, const std::vector<std::string>& macs, const std::string& keyHex) {
    Bytes out = U32(count);
    for (const std::string& m : macs) out = Cat({out, FromHex(m)});
    out = Cat({out, Zeros((3 - macs.size()) * 6), Zeros(2)});
    if (keyHex.empty()) return Cat({out, U32(0), Zeros(32)});
    return Cat({out, U32(32), FromHex(keyHex)});
}
inline Bytes Ht(uint32_t phy, uint8_t htMode, uint8_t ext, uint8_t mcs, uint8_t bw40, uint8_t stbc, uint8_t sgi) {
    return Cat({U32(phy), {2, htMode, ext, mcs, bw40, stbc, sgi, 0}});
}
inline Bytes Rates(std::initializer_list<uint8_t> rates) {
    Bytes out(rates);
    out.resize(8, 0);
    return out;
}
// AP options: TXBurst, TurboRate, NoForwarding, HideSSID, BGProtection, ShortSlot, idle
// time (16 bits), then six bytes the driver keeps.
inline Bytes Options(uint32_t burst, uint32_t turbo, uint32_t noForward, uint32_t hide, uint32_t bg, uint32_t shortSlot,
                     uint16_t idle, const Bytes& tail) {
    return Cat({U32(burst), U32(turbo), U32(noForward), U32(hide), U32(bg), U32(shortSlot), U16(idle), tail});
}
inline Bytes Radius(uint32_t ip, uint32_t port, const std::string& key) {
    return Cat({U32(ip), U32(port), Text(key), Zeros(64 - key.size())});
}
inline Bytes Rekey(uint32_t method, uint32_t interval) { return Cat({U32(method), U32(interval)}); }

}  // namespace steps
