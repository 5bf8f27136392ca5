#pragma once
// What the Advanced page stores and sends, without the page: the wireless-mode texts, the
// transmit-rate and country-region lists, and the CCX2Control and TransmitSetting words.
// Window-less.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// ---- wireless mode

// The text of a driver wireless-mode number (the string table holds the same texts): 6 has
// none, and any other number the table lacks reads as "802.11 B/G mix".
std::string WirelessModeText(int mode);
// The other way: an empty text is 6, any other unknown text 0.
int WirelessModeFromText(const std::string& text);

// ---- transmit rate

// Positions 1 and up of the TX Rate list (position 0 is "Auto"), as indices into the twelve
// legacy rates 1, 2, 5.5, 11, 6, 9, 12, 18, 24, 36, 48, 54 Mbit/s.
std::vector<int> TxRateChoices(int mode);
// B only keeps protection off and a rate among its four; A only (with 5 GHz) among its eight.
void ForceModeLimits(int mode, bool supports5GHz, int* protection, int* rateIndex);

// The 132-byte record of OID 0x0D01031A: the rate count, then the rates (500 kbit/s units,
// 0x80 marking a basic rate), the rest zero.
constexpr std::size_t kSupportedRatesSize = 132;
std::array<uint8_t, kSupportedRatesSize> SupportedRatesRecord(int mode);

// ---- country region

// The 2.4 GHz list by chip (two tables) and the 5 GHz list (chips 6-8, else empty); the
// position in the list is the region code.
std::vector<std::string> Region24Texts(int chipIndex);
std::vector<std::string> Region5Texts(int chipIndex);
// Last minus first channel of a 2.4 GHz entry's "CHa-b" range; 0 for a single channel.
int RegionChannelSpan(const std::string& text);

// ---- CCX2Control

struct CcxSettings {
    bool ccx = false;
    bool cckm = false;
    bool radioMeasurements = false;
    bool nonServing = false;
    bool qos = false;
    bool fastRoaming = false;
    int limitMs = 250;        // 0-2000
    int thresholdDbm = -70;   // -90 to -60
};

constexpr int kCcxLimitMax = 2000;
constexpr int kCcxLimitDefault = 250;
constexpr int kRoamThresholdMin = -90;
constexpr int kRoamThresholdMax = -60;
constexpr int kRoamThresholdDefault = -70;

// The driver key's value as the page writes it: bits 0-5 the switches (CCKM implies CCX, non-
// serving needs radio measurements, all of them need CCX), bits 8-15 the roaming threshold's
// magnitude, bits 16-31 the limit; without CCX the limit stays 250, without fast roaming the
// threshold stays 70.
uint32_t PackCcx2Control(const CcxSettings& s);
// A limit above 2000 reads as 250, a threshold outside -90..-60 as -70.
CcxSettings UnpackCcx2Control(uint32_t value);

// ---- TransmitSetting (802.11n)

struct HtPhySettings {
    int wirelessMode = 0;  // bits 0-3
    int mcs = 33;          // bits 4-10; 33 is "Auto"
    int bw = 1;            // bit 11: 1 = 40 MHz allowed ("Auto")
    int gi = 1;            // bit 12: 1 = short guard interval allowed ("Auto")
    int stbc = 1;          // bit 13
    int htMode = 0;        // bit 16: 0 mixed mode, 1 greenfield
    int extension = 0;     // bits 17-18: 0 none, 1 above, 2 below
};

constexpr uint32_t kHtOperatingModeBits = 2u << 14;  // bits 14-15, always 2

uint32_t PackTransmitSetting(const HtPhySettings& s);
HtPhySettings UnpackTransmitSetting(uint32_t word);
