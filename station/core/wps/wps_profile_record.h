#pragma once
// A WPS credential as the connect executor takes it: the apply record a credential fills,
// and the numbers the credential's type bits stand for elsewhere. Window-less.
#include <cstdint>

#include "station/core/wps/wps_credential_table.h"
#include "station/profiles/profile_apply_record.h"

// NDIS authentication mode and encryption status of the WPS type bits.
int32_t NdisAuthModeOfWps(uint32_t authType);
uint32_t NdisCipherOfWps(uint32_t encryType);
// DOT11_AUTH_ALGORITHM and DOT11_CIPHER_ALGORITHM numbers of the WPS type bits, as the
// service reports a connection made with the credential.
uint32_t Dot11AuthOfWps(uint32_t authType);
uint32_t Dot11CipherOfWps(uint32_t encryType);

// Fills a zeroed record from one credential: infrastructure, the driver's defaults, the
// credential's security, its WEP key block in the slot of its key index (none for an index
// above 3) or its pre-shared key, its SSID, and its MAC address as the BSSID.
void FillRecordFromWpsCredential(const WpsCredential& credential, ProfileApplyRecord& record);
