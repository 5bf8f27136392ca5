#include "platform/sim/sim_wlan_bss.h"

#include <algorithm>

namespace platform::sim {
namespace {

constexpr std::uint8_t kEidSsid = 0, kEidRates = 1, kEidDs = 3, kEidIbss = 6, kEidHtCap = 45, kEidRsn = 48,
                       kEidExtRates = 50, kEidHtOp = 61, kEidVendor = 221;

// Byte-wise appends: gcc 12 misreads range inserts of short vectors as out of bounds.
void Append(Bytes& out, const std::uint8_t* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) out.push_back(p[i]);
}

void Append(Bytes& out, const Bytes& more) { Append(out, more.data(), more.size()); }

void Element(Bytes& out, std::uint8_t id, const Bytes& body) {
    out.push_back(id);
    out.push_back(static_cast<std::uint8_t>(body.size()));
    Append(out, body);
}

void Le16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Be16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v >> 8));
    b.push_back(static_cast<std::uint8_t>(v));
}

std::uint8_t SuiteType(Cipher c) {
    switch (c) {
    case Cipher::Wep: return 1;
    case Cipher::Aes: return 4;
    case Cipher::Tkip:
    case Cipher::None: return 2;
    }
    return 2;
}

// Version, group suite, one pairwise suite, one key-management suite (1 802.1X, 2 PSK).
Bytes SecurityBody(const std::uint8_t oui[3], Cipher c, std::uint8_t akm, bool rsnCapabilities) {
    Bytes b;
    Le16(b, 1);
    Append(b, oui, 3);
    b.push_back(SuiteType(c));
    Le16(b, 1);
    Append(b, oui, 3);
    b.push_back(SuiteType(c));
    Le16(b, 1);
    Append(b, oui, 3);
    b.push_back(akm);
    if (rsnCapabilities) Le16(b, 0);
    return b;
}

}  // namespace

std::vector<std::uint8_t> RatesOf(const NetworkSpec& n) {
    if (!n.rates.empty()) return n.rates;
    if (n.channel > 14) return {0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C};
    return {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24, 0x30, 0x48, 0x60, 0x6C};
}

DOT11_PHY_TYPE PhyTypeOf(const NetworkSpec& n) {
    if (n.ht) return dot11_phy_type_ht;
    if (n.channel > 14) return dot11_phy_type_ofdm;
    for (std::uint8_t r : RatesOf(n))
        if ((r & 0x7F) > 22) return dot11_phy_type_erp;  // an OFDM rate above 11 Mbit/s
    return dot11_phy_type_hrdsss;
}

ULONG ChannelKhz(int channel) {
    if (channel == 14) return 2484000;
    if (channel >= 1 && channel <= 13) return 2412000 + 5000 * static_cast<ULONG>(channel - 1);
    if (channel >= 200) return 5000000 + 5000 * static_cast<ULONG>(channel - 200);  // J8, J12, J16
    return 5000000 + 5000 * static_cast<ULONG>(channel);
}

USHORT CapabilityOf(const NetworkSpec& n) {
    USHORT c = n.adhoc ? 0x0002 : 0x0001;
    if (n.security != Security::Open) c |= 0x0010;
    if (n.channel <= 14) c |= 0x0020 | 0x0400;  // short preamble, short slot
    return c;
}

DOT11_AUTH_ALGORITHM AuthAlgorithmOf(Security s) {
    switch (s) {
    case Security::Open:
    case Security::Wep: return DOT11_AUTH_ALGO_80211_OPEN;
    case Security::WpaPsk: return DOT11_AUTH_ALGO_WPA_PSK;
    case Security::Wpa2Psk: return DOT11_AUTH_ALGO_RSNA_PSK;
    case Security::Wpa: return DOT11_AUTH_ALGO_WPA;
    case Security::Wpa2: return DOT11_AUTH_ALGO_RSNA;
    }
    return DOT11_AUTH_ALGO_80211_OPEN;
}

DOT11_CIPHER_ALGORITHM CipherAlgorithmOf(Cipher c) {
    switch (c) {
    case Cipher::None: return DOT11_CIPHER_ALGO_NONE;
    case Cipher::Wep: return DOT11_CIPHER_ALGO_WEP;
    case Cipher::Tkip: return DOT11_CIPHER_ALGO_TKIP;
    case Cipher::Aes: return DOT11_CIPHER_ALGO_CCMP;
    }
    return DOT11_CIPHER_ALGO_NONE;
}

ULONG QualityOf(int dbm) {
    long q = 2L * (static_cast<long>(dbm) + 100);
    return static_cast<ULONG>(std::clamp(q, 0L, 100L));
}

Bytes BuildInformationElements(const NetworkSpec& n) {
    Bytes out;
    Element(out, kEidSsid, Bytes(n.ssid.begin(), n.ssid.end()));

    std::vector<std::uint8_t> rates = RatesOf(n);
    std::size_t head = std::min<std::size_t>(rates.size(), 8);
    Element(out, kEidRates, Bytes(rates.begin(), rates.begin() + static_cast<long>(head)));
    if (n.channel <= 14) Element(out, kEidDs, Bytes{static_cast<std::uint8_t>(n.channel)});
    if (n.adhoc) Element(out, kEidIbss, Bytes{0, 0});

    if (n.ht) {
        Bytes cap;
        Le16(cap, 0x186E);          // 20/40 MHz, short GI, max A-MSDU 7935
        cap.push_back(0x17);        // A-MPDU parameters
        Bytes mcs(16, 0);
        mcs[0] = mcs[1] = 0xFF;     // MCS 0-15
        Append(cap, mcs);
        cap.resize(26, 0);          // extended capabilities, beamforming, antenna selection
        Element(out, kEidHtCap, cap);
    }
    if (n.security == Security::Wpa2 || n.security == Security::Wpa2Psk) {
        static const std::uint8_t kRsnOui[3] = {0x00, 0x0F, 0xAC};
        Element(out, kEidRsn, SecurityBody(kRsnOui, n.cipher, n.security == Security::Wpa2 ? 1 : 2, true));
    }
    if (rates.size() > 8) Element(out, kEidExtRates, Bytes(rates.begin() + 8, rates.end()));
    if (n.ht) {
        Bytes op(22, 0);
        op[0] = static_cast<std::uint8_t>(n.channel >= 200 ? n.channel - 200 : n.channel);
        Element(out, kEidHtOp, op);
    }
    if (n.security == Security::Wpa || n.security == Security::WpaPsk) {
        static const std::uint8_t kWpaOui[3] = {0x00, 0x50, 0xF2};
        Bytes body{0x00, 0x50, 0xF2, 0x01};
        Bytes rest = SecurityBody(kWpaOui, n.cipher, n.security == Security::Wpa ? 1 : 2, false);
        Append(body, rest);
        Element(out, kEidVendor, body);
    }
    if (n.wps != NetworkSpec::kWpsNone) {
        Bytes body{0x00, 0x50, 0xF2, 0x04};
        Be16(body, 0x104A);  // version 1.0
        Be16(body, 1);
        body.push_back(0x10);
        Be16(body, 0x1044);  // configured
        Be16(body, 1);
        body.push_back(0x02);
        if (n.wps == NetworkSpec::kWpsPin || n.wps == NetworkSpec::kWpsPbc) {
            Be16(body, 0x1041);  // selected registrar
            Be16(body, 1);
            body.push_back(0x01);
            Be16(body, 0x1012);  // device password id: 0 PIN, 4 push button
            Be16(body, 2);
            Be16(body, n.wps == NetworkSpec::kWpsPbc ? 0x0004 : 0x0000);
        }
        Element(out, kEidVendor, body);
    }
    Append(out, n.ies);
    return out;
}

}  // namespace platform::sim
