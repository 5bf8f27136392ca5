#pragma once
// The fixed records the two configuration pushes send, little-endian, all bytes not named
// here zero.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace softap {

// HT setting: 0 PHY mode (u32), 4 transmit mode (2 = HT), 5 HT mode, 6 extension channel,
// 7 MCS, 8 40 MHz, 9 STBC, 10 short guard interval, 11 reserved.
using HtSettingRecord = std::array<uint8_t, 12>;
struct HtSetting {
    int phyMode = 0;
    int transmitMode = 2;
    int htMode = 0;
    int extChannel = 0;
    int mcs = 0;
    int bw40 = 0;
    int stbc = 0;
    int shortGi = 0;
};
HtSettingRecord BuildHtSetting(const HtSetting& s);

// NDIS_802_11_CONFIGURATION: 0 length (32), 4 beacon period, 8 ATIM window, 12 DS
// frequency (kHz), 16 frequency-hopping part.
constexpr size_t kConfigurationSize = 32;
constexpr size_t kConfigBeaconOffset = 4;
constexpr size_t kConfigFrequencyOffset = 12;

// AP options: 0 TXBurst, 4 TurboRate, 8 NoForwarding, 12 HideSSID, 16 BGProtection,
// 20 ShortSlot (u32 each), 24 IdleTime (u16), 26..31 kept as the driver returned them.
constexpr size_t kApOptionsSize = 32;
enum ApOption : size_t {
    kOptTxBurst = 0,
    kOptTurboRate = 4,
    kOptNoForwarding = 8,
    kOptHideSsid = 12,
    kOptBgProtection = 16,
    kOptShortSlot = 20,
    kOptIdleTime = 24,  // 16 bits
};

// RADIUS: 0 server IPv4 address, 4 port, 8 shared secret (64 bytes, zero-filled).
using RadiusRecord = std::array<uint8_t, 72>;
RadiusRecord BuildRadiusRecord(uint32_t ip, uint32_t port, const std::string& key);

// Group rekeying: 0 method, 4 interval.
using RekeyRecord = std::array<uint8_t, 8>;
RekeyRecord BuildRekeyRecord(uint32_t method, uint32_t interval);

// Transmit power in percent by TXPower index: 100, 75, 50, 25, 12; any other 100.
uint32_t TxPowerPercent(int txPower);

// Country region word: 5 GHz code in the second byte, 2.4 GHz code in the first.
uint32_t CountryRegionWord(int region24, int region5);

// NDIS_802_11_KEY of the pairwise master key: 0 length 71, 4 index 0x80000000, 8 key
// length 32, 12 BSSID 0, 24 key RSC 0, 32 key.
constexpr size_t kPskKeyRecordSize = 71;
using PskKeyRecord = std::array<uint8_t, kPskKeyRecordSize>;
PskKeyRecord BuildPskKeyRecord(const uint8_t key[32]);

// NDIS_802_11_KEY of WEP key n (1..4): length 39 + key bytes (44 or 52), index n - 1 with
// bit 31 for the default key, BSSID FF:FF:FF:FF:FF:FF, key length 5 or 13, then the key.
std::vector<uint8_t> BuildWepKeyRecord(int keyNumber, bool isDefault, const uint8_t* key, size_t keyLength);

// NDIS_802_11_REMOVE_KEY of WEP key n: length 16, index n - 1, BSSID FF:FF:FF:FF:FF:FF.
using RemoveKeyRecord = std::array<uint8_t, 16>;
RemoveKeyRecord BuildRemoveKeyRecord(int keyNumber);

// NDIS_802_11_SSID: length, then 32 bytes of SSID text; a longer text is cut to 32.
using SsidRecord = std::array<uint8_t, 36>;
SsidRecord BuildSsidRecord(const std::string& ssid);

// The SSID as stored: never more than the 32 bytes an SSID holds.
std::string CutSsid(const std::string& ssid);

}  // namespace softap
