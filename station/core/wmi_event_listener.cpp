#include "station/core/wmi_event_listener.h"

#include "platform/driver_events.h"
#include "platform/platform.h"

int CWmiEventListener::Connect() {
    m_bConnected = platform::Events().Connect(m_hNotifyWnd);
    return m_bConnected;
}

void CWmiEventListener::Disconnect() {
    if (!m_bConnected) return;
    platform::Events().Disconnect();
    m_bConnected = 0;
}
