#pragma once
// Outside programs started by command line (the mode-switch and bridging tools, the selector),
// documents opened through the shell (the vendor's web page), and Windows Help files.
#include <windows.h>

namespace platform {

class Programs {
public:
    virtual ~Programs() = default;
    // As ::WinExec: a value above 31 means the program started.
    virtual UINT WinExec(const char* commandLine, UINT show) = 0;
    // As ::ShellExecuteA: a value above 32 means the shell opened it. Callable from any thread.
    virtual HINSTANCE ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                                   const char* directory, int show) = 0;
    // As ::WinHelpA: FALSE when Windows Help could not be started.
    virtual BOOL WinHelp(HWND owner, const char* file, UINT command, ULONG_PTR data) = 0;
};

}  // namespace platform
