#include <gtest/gtest.h>
#include <windows.h>

#include "shared/adapter/adapter_identity.h"
#include "shared/system/admin.h"
#include "shared/system/os_code.h"
#include "shared/system/os_version.h"
#include "shared/system/wow64.h"

namespace {

class SystemQueries : public ::testing::Test {
protected:
    void TearDown() override
    {
        g_OsCode = osCode_;
        g_IsAdmin = isAdmin_;
        g_pfnIsWow64Process = isWow64_;
        g_pfnWow64EnableWow64FsRedirection = redirect_;
    }

private:
    int osCode_ = g_OsCode;
    int isAdmin_ = g_IsAdmin;
    IsWow64ProcessFn isWow64_ = g_pfnIsWow64Process;
    Wow64EnableWow64FsRedirectionFn redirect_ = g_pfnWow64EnableWow64FsRedirection;
};

TEST_F(SystemQueries, DetectOsVersionClassifiesThisSystemAsNt6OrLater)
{
    g_OsCode = 0;
    // Without a compatibility manifest every system since Vista reports 6.x.
    EXPECT_EQ(DetectOsVersion(), 11);
    EXPECT_EQ(g_OsCode, 11);
}

BOOL WINAPI ReportsWow64(HANDLE, PBOOL wow64)
{
    *wow64 = TRUE;
    return TRUE;
}
BOOL WINAPI CallFails(HANDLE, PBOOL wow64)
{
    *wow64 = TRUE;
    return FALSE;
}

TEST_F(SystemQueries, Wow64OnlyAskedFromOsCode10AndOnlyWhenTheCallExists)
{
    struct Case {
        int osCode;
        IsWow64ProcessFn fn;
        int expected;
    };
    for (const Case c : {Case{8, ReportsWow64, 0}, Case{9, ReportsWow64, 0}, Case{10, ReportsWow64, 1},
                         Case{11, ReportsWow64, 1}, Case{13, ReportsWow64, 1}, Case{10, nullptr, 0},
                         Case{11, CallFails, 0}}) {
        SCOPED_TRACE(c.osCode);
        g_OsCode = c.osCode;
        g_pfnIsWow64Process = c.fn;
        EXPECT_EQ(IsWow64(), c.expected);
    }
}

TEST_F(SystemQueries, Wow64FunctionsFoundInKernel32)
{
    g_pfnIsWow64Process = nullptr;
    g_pfnWow64EnableWow64FsRedirection = nullptr;
    InitWow64Functions();
    ASSERT_NE(g_pfnIsWow64Process, nullptr);
    g_OsCode = 11;
    if (sizeof(void*) == 8) {
        EXPECT_EQ(IsWow64(), 0);  // a 64-bit process never runs under WOW64
    }

    g_pfnWow64EnableWow64FsRedirection = nullptr;
    EXPECT_EQ(EnableWow64FsRedirection(), 0);
    EXPECT_EQ(DisableWow64FsRedirection(), 0);
}

TEST_F(SystemQueries, AdministratorByOsCodeAndToken)
{
    for (int os : {0, 2, 5, 6}) {
        g_OsCode = os;
        g_IsAdmin = 0;
        EXPECT_EQ(IsAdministrator(), 1) << os;
        EXPECT_EQ(g_IsAdmin, 1);
    }

    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID admins = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS,
                                         0, 0, 0, 0, 0, 0, &admins));
    BOOL member = FALSE;
    ASSERT_TRUE(CheckTokenMembership(nullptr, admins, &member));
    FreeSid(admins);

    g_OsCode = 11;
    g_IsAdmin = 7;
    EXPECT_EQ(IsAdministrator(), member ? 1 : 0);
    EXPECT_EQ(g_IsAdmin, member ? 1 : 0);
}

}  // namespace
