#pragma once
// Native Wifi values that the toolchain's <wlanapi.h> leaves out.
#include <windows.h>

namespace platform {

// Notification codes of the media-specific module (source WLAN_NOTIFICATION_SOURCE_MSM).
enum WlanMsmCode : DWORD {
    kWlanMsmAssociating = 1,
    kWlanMsmAssociated = 2,
    kWlanMsmConnected = 4,
    kWlanMsmRoamingStart = 5,
    kWlanMsmRoamingEnd = 6,
    kWlanMsmRadioStateChange = 7,
    kWlanMsmSignalQualityChange = 8,
    kWlanMsmDisassociating = 9,
    kWlanMsmDisconnected = 10,
};

constexpr DWORD kWlanReasonSuccess = 0;
constexpr DWORD kWlanReasonUnknown = 0x00010001;
constexpr DWORD kWlanReasonNetworkNotAvailable = 0x00028001;
constexpr DWORD kWlanReasonAssociationFailure = 0x00038002;

constexpr DWORD kWlanAvailableNetworkConnected = 0x00000001;
constexpr DWORD kWlanAvailableNetworkHasProfile = 0x00000002;

}  // namespace platform
