#include "station/profiles/station_config_reader.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "shared/text/hex_text.h"
#include "shared/crypto/wpa_psk.h"
#include "station/core/radio/channel_plan.h"

namespace {

constexpr const char* kConfig = "Config";
constexpr size_t kValueChars = 127;       // a 128-byte value buffer
constexpr size_t kPathChars = 255;        // PACFilePath's 256 bytes
constexpr uint32_t kNoRts = 2347;
constexpr uint32_t kMaxFrag = 2346;
constexpr uint32_t kMinFrag = 256;

// One [Config] value; absent and empty alike mean "leave the field".
struct Reader {
    const SettingsSource& source;

    bool Text(const char* key, std::string& out, size_t maxChars = kValueChars) const {
        out = source.Read(kConfig, key, maxChars);
        return !out.empty();
    }
    template <class T>
    bool Number(const char* key, T& field) const {
        std::string text;
        if (!Text(key, text)) return false;
        field = static_cast<T>(SettingsNumber(text));
        return true;
    }
    // Text into a fixed char field, always terminated.
    bool Chars(const char* key, char* field, size_t fieldSize) const {
        std::string text;
        if (!Text(key, text, fieldSize - 1 < kValueChars ? fieldSize - 1 : kValueChars)) return false;
        std::memset(field, 0, fieldSize);
        std::memcpy(field, text.data(), text.size());
        return true;
    }
};

uint32_t Clamp(long value, long low, long high) {
    return static_cast<uint32_t>(value < low ? low : value > high ? high : value);
}

// The WEP key of slot n (0-3) from its stored hexadecimal text: 5 bytes for 10 or 11
// characters, else 13; only complete pairs inside the text are decoded, the rest is zero.
void ReadWepKey(ProfileApplyRecord& record, const Reader& r, int n, long keyUse) {
    char key[24];
    std::snprintf(key, sizeof(key), "WEPKey%d", n + 1);
    std::string text;
    if (!r.Text(key, text) || text.size() <= 1) return;
    const uint32_t length = text.size() == 10 || text.size() == 11 ? 5 : 13;
    uint8_t bytes[13] = {};
    HexTextToBytes(text.c_str(), text.size(), bytes, length);
    const uint32_t index = static_cast<uint32_t>(n) | (keyUse == n + 1 ? kKeyIndexTransmit : 0);
    Ndis80211KeyHeader* block = AllocKeyBlock(index, bytes, length);
    if (!block) return;
    FreeKeyBlock(WepKeyBlock(record, n));
    WepKeyBlock(record, n) = block;
    WepKeyLength(record, n) = block->Length;
}

// The WPA-None key: 64 hex digits as they are, else derived from the passphrase and the
// SSID. Nothing that was not decoded or derived becomes a key.
void ReadWpaNoneKey(ProfileApplyRecord& record, const std::string& text) {
    uint8_t psk[kWpaPskLength] = {};
    if (text.size() == 64 && IsHexText(text.c_str(), 64)) {
        HexStringToBytes(text.c_str(), psk, sizeof(psk));
    } else if (text.size() < 8 || !DeriveWpaPsk(text.c_str(), record.Ssid, record.SsidLength, psk)) {
        return;
    }
    Ndis80211KeyHeader* block = AllocKeyBlock(kKeyIndexTransmit, psk, sizeof(psk));
    std::memset(psk, 0, sizeof(psk));
    if (!block) return;
    FreeKeyBlock(record.WpaNoneKey);
    record.WpaNoneKey = block;
    record.WpaNoneKeyLength = kWpaNoneKeyBlockSize;
}

void ReadCertificate(const Reader& r, const char* lengthKey, const char* dataKey, CertDesc* desc) {
    std::string length, data;
    r.Text(lengthKey, length);
    // A thumbprint is 20 bytes: 40 digits are all that is ever read.
    r.Text(dataKey, data, 2 * kCertThumbprintMax);
    if (desc && !length.empty()) SetThumbprintFromText(*desc, SettingsNumber(length), data);
}

void Read8021X(ProfileApplyRecord& record, const Reader& r, const StationConfigContext& context) {
    r.Number("AuthenProtocol", record.AuthenProtocol);
    if (record.AuthenProtocol == 2) r.Number("TunnelProtocol", record.TtlsTunnelProtocol);
    else r.Number("TunnelProtocol", record.TunnelProtocol);
    r.Number("ProvisioningTunnel", record.ProvisioningTunnel);
    r.Chars("ID", record.Identity, sizeof(record.Identity));
    r.Chars("Password", record.Password, sizeof(record.Password));
    r.Chars("TunnelID", record.TunnelID, sizeof(record.TunnelID));
    r.Chars("TunnelPassword", record.TunnelPassword, sizeof(record.TunnelPassword));
    r.Number("SessionResumption", record.SessionResumption);
    r.Number("PasswordMode", record.PasswordMode);
    if (r.Number("UseClientCert", record.UseClientCert) && record.UseClientCert)
        ReadCertificate(r, "ClientCertLen", "ClientCertData", context.clientCert);
    if (r.Number("UseServerCert", record.UseServerCert) && record.UseServerCert)
        ReadCertificate(r, "ServerCertLen", "ServerCertData", context.serverCert);
    r.Number("UsePAC", record.UsePAC);
    r.Number("ProvisionMode", record.ProvisionMode);
    std::string path;
    if (r.Text("PACFilePath", path, kPathChars)) {
        std::memset(record.PACFilePath, 0, sizeof(record.PACFilePath));
        std::memcpy(record.PACFilePath, path.data(), path.size());
    }
    r.Chars("ServerName", record.ServerName, sizeof(record.ServerName));
    r.Number("NameRule", record.NameRule);
    r.Number("IntermediateCert", record.IntermediateCert);
}

// The LEAP name and password keep the whole 128-byte value buffer they were read into.
void ReadLeapValue(const Reader& r, const char* key, char (&field)[256], uint32_t& length) {
    std::string text;
    if (!r.Text(key, text)) return;
    std::memset(field, 0, sizeof(field));
    std::memcpy(field, text.data(), text.size());
    length = kValueChars;
}

}  // namespace

long SettingsNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0x100000000LL) value = 0x100000000LL;
    }
    if (negative) value = -value;
    if (value > LONG_MAX) value = LONG_MAX;
    if (value < LONG_MIN) value = LONG_MIN;
    return static_cast<long>(value);
}

void ReadStationConfig(ProfileApplyRecord& record, const SettingsSource& station, const StationConfigContext& context) {
    const Reader r{station};
    record.UseBssid = 0;

    std::string ssid;
    if (r.Text("SSID", ssid, 32)) {
        std::memset(record.Ssid, 0, sizeof(record.Ssid));
        std::memcpy(record.Ssid, ssid.data(), ssid.size());
        record.SsidLength = static_cast<uint32_t>(ssid.size());
    }
    r.Number("NetworkType", record.NetworkType);
    if (r.Number("PreambleType", record.PreambleType) && record.PreambleType == 1) record.PreambleType = 2;

    long value = 0;
    record.RtsThreshold = kNoRts;
    if (r.Number("UseRts", value) && value != 0 && r.Number("RtsThresh", value))
        record.RtsThreshold = Clamp(value, 0, kNoRts);
    record.FragThreshold = 0;
    if (r.Number("UseFrag", value) && value != 0 && r.Number("FragThresh", value))
        record.FragThreshold = Clamp(value, kMinFrag, kMaxFrag);

    if (r.Number("AuthMode", record.AuthMode) && (record.AuthMode < 0 || record.AuthMode > 7)) record.AuthMode = 0;
    r.Number("CipherMode", record.CipherMode);

    if (r.Number("LeapEnabled", value)) record.LeapEnabled = static_cast<uint8_t>(value);
    if (record.LeapEnabled) record.LeapCcxFlag = (record.Ccx2Control >> 1) & 1;
    ReadLeapValue(r, "LeapUserName", record.LeapUserName, record.LeapUserNameLength);
    ReadLeapValue(r, "LeapPassword", record.LeapPassword, record.LeapPasswordLength);

    r.Number("Use8021X", record.Use8021X);
    if (record.LeapEnabled) record.Use8021X = 0;

    if (context.wpaSupported && (record.AuthMode == 3 || record.Use8021X != 0)) Read8021X(record, r, context);

    if (record.AuthMode == 4 || record.AuthMode == 5 || record.AuthMode == 7) {
        std::string key;
        // A key is 8-63 characters or 64 hex digits; a longer text is no key at all.
        if (r.Text("WPAPSK", key) && key.size() <= sizeof(record.WpaPassphrase)) {
            if (record.AuthMode == 5) {
                ReadWpaNoneKey(record, key);
            } else {
                std::memset(record.WpaPassphrase, 0, sizeof(record.WpaPassphrase));
                std::memcpy(record.WpaPassphrase, key.data(), key.size());
                record.WpaPassphraseLength = static_cast<uint32_t>(key.size());
            }
        }
    } else if ((record.AuthMode == 1 || record.CipherMode == 0) && !record.LeapEnabled) {
        long keyUse = 0;
        r.Number("WEPKeyUse", keyUse);
        for (int n = 0; n < kWepKeyCount; ++n) ReadWepKey(record, r, n, keyUse);
    }

    r.Number("TXPower", record.TxPower);

    if (record.NetworkType != 0) {
        if (r.Number("PSMode", value)) record.PowerSaveMode = value == 1 || value == 2 ? 2 : 0;
        if (context.driverVersion > 0x0500) r.Number("ACPowerCam", record.AcPowerCam);
    } else if (r.Number("Channel", value)) {
        record.AdhocFrequency = FrequencyOfChannel(static_cast<int>(value));
    }
    record.StationConfigLoaded = 1;
}

WpsSettings ReadWpsCredentials(const SettingsSource& station, const SettingsSource& wps, WpsCredentialTable& table) {
    WpsSettings settings;
    settings.sessionActive = static_cast<int>(SettingsNumber(station.Read(kConfig, "WSC", kValueChars)));

    std::memset(&table, 0, sizeof(table));
    std::string text = wps.Read("Common", "ConfigMode", kValueChars);
    if (!text.empty()) {
        settings.hasConfigMode = true;
        settings.configMode = static_cast<int>(SettingsNumber(text));
    }
    text = wps.Read("Common", "PinCode", kValueChars);
    if (!text.empty()) {
        settings.hasPinCode = true;
        settings.pinCode = static_cast<uint32_t>(SettingsNumber(text));
    }
    const long number = SettingsNumber(wps.Read("Common", "Number", kValueChars));
    const uint32_t count = number <= 0 ? 0 : number > static_cast<long>(kWpsMaxCredentials) ? kWpsMaxCredentials
                                                                                             : static_cast<uint32_t>(number);
    table.Count = count;
    for (uint32_t i = 0; i < count; ++i) {
        char section[24];
        std::snprintf(section, sizeof(section), "Profile%u", i);
        WpsCredential& c = table.Entries[i];
        const std::string ssid = wps.Read(section, "SSID", sizeof(c.Ssid));
        std::memcpy(c.Ssid, ssid.data(), ssid.size());
        c.SsidLength = static_cast<uint32_t>(ssid.size());
        c.AuthType = static_cast<uint32_t>(SettingsNumber(wps.Read(section, "AuthType", kValueChars)));
        c.EncryType = static_cast<uint32_t>(SettingsNumber(wps.Read(section, "EncryType", kValueChars)));
        c.KeyIndex = static_cast<uint32_t>(SettingsNumber(wps.Read(section, "KeyIndex", kValueChars)));
        const long stored = SettingsNumber(wps.Read(section, "KeyLength", kValueChars));
        const std::string key = wps.Read(section, "Key", kWpsMaxKeyLength);
        uint32_t length = stored <= 0 ? 0 : static_cast<uint32_t>(stored > static_cast<long>(kWpsMaxKeyLength) ? kWpsMaxKeyLength : stored);
        if (length > key.size()) length = static_cast<uint32_t>(key.size());
        std::memcpy(c.Key, key.data(), length);
        c.KeyLength = length;
        const std::string mac = wps.Read(section, "MacAddress", 12);
        HexTextToBytes(mac.c_str(), mac.size(), c.MacAddress, sizeof(c.MacAddress));
    }
    return settings;
}
