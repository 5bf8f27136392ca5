#include "station/pages/link_status_page.h"

#include <algorithm>
#include <cstring>

#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/pages/link_status_page_ids.h"  // after the resource ids
#include "shared/driver/oid_access.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/radio/signal_quality.h"
#include "station/core/station_globals.h"
#include "station/pages/link_status_values.h"
#include "station/pages/site_surv_page.h"

using namespace link_status;

namespace {

constexpr DWORD kOidLinkInfo = 0xFF0C0009;
constexpr DWORD kOidExtraInfo = 0xFF0C000D;
constexpr DWORD kOidRxRate = 0xFF0C000E;
constexpr DWORD kOidTxRate = 0xFF0C0021;
constexpr DWORD kOidIpAddress = 0x0D71011F;

constexpr uint32_t kExtraInfoCodes = 11;

constexpr int kHtControls[] = {IDC_LS_HT_BW, IDC_LS_HT_GI, IDC_LS_HT_MCS, IDC_LS_HT_SNR0, IDC_LS_HT_SNR1, IDC_LS_HT_GROUP};

constexpr CLinkStatusPageBase::Oids kOids = {
    {0xFF0C000F, 0xFF0C0010, 0xFF0C0022},  // the chains' RSSI
    {0xFF0C0023, 0xFF0C0024},              // SNR
    0xFF0C000A,                            // noise
};

WlanManager* Wlan() { return g_pHideDlg ? &g_pHideDlg->m_WlanManager : nullptr; }

}  // namespace

FW_BEGIN_MESSAGE_MAP(CLinkStatusPage, CLinkStatusPageBase)
    FW_ON_BN_CLICKED(IDC_LS_RECONNECT, OnReconnect)
    FW_ON_BN_CLICKED(IDC_LS_REAUTHENTICATE, OnReauthenticate)
FW_END_MESSAGE_MAP()

CLinkStatusPage::CLinkStatusPage() : CLinkStatusPageBase(kLinkStatusPageIds, kOids, kHtControls, std::size(kHtControls)) {
    m_strBw = "BW: ";
    m_strGi = "GI: ";
    m_strMcs = "MCS: ";
    m_strSnr0 = "SNR0:";
    m_strSnr1 = "SNR1:";
}

int CLinkStatusPage::SignalPercent(int32_t rssi) const { return SignalToPercent(rssi); }

void CLinkStatusPage::ClearValues() {
    ClearRows();
    for (std::string* text : {&m_strExtraInfo, &m_strBw, &m_strGi, &m_strMcs, &m_strSnr0, &m_strSnr1}) text->clear();
}

bool CLinkStatusPage::ReadLinkInfo(LinkInfoRecord* record) const {
    *record = LinkInfoRecord{};
    return QueryValue(kOidLinkInfo, record, g_IsHtChip ? sizeof(LinkInfoRecord) : kLinkInfoLegacySize);
}

void CLinkStatusPage::RequestRescan() {
    if (!g_pHideDlg || !g_pHideDlg->IsSheetOpen()) return;
    CSiteSurvPage* survey = g_pHideDlg->m_pSheet->SiteSurveyPage();
    // One request at a time: a scan already under way brings the network in as well.
    if (survey->IsWindow() && !survey->RescanPending()) survey->PostMessage(WM_COMMAND, IDC_SITE_RESCAN, 0);
}

std::string CLinkStatusPage::StatusText(const uint8_t bssid[6]) const {
    uint8_t ssid[36] = {};
    if (WlanManager* wlan = Wlan()) wlan->GetCurrentSsid(ssid);
    uint32_t length = 0;
    std::memcpy(&length, ssid, 4);
    const std::string name(reinterpret_cast<const char*>(ssid + 4), std::min<uint32_t>(length, 32));
    std::string text = fw::FormatStr("%s <--> %02X-%02X-%02X-%02X-%02X-%02X", name.c_str(), bssid[0], bssid[1],
                                     bssid[2], bssid[3], bssid[4], bssid[5]);
    uint8_t ip[4] = {};
    if (QueryValue(kOidIpAddress, ip) && (ip[0] | ip[1] | ip[2] | ip[3]) != 0)
        text += fw::FormatStr(" [%d.%d.%d.%d]", ip[0], ip[1], ip[2], ip[3]);
    return text;
}

void CLinkStatusPage::Tick() {
    WlanManager* wlan = Wlan();
    int connected = 0;
    if (!wlan || wlan->GetInterfaceState(&connected) != ERROR_SUCCESS) {
        ClearValues();
        m_strStatus = fw::LoadStr(IDS_NIC_NOT_READY);
        UpdateData(FALSE);
        return;
    }

    static const uint8_t kNoBssid[6] = {};
    uint8_t bssid[6] = {};
    wlan->GetCurrentBssid(bssid);
    if (connected != 1 || std::memcmp(bssid, kNoBssid, 6) == 0) {
        ClearValues();
        m_strStatus = fw::LoadStr(g_RadioOn ? IDS_DISCONNECTED : IDS_RF_OFF);
        m_strExtraInfo = fw::LoadStr(IDS_LS_LINK_DOWN);
        m_strBw = "BW: ";
        m_strGi = "GI: ";
        m_strMcs = "MCS: ";
        m_strSnr0 = "SNR0:";
        m_strSnr1 = "SNR1:";
        UpdateData(FALSE);
        ForgetCounters();
        return;
    }

    // A BSSID the display list does not know yet has no channel: ask for a scan and keep
    // the text.
    const int channel = wlan->ChannelOfBssid(bssid);
    if (channel >= 0) m_strChannel = ChannelText(channel);
    else RequestRescan();

    m_strStatus = StatusText(bssid);

    DWORD power = 0;
    DriverOidOps().QueryOid0007(&power);
    const std::string txPower = TxPowerText(static_cast<int32_t>(power));

    uint32_t code = kExtraInfoCodes;
    m_strExtraInfo = QueryValue(kOidExtraInfo, &code) && code < kExtraInfoCodes ? fw::LoadStr(IDS_LS_LINK_UP + code)
                                                                                  : std::string();

    LinkInfoRecord info{};
    const bool infoRead = ReadLinkInfo(&info);
    if (g_IsHtChip) {
        uint32_t rxWord = 0, txWord = 0;
        QueryValue(kOidRxRate, &rxWord);
        QueryValue(kOidTxRate, &txWord);
        m_strRxSpeed = OneDecimal(RateOfWord(rxWord, m_HtTable));
        m_strTxSpeed = OneDecimal(RateOfWord(txWord, m_HtTable));
        const RateWord tx = SplitRateWord(txWord);
        m_strBw = tx.bw40 ? "BW: 40" : "BW: 20";
        m_strGi = tx.shortGi ? "GI: short" : "GI: long";
        m_strMcs = fw::FormatStr("MCS: %u", tx.index);
        // Only onto a text built this tick: a kept one already carries it.
        if (channel >= 0 && wlan->IsBssidInList(bssid))
            m_strChannel += "; " + fw::LoadStr(IDS_LS_CENTRAL_CHANNEL) + fw::FormatStr(" : %d", static_cast<int>(info.CentralChannel));
    } else {
        uint32_t index = 0;
        QueryValue(kOidRxRate, &index);
        m_strRxSpeed = OneDecimal(LegacyRateOfIndex(index));
        m_strTxSpeed = OneDecimal(info.LinkSpeed / 2.0);
    }

    ShowLevels(infoRead, info);

    if (g_KeyErrorFlag) m_strExtraInfo += " -- " + fw::LoadStr(IDS_ICV_ERROR) + " ";
    m_strExtraInfo += " [TxPower:" + txPower + "]";

    UpdateData(FALSE);

    // The last transmit rate was not an 802.11n one: the group has nothing to say.
    uint32_t lastTx = 0;
    QueryValue(kOidTxRate, &lastTx);
    if (!IsHtRate(lastTx)) {
        m_strBw = "BW: n/a";
        m_strGi = "GI: n/a";
        m_strMcs = "MCS: n/a";
        m_strSnr0 = "SNR0: n/a";
        m_strSnr1 = "SNR1: n/a";
        for (auto [id, text] : {std::pair<int, std::string*>{IDC_LS_HT_BW, &m_strBw}, {IDC_LS_HT_GI, &m_strGi},
                                {IDC_LS_HT_MCS, &m_strMcs}, {IDC_LS_HT_SNR0, &m_strSnr0}, {IDC_LS_HT_SNR1, &m_strSnr1}})
            SetDlgItemText(id, *text);
    }
}
