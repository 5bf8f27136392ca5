#include "station/core/wlan_profile_xml.h"

// The document writer is not part of this build yet: nothing is built, so nothing connects
// through a half-made profile.
bool WlanProfileXml::Build(const ProfileApplyRecord&, std::wstring* name, std::wstring* escapedSsid,
                           DOT11_BSS_TYPE* bssType, std::wstring* xml, int* discoveryFlag, int* secured) {
    name->clear();
    escapedSsid->clear();
    xml->clear();
    *bssType = dot11_BSS_type_any;
    *discoveryFlag = 0;
    *secured = 0;
    return false;
}
