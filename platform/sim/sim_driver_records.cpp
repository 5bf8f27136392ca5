#include "platform/sim/sim_driver_records.h"

#include <cstring>

namespace platform::sim {
namespace {

std::uint32_t U32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void Append(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Records of the 802.11 OIDs and of the private soft-AP OIDs.
constexpr std::uint32_t kOidSsid = 0x0D010102;
constexpr std::uint32_t kOidAuthenticationMode = 0x0D010118;
constexpr std::uint32_t kOidEncryptionStatus = 0x0D01011B;
constexpr std::uint32_t kOidAddKey = 0x0D01011D;
constexpr std::uint32_t kOidRemoveKey = 0x0D01011E;
constexpr std::uint32_t kOidDesiredRates = 0x0D010210;
constexpr std::uint32_t kOidConfiguration = 0x0D010211;
constexpr std::uint32_t kOidAccessControl = 0x0D710110;
constexpr std::uint32_t kOidWds = 0x0D710112;

constexpr std::uint32_t kNdisAuthModeLast = 9;      // the driver's WPA/WPA2 mixed modes 8 and 9 included
constexpr std::uint32_t kNdisEncryptionLast = 8;    // 8: TKIP and AES

}  // namespace

std::uint32_t SharedStateOid(std::uint32_t q) {
    switch (q) {
    case 0x0D710126: return 0xFF0C001A;
    case 0x0D710107: return 0xFF0C0003;
    case 0x0D710137: return 0xFF0C0026;  // the block-ack capability
    default: return q;
    }
}

Bytes NetworkTypesAnswer(const AdapterSpec& spec) {
    Bytes b;
    Append(b, spec.supports5GHz ? 3 : 2);
    Append(b, 1);  // Ndis802_11DS
    Append(b, 3);  // Ndis802_11OFDM24
    if (spec.supports5GHz) Append(b, 2);  // Ndis802_11OFDM5
    return b;
}

DWORD CheckSetRecord(std::uint32_t q, const std::uint8_t* p, DWORD n) {
    auto need = [&](DWORD size) { return n < size ? ERROR_INSUFFICIENT_BUFFER : ERROR_SUCCESS; };
    DWORD e = ERROR_SUCCESS;
    switch (q) {
    case kOidSsid:
        if ((e = need(36))) return e;
        return U32(p) > 32 ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    case kOidAuthenticationMode:
        if ((e = need(4))) return e;
        return U32(p) > kNdisAuthModeLast ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    case kOidEncryptionStatus:
        if ((e = need(4))) return e;
        return U32(p) > kNdisEncryptionLast ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    case kOidAddKey: {
        // Length, KeyIndex, KeyLength, BSSID, KeyRSC, then the key material.
        if ((e = need(32))) return e;
        const std::uint32_t length = U32(p), keyLength = U32(p + 8);
        if (keyLength == 0 || keyLength > 32 || length > n || length < 32 + keyLength) return ERROR_INVALID_PARAMETER;
        return ERROR_SUCCESS;
    }
    case kOidRemoveKey:
        if ((e = need(16))) return e;
        return U32(p) < 16 ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    case kOidDesiredRates:
        return n == 0 || n > 16 ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    case kOidConfiguration:
        if ((e = need(32))) return e;
        return U32(p) != 32 ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    case kOidAccessControl:
        if (n != 264) return ERROR_INVALID_PARAMETER;
        return U32(p) > 2 || U32(p + 4) > 32 ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    case kOidWds: {
        if (n != 60) return ERROR_INVALID_PARAMETER;
        const std::uint32_t keyLength = U32(p + 24);
        return U32(p) > 3 || (keyLength != 0 && keyLength != 32) ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    }
    default:
        return ERROR_SUCCESS;
    }
}

}  // namespace platform::sim
