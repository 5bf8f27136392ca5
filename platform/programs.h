#pragma once
// Outside programs started by command line (the mode-switch and bridging tools, the selector),
// and documents opened through the shell (the vendor's web page).
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
};

}  // namespace platform
