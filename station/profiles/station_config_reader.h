#pragma once
// Fills an apply record from the station's current configuration ([Config] of the "_sta"
// settings file) and reads the stored WPS credentials ("_wsc"). Every value read is
// bounded by the field it lands in. Window-less: the values come from a SettingsSource.
#include <cstdint>

#include "station/core/settings/settings_source.h"
#include "station/core/wps/wps_credential_table.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/profile_apply_record.h"

// What the reader needs from the program besides the settings.
struct StationConfigContext {
    int wpaSupported = 0;          // the 802.1X values are read only when set
    uint16_t driverVersion = 0;    // ACPowerCam is read above 0x0500
    CertDesc* clientCert = nullptr;
    CertDesc* serverCert = nullptr;
};

// Reads [Config] key by key into the record; an absent or empty value leaves its field as
// it is. The record's Ccx2Control must already be filled. Key blocks it allocates belong to
// the record (FreeApplyRecord frees them).
void ReadStationConfig(ProfileApplyRecord& record, const SettingsSource& station, const StationConfigContext& context);

struct WpsSettings {
    int sessionActive = 0;         // [Config] WSC of "_sta"
    bool hasConfigMode = false;
    int configMode = 0;            // [Common] ConfigMode of "_wsc"
    bool hasPinCode = false;
    uint32_t pinCode = 0;          // [Common] PinCode
};

// Zeroes the table, then reads up to 8 credentials from "_wsc": SSID at most 32 bytes, key
// length at most 64 and never more than the stored key text holds.
WpsSettings ReadWpsCredentials(const SettingsSource& station, const SettingsSource& wps, WpsCredentialTable& table);

// The decimal value of a settings text as the program reads numbers: leading blanks, an
// optional sign, then digits up to the first other character; 0 when there are none.
// Values beyond 32 bits are held at the nearest bound.
long SettingsNumber(const std::string& text);
