#include "station/profiles/dot1x/dot1x_checks.h"

#include "resources/station/resource.h"

namespace {

bool Tunnelled(int method) { return method == kEapPeap || method == kEapFast; }

}  // namespace

Dot1xProblem CheckDot1xSettings(const Dot1xSettings& d, bool clientCertChosen) {
    const int method = d.eapMethod;
    const bool fast = method == kEapFast;
    if (d.identity.empty()) return {IDS_8021X_IDENTITY_REQUIRED, 0};
    if ((Tunnelled(method) && (d.innerEapType == kInnerMschapV2 || (fast && d.provisioningInnerType == kInnerMschapV2))) ||
        method == kEapTtls) {
        if (d.tunnelIdentity.empty() || d.tunnelPassword.empty()) return {IDS_8021X_TUNNEL_ID_PASSWORD_REQUIRED, 0};
    } else if (Tunnelled(method) && d.innerEapType == kInnerTls) {
        if (d.tunnelIdentity.empty()) return {IDS_8021X_TUNNEL_ID_REQUIRED, 0};
    } else if (Tunnelled(method) && d.innerEapType == kInnerTokenCard) {
        if (d.tunnelIdentity.empty()) return {IDS_8021X_TUNNEL_ID_REQUIRED, 0};
        if (d.passwordMode == 1 && d.tunnelPassword.empty()) return {IDS_8021X_TUNNEL_ID_PASSWORD_REQUIRED, 0};
    }
    if (method == kEapMd5 && d.password.empty()) return {IDS_8021X_MD5_PASSWORD_REQUIRED, 0};
    if (d.useClientCert && !clientCertChosen) return {IDS_8021X_SELECT_CLIENT_CERT, 0};
    if (d.validateServerChain) {
        if (d.serverName.empty()) return {IDS_8021X_SERVER_NAME_REQUIRED, 1};
        if (d.nameRule == 1 && !IsValidDomainName(d.serverName)) return {IDS_8021X_INVALID_DOMAIN, 1};
    }
    return {};
}

bool IsValidDomainName(const std::string& name) {
    const size_t dot = name.find('.');
    return dot != std::string::npos && dot != 0 && dot != name.size() - 1;
}

int InnerTypeIndex(int innerType) { return innerType == kInnerTls ? 1 : innerType == kInnerTokenCard ? 2 : 0; }

int InnerTypeOfIndex(int index) {
    static const int kTypes[3] = {kInnerMschapV2, kInnerTls, kInnerTokenCard};
    return index >= 0 && index < 3 ? kTypes[index] : kInnerMschapV2;
}

int TtlsProtocolIndex(int protocol) { return protocol >= 1 && protocol <= 5 ? protocol - 1 : 0; }

int TtlsProtocolOfIndex(int index) { return index >= 0 && index < 5 ? index + 1 : 3; }
