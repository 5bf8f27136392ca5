#pragma once
// Turns the service's notifications into messages for the main window. It registers itself
// for the ACM and MSM sources when constructed; the registration lives as long as the client
// handle, so the handle must be closed before the notifier goes away.
#include <windows.h>
#include <wlanapi.h>

#include <atomic>

class WlanNotifier {
public:
    WlanNotifier(HANDLE* clientHandle, WLAN_INTERFACE_INFO* iface, HWND notifyWindow);
    ~WlanNotifier();
    WlanNotifier(const WlanNotifier&) = delete;
    WlanNotifier& operator=(const WlanNotifier&) = delete;

    DWORD RegistrationResult() const { return m_dwRegistration; }
    // Runs on the service's thread: reads only this object's own copies and posts.
    void OnNotification(const WLAN_NOTIFICATION_DATA* data, const void* context) const;
    // Notifiers alive in the process (a notifier must outlive the handle that delivers to it).
    static int LiveCount() { return s_live.load(); }

private:
    HANDLE* m_pClientHandle;
    WLAN_INTERFACE_INFO* m_pInterface;
    GUID m_Guid;
    HWND m_hNotifyWnd;
    DWORD m_dwRegistration = 0;
    static std::atomic<int> s_live;
};

void WINAPI WlanNotificationCallback(PWLAN_NOTIFICATION_DATA data, PVOID context);
