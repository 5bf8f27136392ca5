#include "station/profiles/editor/profile_editor_model.h"

#include <cstdlib>
#include <cstring>

#include "station/core/scan/bssid_list.h"
#include "station/core/radio/channel_plan.h"
#include "station/profiles/editor/auth_type_table.h"
#include "station/profiles/station_config_reader.h"
#include "station/profiles/editor/wep_key_text.h"

namespace {

constexpr size_t kNumberChars = 127;
constexpr size_t kTextChars = 255;
constexpr size_t kPathChars = 255;

struct SectionReader {
    const SettingsSource& source;
    const std::string& section;

    std::string Text(const char* key, size_t maxChars = kTextChars) const {
        return source.Read(section.c_str(), key, maxChars);
    }
    bool Number(const char* key, long& value) const {
        const std::string text = Text(key, kNumberChars);
        if (text.empty()) return false;
        value = SettingsNumber(text);
        return true;
    }
    void Int(const char* key, int& field) const {
        long value = 0;
        if (Number(key, value)) field = static_cast<int>(value);
    }
    void String(const char* key, std::string& field, size_t maxChars = kTextChars) const {
        const std::string text = Text(key, maxChars);
        if (!text.empty()) field = text;
    }
};

int Clamp(long value, long low, long high) { return static_cast<int>(value < low ? low : value > high ? high : value); }

// A stored thumbprint into the record and into the program's selection (when given).
void ReadCertificate(const SectionReader& r, const char* lengthKey, const char* dataKey, uint32_t& recordLength,
                     uint8_t (&recordBytes)[kCertThumbprintMax], CertDesc* desc) {
    const std::string length = r.Text(lengthKey, kNumberChars);
    if (length.empty()) return;
    const std::string data = r.Text(dataKey, 2 * kCertThumbprintMax);
    recordLength = ThumbprintFromText(SettingsNumber(length), data, recordBytes);
    if (desc) SetThumbprintFromText(*desc, SettingsNumber(length), data);
}

void Read8021X(Dot1xSettings& d, const SectionReader& r) {
    r.Int("AuthenProtocol", d.eapMethod);
    // One key holds the inner method, or the TTLS inner protocol for TTLS.
    r.Int("TunnelProtocol", d.eapMethod == kEapTtls ? d.ttlsProtocol : d.innerEapType);
    r.Int("ProvisioningTunnel", d.provisioningInnerType);
    r.String("ID", d.identity);
    r.String("Password", d.password);
    r.String("TunnelID", d.tunnelIdentity);
    r.String("TunnelPassword", d.tunnelPassword);
    r.Int("SessionResumption", d.sessionResumption);
    r.Int("PasswordMode", d.passwordMode);
    r.Int("UseClientCert", d.useClientCert);
    r.Int("UseServerCert", d.validateServerChain);
    r.Int("UsePAC", d.usePac);
    r.Int("ProvisionMode", d.allowUnauthenticatedProvision);
    r.String("PACFilePath", d.pacFilePath, kPathChars);
    r.String("ServerName", d.serverName);
    r.Int("NameRule", d.nameRule);
    r.Int("IntermediateCert", d.allowIntermediateCerts);
}

std::string Decimal(long value) { return std::to_string(value); }

// The Japanese channels as the editor shows them.
struct JChannel {
    int number;
    const char* text;
};
constexpr JChannel kJChannels[3] = {{kJChannelBase + 8, "J8"}, {kJChannelBase + 12, "J12"}, {kJChannelBase + 16, "J16"}};

std::string StoredChannel(const std::string& text) {
    for (const JChannel& j : kJChannels)
        if (text == j.text) return Decimal(j.number);
    return text;
}

std::string Thumbprint(const CertDesc* desc) {
    if (!desc) return {};
    const uint32_t n = desc->ThumbprintLength < kCertThumbprintMax ? desc->ThumbprintLength : kCertThumbprintMax;
    return HexOfBytes(desc->Thumbprint, n);
}

uint32_t ThumbprintLength(const CertDesc* desc) {
    if (!desc) return 0;
    return desc->ThumbprintLength < kCertThumbprintMax ? desc->ThumbprintLength : kCertThumbprintMax;
}

bool IsWpaMode(int mode) { return mode >= 3 && mode <= 7; }

// The type the profile holds, when the pages would save it as the mode it is stored with
// (LEAP in ad hoc would become WPA-None: not that).
void NoteStoredType(ProfileEditorModel& model, int osCode) {
    AuthSecuValues& auth = model.auth;
    const bool infrastructure = IsInfrastructure(model.sys.networkType);
    const int mode = AuthModeForNetwork(auth.authMode, infrastructure);
    const int type = AuthTypeOfMode(mode, auth.leap != 0, osCode, auth.authType);
    auth.storedType = AuthModeOfType(type, infrastructure, osCode) == mode ? type : -1;
    auth.storedInfrastructure = infrastructure ? 1 : 0;
}

}  // namespace

std::string ChannelText(long channel) {
    for (const JChannel& j : kJChannels)
        if (channel == j.number) return j.text;
    return Decimal(channel);
}

int ChannelOfText(const std::string& text) {
    if (!text.empty() && (text[0] == 'J' || text[0] == 'j')) {
        const int j = std::atoi(text.c_str() + 1);
        return j > 0 ? kJChannelBase + j : 0;
    }
    return std::atoi(text.c_str());
}

void ApplyCcx2Control(AuthSecuValues& auth, uint32_t ccx2Control) {
    auth.leapCapability = static_cast<int>(ccx2Control & 1);
    if (auth.leapCapability) auth.leapOptionBit = static_cast<int>((ccx2Control >> 1) & 1);
}

void InitProfileModel(ProfileEditorModel& model, const std::string& name, const std::string& ssid, int encryption,
                      int authentication, int newProfile, int networkType, int channel, int osCode) {
    model.sys.profileName = name;
    model.originalName = name;
    model.sys.ssid = ssid;
    model.newProfile = newProfile & 0xFF;
    if (model.newProfile == 0) return;

    AuthSecuValues& auth = model.auth;
    auth.authMode = authentication;
    auth.encryptionIndex = encryption == kCipherWep || encryption == kCipherAes ? 1 : 0;
    model.sys.networkType = networkType;
    auth.infrastructure = IsInfrastructure(networkType) ? 1 : 0;
    if (networkType == kNetworkAdhoc) model.sys.channel = Decimal(channel);
    switch (authentication) {
        case 5: auth.authType = kAuthWpaNone; break;
        case 3: auth.authType = kAuthWpa; break;
        case 4: auth.authType = kAuthWpaPsk; break;
        case 6: auth.authType = OsKnowsWpa2(osCode) ? kAuthWpa2 : kAuthWpa; break;
        case 7: auth.authType = OsKnowsWpa2(osCode) ? kAuthWpa2Psk : kAuthWpaPsk; break;
        default: break;
    }
    if (auth.authType == kAuthWpa || auth.authType == kAuthWpa2) auth.use8021X = 1;
    NoteStoredType(model, osCode);
}

void ReadProfileModel(ProfileEditorModel& model, const SettingsSource& profiles, int osCode, CertDesc* clientCert,
                      CertDesc* serverCert) {
    const SectionReader r{profiles, model.sys.profileName};
    SysConfigValues& sys = model.sys;
    AuthSecuValues& auth = model.auth;
    long value = 0;
    // The program's selections are the previous profile's until this section says otherwise.
    if (clientCert) std::memset(clientCert, 0, sizeof(*clientCert));
    if (serverCert) std::memset(serverCert, 0, sizeof(*serverCert));

    r.String("SSID", sys.ssid, kSsidMax);
    if (r.Number("Channel", value)) sys.channel = ChannelText(value);
    // A type the list does not offer (an automatic network) is kept as it is.
    if (r.Number("NetworkType", value)) sys.networkType = value >= 0 && value <= 2 ? static_cast<int>(value) : 1;
    auth.infrastructure = IsInfrastructure(sys.networkType) ? 1 : 0;
    if (r.Number("PreambleType", value)) sys.preamble = value == 0 ? 1 : 0;
    r.Int("ACPowerCam", sys.camOnAcPower);
    if (r.Number("PSMode", value)) sys.powerMode = value == 1 || value == 2 ? 1 : 0;
    r.Int("TXPower", sys.txPower);
    r.Int("UseRts", sys.useRts);
    sys.rtsThreshold = kRtsThresholdOff;
    if (sys.useRts && r.Number("RtsThresh", value)) sys.rtsThreshold = Clamp(value, 0, kRtsThresholdOff);
    r.Int("UseFrag", sys.useFrag);
    sys.fragThreshold = kFragThresholdOff;
    if (sys.useFrag && r.Number("FragThresh", value))
        sys.fragThreshold = Clamp(value, kFragThresholdMin, kFragThresholdOff);

    if (r.Number("AuthMode", value)) auth.authMode = value >= 0 && value <= 7 ? static_cast<int>(value) : 0;
    r.Int("LeapEnabled", auth.leap);
    r.String("LeapUserName", auth.leapIdentity);
    r.String("LeapPassword", auth.leapPassword);
    r.Int("Use8021X", auth.use8021X);
    if (r.Number("CipherMode", value)) {
        auth.cipherMode = static_cast<int>(value);
        if (auth.leap) {
            auth.leapEncryption = value == kCipherTkip ? 1 : value == kCipherAes ? 2 : 0;
            auth.use8021X = 0;
        } else {
            auth.encryptionIndex = value == kCipherWep || value == kCipherAes ? 1 : 0;
        }
    }
    if (auth.leap) auth.use8021X = 0;
    if (r.Number("LeapEncryType", value)) auth.leapEncryption = Clamp(value, 0, 2);
    r.String("WPAPSK", auth.psk);
    if (r.Number("WEPKeyUse", value)) auth.defaultKey = value >= 1 && value <= 4 ? static_cast<int>(value - 1) : 0;
    for (int n = 0; n < 4; ++n) {
        const std::string index = std::to_string(n + 1);
        if (r.Number(("WEPKey" + index + "Type").c_str(), value))
            auth.keyFormats[n] = value == kKeyFormatAscii ? kKeyFormatAscii : kKeyFormatHex;
        const std::string stored = r.Text(("WEPKey" + index).c_str());
        if (stored.empty()) continue;
        if (auth.keyFormats[n] == kKeyFormatHex) auth.hexKeys[n] = stored;
        else if (!AsciiOfStoredKey(stored, auth.asciiKeys[n])) auth.asciiKeys[n] = stored;
    }
    Read8021X(auth.dot1x, r);
    Dot1xSettings& d = auth.dot1x;
    ReadCertificate(r, "ClientCertLen", "ClientCertData", d.clientThumbprintLength, d.clientThumbprint, clientCert);
    ReadCertificate(r, "ServerCertLen", "ServerCertData", d.serverThumbprintLength, d.serverThumbprint, serverCert);
    // The lists are built from the type: it follows the stored mode from the start.
    auth.authType = AuthTypeOfMode(auth.authMode, auth.leap != 0, osCode, auth.authType);
    NoteStoredType(model, osCode);
}

SavedSecurity SecurityAsSaved(const AuthSecuValues& auth, bool infrastructure) {
    SavedSecurity saved{AuthModeForNetwork(auth.authMode, infrastructure), kCipherNone};
    if (auth.leap) {
        saved.cipherMode = kCipherWep;
        if (auth.leapCapability && auth.leapEncryption == 1) saved.cipherMode = kCipherTkip;
        if (auth.leapCapability && auth.leapEncryption == 2) saved.cipherMode = kCipherAes;
    } else if (IsWpaMode(saved.authMode)) {
        saved.cipherMode = auth.encryptionIndex == 0 && infrastructure ? kCipherTkip : kCipherAes;
    } else {
        saved.cipherMode = auth.encryptionIndex == 0 ? kCipherNone : kCipherWep;
    }
    return saved;
}

void FollowNetworkType(AuthSecuValues& auth, bool infrastructure) {
    if ((auth.infrastructure != 0) == infrastructure) return;
    const SavedSecurity before = SecurityAsSaved(auth, auth.infrastructure != 0);
    auth.infrastructure = infrastructure ? 1 : 0;
    if (!auth.leap && IsWpaMode(AuthModeForNetwork(auth.authMode, infrastructure)))
        auth.encryptionIndex = infrastructure && before.cipherMode == kCipherAes ? 1 : 0;
}

ProfileKeyValues WriteProfileValues(ProfileEditorModel& model, const CertDesc* clientCert, const CertDesc* serverCert) {
    SysConfigValues& sys = model.sys;
    AuthSecuValues& auth = model.auth;
    const SavedSecurity saved = SecurityAsSaved(auth, IsInfrastructure(sys.networkType));
    auth.authMode = saved.authMode;
    auth.cipherMode = saved.cipherMode;

    const Dot1xSettings& d = auth.dot1x;
    ProfileKeyValues keys = {
        {"SSID", sys.ssid},
        {"Channel", StoredChannel(sys.channel)},
        {"NetworkType", Decimal(sys.networkType)},
        {"PreambleType", sys.preamble == 0 ? "2" : "0"},
        {"ACPowerCam", Decimal(sys.camOnAcPower)},
        {"PSMode", Decimal(sys.powerMode)},
        {"TXPower", Decimal(sys.txPower)},
        {"UseRts", Decimal(sys.useRts)},
        {"RtsThresh", Decimal(sys.useRts ? sys.rtsThreshold : kRtsThresholdOff)},
        {"UseFrag", Decimal(sys.useFrag)},
        {"FragThresh", Decimal(sys.useFrag ? sys.fragThreshold : kFragThresholdOff)},
        {"AuthMode", Decimal(auth.authMode)},
        {"CipherMode", Decimal(auth.cipherMode)},
        {"LeapEnabled", Decimal(auth.leap)},
        {"LeapUserName", auth.leapIdentity},
        {"LeapPassword", auth.leapPassword},
        {"LeapEncryType", Decimal(auth.leapEncryption)},
        {"WPAPSK", auth.psk},
        {"WEPKeyUse", Decimal(auth.defaultKey + 1)},
    };
    static const char* const kTypeKeys[4] = {"WEPKey1Type", "WEPKey2Type", "WEPKey3Type", "WEPKey4Type"};
    static const char* const kKeyKeys[4] = {"WEPKey1", "WEPKey2", "WEPKey3", "WEPKey4"};
    for (int n = 0; n < 4; ++n) keys.emplace_back(kTypeKeys[n], Decimal(auth.keyFormats[n]));
    for (int n = 0; n < 4; ++n)
        keys.emplace_back(kKeyKeys[n], auth.keyFormats[n] == kKeyFormatAscii ? HexOfAsciiKey(auth.asciiKeys[n])
                                                                            : auth.hexKeys[n]);
    const ProfileKeyValues rest = {
        {"Use8021X", Decimal(auth.use8021X)},
        {"AuthenProtocol", Decimal(d.eapMethod)},
        {"TunnelProtocol", Decimal(d.eapMethod == kEapTtls ? d.ttlsProtocol : d.innerEapType)},
        {"ProvisioningTunnel", Decimal(d.provisioningInnerType)},
        {"ID", d.identity},
        {"Password", d.password},
        {"TunnelID", d.tunnelIdentity},
        {"TunnelPassword", d.tunnelPassword},
        {"SessionResumption", Decimal(d.sessionResumption)},
        {"PasswordMode", Decimal(d.passwordMode)},
        {"UseClientCert", Decimal(d.useClientCert)},
        {"UseServerCert", Decimal(d.validateServerChain)},
        {"UsePAC", Decimal(d.usePac)},
        {"ProvisionMode", Decimal(d.allowUnauthenticatedProvision)},
        {"PACFilePath", d.pacFilePath},
        {"ClientCertLen", Decimal(ThumbprintLength(clientCert))},
        {"ClientCertData", Thumbprint(clientCert)},
        {"ServerCertLen", Decimal(ThumbprintLength(serverCert))},
        {"ServerCertData", Thumbprint(serverCert)},
        {"ServerName", d.serverName},
        {"NameRule", Decimal(d.nameRule)},
        {"IntermediateCert", Decimal(d.allowIntermediateCerts)},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

std::vector<std::string> SsidChoices(const uint8_t* list, size_t size, const std::string& own) {
    std::vector<std::string> out;
    auto add = [&](const std::string& ssid) {
        if (ssid.empty()) return;  // a hidden network has no name to offer
        for (const std::string& s : out)
            if (s == ssid) return;
        out.push_back(ssid);
    };
    add(own);
    if (list)
        for (const BssidEntryView& entry : ReadBssidList(list, size)) add(entry.Ssid());
    return out;
}
