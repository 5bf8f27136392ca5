#include "station/core/driver/wmi_event_listener.h"

#include "platform/driver_events.h"
#include "platform/platform.h"
#include "station/core/driver/my_sink.h"

CWmiEventListener::CWmiEventListener() : m_pSink(new CMySink) {}

CWmiEventListener::~CWmiEventListener() { Disconnect(); }

int CWmiEventListener::Connect() {
    if (m_bConnected || !m_pSink) return m_bConnected;
    m_pSink->SetOwner(m_hNotifyWnd);
    m_bConnected = platform::Events().Connect(m_pSink);
    return m_bConnected;
}

void CWmiEventListener::Disconnect() {
    if (m_bConnected) platform::Events().Disconnect();
    m_bConnected = 0;
    // Our reference goes; the sink is deleted once the service has let go of it too.
    if (m_pSink) m_pSink->Release();
    m_pSink = nullptr;
}
