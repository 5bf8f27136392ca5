#pragma once
// The service's stored profiles on the adapter's interface: store, find, list and delete.
// Uses the manager's client handle and interface GUID through pointers, so it follows a
// reopened handle.
#include <windows.h>
#include <wlanapi.h>

#include <string>
#include <vector>

struct WlanProfileSummary {
    std::string name;
    std::string ssid;
    std::string connectionType;
    std::string authentication;
    std::string encryption;
    std::string reserved;  // always empty
};

class WlanProfileStore {
public:
    WlanProfileStore(HANDLE* clientHandle, const GUID* iface, int allUsers);

    // Overwrites a profile of the same name; all users when the flag is 1, else this user.
    DWORD SetProfile(const wchar_t* xml);
    DWORD DeleteProfile(const wchar_t* name);
    DWORD DeleteAllProfiles();
    // 1 when a stored profile has exactly this name (the ANSI name widened), else 0.
    int FindProfile(const char* name);
    DWORD ListProfiles(std::vector<WlanProfileSummary>* out);
    DWORD GetProfile(const wchar_t* name, std::wstring* xml);

private:
    HANDLE* m_pClientHandle;
    const GUID* m_pInterfaceGuid;
    int m_bAllUsers;
};
