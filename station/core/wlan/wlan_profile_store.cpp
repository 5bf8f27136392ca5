#include "station/core/wlan/wlan_profile_store.h"

#include "platform/native_wifi.h"
#include "platform/platform.h"
#include "station/core/wlan/ansi_text.h"
#include "station/core/wlan/xml_tag_text.h"

namespace {

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), s.data(), n, nullptr, nullptr);
    return s;
}

// A stored name is the service's word: never read past its array.
std::wstring NameOf(const WLAN_PROFILE_INFO& info) {
    return std::wstring(info.strProfileName, wcsnlen(info.strProfileName, WLAN_MAX_NAME_LENGTH));
}

}  // namespace

WlanProfileStore::WlanProfileStore(HANDLE* clientHandle, const GUID* iface, int allUsers)
    : m_pClientHandle(clientHandle), m_pInterfaceGuid(iface), m_bAllUsers(allUsers) {}

DWORD WlanProfileStore::SetProfile(const wchar_t* xml) {
    DWORD reason = 0;
    DWORD flags = m_bAllUsers == 1 ? 0 : WLAN_PROFILE_USER;
    return platform::Wlan().SetProfile(*m_pClientHandle, m_pInterfaceGuid, flags, xml, nullptr, TRUE, &reason);
}

DWORD WlanProfileStore::DeleteProfile(const wchar_t* name) {
    return platform::Wlan().DeleteProfile(*m_pClientHandle, m_pInterfaceGuid, name);
}

DWORD WlanProfileStore::DeleteAllProfiles() {
    WLAN_PROFILE_INFO_LIST* list = nullptr;
    DWORD result = platform::Wlan().GetProfileList(*m_pClientHandle, m_pInterfaceGuid, &list);
    if (result == ERROR_SUCCESS && list) {
        std::vector<std::wstring> names;
        for (DWORD i = 0; i < list->dwNumberOfItems; ++i) names.push_back(NameOf(list->ProfileInfo[i]));
        for (const std::wstring& n : names) result = DeleteProfile(n.c_str());
    }
    if (list) platform::Wlan().FreeMemory(list);
    return result;
}

int WlanProfileStore::FindProfile(const char* name) {
    const std::wstring wanted = WidenAnsi(name ? name : "");
    WLAN_PROFILE_INFO_LIST* list = nullptr;
    int found = 0;
    if (platform::Wlan().GetProfileList(*m_pClientHandle, m_pInterfaceGuid, &list) == ERROR_SUCCESS && list)
        for (DWORD i = 0; i < list->dwNumberOfItems && !found; ++i) found = NameOf(list->ProfileInfo[i]) == wanted;
    if (list) platform::Wlan().FreeMemory(list);
    return found;
}

DWORD WlanProfileStore::GetProfile(const wchar_t* name, std::wstring* xml) {
    xml->clear();
    wchar_t* text = nullptr;
    DWORD flags = 0, access = 0;
    DWORD result = platform::Wlan().GetProfile(*m_pClientHandle, m_pInterfaceGuid, name, &text, &flags, &access);
    if (result == ERROR_SUCCESS && text) xml->assign(text);
    if (text) platform::Wlan().FreeMemory(text);
    return result;
}

DWORD WlanProfileStore::ListProfiles(std::vector<WlanProfileSummary>* out) {
    out->clear();
    WLAN_PROFILE_INFO_LIST* list = nullptr;
    DWORD result = platform::Wlan().GetProfileList(*m_pClientHandle, m_pInterfaceGuid, &list);
    if (result == ERROR_SUCCESS && list) {
        for (DWORD i = 0; i < list->dwNumberOfItems; ++i) {
            std::wstring xml;
            if (GetProfile(NameOf(list->ProfileInfo[i]).c_str(), &xml) != ERROR_SUCCESS) continue;
            const std::string text = Narrow(xml);
            WlanProfileSummary s;
            s.name = XmlTagText(text, "name");
            s.ssid = XmlTagText(XmlTagText(XmlTagText(text, "SSIDConfig"), "SSID"), "name");
            s.connectionType = XmlTagText(text, "connectionType");
            const std::string auth = XmlTagText(XmlTagText(XmlTagText(text, "MSM"), "security"), "authEncryption");
            s.authentication = XmlTagText(auth, "authentication");
            s.encryption = XmlTagText(auth, "encryption");
            out->push_back(s);
        }
    }
    if (list) platform::Wlan().FreeMemory(list);
    return result;
}
