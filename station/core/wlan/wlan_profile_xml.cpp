#include "station/core/wlan/wlan_profile_xml.h"

#include "station/core/wlan/ansi_text.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/scan/bssid_list_buffers.h"
#include "station/core/wlan/wlan_profile_text.h"

bool WlanProfileXml::Build(const ProfileApplyRecord& record, std::wstring* name, std::wstring* escapedSsid,
                           DOT11_BSS_TYPE* bssType, std::wstring* xml, int* discoveryFlag, int* secured) {
    name->clear();
    escapedSsid->clear();
    xml->clear();
    *bssType = dot11_BSS_type_any;
    *discoveryFlag = 0;
    *secured = 0;

    std::string picked;
    if (record.SsidLength == 0) picked = wlan_profile::PickOpenNetwork(g_pBssidListMerged, kBssidListSize);
    const auto doc = wlan_profile::Build(record, picked);
    if (!doc) return false;
    *name = WidenAnsi(doc->name);
    *escapedSsid = WidenAnsi(doc->escapedSsid);
    *xml = WidenAnsi(doc->xml);
    *bssType = static_cast<DOT11_BSS_TYPE>(doc->bssType);
    *discoveryFlag = doc->discoveryFlag;
    *secured = doc->secured;
    return true;
}
