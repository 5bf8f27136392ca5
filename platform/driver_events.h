#pragma once
// The driver's WMI event class QelWLANMessageEvent in ROOT\WMI: a subscription that hands
// every batch of event objects to the caller's sink (IWbemObjectSink::Indicate, on a thread
// of the event service, never the caller's).
#include <windows.h>
#include <wbemcli.h>

namespace platform {

constexpr const wchar_t* kDriverEventClass = L"QelWLANMessageEvent";
// What the station utility's sink posts to its window for every event of the class.
constexpr UINT kDriverEventMessage = 0x8001;

class DriverEvents {
public:
    virtual ~DriverEvents() = default;
    // 1 when the subscription is in place, 0 when any step failed (nothing is shown). The
    // subscription holds its own reference to the sink until Disconnect.
    virtual int Connect(IWbemObjectSink* sink) = 0;
    // Cancels the subscription: no Indicate runs after it returns. Safe when never
    // connected and when called twice.
    virtual void Disconnect() = 0;
    virtual bool IsConnected() const = 0;
};

}  // namespace platform
