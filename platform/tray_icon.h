#pragma once
// The notification-area icon.
#include <windows.h>
#include <shellapi.h>

namespace platform {

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // As Shell_NotifyIconA (NIM_ADD, NIM_MODIFY, NIM_DELETE).
    virtual BOOL Notify(DWORD message, NOTIFYICONDATAA* data) = 0;
};

}  // namespace platform
