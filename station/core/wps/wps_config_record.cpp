#include "station/core/wps/wps_config_record.h"

#include <cstdio>
#include <cstring>

WpsConfigRecord MakePinStartRecord(uint32_t pin, const uint8_t* ssid, uint32_t ssidLength, const uint8_t bssid[6],
                                   uint8_t channel, uint8_t role) {
    WpsConfigRecord r{};
    r.Method = kWpsMethodPin;
    char digits[16];
    std::snprintf(digits, sizeof(digits), "%08u", static_cast<unsigned>(pin % 100000000u));
    std::memcpy(r.Pin, digits, sizeof(r.Pin));
    if (ssidLength > sizeof(r.Ssid)) ssidLength = sizeof(r.Ssid);
    r.SsidLength = ssidLength;
    if (ssid && ssidLength) std::memcpy(r.Ssid, ssid, ssidLength);
    if (bssid) std::memcpy(r.Bssid, bssid, sizeof(r.Bssid));
    r.Channel = channel;
    r.Role = role;
    return r;
}

WpsConfigRecord MakePbcStartRecord(uint8_t role) {
    WpsConfigRecord r{};
    r.Method = kWpsMethodPbc;
    r.Role = role;
    return r;
}
