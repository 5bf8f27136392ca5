#include "softap/core/push/ap_push.h"

#include <vector>

#include "softap/core/radio/ap_channels.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/radio/ap_rates.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/le_bytes.h"
#include "softap/core/push/push_steps.h"
#include "softap/core/records/wds_record.h"
#include "shared/adapter/adapter_identity.h"

namespace softap {

int MapApplyAuthMode(int a)
{
    return (a == 5 || a < 0 || a > 9) ? 0 : a;
}

int AdjustApplyEncryption(int mode, int enc)
{
    if (mode <= 2)
        return enc > 1 ? 1 : enc;
    if (mode == 3 || mode == 4 || mode == 6 || mode == 7 || mode == 9)
        return enc < 4 ? 4 : enc;
    return enc;
}

HtSetting HtSettingOf(const DaduVeSettings& s, int phyMode)
{
    HtSetting h;
    h.phyMode = phyMode;
    h.transmitMode = 2;
    h.htMode = s.HtMode;
    h.extChannel = ExtChannelCode(s.Bw40, s.ExtChannelText, ChannelFromText(s.ChannelText));
    h.mcs = McsFromText(s.McsText);
    h.bw40 = s.Bw40;
    h.stbc = s.Stbc;
    h.shortGi = s.ShortGi;
    return h;
}

namespace {

WdsRecord WdsRecordFromKey(const ApKeyReader* key, int encryption)
{
    int enable = 1;
    std::vector<std::string> peers;
    if (key) {
        ReadRegNumber(*key, "WdsEnable", kStartupBufferBytes, &enable);
        peers = ReadWdsList(*key);
    }
    const bool on = enable == 0;
    uint32_t count = on ? static_cast<uint32_t>(peers.size()) : 0;
    if (encryption >= 4)
        count = 0;
    return BuildWdsRecord(peers, count, on && IsPskAuthentication(g_Ap.authenType), g_Ap.passphrase);
}

}  // namespace

void ApplyApSettings(const DaduVeSettings& s, int phyMode, const ApplyTargets& targets)
{
    PushSteps p(targets.driver);
    const SecurityConfig& sec = s.Security;

    uint32_t frequency = 0;
    const bool tune = s.AutoChannelSelect == 0 && ChannelToFrequencyKhz(ChannelFromText(s.ChannelText), &frequency);
    p.Configuration(&s.BeaconPeriod, tune ? &frequency : nullptr, FirstChannelFrequencyKhz(phyMode));

    p.SetU32(kOidSetPhyMode, static_cast<uint32_t>(phyMode));
    if (g_IsHtChip)
        p.Set(kOidSetHtSetting, BuildHtSetting(HtSettingOf(s, phyMode)));
    if (phyMode != 6)
        p.Set(kOidDesiredRates, DesiredRatesFor(phyMode, s.TransRate));

    p.SetU32IfDiffers(kOidQueryPreamble, kOidSetPreamble, s.PreambleType == 1 ? 1 : 0);
    p.SetU32IfDiffers(kOidRtsThreshold, kOidRtsThreshold, static_cast<uint32_t>(s.RtsThresh));
    p.SetU32IfDiffers(kOidFragmentationThreshold, kOidFragmentationThreshold, static_cast<uint32_t>(s.FragThresh));
    p.SetU32(kOidSetTxPower, TxPowerPercent(s.TXPower));

    p.ApOptions([&](uint8_t* o) {
        PutU32(o + kOptTxBurst, static_cast<uint32_t>(s.TXBurst));
        PutU32(o + kOptTurboRate, static_cast<uint32_t>(s.TurboRate));
        PutU32(o + kOptNoForwarding, static_cast<uint32_t>(s.NoForwarding));
        PutU32(o + kOptHideSsid, static_cast<uint32_t>(s.HideSSID));
        PutU32(o + kOptBgProtection, static_cast<uint32_t>(s.BGProtection));
        PutU32(o + kOptShortSlot, static_cast<uint32_t>(s.ShortSlot));
        PutU16(o + kOptIdleTime, static_cast<uint16_t>(s.IdleTime));
    });

    if (g_Ap.region24Selectable || g_Ap.region5Selectable) {
        const uint32_t word = CountryRegionWord(s.CountryRegion, s.CountryRegionABand);
        p.SetU32(kOidSetCountryRegion, word);
        g_Ap.regionWord = word;
        if (targets.regionChanged)
            targets.regionChanged();
    }

    const int mode = MapApplyAuthMode(sec.AuthenType);
    p.SetU32(kOidAuthenticationMode, static_cast<uint32_t>(mode));

    const int encryption = AdjustApplyEncryption(mode, sec.Encryption);
    g_Ap.wdsAllowed = encryption < 4 ? 1 : 0;
    if (targets.sheet)
        targets.sheet->SyncWdsPage();
    p.Set(kOidSetWds, WdsRecordFromKey(targets.driverKey, encryption));
    p.SetU32(kOidEncryptionStatus, static_cast<uint32_t>(encryption));

    if (IsPskAuthentication(mode))
        p.AddPsk(sec.WPAPSK, CutSsid(s.SSID));
    if (mode == 2 || mode == 3 || mode == 6 || mode == 8)
        p.SetIfDiffers(kOidQueryRadius, kOidSetRadius, BuildRadiusRecord(sec.RadiusIP, sec.RadiusPort, sec.RadiusKey));
    if (mode == 3 || IsPskAuthentication(mode) || mode == 6 || mode == 8)
        p.SetIfDiffers(kOidQueryRekey, kOidSetRekey,
                       BuildRekeyRecord(static_cast<uint32_t>(sec.RekeyMethod), sec.RekeyInterval));

    if (encryption == 0 || mode == 1) {
        const bool readable[4] = {true, true, true, true};
        p.WepKeys(sec.WEPKey, readable, sec.WEPKeyUse + 1);
    }
    p.Ssid(s.SSID);
}

}  // namespace softap
