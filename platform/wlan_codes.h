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

// Why the service refuses a profile document (profile base 0x80000, security base 0x40000).
constexpr DWORD kWlanReasonInvalidProfileSchema = 0x00080001;
constexpr DWORD kWlanReasonProfileMissing = 0x00080002;
constexpr DWORD kWlanReasonInvalidProfileName = 0x00080003;
constexpr DWORD kWlanReasonInvalidPhyType = 0x00080005;
constexpr DWORD kWlanReasonMsmSecurityMissing = 0x00080006;
constexpr DWORD kWlanReasonInvalidBssType = 0x0008000D;
constexpr DWORD kWlanReasonInvalidAdhocConnectionMode = 0x0008000E;
constexpr DWORD kWlanReasonNonBroadcastSetForAdhoc = 0x0008000F;
constexpr DWORD kWlanReasonAutoSwitchSetForAdhoc = 0x00080010;
constexpr DWORD kWlanReasonAutoSwitchSetForManualConnection = 0x00080011;
constexpr DWORD kWlanReasonProfileSsidInvalid = 0x00080013;
constexpr DWORD kWlanReasonMsmSecProfileInvalidKeyIndex = 0x00040001;
constexpr DWORD kWlanReasonMsmSecProfilePskPresent = 0x00040002;
constexpr DWORD kWlanReasonMsmSecProfileKeyLength = 0x00040003;
constexpr DWORD kWlanReasonMsmSecProfilePskLength = 0x00040004;
constexpr DWORD kWlanReasonMsmSecProfileRawDataInvalid = 0x00040008;
constexpr DWORD kWlanReasonMsmSecProfileInvalidAuthCipher = 0x00040009;
constexpr DWORD kWlanReasonMsmSecProfileOneXDisabled = 0x0004000A;
constexpr DWORD kWlanReasonMsmSecProfileOneXEnabled = 0x0004000B;
constexpr DWORD kWlanReasonMsmSecProfileInvalidPmkCacheMode = 0x0004000C;
constexpr DWORD kWlanReasonMsmSecProfileInvalidPmkCacheSize = 0x0004000D;
constexpr DWORD kWlanReasonMsmSecProfileInvalidPmkCacheTtl = 0x0004000E;
constexpr DWORD kWlanReasonMsmSecProfileInvalidPreAuthMode = 0x0004000F;
constexpr DWORD kWlanReasonMsmSecProfileInvalidPreAuthThrottle = 0x00040010;
constexpr DWORD kWlanReasonMsmSecProfilePassphraseChar = 0x00040016;
constexpr DWORD kWlanReasonMsmSecProfileKeyMaterialChar = 0x00040017;
constexpr DWORD kWlanReasonMsmSecProfileWrongKeyType = 0x00040018;
// A connection whose 4-way handshake fails: the keys differ.
constexpr DWORD kWlanReasonMsmSecPskMismatchSuspected = 0x00048014;

constexpr DWORD kWlanAvailableNetworkConnected = 0x00000001;
constexpr DWORD kWlanAvailableNetworkHasProfile = 0x00000002;

}  // namespace platform
