#pragma once
// The text of a WLAN AutoConfig profile (WLANProfile, schema version 1) for one apply record,
// and the open network a record without SSID is sent to. The text is 8-bit, in the system
// code page like the SSID bytes it carries; the caller widens the whole of it. Window-less.
#include <cstdint>
#include <optional>
#include <string>

#include "station/profiles/profile_apply_record.h"

namespace wlan_profile {

constexpr const char* kProfileNamespace = "http://www.microsoft.com/networking/WLAN/profile/v1";
constexpr const char* kOneXNamespace = "http://www.microsoft.com/networking/OneX/v1";
constexpr const char* kEapHostConfigNamespace = "http://www.microsoft.com/provisioning/EapHostConfig";
constexpr const char* kEapCommonNamespace = "http://www.microsoft.com/provisioning/EapCommon";

// DOT11_BSS_TYPE values.
constexpr int kBssInfrastructure = 1;
constexpr int kBssIndependent = 2;
constexpr int kBssAny = 3;

struct Document {
    std::string name;         // the SSID bytes, unescaped: the name to connect and delete by
    std::string escapedSsid;  // what both name elements hold
    std::string xml;
    int bssType = kBssAny;
    int discoveryFlag = 0;    // the record's UseBssid as stored
    int secured = 0;          // 0 only for open networks without encryption
};

// "&", blank, "<", ">", double quote and apostrophe written as entities, in that order.
std::string Escape(const std::string& text);

// The document for a record. A record without SSID goes to pickedSsid, an open network
// (see PickOpenNetwork) with fixed open settings. Empty when no document the service would
// take can be made: no SSID and nothing picked, an SSID with control characters (no XML
// text can hold them), an authentication and encryption pair the service refuses, or key
// material of the wrong form. A record without key material gets no sharedKey element.
std::optional<Document> Build(const ProfileApplyRecord& record, const std::string& pickedSsid);

// The SSID of the strongest open infrastructure network of a display list (no privacy, no
// cipher, no key management, RSSI above -250 dBm; the first on ties); hidden networks have
// no name to give and are passed over. Empty when there is none.
std::string PickOpenNetwork(const uint8_t* displayList, size_t size);

}  // namespace wlan_profile
