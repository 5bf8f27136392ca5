#include "station/core/wlan/wlan_notifier.h"

#include <cstring>

#include "platform/native_wifi.h"
#include "platform/platform.h"
#include "platform/wlan_codes.h"
#include "station/core/wlan/wlan_messages.h"

std::atomic<int> WlanNotifier::s_live{0};

void WINAPI WlanNotificationCallback(PWLAN_NOTIFICATION_DATA data, PVOID context) {
    if (!data || !context) return;
    static_cast<const WlanNotifier*>(context)->OnNotification(data, context);
}

WlanNotifier::WlanNotifier(HANDLE* clientHandle, WLAN_INTERFACE_INFO* iface, HWND notifyWindow)
    : m_pClientHandle(clientHandle), m_pInterface(iface), m_Guid(iface->InterfaceGuid), m_hNotifyWnd(notifyWindow) {
    ++s_live;
    m_dwRegistration = platform::Wlan().RegisterNotification(
        *m_pClientHandle, WLAN_NOTIFICATION_SOURCE_ACM | WLAN_NOTIFICATION_SOURCE_MSM, TRUE,
        &WlanNotificationCallback, this, nullptr);
}

WlanNotifier::~WlanNotifier() { --s_live; }

void WlanNotifier::OnNotification(const WLAN_NOTIFICATION_DATA* data, const void* context) const {
    if (!data || context != this) return;
    const bool own = IsEqualGUID(data->InterfaceGuid, m_Guid) != FALSE;
    UINT message = 0;
    if (data->NotificationSource == WLAN_NOTIFICATION_SOURCE_ACM) {
        switch (data->NotificationCode) {
        case wlan_notification_acm_scan_complete: message = own ? kMsgWlanScanComplete : 0; break;
        case wlan_notification_acm_scan_fail: message = own ? kMsgWlanScanFail : 0; break;
        case wlan_notification_acm_connection_complete: message = own ? kMsgWlanConnectionComplete : 0; break;
        case wlan_notification_acm_interface_arrival: message = kMsgWlanInterfaceArrival; break;
        case wlan_notification_acm_disconnected: message = own ? kMsgWlanDisconnected : 0; break;
        default: break;
        }
    } else if (data->NotificationSource == WLAN_NOTIFICATION_SOURCE_MSM && own) {
        if (data->NotificationCode == platform::kWlanMsmRoamingEnd) {
            message = kMsgWlanRoamingEnd;
        } else if (data->NotificationCode == platform::kWlanMsmRadioStateChange) {
            // The payload's size is the service's word: read nothing it does not cover.
            if (data->pData && data->dwDataSize >= sizeof(WLAN_PHY_RADIO_STATE)) {
                WLAN_PHY_RADIO_STATE state;
                std::memcpy(&state, data->pData, sizeof state);
                if (state.dot11SoftwareRadioState == dot11_radio_state_on) message = kMsgWlanRadioOn;
                else if (state.dot11SoftwareRadioState == dot11_radio_state_off) message = kMsgWlanRadioOff;
            }
        }
    }
    if (message) PostMessageA(m_hNotifyWnd, message, 0, 0);
}
