#include "softap/core/config/ap_config_read.h"

#include "softap/core/radio/ap_channels.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/push/ap_push.h"
#include "softap/core/records/ap_records.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "softap/core/havix_trace.h"
#include "softap/core/le_bytes.h"
#include "shared/adapter/adapter_identity.h"

namespace softap {
void ReadConfigFromRegistry(const ApKeyReader& key, DaduVeSettings& s, ApDriver& driver)
{
    const TracedValues v(key, kPageBufferBytes);
    SecurityConfig& sec = s.Security;

    if (v.Text("SSID", s.SSID))
        s.SSID = CutSsid(s.SSID);

    int mode = 0;
    if (v.Number("WirelessMode", mode))
        s.WirelessModeText = WirelessModeText(mode);
    NormalizeWirelessModeText(s.WirelessModeText);
    g_Ap.phyMode = WirelessModeFromText(s.WirelessModeText);
    uint8_t phy[4];
    PutU32(phy, static_cast<uint32_t>(g_Ap.phyMode));
    driver.Set(kOidSetPhyMode, phy, sizeof(phy), kSetTries);

    v.Text("Channel", s.ChannelText);

    if (g_IsHtChip) {
        v.Number("AllowBW40Capability", s.AllowBW40Capability);
        uint32_t transmit = 0;
        if (v.FirstDword("TransmitSetting", transmit)) {
            const TransmitSettingFields f = UnpackTransmitSetting(transmit);
            const bool bw40Allowed = g_Ap.allowBw40InBgBand || (g_Ap.phyMode != 8 && g_Ap.phyMode != 9);
            s.Bw40 = bw40Allowed ? f.bw40 : 0;
            s.ShortGi = f.shortGi;
            s.Stbc = f.stbc;
            s.HtMode = f.htMode;
            s.McsText = McsText(f.mcs);
            if (g_Ap.checkBuild == 1)
                Trace("m_cszHT_MCS (ReadConfigFromRegistry - > Test12) is '%s' and '%d' \n", s.McsText.c_str(),
                      f.mcs);
            s.ExtChannelText = ExtChannelTextFor(s.Bw40, f.extChannel, ChannelFromText(s.ChannelText));
        }
        const HtSetting ht = HtSettingOf(s, g_Ap.phyMode);
        if (g_Ap.checkBuild == 1)
            Trace("m_cszHT_MCS (ReadConfigFromRegistry - > Test4) is '%s' and '%d' \n", s.McsText.c_str(), ht.mcs);
        const HtSettingRecord record = BuildHtSetting(ht);
        driver.Set(kOidSetHtSetting, record.data(), static_cast<uint32_t>(record.size()), kSetTries);
    }

    if (v.Number("TransRate", s.TransRate) && s.TransRate < 0)
        s.TransRate = 0;
    v.Number("TXPower", s.TXPower);
    v.Number("BGProtection", s.BGProtection);
    int region = 0;
    if (g_Ap.region24Selectable) {
        if (v.Number("CountryRegion", region))
            s.CountryRegion = region & 0x7F;
    } else {
        s.CountryRegion = g_Ap.Region24();
    }
    if (g_Ap.region5Selectable) {
        if (v.Number("CountryRegionABand", region))
            s.CountryRegionABand = region & 0x7F;
    } else {
        s.CountryRegionABand = g_Ap.Region5();
    }
    if (v.Number("PreambleType", s.PreambleType) && s.PreambleType > 1)
        s.PreambleType = 0;
    v.Number("BeaconPeriod", s.BeaconPeriod);
    v.Number("RtsThresh", s.RtsThresh);
    v.Number("FragThresh", s.FragThresh);
    v.Number("TXBurst", s.TXBurst);
    v.Number("TurboRate", s.TurboRate);
    v.Number("NoForwarding", s.NoForwarding);
    v.Number("HideSSID", s.HideSSID);
    v.Number("ShortSlot", s.ShortSlot);
    v.Number("AutoChannelSelect", s.AutoChannelSelect);
    if (v.Number("AuthenType", sec.AuthenType))
        g_Ap.authenType = sec.AuthenType;
    v.Number("Encryption", sec.Encryption);
    v.NumberU32("RadiusIP", sec.RadiusIP);
    v.NumberU32("RadiusPort", sec.RadiusPort);
    v.Text("RadiusKey", sec.RadiusKey);
    v.NumberU32("RekeyInterval", sec.RekeyInterval);
    v.Number("RekeyMethod", sec.RekeyMethod);
    if (v.Text("WPAPSK", sec.WPAPSK))
        g_Ap.passphrase = sec.WPAPSK;
    int keyUse = 0;
    if (v.Number("WEPKeyUse", keyUse))
        sec.WEPKeyUse = keyUse - 1;
    for (int n = 0; n < 4; ++n) {
        const std::string type = "WEPKey" + std::to_string(n + 1) + "Type";
        v.Number(type.c_str(), sec.WEPKeyType[n]);
    }
    for (int n = 0; n < 4; ++n) {
        const std::string name = "WEPKey" + std::to_string(n + 1);
        v.Text(name.c_str(), sec.WEPKey[n]);
    }
    if (v.Number("IdleTime", s.IdleTime) && (s.IdleTime < 60 || s.IdleTime > 3600))
        s.IdleTime = 300;
}

}  // namespace softap
