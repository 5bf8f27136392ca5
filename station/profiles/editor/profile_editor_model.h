#pragma once
// What the profile editor edits: the values of its System Configuration and Authentication
// and Security pages, and the steps that fill them from a profile section of the "_prof"
// settings file (or from presets for a new profile) and turn them back into the section's
// keys. The pages exchange their controls with these values; tests drive them without the
// pages. Window-less.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "station/core/settings/settings_source.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/dot1x/dot1x_settings.h"

constexpr int kRtsThresholdOff = 2347;
constexpr int kFragThresholdOff = 2346;
constexpr int kFragThresholdMin = 256;
constexpr size_t kProfileNameMax = 100;   // what a section name may hold
constexpr size_t kProfileNameEditMax = 32;  // what the name edit takes
constexpr size_t kSsidMax = 32;

// Network type choices (the stored NDIS infrastructure mode).
constexpr int kNetworkAdhoc = 0;
constexpr int kNetworkInfrastructure = 1;
constexpr int kNetworkAuto = 2;  // read from a file, kept, never offered

struct SysConfigValues {
    int powerMode = 0;          // 0 constantly awake, 1 power save
    int preamble = 0;           // 0 "Auto", 1 "Long Preamble"
    int networkType = kNetworkInfrastructure;
    int rtsThreshold = kRtsThresholdOff;
    int fragThreshold = kFragThresholdOff;
    int camOnAcPower = 0;
    int useFrag = 0;
    int useRts = 0;
    int txPower = 0;            // 0 Auto, 1 100 %, ... 6 Lowest
    std::string profileName;
    std::string ssid;
    std::string channel = "-1";  // decimal text, or "J8", "J12", "J16"
    int phyMode = 1;            // the driver's, read when the page starts
};

struct AuthSecuValues {
    int leap = 0;
    int infrastructure = 1;     // follows the network type
    int authType = 0;           // AuthType
    int authMode = 0;           // NDIS authentication mode
    int encryptionIndex = 0;    // row of the encryption list
    int leapCapability = 0;     // CCX2Control bit 0
    int leapOptionBit = 0;      // CCX2Control bit 1
    Dot1xSettings dot1x;
    std::array<std::string, 4> hexKeys;    // at most 26 characters each
    std::array<std::string, 4> asciiKeys;  // at most 13 characters each
    int defaultKey = 0;         // 0-3
    std::array<int, 4> keyFormats{};       // kKeyFormatHex or kKeyFormatAscii
    std::string psk;
    int use8021X = 0;
    std::string leapPassword;
    std::string leapIdentity;
    int leapEncryption = 0;     // 0 WEP, 1 WPA-TKIP, 2 WPA2-AES
    int cipherMode = 1;         // NDIS encryption status, as last stored or saved
    // The type the profile was opened with and its network type: the list offers that type
    // on that network type even where it would not offer it otherwise (-1: none).
    int storedType = -1;
    int storedInfrastructure = 1;
};

struct ProfileEditorModel {
    SysConfigValues sys;
    AuthSecuValues auth;
    std::string originalName;
    int newProfile = 0;
    int saved = 0;
};

// The network types that count as infrastructure for the editor's rules (a stored
// automatic type among them).
inline bool IsInfrastructure(int networkType) { return networkType != kNetworkAdhoc; }

// "J8", "J12", "J16" for 208, 212, 216; otherwise the decimal text.
std::string ChannelText(long channel);
// The channel a text names: the J-channels as 208, 212, 216; 0 for no number.
int ChannelOfText(const std::string& text);

// CCX2Control: the LEAP capability (bit 0) and, with it, the LEAP option bit (bit 1).
void ApplyCcx2Control(AuthSecuValues& auth, uint32_t ccx2Control);

// The sheet before it opens: name, SSID, the new-profile flag; for a new profile the presets
// (NDIS encryption status and authentication mode, network type, ad hoc channel). An edit
// reads the section afterwards (ReadProfileModel).
void InitProfileModel(ProfileEditorModel& model, const std::string& name, const std::string& ssid, int encryption,
                      int authentication, int newProfile, int networkType, int channel, int osCode);

// The section named like the profile into the values; absent keys keep what the values
// hold. The certificate thumbprints go into the two selections.
void ReadProfileModel(ProfileEditorModel& model, const SettingsSource& profiles, int osCode, CertDesc* clientCert,
                      CertDesc* serverCert);

// The NDIS authentication mode and encryption status a save stores for the values on a
// network type (the checks of a save look at these).
struct SavedSecurity {
    int authMode;
    int cipherMode;
};
SavedSecurity SecurityAsSaved(const AuthSecuValues& auth, bool infrastructure);

// The network type changed: the values follow it. A WPA encryption keeps its cipher (the
// encryption list's first row is TKIP in infrastructure, AES in ad hoc).
void FollowNetworkType(AuthSecuValues& auth, bool infrastructure);

using ProfileKeyValues = std::vector<std::pair<const char*, std::string>>;
// The section's keys in the order they are written, after the authentication and encryption
// have been made to fit the network type (kept in the values, as saved). The caller clears
// the section first. The thumbprints come from the two selections (null: none).
ProfileKeyValues WriteProfileValues(ProfileEditorModel& model, const CertDesc* clientCert, const CertDesc* serverCert);

// The SSIDs a scan list offers the SSID box, in list order, own first: every named network
// once (names compared byte for byte, so "Home" and "Home2" both stand). The walk ends where
// the list's entries stop being whole.
std::vector<std::string> SsidChoices(const uint8_t* list, size_t size, const std::string& own);
