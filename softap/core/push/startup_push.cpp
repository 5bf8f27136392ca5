#include <cstring>
#include <vector>

#include "softap/core/records/access_control_record.h"
#include "softap/core/radio/ap_channels.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/push/ap_push.h"
#include "softap/core/radio/ap_rates.h"
#include "softap/core/config/ap_seed_values.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "softap/core/havix_trace.h"
#include "softap/core/le_bytes.h"
#include "softap/core/push/push_steps.h"
#include "softap/core/records/wds_record.h"
#include "shared/adapter/adapter_identity.h"

namespace softap {

int AdjustStartupEncryption(int auth, int enc)
{
    if (auth >= 0 && auth <= 2)
        return enc > 1 ? 1 : enc;
    if (auth == 3 || auth == 4 || auth == 6 || auth == 7 || auth == 8 || auth == 9)
        return (enc == 4 || enc == 6 || enc == 8) ? enc : 4;
    return enc;
}

namespace {

// The SSID the access point broadcasts: the stored one, or "DaduVE-xx" from the MAC
// address when it is empty (queried once, when first needed). Without the address there
// is none: a zeroed one would name the access point "DaduVE-00" and salt its key with that.
class BroadcastSsid {
public:
    BroadcastSsid(ApDriver& driver, std::string stored) : m_Driver(driver), m_Ssid(std::move(stored)) {}
    // False when the SSID is empty and the address cannot be read.
    bool Get(std::string* ssid)
    {
        if (m_Ssid.empty() && !m_bAsked) {
            m_bAsked = true;
            uint8_t mac[6] = {};
            uint32_t returned = 0;
            if (m_Driver.Query(kOidCurrentAddress, mac, sizeof(mac), &returned) && returned >= sizeof(mac))
                m_Ssid = DefaultApSsid(mac);
            else
                Trace("OID_802_3_CURRENT_ADDRESS failed: no SSID to broadcast\n");
        }
        *ssid = m_Ssid;
        return !m_Ssid.empty();
    }

private:
    ApDriver& m_Driver;
    std::string m_Ssid;
    bool m_bAsked = false;
};

}  // namespace

void LoadAndApplyApSettings(const ApKeyReader& key, ApDriver& driver, IApSheetSync* sheet)
{
    const TracedValues v(key, kStartupBufferBytes);
    PushSteps p(driver);

    std::string storedSsid;
    v.Text("SSID", storedSsid);
    BroadcastSsid ssid(driver, CutSsid(storedSsid));

    int mode = g_Ap.phyMode;
    v.Number("WirelessMode", mode);
    NormalizeWirelessMode(mode);
    g_Ap.phyMode = mode;
    p.SetU32(kOidSetPhyMode, static_cast<uint32_t>(mode));

    uint32_t transmit = 0;
    if (g_IsHtChip && v.FirstDword("TransmitSetting", transmit)) {
        const TransmitSettingFields f = UnpackTransmitSetting(transmit);
        HtSetting h;
        h.phyMode = f.phyMode;
        h.transmitMode = f.transmitMode;
        h.htMode = f.htMode;
        h.extChannel = f.extChannel;
        h.mcs = f.mcs;
        h.bw40 = f.bw40;
        h.stbc = f.stbc;
        h.shortGi = f.shortGi;
        p.Set(kOidSetHtSetting, BuildHtSetting(h));
    }

    int txPower = 0;
    if (v.Number("TXPower", txPower))
        p.SetU32(kOidSetTxPower, TxPowerPercent(txPower));

    int rate = 0;
    if (mode != 6 && v.Number("TransRate", rate)) {
        if ((mode == 1 && rate > 4) || (mode == 2 && rate > 8))
            rate = 0;
        p.Set(kOidDesiredRates, DesiredRatesFor(mode, rate));
    }

    int autoChannel = 0;
    uint32_t frequency = 0;
    bool tune = false;
    if (!v.Number("AutoChannelSelect", autoChannel) || autoChannel == 0) {
        int channel = 0;
        tune = v.Number("Channel", channel) && ChannelToFrequencyKhz(channel, &frequency);
    }
    int beacon = 0;
    const bool haveBeacon = v.Number("BeaconPeriod", beacon);
    p.Configuration(haveBeacon ? &beacon : nullptr, tune ? &frequency : nullptr, FirstChannelFrequencyKhz(mode));

    int preamble = 0;
    if (v.Number("PreambleType", preamble))
        p.SetU32IfDiffers(kOidQueryPreamble, kOidSetPreamble, preamble == 1 ? 1 : 0);
    int threshold = 0;
    if (v.Number("RtsThresh", threshold))
        p.SetU32IfDiffers(kOidRtsThreshold, kOidRtsThreshold, static_cast<uint32_t>(threshold));
    if (v.Number("FragThresh", threshold))
        p.SetU32IfDiffers(kOidFragmentationThreshold, kOidFragmentationThreshold, static_cast<uint32_t>(threshold));

    p.ApOptions([&](uint8_t* o) {
        int value = 0;
        if (v.Number("BGProtection", value))
            PutU32(o + kOptBgProtection, (mode == 0 || mode == 3) ? static_cast<uint32_t>(value) : 0u);
        static const struct {
            const char* name;
            size_t offset;
        } kFields[] = {{"TXBurst", kOptTxBurst},   {"TurboRate", kOptTurboRate}, {"NoForwarding", kOptNoForwarding},
                       {"HideSSID", kOptHideSsid}, {"ShortSlot", kOptShortSlot}};
        for (const auto& f : kFields)
            if (v.Number(f.name, value))
                PutU32(o + f.offset, static_cast<uint32_t>(value));
        if (v.Number("IdleTime", value))
            PutU16(o + kOptIdleTime, static_cast<uint16_t>(value));
    });

    int auth = g_Ap.authenType;
    if (v.Number("AuthenType", auth)) {
        g_Ap.authenType = auth;
        p.SetU32(kOidAuthenticationMode, static_cast<uint32_t>(auth));
    }

    int encryption = 1;
    const bool haveEncryption = v.Number("Encryption", encryption);
    encryption = AdjustStartupEncryption(auth, encryption);
    if (haveEncryption) {
        g_Ap.wdsAllowed = encryption < 4 ? 1 : 0;
        if (sheet)
            sheet->SyncWdsPage();
        p.SetU32(kOidEncryptionStatus, static_cast<uint32_t>(encryption));
    }

    if (auth == 2 || auth == 3) {
        uint32_t ip = 0, port = 0;
        std::string secret;
        v.NumberU32("RadiusIP", ip);
        v.NumberU32("RadiusPort", port);
        v.Text("RadiusKey", secret);
        p.SetIfDiffers(kOidQueryRadius, kOidSetRadius, BuildRadiusRecord(ip, port, secret));
    }
    if (IsPskAuthentication(auth)) {
        std::string psk;
        if (v.Text("WPAPSK", psk)) {
            g_Ap.passphrase = psk;
            std::string salt;
            if (ssid.Get(&salt))
                p.AddPsk(psk, salt);
            else
                Trace("No SSID to salt WPAPSK with: ADD_KEY not sent\n");
        }
    }
    if (auth == 3 || IsPskAuthentication(auth) || auth == 6 || auth == 8) {
        uint32_t method = 0, interval = 0;
        v.NumberU32("RekeyMethod", method);
        v.NumberU32("RekeyInterval", interval);
        p.SetIfDiffers(kOidQueryRekey, kOidSetRekey, BuildRekeyRecord(method, interval));
    }

    if (encryption == 0 || auth == 1) {
        int defaultKey = 0;
        v.Number("WEPKeyUse", defaultKey);
        std::string keys[4];
        bool readable[4];
        for (int n = 0; n < 4; ++n) {
            const std::string name = "WEPKey" + std::to_string(n + 1);
            readable[n] = v.Text(name.c_str(), keys[n]);
        }
        p.WepKeys(keys, readable, defaultKey);
    }

    std::string broadcast;
    if (ssid.Get(&broadcast))
        p.Ssid(broadcast);
    else
        Trace("No SSID: OID_802_11_SSID not sent\n");

    int policy = kPolicyDisable;
    v.Number("AccessControlPolicy", policy);
    if (policy < kPolicyDisable || policy > kPolicyRejectAll)
        policy = kPolicyDisable;
    std::vector<std::string> stations;
    if (policy != kPolicyDisable)
        stations = ReadAccessControlList(key);
    p.Set(kOidSetAccessControl, BuildAccessControlRecord(policy, stations));

    int wdsEnable = 1;
    std::vector<std::string> peers;
    bool withKey = false;
    if (v.Number("WdsEnable", wdsEnable) && wdsEnable == 0) {
        peers = ReadWdsList(key);
        withKey = IsPskAuthentication(auth);
    }
    const uint32_t count = encryption >= 4 ? 0 : static_cast<uint32_t>(peers.size());
    p.Set(kOidSetWds, BuildWdsRecord(peers, count, withKey, g_Ap.passphrase));
}

}  // namespace softap
