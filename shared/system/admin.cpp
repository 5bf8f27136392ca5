#include "shared/system/admin.h"

#include <windows.h>

#include <cstddef>
#include <vector>

#include "shared/adapter/adapter_identity.h"
#include "shared/system/os_code.h"

namespace {

class SidHolder {
public:
    ~SidHolder()
    {
        if (sid != nullptr)
            FreeSid(sid);
    }
    PSID sid = nullptr;
};

class TokenHolder {
public:
    ~TokenHolder()
    {
        if (token != nullptr)
            CloseHandle(token);
    }
    HANDLE token = nullptr;
};

bool TokenHasGroup(HANDLE token, PSID group)
{
    std::vector<BYTE> buffer(1024);
    DWORD needed = 0;
    // The group list can change between the size query and the read: keep growing.
    for (;;) {
        if (GetTokenInformation(token, TokenGroups, buffer.data(), static_cast<DWORD>(buffer.size()),
                                &needed))
            break;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size())
            return false;
        buffer.resize(needed);
    }
    // The count is checked against the bytes written before any entry is read.
    const size_t written = needed != 0 && needed < buffer.size() ? needed : buffer.size();
    if (written < offsetof(TOKEN_GROUPS, Groups))
        return false;
    const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
    const size_t room = (written - offsetof(TOKEN_GROUPS, Groups)) / sizeof(SID_AND_ATTRIBUTES);
    if (groups->GroupCount > room)
        return false;
    for (DWORD i = 0; i < groups->GroupCount; ++i) {
        if (groups->Groups[i].Sid != nullptr && EqualSid(groups->Groups[i].Sid, group))
            return true;
    }
    return false;
}

}  // namespace

int IsAdministrator()
{
    g_IsAdmin = 0;
    if (g_OsCode <= 6) {
        // No token security on these systems: everyone may do everything.
        g_IsAdmin = 1;
        return g_IsAdmin;
    }
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    SidHolder admins;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &admins.sid))
        return g_IsAdmin;
    TokenHolder process;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &process.token))
        return g_IsAdmin;
    g_IsAdmin = TokenHasGroup(process.token, admins.sid) ? 1 : 0;
    return g_IsAdmin;
}
