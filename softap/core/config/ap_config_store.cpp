#include "softap/core/config/ap_config_store.h"

#include <string>

#include "softap/core/radio/ap_channels.h"
#include "softap/core/config/ap_config_read.h"
#include "softap/core/config/ap_numbers.h"
#include "softap/core/push/ap_push.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "softap/core/havix_trace.h"
#include "softap/core/push/oid_ap_driver.h"
#include "softap/core/config/reg_key.h"
#include "softap/core/records/wds_record.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_key.h"

namespace softap {
namespace {

void WriteRecord(HKEY key, const DaduVeSettings& s, int phyMode)
{
    const SecurityConfig& sec = s.Security;
    WriteRegNumber(key, "WirelessMode", phyMode);
    WriteRegNumber(key, "TransRate", s.TransRate);
    WriteRegNumber(key, "TXPower", s.TXPower);
    WriteRegNumber(key, "Channel", ChannelFromText(s.ChannelText));
    WriteRegNumber(key, "BeaconPeriod", s.BeaconPeriod);
    WriteRegNumber(key, "BGProtection", s.BGProtection);
    if (g_Ap.region24Selectable)
        WriteRegNumber(key, "CountryRegion", s.CountryRegion);
    if (g_Ap.region5Selectable)
        WriteRegNumber(key, "CountryRegionABand", s.CountryRegionABand);
    WriteRegNumber(key, "PreambleType", s.PreambleType);
    WriteRegNumber(key, "RtsThresh", s.RtsThresh);
    WriteRegNumber(key, "FragThresh", s.FragThresh);
    WriteRegNumber(key, "TXBurst", s.TXBurst);
    WriteRegNumber(key, "TurboRate", s.TurboRate);
    WriteRegNumber(key, "NoForwarding", s.NoForwarding);
    WriteRegNumber(key, "HideSSID", s.HideSSID);
    WriteRegNumber(key, "ShortSlot", s.ShortSlot);
    WriteRegNumber(key, "AuthenType", sec.AuthenType);
    g_Ap.authenType = sec.AuthenType;
    WriteRegNumber(key, "Encryption", sec.Encryption);
    // Decimal, as it is read back.
    WriteRegText(key, "RadiusIP", DecimalText(sec.RadiusIP));
    WriteRegText(key, "RadiusPort", DecimalText(sec.RadiusPort));
    WriteRegText(key, "RadiusKey", sec.RadiusKey);
    WriteRegText(key, "RekeyInterval", DecimalText(sec.RekeyInterval));
    WriteRegNumber(key, "RekeyMethod", sec.RekeyMethod);

    const int auth = sec.AuthenType;
    if (IsPskAuthentication(auth)) {
        WriteRegText(key, "WPAPSK", sec.WPAPSK);
        g_Ap.passphrase = sec.WPAPSK;
    } else if (auth == 1 || ((auth == 0 || auth == 2) && sec.Encryption == 0)) {
        WriteRegNumber(key, "WEPKeyUse", sec.WEPKeyUse + 1);
        for (int n = 0; n < 4; ++n) {
            const std::string name = "WEPKey" + std::to_string(n + 1) + "Type";
            WriteRegNumber(key, name.c_str(), sec.WEPKeyType[n]);
        }
        for (int n = 0; n < 4; ++n) {
            const std::string name = "WEPKey" + std::to_string(n + 1);
            WriteRegText(key, name.c_str(), sec.WEPKey[n]);
        }
    }

    WriteRegNumber(key, "AutoChannelSelect", s.AutoChannelSelect);
    WriteRegText(key, "SSID", s.SSID);
    WriteRegNumber(key, "IdleTime", s.IdleTime);

    if (g_IsHtChip) {
        TransmitSettingFields f;
        f.phyMode = phyMode;
        f.mcs = McsFromText(s.McsText);
        if (g_Ap.checkBuild == 1)
            Trace("m_cszHT_MCS (WriteConfigToRegistryAndSetOid - > Test13) is '%s' and '%d' \n", s.McsText.c_str(),
                  f.mcs);
        f.bw40 = s.Bw40;
        f.shortGi = s.ShortGi;
        f.stbc = s.Stbc;
        f.htMode = s.HtMode;
        f.extChannel = ExtChannelCode(s.Bw40, s.ExtChannelText, ChannelFromText(s.ChannelText));
        WriteRegDword(key, "TransmitSetting", PackTransmitSetting(f));
        WriteRegNumber(key, "AllowBW40Capability", s.AllowBW40Capability);
    }
}

}  // namespace

int ReadConfigFromRegistry(DaduVeSettings& settings)
{
    ScopedKey key(OpenDriverKeyTraced(nullptr, KEY_READ));
    OidApDriver driver;
    if (key)
        ReadConfigFromRegistry(RegistryKeyReader(key.get()), settings, driver);
    return 1;
}

int WriteConfigToRegistryAndSetOid(DaduVeSettings& s, int transRateSelection, IApSheetSync* sheet,
                                   const std::function<void()>& regionChanged)
{
    s.TransRate = transRateSelection < 0 ? 0 : transRateSelection;
    NormalizeWirelessModeText(s.WirelessModeText);
    const int phyMode = WirelessModeFromText(s.WirelessModeText);
    g_Ap.phyMode = phyMode;
    if (phyMode == 1 || phyMode == 4 || (phyMode == 2 && g_Supports5GHz))
        s.BGProtection = 0;
    if ((phyMode == 1 && s.TransRate > 4) || ((phyMode == 4 || (phyMode == 2 && g_Supports5GHz)) && s.TransRate > 8))
        s.TransRate = 0;
    s.SSID = CutSsid(s.SSID);

    if (HKEY apDefault = OpenDriverKeyTraced("ApDefault", KEY_ALL_ACCESS)) {
        WriteRecord(apDefault, s, phyMode);
        if (HKEY driverKey = OpenDriverKeyTraced(nullptr, KEY_ALL_ACCESS)) {
            CopyRegistryValues(apDefault, driverKey);
            RegCloseKey(driverKey);
        }
        RegCloseKey(apDefault);
    }

    OidApDriver driver;
    ScopedKey driverKey(OpenDriverKey(nullptr, KEY_READ));
    const RegistryKeyReader reader(driverKey.get());
    ApplyTargets targets{driver, driverKey ? &reader : nullptr, sheet, regionChanged};
    ApplyApSettings(s, phyMode, targets);
    return 1;
}

void LoadAndApplyApSettings(IApSheetSync* sheet)
{
    ScopedKey key(OpenDriverKeyTraced(nullptr, KEY_READ));
    if (!key)
        return;
    OidApDriver driver;
    LoadAndApplyApSettings(RegistryKeyReader(key.get()), driver, sheet);
}

}  // namespace softap
