#include "station/pages/wps/imported_profile.h"

#include <cstring>
#include <string>

#include "station/core/wps/wps_credential_table.h"
#include "station/profiles/editor/wep_key_text.h"

namespace {

std::string Decimal(long long v) { return std::to_string(v); }

}  // namespace

ProfileKeyValues ImportedProfileValues(const ProfileApplyRecord& record, const WpsCredential& credential) {
    const uint32_t ssidLength = record.SsidLength < sizeof record.Ssid ? record.SsidLength : sizeof record.Ssid;
    const char* ssid = reinterpret_cast<const char*>(record.Ssid);
    ProfileKeyValues keys = {
        {"ACPowerCam", Decimal(record.AcPowerCam)},
        {"PSMode", Decimal(record.PowerSaveMode)},
        {"RtsThresh", Decimal(record.RtsThreshold)},
        {"FragThresh", Decimal(record.FragThreshold)},
        {"PreambleType", Decimal(record.PreambleType)},
        {"NetworkType", Decimal(record.NetworkType)},
        {"LeapEnabled", Decimal(record.LeapEnabled)},
        {"TXPower", Decimal(record.TxPower)},
        {"SSID", std::string(ssid, strnlen(ssid, ssidLength))},
        {"AuthMode", Decimal(record.AuthMode)},
        {"CipherMode", Decimal(record.CipherMode)},
    };
    if (record.CipherMode == 0) {
        uint32_t index = credential.KeyIndex & 0x7FFFFFFFu;
        if (index > 3) index = 0;
        const std::string key = WpsCredentialKey(credential);
        const bool hex = key.size() == 10 || key.size() == 26;
        static const char* const kKeyKeys[4] = {"WEPKey1", "WEPKey2", "WEPKey3", "WEPKey4"};
        static const char* const kTypeKeys[4] = {"WEPKey1Type", "WEPKey2Type", "WEPKey3Type", "WEPKey4Type"};
        keys.emplace_back("WEPKeyUse", Decimal(index + 1));
        keys.emplace_back(kKeyKeys[index], hex ? key : HexOfAsciiKey(key));
        for (const char* type : kTypeKeys) keys.emplace_back(type, hex ? "0" : "1");
    }
    if (record.AuthMode == 4 || record.AuthMode == 7) {
        const uint32_t length = record.WpaPassphraseLength < sizeof record.WpaPassphrase ? record.WpaPassphraseLength
                                                                                         : sizeof record.WpaPassphrase;
        keys.emplace_back("WPAPSK", std::string(record.WpaPassphrase, strnlen(record.WpaPassphrase, length)));
    }
    return keys;
}
