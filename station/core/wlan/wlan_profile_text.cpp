#include "station/core/wlan/wlan_profile_text.h"

#include <cstring>

#include "shared/text/hex_text.h"
#include "station/core/scan/bss_ie_decoder.h"
#include "station/core/scan/bssid_list.h"

namespace wlan_profile {
namespace {

// "<tag attr>text</tag>", or nothing at all when the text is empty.
std::string Element(const char* tag, const std::string& text, const std::string& attribute = {}) {
    if (text.empty()) return {};
    std::string open = std::string("<") + tag;
    if (!attribute.empty()) open += " " + attribute;
    return open + ">" + text + "</" + tag + ">";
}

std::string Xmlns(const char* ns) { return std::string("xmlns=\"") + ns + "\""; }

// Bytes that XML 1.0 text cannot carry, or that its readers would rewrite (line ends).
bool XmlCanHold(const std::string& bytes) {
    for (unsigned char c : bytes)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

const char* AuthenticationOf(int32_t mode) {
    switch (mode) {
        case 1: return "shared";
        case 3: return "WPA";
        case 4: case 5: return "WPAPSK";
        case 6: return "WPA2";
        case 7: return "WPA2PSK";
        default: return "open";
    }
}

const char* EncryptionOf(int32_t mode, uint32_t cipher) {
    switch (mode) {
        case 0: case 1: case 3: case 6:
            return cipher == 0 ? "WEP" : cipher == 4 ? "TKIP" : cipher == 6 ? "AES" : "none";
        case 4: case 5: case 7:
            return cipher == 4 ? "TKIP" : cipher == 6 ? "AES" : "none";
        default:
            return "none";
    }
}

// The pairs the service stores: 802.1X with WPA and WPA2 (required) and with open WEP
// (dynamic keys), never with the others.
bool AcceptedSecurity(const std::string& auth, const std::string& enc, bool oneX) {
    const bool wpaCipher = enc == "TKIP" || enc == "AES";
    if (auth == "open") return enc == "none" ? !oneX : enc == "WEP";
    if (auth == "shared") return enc == "WEP" && !oneX;
    if (auth == "WPA" || auth == "WPA2") return wpaCipher && oneX;
    if (auth == "WPAPSK" || auth == "WPA2PSK") return wpaCipher && !oneX;
    return false;
}

std::string EapBlock() {
    const std::string common = Xmlns(kEapCommonNamespace);
    const std::string method = Element("Type", "25", common) + Element("VendorId", "0", common) +
                               Element("VendorType", "0", common) + Element("AuthorId", "0", common);
    return "<EAPConfig><EapHostConfig " + Xmlns(kEapHostConfigNamespace) + ">" + Element("EapMethod", method) +
           "<ConfigBlob></ConfigBlob></EapHostConfig></EAPConfig>";
}

std::string UpperHex(const uint8_t* bytes, size_t count) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < count; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 15];
    }
    return out;
}

struct Keys {
    std::string keyType, isProtected, keyMaterial, keyIndex;
};

// Key material as the service wants it; false when what the record holds is of no valid form.
bool KeysOf(const ProfileApplyRecord& record, const std::string& enc, Keys& keys) {
    if (enc == "WEP") {
        keys.keyType = "networkKey";
        keys.isProtected = "false";
        for (int n = 0; n < kWepKeyCount; ++n) {
            const Ndis80211KeyHeader* block = WepKeyBlock(record, n);
            if (!block || WepKeyLength(record, n) == 0 || !(block->KeyIndex & kKeyIndexTransmit)) continue;
            const uint32_t length = block->KeyLength;
            if (length != 5 && length != 13) return false;
            keys.keyMaterial = UpperHex(KeyMaterial(block), length);
            keys.keyIndex = std::to_string(n);
            break;
        }
        return true;
    }
    if (enc == "TKIP" || enc == "AES") {
        const uint32_t length = record.WpaPassphraseLength;
        if (length > sizeof(record.WpaPassphrase)) return false;
        const std::string key(record.WpaPassphrase, length);
        keys.keyType = length == 64 ? "networkKey" : "passPhrase";
        keys.isProtected = "false";
        if (length == 0) return true;
        if (length == 64) {
            if (!IsHexText(key.c_str(), 64)) return false;
        } else {
            if (length < 8) return false;
            for (unsigned char c : key)
                if (c < 32 || c > 126) return false;
        }
        keys.keyMaterial = Escape(key);
    }
    return true;
}

}  // namespace

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case ' ': out += "&#32;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c; break;
        }
    }
    return out;
}

std::optional<Document> Build(const ProfileApplyRecord& record, const std::string& pickedSsid) {
    Document doc;
    doc.discoveryFlag = static_cast<int>(record.UseBssid);

    std::string connectionType, connectionMode, auth, enc, oneX = "false";
    Keys keys;
    std::string eap;
    const uint32_t ssidLength = record.SsidLength < sizeof(record.Ssid) ? record.SsidLength : sizeof(record.Ssid);
    if (ssidLength != 0) {
        doc.name.assign(reinterpret_cast<const char*>(record.Ssid), ssidLength);
        connectionType = record.NetworkType == 0 ? "IBSS" : "ESS";
        connectionMode = record.NetworkType != 0 ? "auto" : "manual";
        auth = AuthenticationOf(record.AuthMode);
        enc = EncryptionOf(record.AuthMode, record.CipherMode);
        const bool useOneX = record.Use8021X == 1;
        if (!AcceptedSecurity(auth, enc, useOneX)) return std::nullopt;
        if (useOneX) {
            oneX = "true";
            eap = EapBlock();
        } else if (!KeysOf(record, enc, keys)) {
            return std::nullopt;
        }
        doc.bssType = record.NetworkType == 0 ? kBssIndependent : record.NetworkType == 1 ? kBssInfrastructure : kBssAny;
        if (useOneX || record.AuthMode != 0) doc.secured = 1;
        else doc.secured = record.CipherMode == 1 || record.CipherMode == 2 || record.CipherMode == 3 ? 0 : 1;
    } else {
        // Both names come from the picked network: a profile without a name is refused.
        if (pickedSsid.empty()) return std::nullopt;
        doc.name = pickedSsid;
        connectionType = "ESS";
        connectionMode = "manual";
        auth = "open";
        enc = "none";
        doc.bssType = kBssInfrastructure;
        doc.secured = 0;
    }
    if (doc.name.size() > 32 || !XmlCanHold(doc.name)) return std::nullopt;
    doc.escapedSsid = Escape(doc.name);

    const bool ess = connectionType == "ESS";
    const std::string ssidConfig =
        Element("SSID", Element("name", doc.escapedSsid)) + (ess ? Element("nonBroadcast", "true") : "");
    // The service refuses autoSwitch on a network it only joins when asked.
    const bool autoSwitch = ess && connectionMode == "auto";
    // A key entry without key material says nothing; the service would refuse it.
    const std::string sharedKey = keys.keyMaterial.empty() ? std::string()
                                  : Element("keyType", keys.keyType) + Element("protected", keys.isProtected) +
                                        Element("keyMaterial", keys.keyMaterial);
    const std::string security =
        Element("authEncryption", Element("authentication", auth) + Element("encryption", enc) + Element("useOneX", oneX)) +
        Element("sharedKey", sharedKey) + Element("keyIndex", keys.keyMaterial.empty() ? "" : keys.keyIndex) +
        Element("OneX", eap, Xmlns(kOneXNamespace));

    doc.xml = "<?xml version=\"1.0\"?>" +
              Element("WLANProfile",
                      Element("name", doc.escapedSsid) + Element("SSIDConfig", ssidConfig) +
                          Element("connectionType", connectionType) + Element("connectionMode", connectionMode) +
                          (autoSwitch ? Element("autoSwitch", "true") : "") +
                          Element("MSM", Element("security", security)),
                      Xmlns(kProfileNamespace));
    return doc;
}

std::string PickOpenNetwork(const uint8_t* displayList, size_t size) {
    if (!displayList) return {};
    std::string best;
    int32_t bestRssi = 0;
    bool found = false;
    for (const BssidEntryView& entry : ReadBssidList(displayList, size)) {
        if (entry.InfrastructureMode() != kNdisInfrastructure) continue;
        const BssIeFlags f = DecodeBssInformationElements(entry);
        if (f.privacy || f.tkip || f.wrap || f.ccmp || f.AnyKeyManagement()) continue;
        const std::string ssid = entry.Ssid();
        if (ssid.empty() || entry.Rssi() <= -250) continue;
        if (!found || entry.Rssi() > bestRssi) {
            best = ssid;
            bestRssi = entry.Rssi();
            found = true;
        }
    }
    return best;
}

}  // namespace wlan_profile
