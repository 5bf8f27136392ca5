#pragma once
// What a BSS's information elements say about its security, WPS and 802.11n.
#include <cstddef>
#include <cstdint>
#include <string>

#include "station/core/scan/bssid_list.h"

struct BssIeFlags {
    int privacy = 0;
    // Cipher suites, group or pairwise.
    int tkip = 0;
    int wrap = 0;
    int ccmp = 0;
    // Key management of the WPA element.
    int wpa8021x = 0;
    int wpaPsk = 0;
    int wpaNone = 0;
    // Key management of the RSN element.
    int wpa2_8021x = 0;
    int wpa2Psk = 0;
    int wpa2None = 0;
    int ht = 0;
    int wps = 0;
    // "0x%04X" of the WPS device password id; empty when the WPS element has none.
    std::string wpsDevicePasswordId;

    bool AnyKeyManagement() const {
        return wpa8021x || wpaPsk || wpaNone || wpa2_8021x || wpa2Psk || wpa2None;
    }
};

// Decodes the elements of one list entry.
BssIeFlags DecodeBssInformationElements(const BssidEntryView& entry);

// The same on a bare element blob: privacyField and infrastructureMode are the entry's
// Privacy and InfrastructureMode fields. Reads nothing outside [ies, ies + size).
BssIeFlags DecodeInformationElements(const uint8_t* ies, size_t size, uint32_t privacyField,
                                     uint32_t infrastructureMode);
