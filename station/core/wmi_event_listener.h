#pragma once
// Subscription to the driver's QelWLANMessageEvent; each event reaches the main window as
// message 0x8001.
#include <windows.h>

class CWmiEventListener {
public:
    CWmiEventListener() = default;
    ~CWmiEventListener() { Disconnect(); }
    CWmiEventListener(const CWmiEventListener&) = delete;
    CWmiEventListener& operator=(const CWmiEventListener&) = delete;

    void SetNotifyWindow(HWND window) { m_hNotifyWnd = window; }
    // 1 when subscribed; a failure leaves the listener unconnected for the run, silently.
    int Connect();
    void Disconnect();
    int IsConnected() const { return m_bConnected; }

private:
    HWND m_hNotifyWnd = nullptr;
    int m_bConnected = 0;
};
