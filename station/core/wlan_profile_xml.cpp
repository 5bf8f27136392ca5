#include "station/core/wlan_profile_xml.h"

#include "station/core/bssid_list.h"
#include "station/core/bssid_list_buffers.h"
#include "station/core/wlan_profile_text.h"

namespace {

// System code page to UTF-16, exactly the bytes given.
std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

}  // namespace

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
    *name = Widen(doc->name);
    *escapedSsid = Widen(doc->escapedSsid);
    *xml = Widen(doc->xml);
    *bssType = static_cast<DOT11_BSS_TYPE>(doc->bssType);
    *discoveryFlag = doc->discoveryFlag;
    *secured = doc->secured;
    return true;
}
