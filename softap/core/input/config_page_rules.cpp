#include "softap/core/input/config_page_rules.h"

#include <algorithm>
#include <cstdio>

#include "softap/core/radio/ap_channels.h"
#include "softap/core/config/ap_numbers.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "shared/radio/ht_table.h"

namespace softap {
namespace {

const char* const kCckRates[] = {"1 Mbps", "2 Mbps", "5.5 Mbps", "11 Mbps"};
const char* const kOfdmRates[] = {"6 Mbps", "9 Mbps", "12 Mbps", "18 Mbps", "24 Mbps", "36 Mbps", "48 Mbps", "54 Mbps"};

// The eleven channels 100 to 140 as one range, so that every row fits its list.
std::string JoinChannels(const std::vector<uint8_t>& channels)
{
    std::string text;
    for (size_t i = 0; i < channels.size(); ++i) {
        if (!text.empty())
            text += ',';
        if (channels[i] == 100 && i + 10 < channels.size() && channels[i + 10] == 140) {
            text += "100-140";
            i += 10;
            continue;
        }
        text += DecimalText(static_cast<int>(channels[i]));
    }
    return text;
}

bool Listed(const std::vector<uint8_t>& channels, int channel)
{
    for (uint8_t c : channels)
        if (c == channel)
            return true;
    return false;
}

}  // namespace

std::vector<std::string> OfferedModeTexts(bool has5GHz, bool isHt)
{
    std::vector<std::string> modes = {WirelessModeText(0), WirelessModeText(1)};
    if (has5GHz)
        modes.push_back(WirelessModeText(2));
    modes.push_back(WirelessModeText(4));
    if (isHt) {
        modes.push_back(WirelessModeText(9));
        if (has5GHz)
            modes.push_back(WirelessModeText(8));
    }
    return modes;
}

std::vector<std::string> RateTexts(int mode)
{
    std::vector<std::string> rates;
    const bool cck = mode == 0 || mode == 1 || mode == 3 || mode == 5 || mode == 9;
    const bool ofdm = mode == 0 || mode == 2 || mode == 3 || mode == 4 || mode == 5 || mode == 7 || mode == 8 ||
                      mode == 9 || mode == 10;
    if (!cck && !ofdm)
        return rates;
    rates.push_back("Auto");
    if (cck)
        rates.insert(rates.end(), std::begin(kCckRates), std::end(kCckRates));
    if (ofdm)
        rates.insert(rates.end(), std::begin(kOfdmRates), std::end(kOfdmRates));
    return rates;
}

std::vector<std::string> ProtectionTexts() { return {"Auto", "ON", "OFF"}; }
std::vector<std::string> PreambleTexts() { return {"Long Preamble", "Short Preamble"}; }
std::vector<std::string> TxPowerTexts() { return {"100 %", "75 %", "50 %", "25 %", "Lowest"}; }

std::vector<std::string> Region24Texts()
{
    return {"0: CH1-11", "1: CH1-13", "2: CH10-11", "3: CH10-13", "4: CH14", "5: CH1-14", "6: CH3-9", "7: CH5-13"};
}

std::vector<std::string> Region5Texts(int chipIndex)
{
    std::vector<std::string> rows;
    for (int code = 0; code <= 9; ++code)
        rows.push_back(DecimalText(code) + ": CH " + JoinChannels(Channels5(code)));
    rows.push_back("10: CH 34, 36, 38, 40, 42, 44, 46, 48, 52, 56, 60, 64");
    // The 802.11n chips know only the first nine regions.
    if (chipIndex >= 6 && chipIndex <= 8)
        rows.resize(9);
    return rows;
}

std::optional<RegionRows> RegionRowsFor(int mode)
{
    switch (mode) {
    case 0: case 1: case 4: case 7: case 9: return RegionRows{true, false};
    case 2: case 8: return RegionRows{false, true};
    case 3: case 5: case 10: return RegionRows{true, true};
    default: return std::nullopt;
    }
}

std::vector<std::string> McsTexts(int htIndex, int htMode)
{
    std::vector<std::string> rows;
    if (htIndex == 1) {
        const int first = htMode == 0 ? 0 : 5;
        const int last = htMode == 0 ? 4 : 14;
        for (int m = first; m <= last; ++m)
            rows.push_back(DecimalText(m));
    } else if (htIndex == 2 || htIndex == 3) {
        rows.push_back("Auto");
        for (int m = 0; m <= 15; ++m)
            rows.push_back(DecimalText(m));
        rows.push_back("32");
    }
    return rows;
}

ChannelChoice ChannelsFor(int mode, const std::vector<uint8_t>& list24, const std::vector<uint8_t>& list5, int bw40,
                          int allowBw40Capability, int allowBw40InBgBand)
{
    ChannelChoice choice;
    switch (mode) {
    case 2:
        choice.channels = list5;
        break;
    case 3:
        choice.channels = list24;
        choice.channels.insert(choice.channels.end(), list5.begin(), list5.end());
        break;
    case 8:
        // 140 and 165 have no partner for a 40 MHz channel.
        for (uint8_t c : list5)
            if (!bw40 || (c != 140 && c != 165))
                choice.channels.push_back(c);
        break;
    case 9: {
        choice.channels = list24;
        // A 40 MHz channel needs a listed partner 4 channels away: the list must reach that far.
        int span = 0;
        if (!list24.empty())
            span = *std::max_element(list24.begin(), list24.end()) - *std::min_element(list24.begin(), list24.end());
        choice.bw40 = allowBw40Capability && allowBw40InBgBand && span >= 4;
        break;
    }
    default:
        choice.channels = list24;
        break;
    }
    return choice;
}

int FindChannelRow(const std::vector<std::string>& texts, const std::string& text)
{
    if (text.empty())
        return -1;
    const int channel = ChannelFromText(text);
    for (size_t i = 0; i < texts.size(); ++i)
        if (ChannelFromText(texts[i]) == channel)
            return static_cast<int>(i);
    return -1;
}

int PartnerChannel5(int channel)
{
    static const int kPairs[][2] = {{36, 40},   {44, 48},   {52, 56},   {60, 64},   {100, 104}, {108, 112},
                                    {116, 120}, {124, 128}, {132, 136}, {149, 153}, {157, 161}};
    for (const auto& p : kPairs) {
        if (p[0] == channel)
            return p[1];
        if (p[1] == channel)
            return p[0];
    }
    return 0;
}

std::vector<std::string> ExtensionChannelTexts(int channel, const std::vector<uint8_t>& listed)
{
    if (channel > 35) {
        const int partner = PartnerChannel5(channel);
        return {partner ? DecimalText(partner) : std::string("none")};
    }
    std::vector<std::string> rows;
    if (Listed(listed, channel + 4))
        rows.push_back(DecimalText(channel + 4));
    if (Listed(listed, channel - 4))
        rows.push_back(DecimalText(channel - 4));
    return rows;
}

std::string TxRateLabel(const CHTTable& table, int htIndex, int bw40, int shortGi, int mcs)
{
    double rate = 0;
    int width = 0;
    if ((htIndex == 2 || htIndex == 3) && table.GetHtRate(bw40, shortGi, mcs, rate)) {
        char text[64];
        std::snprintf(text, sizeof(text), "Tx Rate: %.2f Mbps", rate);
        return text;
    }
    if (htIndex == 1 && table.GetRateByIndex(mcs, rate, width)) {
        char text[96];
        std::snprintf(text, sizeof(text), "Tx Rate: %.2f Mbps \n BW:      %d      MHz", rate, width);
        return text;
    }
    return "Tx Rate: Not Available";
}

std::string ApNameOfMac(const uint8_t mac[6])
{
    char text[16];
    std::snprintf(text, sizeof(text), "AP%02X%02X%02X%02X%02X%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

std::string DefaultSsidOfMac(const uint8_t mac[6])
{
    char text[16];
    std::snprintf(text, sizeof(text), "DaduVE-%02X", mac[5]);
    return text;
}

void ResetToDefaults(DaduVeSettings& s, const uint8_t mac[6])
{
    const int region24 = s.CountryRegion;
    const int region5 = s.CountryRegionABand;
    s = DaduVeSettings{};
    s.CountryRegion = region24;
    s.CountryRegionABand = region5;
    s.SSID = DefaultSsidOfMac(mac);
    s.WirelessModeText = WirelessModeText(0);
    s.ChannelText.clear();
    s.BeaconPeriod = 100;
    s.FragThresh = 2347;
    s.RtsThresh = 2346;
    s.AllowBW40Capability = 1;
    s.IdleTime = 300;
    s.Stbc = 1;
    s.Bw40 = 1;
    s.ShortGi = 1;
    s.HtMode = 0;
    s.McsText = "Auto";
    s.ExtChannelText = "none";
    s.Security = SecurityConfig{};
    s.Security.AuthenType = 0;
    s.Security.Encryption = 1;
}

}  // namespace softap
