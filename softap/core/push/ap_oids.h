#pragma once
// The driver OIDs Havix exchanges. Private OIDs are queried as 0x0D71xxxx and set as
// 0x0DF1xxxx; standard ones are set with bit 23 ORed in by SetOid. Havix never uses
// SetOidEx: every set below goes through SetOid.
#include <cstdint>

namespace softap {

// Standard NDIS and 802.11 OIDs.
constexpr uint32_t kOidCurrentAddress = 0x01010102;         // OID_802_3_CURRENT_ADDRESS, 6 bytes
constexpr uint32_t kOidSsid = 0x0D010102;                   // OID_802_11_SSID, 36 bytes
constexpr uint32_t kOidAuthenticationMode = 0x0D010118;     // 4 bytes
constexpr uint32_t kOidEncryptionStatus = 0x0D01011B;       // 4 bytes
constexpr uint32_t kOidAddKey = 0x0D01011D;                 // NDIS_802_11_KEY
constexpr uint32_t kOidRemoveKey = 0x0D01011E;              // NDIS_802_11_REMOVE_KEY, 16 bytes
constexpr uint32_t kOidNetworkTypesSupported = 0x0D010203;  // count, then up to 4 types
constexpr uint32_t kOidFragmentationThreshold = 0x0D010209; // 4 bytes
constexpr uint32_t kOidRtsThreshold = 0x0D01020A;           // 4 bytes
constexpr uint32_t kOidConfiguration = 0x0D010211;          // NDIS_802_11_CONFIGURATION, 32 bytes
constexpr uint32_t kOidRssi = 0x0D010206;                   // OID_802_11_RSSI, 4 bytes, dBm

// Private OIDs: query, set.
constexpr uint32_t kOidQueryPreamble = 0x0D710101, kOidSetPreamble = 0x0DF10101;        // 4 bytes
constexpr uint32_t kOidQueryCountryRegion = 0x0D710107, kOidSetCountryRegion = 0x0DF10107;  // 4 bytes
constexpr uint32_t kOidSetPhyMode = 0x0DF1010C;                                         // 4 bytes
constexpr uint32_t kOidQueryApOptions = 0x0D71010F, kOidSetApOptions = 0x0DF1010F;      // 32 bytes
constexpr uint32_t kOidSetAccessControl = 0x0DF10110;                                   // 264 bytes
constexpr uint32_t kOidSetWds = 0x0DF10112;                                             // 60 bytes
constexpr uint32_t kOidQueryRegister = 0x0D710105;                                      // 12 bytes: kind, offset, value
constexpr uint32_t kOidQueryEventTable = 0x0D71010A;                                    // 168 bytes
constexpr uint32_t kOidQueryStationTable = 0x0D71010B;                                  // 260 bytes, 324 on 802.11n
constexpr uint32_t kOidQueryRadius = 0x0D710113, kOidSetRadius = 0x0DF10113;            // 72 bytes
constexpr uint32_t kOidQueryRekey = 0x0D710114, kOidSetRekey = 0x0DF10114;              // 8 bytes
constexpr uint32_t kOidSetTxPower = 0x0DF10118;                                         // 4 bytes, percent
constexpr uint32_t kOidQueryOpMode = 0x0D710126, kOidSetOpMode = 0x0DF10126;            // 4 bytes, 1 = AP
constexpr uint32_t kOidSetHtSetting = 0x0DF1013B;                                       // 12 bytes

// The 11n Setting page: block-ack capability (8 bytes), session table (3076 bytes), a
// session added or ended (14 bytes); its Add dialog's peers from the station table.
constexpr uint32_t kOidQueryBaCapability = 0x0D710137, kOidSetBaCapability = 0x0DF10137;
constexpr uint32_t kOidQueryBaSessions = 0x0D710138, kOidSetBaAdd = 0x0DF10138;
constexpr uint32_t kOidSetBaDelete = 0x0DF1013A;

// The Link Status page (4 bytes unless said).
constexpr uint32_t kOidMediaConnectStatus = 0x00010114;  // 0: connected
constexpr uint32_t kOidBssid = 0x0D010101;               // 6 bytes
constexpr uint32_t kOidQueryLinkInfo = 0x0D710102;       // 20 bytes
constexpr uint32_t kOidQueryLinkDown = 0x0D710111;       // 32 bytes, read while not connected
constexpr uint32_t kOidQueryNoise = 0x0D71011A;          // dBm + 143, adapters without 802.11n
constexpr uint32_t kOidQueryTxRate = 0x0D71011B;         // rate word, or a legacy rate index
constexpr uint32_t kOidQueryRxRate = 0x0D71011C;         // rate word
constexpr uint32_t kOidQueryExtraInfo = 0x0D71011D;      // code 0..10
constexpr uint32_t kOidQueryTxPower = 0x0D710118;
constexpr uint32_t kOidQueryIpAddress = 0x0D71011F;      // address bytes in order
constexpr uint32_t kOidQueryChainRssi[3] = {kOidRssi, 0x0D710125, 0x0D710134};  // dBm, -200 absent
constexpr uint32_t kOidQuerySnr[2] = {0x0D710135, 0x0D710136};                  // 44: not available

// Every set of the configuration is tried at once and retried twice more.
constexpr int kSetTries = 3;

}  // namespace softap
