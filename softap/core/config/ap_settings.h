#pragma once
// The access point's configuration as the Config page and the security dialog hold it,
// and the 802.11n transmit setting it is stored and sent in.
#include <cstdint>
#include <string>

namespace softap {

// Authentication and encryption of the access point. WEP keys are always hex text (10
// digits for 64-bit keys, 26 for 128-bit ones) whatever type they were typed as.
struct SecurityConfig {
    int32_t AuthenType = 0;    // 0 Open, 1 Shared, 2 Auto, 3 WPA, 4 WPA-PSK, 6 WPA2, 7 WPA2-PSK,
                               // 8 WPA and WPA2, 9 WPA-PSK/WPA2-PSK
    int32_t Encryption = 1;    // NDIS: 0 WEP, 1 none, 4 TKIP, 6 AES, 8 TKIP and AES
    std::string WPAPSK;        // passphrase of 8 to 63 characters, or 64 hex digits
    uint32_t RekeyInterval = 0;
    int32_t RekeyMethod = 0;   // unit of the interval: 0 ten seconds, 1 thousand packets
    uint32_t RadiusPort = 0;
    uint32_t RadiusIP = 0;
    std::string RadiusKey;
    int32_t WEPKeyUse = 0;     // default key, 0-based (stored 1-based)
    int32_t WEPKeyType[4] = {0, 0, 0, 0};  // 0 hex, 1 ASCII
    std::string WEPKey[4];
};

struct DaduVeSettings {
    std::string SSID;              // at most 32 characters
    std::string WirelessModeText;  // "802.11 B/G Mixed" ...
    std::string ChannelText;       // a decimal channel, or "J8", "J12", "J16"
    int TransRate = 0;             // index into the mode's rate list, 0 = auto
    int TXPower = 0;               // 0..4: 100, 75, 50, 25, 12 percent
    int BGProtection = 0;
    int PreambleType = 0;
    int BeaconPeriod = 100;        // ms
    int FragThresh = 2347;
    int RtsThresh = 2346;
    int TXBurst = 0;
    int TurboRate = 0;
    int NoForwarding = 0;
    int HideSSID = 0;
    int ShortSlot = 0;
    int AutoChannelSelect = 0;
    int CountryRegion = 0;         // 2.4 GHz region code
    int CountryRegionABand = 0;    // 5 GHz region code
    int IdleTime = 0;              // seconds, 60..3600 once read
    // 802.11n
    int Bw40 = 0;                  // 40 MHz
    int ShortGi = 0;
    int Stbc = 0;
    int HtMode = 0;                // 0 mixed mode, 1 green field
    std::string McsText;           // "Auto" or a number
    std::string ExtChannelText;    // "none", a channel number, or empty (no selection)
    int AllowBW40Capability = 0;
    SecurityConfig Security;
};

constexpr int kMcsAuto = 33;
// "Auto" is 33; any other text its decimal number.
int McsFromText(const std::string& text);
std::string McsText(int mcs);

// Extension channel as stored and sent: 0 none, 1 above the channel, 3 below it.
constexpr int kExtChannelNone = 0;
constexpr int kExtChannelAbove = 1;
constexpr int kExtChannelBelow = 3;
// 0 when the 40 MHz flag is off or the text is "none" or empty.
int ExtChannelCode(int bw40, const std::string& extChannelText, int channel);
// Back from storage: 1 gives channel + 4, 3 gives channel - 4, anything else "none".
std::string ExtChannelTextFor(int bw40, int code, int channel);

// TransmitSetting (REG_DWORD): bits 0-3 PHY mode, 4-10 MCS, 11 40 MHz, 12 short guard
// interval, 13 STBC, 14-15 transmit mode (always 2, HT), 16 HT mode, 17-18 extension channel.
struct TransmitSettingFields {
    int phyMode = 0;
    int mcs = 0;
    int bw40 = 0;
    int shortGi = 0;
    int stbc = 0;
    int transmitMode = 0;
    int htMode = 0;
    int extChannel = 0;
};
uint32_t PackTransmitSetting(const TransmitSettingFields& f);
TransmitSettingFields UnpackTransmitSetting(uint32_t value);

}  // namespace softap
