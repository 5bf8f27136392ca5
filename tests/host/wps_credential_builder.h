#pragma once
// A WPS credential as the driver hands it over, for the tests of what reads one.
#include <cstdint>
#include <cstring>
#include <string>

#include "station/core/wps/wps_credential_table.h"

inline WpsCredential Credential(const std::string& ssid, uint32_t auth, uint32_t encry, const std::string& key,
                                uint32_t keyIndex = 0) {
    WpsCredential c{};
    c.SsidLength = static_cast<uint32_t>(ssid.size());
    std::memcpy(c.Ssid, ssid.data(), ssid.size() < sizeof c.Ssid ? ssid.size() : sizeof c.Ssid);
    c.AuthType = auth;
    c.EncryType = encry;
    c.KeyIndex = keyIndex;
    c.KeyLength = static_cast<uint32_t>(key.size());
    std::memcpy(c.Key, key.data(), key.size() < sizeof c.Key ? key.size() : sizeof c.Key);
    return c;
}
