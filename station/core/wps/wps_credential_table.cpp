#include "station/core/wps/wps_credential_table.h"

#include <cstdio>
#include <cstring>

void ParseWpsCredentialTable(const uint8_t* answer, size_t length, WpsCredentialTable& table) {
    std::memset(&table, 0, sizeof(table));
    if (answer == nullptr || length < sizeof(table.Count)) return;
    std::memcpy(&table, answer, length < sizeof(table) ? length : sizeof(table));
    // Only entries the answer holds whole count.
    const size_t whole = (length - sizeof(table.Count)) / sizeof(WpsCredential);
    if (table.Count > whole) table.Count = static_cast<uint32_t>(whole);
    SanitizeWpsCredentialTable(table);
}

void SanitizeWpsCredentialTable(WpsCredentialTable& table) {
    if (table.Count > kWpsMaxCredentials) table.Count = kWpsMaxCredentials;
    for (uint32_t i = 0; i < kWpsMaxCredentials; ++i) {
        WpsCredential& c = table.Entries[i];
        if (i >= table.Count) {
            std::memset(&c, 0, sizeof(c));
            continue;
        }
        if (c.SsidLength > sizeof(c.Ssid)) c.SsidLength = sizeof(c.Ssid);
        if (c.KeyLength > kWpsMaxKeyLength) c.KeyLength = kWpsMaxKeyLength;
    }
}

int ClampWpsIndex(int index, uint32_t count) {
    return index < 0 || static_cast<uint32_t>(index) >= count ? 0 : index;
}

std::string WpsCredentialSsid(const WpsCredential& c) {
    const uint32_t n = c.SsidLength > sizeof(c.Ssid) ? sizeof(c.Ssid) : c.SsidLength;
    return std::string(reinterpret_cast<const char*>(c.Ssid), n);
}

std::string WpsCredentialKey(const WpsCredential& c) {
    const uint32_t n = c.KeyLength > kWpsMaxKeyLength ? kWpsMaxKeyLength : c.KeyLength;
    return std::string(reinterpret_cast<const char*>(c.Key), n);
}

namespace {

// The file holds text: a value ends at its first NUL, as the private-profile writer ends it.
std::string AsText(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

std::string Decimal(long long v) { return std::to_string(v); }

}  // namespace

std::vector<WpsFileValue> WpsCredentialFileValues(const WpsCredentialTable& table, int configMode, uint32_t pinCode) {
    std::vector<WpsFileValue> values;
    const uint32_t count = table.Count > kWpsMaxCredentials ? kWpsMaxCredentials : table.Count;
    values.push_back({"Common", "Number", Decimal(count)});
    values.push_back({"Common", "ConfigMode", Decimal(configMode)});
    // "%d" of the PIN, as the PIN page keeps it.
    values.push_back({"Common", "PinCode", Decimal(static_cast<int>(pinCode))});
    for (uint32_t i = 0; i < kWpsMaxCredentials; ++i) {
        static const WpsCredential kZero{};
        const WpsCredential& c = i < count ? table.Entries[i] : kZero;
        const std::string section = "Profile" + std::to_string(i);
        char mac[16];
        std::snprintf(mac, sizeof(mac), "%02X%02X%02X%02X%02X%02X", c.MacAddress[0], c.MacAddress[1],
                      c.MacAddress[2], c.MacAddress[3], c.MacAddress[4], c.MacAddress[5]);
        values.push_back({section, "SSID", AsText(WpsCredentialSsid(c))});
        values.push_back({section, "AuthType", Decimal(static_cast<int>(c.AuthType))});
        values.push_back({section, "EncryType", Decimal(static_cast<int>(c.EncryType))});
        values.push_back({section, "KeyIndex", Decimal(static_cast<int>(c.KeyIndex))});
        values.push_back({section, "KeyLength", Decimal(static_cast<int>(c.KeyLength > kWpsMaxKeyLength ? kWpsMaxKeyLength : c.KeyLength))});
        values.push_back({section, "Key", AsText(WpsCredentialKey(c))});
        values.push_back({section, "MacAddress", mac});
    }
    return values;
}
