#pragma once
// The radio records a connect sends for the adapter's wireless mode: the desired-rate list,
// the supported/extended rate record, and the 802.11n settings unpacked from their word.
// Rates are in 500 kb/s units; 0x80 marks a basic rate. Window-less.
#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t kDesiredRatesSize = 8;   // OID_802_11_DESIRED_RATES
constexpr std::size_t kRateRecordSize = 26;    // count, 12 rates, count, 12 extended rates
constexpr std::size_t kHtSettingsSize = 12;

using DesiredRates = std::array<uint8_t, kDesiredRatesSize>;
using RateRecord = std::array<uint8_t, kRateRecordSize>;
using HtSettingsRecord = std::array<uint8_t, kHtSettingsSize>;

// Modes 5, 6 and 9 (802.11n) get neither the mode's desired rates nor a rate record.
bool IsHtWirelessMode(int wirelessMode);

// Desired rates of a mode when the adapter's defaults apply.
DesiredRates DefaultDesiredRates(int wirelessMode);
// Supported and extended rates of a mode (26 bytes, the unused rest zero).
RateRecord BuildRateRecord(int wirelessMode);
// Desired rates of an 802.11n mode: the full list when the MCS (bits 4-10 of the 802.11n
// settings word) is 33, "auto", else the top rate alone.
DesiredRates HtDesiredRates(uint32_t htSettingsWord);

// The 802.11n settings word split into the driver's record: byte 0 wireless mode (bits 0-3),
// 1 operating mode (bits 14-15), 2 bandwidth (bit 11), 3 short guard interval (bit 12),
// 4 STBC (bit 13), 5 MCS (bits 4-10), 6 extension channel (bits 17-18), 7 HT mode (bit 16).
// The extension channel sits at byte 6 because the driver's answer to the matching query
// carries it there.
HtSettingsRecord UnpackHtSettings(uint32_t htSettingsWord);

constexpr uint32_t HtMcsBits(uint32_t htSettingsWord) { return (htSettingsWord >> 4) & 0x7F; }
constexpr uint32_t kHtMcsAuto = 33;

// The rates a profile applied with the driver's own settings asks for: by the wireless mode
// alone without a stored TransRate, else the one rate it names (B and G rates 1-12, A rates
// 1-8; a number past the mode's rates means all of them).
DesiredRates ProfileDesiredRates(int wirelessMode, bool hasTransRate, long transRate, uint32_t htSettingsWord);

// The 802.11n settings word from the wireless mode, the extension channel the driver
// reports (byte 6 of its 802.11n answer) and the stored TransmitSetting when there is one.
uint32_t ProfileHtSettingsWord(int wirelessMode, uint8_t extensionChannel, bool hasTransmitSetting,
                               uint32_t transmitSetting);

// The driver's ad hoc OFDM code of a wireless mode; -1 for a mode that has none.
int AdhocOfdmCode(int wirelessMode);
