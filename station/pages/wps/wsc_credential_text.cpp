#include "station/pages/wps/wsc_credential_text.h"

#include <cstring>

#include "shared/text/hex_text.h"
#include "station/profiles/editor/wep_key_text.h"

WscKeyForms KeyFormsOf(const WpsCredential& c) {
    WscKeyForms forms;
    const std::string key = WpsCredentialKey(c);
    forms.material = key;
    forms.displayedLength = static_cast<int>(c.KeyLength > kWpsMaxKeyLength ? kWpsMaxKeyLength : c.KeyLength);
    if (c.EncryType != 2) return forms;
    if ((key.size() == 10 || key.size() == 26) && IsHexText(key.c_str(), key.size())) {
        uint8_t bytes[13] = {};
        HexTextToBytes(key.c_str(), key.size(), bytes, key.size() / 2);
        forms.hex = key;
        forms.ascii.assign(reinterpret_cast<const char*>(bytes), key.size() / 2);
    } else if (key.size() == 5 || key.size() == 13) {
        forms.ascii = key;
        forms.hex = HexOfAsciiKey(key);
        forms.displayedLength = static_cast<int>(key.size() * 2);
    } else {
        return forms;
    }
    forms.material = forms.hex;
    forms.asciiAvailable = true;
    return forms;
}

bool RegistrarKeyPasses(bool readOnly, int limit, const std::string& key) {
    if (readOnly) return true;
    switch (limit) {
        case 5: case 10: case 13: case 26: return key.size() == static_cast<size_t>(limit);
        case 64: return key.size() >= 8;
        default: return true;
    }
}

void WriteRegistrarCredential(const RegistrarChoices& choices, WpsCredential& entry) {
    const size_t ssidLength = choices.ssid.size() < sizeof entry.Ssid ? choices.ssid.size() : sizeof entry.Ssid;
    std::memset(entry.Ssid, 0, sizeof entry.Ssid);
    std::memcpy(entry.Ssid, choices.ssid.data(), ssidLength);
    entry.SsidLength = static_cast<uint32_t>(ssidLength);
    std::memset(entry.MacAddress, 0, sizeof entry.MacAddress);
    std::memset(entry.Key, 0, sizeof entry.Key);
    const size_t keyLength = choices.key.size() < sizeof entry.Key ? choices.key.size() : sizeof entry.Key;
    std::memcpy(entry.Key, choices.key.data(), keyLength);
    if (choices.authRow == 0) {
        static const uint32_t kWepLengths[4] = {5, 10, 13, 26};
        entry.AuthType = 0x01;
        entry.EncryType = choices.encryptionRow == 1 ? 0x02 : 0x01;
        entry.KeyLength = kWepLengths[choices.keyLengthRow >= 0 && choices.keyLengthRow < 4 ? choices.keyLengthRow : 0];
        entry.KeyIndex = static_cast<uint32_t>(choices.keyIndexRow >= 0 && choices.keyIndexRow < 4 ? choices.keyIndexRow : 0);
    } else {
        entry.AuthType = choices.authRow == 2 ? 0x20 : 0x02;
        entry.EncryType = choices.encryptionRow == 1 ? 0x08 : 0x04;
        entry.KeyIndex = 0;
        entry.KeyLength = static_cast<uint32_t>(keyLength);
    }
}
