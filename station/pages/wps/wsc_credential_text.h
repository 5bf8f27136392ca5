#pragma once
// One stored credential as the "WPS Profile Detail" dialog shows it, and the registrar's own
// credential (entry 0) rewritten from the dialog's choices. Window-less.
#include <cstdint>
#include <string>

#include "station/core/wps/wps_credential_table.h"

struct WscKeyForms {
    std::string hex;            // a WEP key as hex digits
    std::string ascii;          // a WEP key as its characters
    std::string material;       // what Key Material shows first
    int displayedLength = 0;    // what Key Length shows first
    bool asciiAvailable = false;
};
// A WEP key of 5 or 13 characters is shown as hex digits with twice the length; one of 10
// or 26 hex digits keeps its length, its characters being the ASCII form. Any other key is
// shown as it is.
WscKeyForms KeyFormsOf(const WpsCredential& c);

// The registrar editor's choices.
struct RegistrarChoices {
    std::string ssid;
    std::string key;
    int authRow = 0;       // 0 OPEN, 1 WPA-PSK, 2 WPA2-PSK
    int encryptionRow = 0; // OPEN: 0 NONE, 1 WEP; WPA family: 0 TKIP, 1 AES
    int keyLengthRow = 0;  // 0..3: 5, 10, 13, 26
    int keyIndexRow = 0;   // 0..3
};

// The key edit's length rule: a read-only key passes; limits 5, 10, 13 and 26 need exactly
// that many characters, 64 at least 8; any other limit passes.
bool RegistrarKeyPasses(bool readOnly, int limit, const std::string& key);

// Entry 0 as the editor leaves it: SSID (at most 32 bytes), zero MAC, key cut to 64 bytes.
void WriteRegistrarCredential(const RegistrarChoices& choices, WpsCredential& entry);
