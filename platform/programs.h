#pragma once
// Outside programs started by command line (the mode-switch and bridging tools, the selector).
#include <windows.h>

namespace platform {

class Programs {
public:
    virtual ~Programs() = default;
    // As ::WinExec: a value above 31 means the program started.
    virtual UINT WinExec(const char* commandLine, UINT show) = 0;
};

}  // namespace platform
