#pragma once
// 32-bit process on 64-bit Windows: the detection and the file-system
// redirection switch, both looked up at run time (older kernels lack them).
#include <windows.h>

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE process, PBOOL wow64);
using Wow64EnableWow64FsRedirectionFn = BOOLEAN(WINAPI*)(BOOLEAN enable);

extern IsWow64ProcessFn g_pfnIsWow64Process;
extern Wow64EnableWow64FsRedirectionFn g_pfnWow64EnableWow64FsRedirection;

// Once at program start, before any window exists.
void InitWow64Functions();
// 1 when this process runs under WOW64 (only asked on OS codes 10 and up).
int IsWow64();
// Wow64EnableWow64FsRedirection(TRUE/FALSE); 0 when the call is not available.
int EnableWow64FsRedirection();
int DisableWow64FsRedirection();

// File-system redirection off for one scope when wanted (a 32-bit process on 64-bit Windows
// that must see the real system folder), and always back on afterwards.
class Wow64RedirectionOff {
public:
    explicit Wow64RedirectionOff(bool wanted) : m_bOff(wanted && DisableWow64FsRedirection()) {}
    ~Wow64RedirectionOff() {
        if (m_bOff) EnableWow64FsRedirection();
    }
    Wow64RedirectionOff(const Wow64RedirectionOff&) = delete;
    Wow64RedirectionOff& operator=(const Wow64RedirectionOff&) = delete;

private:
    bool m_bOff;
};
