#pragma once
// Turns one apply record into a service profile document (WLANProfile, version 1) with the
// name, BSS type and flags that the connect path needs.
#include <windows.h>
#include <wlanapi.h>

#include <string>

struct ProfileApplyRecord;

class WlanProfileXml {
public:
    virtual ~WlanProfileXml() = default;

    // name: the SSID as wide text (unescaped); escapedSsid: the SSID escaped for XML;
    // bssType: 2 independent for network type 0, 1 infrastructure for 1, 3 any otherwise;
    // discoveryFlag: the record's as stored; secured: 1 unless open and unencrypted.
    // Returns false when no document the service would take can be made (see
    // wlan_profile::Build); the outputs are then empty and zero. A record without SSID goes
    // to the strongest open network of the display list.
    virtual bool Build(const ProfileApplyRecord& record, std::wstring* name, std::wstring* escapedSsid,
                       DOT11_BSS_TYPE* bssType, std::wstring* xml, int* discoveryFlag, int* secured);
};
