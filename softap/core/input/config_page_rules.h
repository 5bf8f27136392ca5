#pragma once
// What the Config page's lists hold and how they follow each other: the modes an adapter
// offers, the rate, region, MCS, channel and extension-channel lists, the 40 MHz rule of
// mode B/G/N, the transmit-rate label, and the record's defaults. Window-less.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "softap/core/config/ap_settings.h"

class CHTTable;

namespace softap {

// In the page's order: B/G, B, A (5 GHz), G, then on an 802.11n adapter B/G/N and A/N (5 GHz).
std::vector<std::string> OfferedModeTexts(bool has5GHz, bool isHt);

// Index 0 "Auto". Mode 1: the four CCK rates; 2, 4, 7, 8, 10: the eight OFDM rates; 0, 3,
// 5, 9: both (13 entries); mode 6 (N only) and any other: empty.
std::vector<std::string> RateTexts(int mode);

// "Auto", "ON", "OFF"; "Long Preamble", "Short Preamble"; "100 %" .. "25 %", "Lowest".
std::vector<std::string> ProtectionTexts();
std::vector<std::string> PreambleTexts();
std::vector<std::string> TxPowerTexts();

// The eight 2.4 GHz region rows; the eleven 5 GHz rows, only 0 to 8 on chips 6 to 8.
std::vector<std::string> Region24Texts();
std::vector<std::string> Region5Texts(int chipIndex);

// Which region rows a mode shows; mode 6 (and any unknown mode) leaves them as they are.
struct RegionRows {
    bool show24 = false;
    bool show5 = false;
};
std::optional<RegionRows> RegionRowsFor(int mode);

// The MCS rows by the adapter's 802.11n index and HT mode: index 1 mixed mode "0".."4",
// index 1 green field "5".."14", index 2 or 3 "Auto", "0".."15", "32"; else none.
std::vector<std::string> McsTexts(int htIndex, int htMode);

// The channel list of a mode from the two region lists. In mode 8 with 40 MHz, 140 and 165
// are left out. In mode 9 the result also says whether 40 MHz may be chosen: only when the
// adapter and the driver allow it in the 2.4 GHz band and the list spans at least 4
// channels (its last channel at least 4 above its first); 40 MHz is then on, else off.
struct ChannelChoice {
    std::vector<uint8_t> channels;
    std::optional<bool> bw40;  // mode 9 only
};
ChannelChoice ChannelsFor(int mode, const std::vector<uint8_t>& list24, const std::vector<uint8_t>& list5, int bw40,
                          int allowBw40Capability, int allowBw40InBgBand);

// The row of texts that holds the channel of `text` ("J8" compares as 208), or -1.
int FindChannelRow(const std::vector<std::string>& texts, const std::string& text);

// The 40 MHz partner of a 5 GHz channel (36-40, 44-48, ... 157-161, both ways), or 0.
int PartnerChannel5(int channel);
// The extension-channel rows of a channel: above 35 its partner or "none"; on 2.4 GHz the
// listed channels exactly 4 above and 4 below it.
std::vector<std::string> ExtensionChannelTexts(int channel, const std::vector<uint8_t>& listed);

// "Tx Rate: ..." from the rate table: by (40 MHz, short GI, MCS) for 802.11n index 2 or 3,
// by the MCS as a rate index with its width for index 1; "Tx Rate: Not Available" without
// a row.
std::string TxRateLabel(const CHTTable& table, int htIndex, int bw40, int shortGi, int mcs);

// The access-point name of the adapter's address: "AP" and its twelve upper-case digits.
std::string ApNameOfMac(const uint8_t mac[6]);
// The SSID the access point starts with: "DaduVE-" and the address's last byte.
std::string DefaultSsidOfMac(const uint8_t mac[6]);

// DEFAULT: every field of the record but the regions and the channel back to what a new
// access point has (thresholds FragThresh 2347, RtsThresh 2346); the channel text is
// emptied, so the list selects its first entry.
void ResetToDefaults(DaduVeSettings& settings, const uint8_t mac[6]);

}  // namespace softap
