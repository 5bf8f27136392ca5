#pragma once
// A profile's 802.1X (EAP) settings as the security page holds them and the profile keys
// store them. The record owns its strings and holds the two certificate thumbprints by value,
// so a copy never shares a buffer with the record it came from or with a CertDesc.
// Window-less.
#include <cstdint>
#include <string>

#include "station/profiles/dot1x/cert_desc.h"

// EAP methods.
constexpr int kEapPeap = 0;
constexpr int kEapTls = 1;
constexpr int kEapTtls = 2;
constexpr int kEapMd5 = 3;
constexpr int kEapFast = 5;

// Inner EAP types.
constexpr int kInnerMschapV2 = 26;
constexpr int kInnerTls = 13;
constexpr int kInnerTokenCard = 6;

struct Dot1xSettings {
    int eapMethod = kEapPeap;
    int innerEapType = kInnerMschapV2;
    int provisioningInnerType = kInnerTokenCard;  // method 5 only
    int ttlsProtocol = 3;                         // 1 CHAP .. 5 EAP-MD5; 3 MS-CHAP-V2
    int sessionResumption = 0;
    std::string identity;
    std::string password;
    std::string tunnelIdentity;
    std::string tunnelPassword;
    int passwordMode = 1;                         // 0 soft token, 1 static password
    int useClientCert = 0;
    int validateServerChain = 0;
    int usePac = 0;
    int allowUnauthenticatedProvision = 1;
    std::string pacFilePath;
    int allowIntermediateCerts = 0;
    std::string serverName;
    int nameRule = 0;                             // 0 exact name, 1 domain suffix
    uint32_t serverThumbprintLength = 0;
    uint8_t serverThumbprint[kCertThumbprintMax] = {};
    uint32_t clientThumbprintLength = 0;
    uint8_t clientThumbprint[kCertThumbprintMax] = {};  // SHA-1 of the chosen certificate

    bool operator==(const Dot1xSettings&) const = default;
};
