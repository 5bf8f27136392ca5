#include "station/profiles/editor/auth_type_table.h"

bool OsKnowsWpa2(int osCode) {
    return osCode == 7 || osCode == 8 || osCode == 10 || osCode == 11 || osCode == 12;
}

int AuthModeOfType(int type, bool infrastructure, int osCode) {
    const bool wpa2 = OsKnowsWpa2(osCode);
    switch (type) {
        case kAuthShared: return 1;
        case kAuthLeap:
        case kAuthWpaNone: return infrastructure ? 0 : 5;
        case kAuthWpa: return 3;
        case kAuthWpaPsk: return 4;
        case kAuthWpa2: return wpa2 ? 6 : 3;
        case kAuthWpa2Psk: return wpa2 ? 7 : 4;
        default: return 0;
    }
}

int AuthTypeOfMode(int mode, bool leap, int osCode, int current) {
    const bool wpa2 = OsKnowsWpa2(osCode);
    switch (mode) {
        case 0: return leap ? kAuthLeap : kAuthOpen;
        case 1: return kAuthShared;
        case 3: return kAuthWpa;
        case 4: return kAuthWpaPsk;
        case 5: return kAuthWpaNone;
        case 6: return wpa2 ? kAuthWpa2 : kAuthWpa;
        case 7: return wpa2 ? kAuthWpa2Psk : kAuthWpaPsk;
        default: return current;
    }
}

int AuthModeForNetwork(int mode, bool infrastructure) {
    if (!infrastructure && mode == 4) return 5;
    if (!infrastructure && mode == 3) return 0;
    if (infrastructure && mode == 5) return 4;
    return mode;
}

namespace {

std::vector<int> StandardAuthTypes(bool infrastructure, bool wpaSupported, int cipherCapability, int osCode,
                                   bool twin) {
    std::vector<int> types{kAuthOpen};
    if (infrastructure || twin) types.push_back(kAuthShared);
    if (!wpaSupported || cipherCapability <= 3) return types;
    if (infrastructure) {
        types.push_back(kAuthWpa);
        types.push_back(kAuthWpaPsk);
        if (OsKnowsWpa2(osCode)) {
            types.push_back(kAuthWpa2);
            types.push_back(kAuthWpa2Psk);
        }
    } else {
        types.push_back(twin ? kAuthWpaNone : kAuthWpa2Psk);
    }
    return types;
}

}  // namespace

std::vector<int> OfferedAuthTypes(bool infrastructure, bool wpaSupported, int cipherCapability, int osCode,
                                  bool twin, int storedType) {
    std::vector<int> types = StandardAuthTypes(infrastructure, wpaSupported, cipherCapability, osCode, twin);
    if (storedType < 0 || storedType >= kAuthTypeCount) return types;
    // The list keeps the table's order.
    auto at = types.begin();
    while (at != types.end() && *at < storedType) ++at;
    if (at == types.end() || *at != storedType) types.insert(at, storedType);
    return types;
}

std::vector<int> OfferedEncryptions(int type, bool infrastructure, int cipherCapability, bool leapChange) {
    if (type == kAuthOpen || type == kAuthShared) return {kCipherNone, kCipherWep};
    if (type == kAuthLeap && infrastructure && leapChange) return {kCipherWep, kCipherTkip};
    if ((type == kAuthLeap || type == kAuthWpaNone) && infrastructure) return {};
    std::vector<int> list;
    if (cipherCapability == 4 || cipherCapability == 6) {
        if (infrastructure) list.push_back(kCipherTkip);
        if (cipherCapability == 6) list.push_back(kCipherAes);
    }
    return list;
}
