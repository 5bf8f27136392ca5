#pragma once
// Subscription to the driver's QelWLANMessageEvent; each event reaches the main window as
// message 0x8001 through the listener's own sink.
#include <windows.h>

class CMySink;

class CWmiEventListener {
public:
    CWmiEventListener();  // creates the sink; not connected, no window
    ~CWmiEventListener();
    CWmiEventListener(const CWmiEventListener&) = delete;
    CWmiEventListener& operator=(const CWmiEventListener&) = delete;

    void SetNotifyWindow(HWND window) { m_hNotifyWnd = window; }
    // 1 when subscribed; a failure leaves the listener unconnected for the run, silently.
    // Connected once, at the main window's start.
    int Connect();
    // Cancels the subscription and lets the sink go; the listener ends with it.
    void Disconnect();
    int IsConnected() const { return m_bConnected; }

private:
    HWND m_hNotifyWnd = nullptr;
    int m_bConnected = 0;
    CMySink* m_pSink = nullptr;  // owned: one reference until Disconnect
};
