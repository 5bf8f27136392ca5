#include "softap/core/config/ap_seed_values.h"

#include <cstdio>

namespace softap {

const SeedValue kApSeedValues[] = {
    {"SSID", SeedKind::kSsid, nullptr},
    {"WirelessMode", SeedKind::kWirelessMode, nullptr},
    {"TransRate", SeedKind::kText, "0"},
    {"TurboRate", SeedKind::kText, "0"},
    {"BGProtection", SeedKind::kText, "0"},
    {"ShortSlot", SeedKind::kText, "1"},
    {"CountryRegion", SeedKind::kText, "0"},
    {"CountryRegionABand", SeedKind::kText, "0"},
    {"Channel", SeedKind::kText, "0"},
    {"PreambleType", SeedKind::kText, "0"},
    {"TXPower", SeedKind::kText, "0"},
    {"TXPower", SeedKind::kText, "0"},
    {"RtsThresh", SeedKind::kText, "2347"},
    {"FragThresh", SeedKind::kText, "2346"},
    {"AuthenType", SeedKind::kText, "0"},
    {"Encryption", SeedKind::kText, "1"},
    {"WPAPSK", SeedKind::kText, ""},
    {"WEPKey1Type", SeedKind::kText, "0"},
    {"WEPKey2Type", SeedKind::kText, "0"},
    {"WEPKey3Type", SeedKind::kText, "0"},
    {"WEPKey4Type", SeedKind::kText, "0"},
    {"WEPKeyUse", SeedKind::kText, "1"},
    {"WEPKey1", SeedKind::kText, ""},
    {"WEPKey2", SeedKind::kText, ""},
    {"WEPKey3", SeedKind::kText, ""},
    {"WEPKey4", SeedKind::kText, ""},
    {"RekeyInterval", SeedKind::kText, "60"},
    {"RekeyMethod", SeedKind::kText, "0"},
    {"RadiusIP", SeedKind::kText, ""},
    {"RadiusPort", SeedKind::kText, ""},
    {"RadiusKey", SeedKind::kText, ""},
    {"AccessControlPolicy", SeedKind::kText, "0"},
    {"AccessControlList", SeedKind::kEmptyMultiString, nullptr},
    {"WdsEnable", SeedKind::kText, "0"},
    {"WdsList", SeedKind::kEmptyMultiString, nullptr},
    {"AutoChannelSelect", SeedKind::kText, "0"},
    {"NoForwarding", SeedKind::kText, "0"},
    {"HideSSID", SeedKind::kText, "0"},
    {"BeaconPeriod", SeedKind::kText, "100"},
    {"IdleTime", SeedKind::kText, "300"},
};
const size_t kApSeedValueCount = sizeof(kApSeedValues) / sizeof(kApSeedValues[0]);

std::string DefaultApSsid(const uint8_t mac[6])
{
    char text[16];
    std::snprintf(text, sizeof(text), "DaduVE-%02X", mac[5]);
    return text;
}

}  // namespace softap
