#pragma once
// The driver's WMI event class QelWLANMessageEvent in ROOT\WMI. Each event becomes one
// posted message (kDriverEventMessage, wParam 0, lParam 0) to the window given to Connect;
// the event's content is not passed on.
#include <windows.h>

namespace platform {

constexpr UINT kDriverEventMessage = 0x8001;

class DriverEvents {
public:
    virtual ~DriverEvents() = default;
    // 1 when the subscription is in place, 0 when any step failed (nothing is shown).
    virtual int Connect(HWND notifyWindow) = 0;
    // Cancels the subscription; safe when never connected and when called twice.
    virtual void Disconnect() = 0;
    virtual bool IsConnected() const = 0;
};

}  // namespace platform
