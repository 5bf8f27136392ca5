#include "shared/system/wow64.h"

#include "shared/system/os_code.h"

IsWow64ProcessFn g_pfnIsWow64Process = nullptr;
Wow64EnableWow64FsRedirectionFn g_pfnWow64EnableWow64FsRedirection = nullptr;

void InitWow64Functions()
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr)
        return;
    g_pfnIsWow64Process =
        reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    g_pfnWow64EnableWow64FsRedirection = reinterpret_cast<Wow64EnableWow64FsRedirectionFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64EnableWow64FsRedirection")));
}

int IsWow64()
{
    if (g_OsCode < 10 || g_pfnIsWow64Process == nullptr)
        return 0;
    BOOL wow64 = FALSE;
    if (!g_pfnIsWow64Process(GetCurrentProcess(), &wow64))
        return 0;
    return wow64 ? 1 : 0;
}

int EnableWow64FsRedirection()
{
    return g_pfnWow64EnableWow64FsRedirection != nullptr && g_pfnWow64EnableWow64FsRedirection(TRUE) ? 1 : 0;
}

int DisableWow64FsRedirection()
{
    return g_pfnWow64EnableWow64FsRedirection != nullptr && g_pfnWow64EnableWow64FsRedirection(FALSE) ? 1 : 0;
}
