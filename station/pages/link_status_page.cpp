#include "station/pages/link_status_page.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/adapter_identity.h"
#include "shared/oid_access.h"
#include "station/core/driver_oid_ops.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/signal_quality.h"
#include "station/core/station_globals.h"
#include "station/pages/link_status_values.h"
#include "station/pages/site_surv_page.h"

using namespace link_status;

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 2000;

constexpr DWORD kOidLinkInfo = 0xFF0C0009;
constexpr DWORD kOidNoise = 0xFF0C000A;
constexpr DWORD kOidExtraInfo = 0xFF0C000D;
constexpr DWORD kOidRxRate = 0xFF0C000E;
constexpr DWORD kOidRssi[3] = {0xFF0C000F, 0xFF0C0010, 0xFF0C0022};
constexpr DWORD kOidTxRate = 0xFF0C0021;
constexpr DWORD kOidSnr[2] = {0xFF0C0023, 0xFF0C0024};
constexpr DWORD kOidIpAddress = 0x0D71011F;

constexpr int32_t kChainAbsent = -200;
constexpr uint32_t kSnrNotAvailable = 44;
constexpr uint32_t kExtraInfoCodes = 11;

constexpr struct {
    int control;
    UINT text;
} kLabels[] = {
    {IDC_LS_STATUS_LABEL, IDS_LS_STATUS},       {IDC_LS_EXTRA_INFO_LABEL, IDS_LS_EXTRA_INFO},
    {IDC_LS_CHANNEL_LABEL, IDS_LS_CHANNEL},     {IDC_LS_LINK_SPEED_LABEL, IDS_LS_LINK_SPEED},
    {IDC_LS_TX_MBPS_LABEL, IDS_LS_TX_MBPS},     {IDC_LS_RX_MBPS_LABEL, IDS_LS_RX_MBPS},
    {IDC_LS_THROUGHPUT_LABEL, IDS_LS_THROUGHPUT}, {IDC_LS_TX_KBPS_LABEL, IDS_LS_TX_KBPS},
    {IDC_LS_RX_KBPS_LABEL, IDS_LS_RX_KBPS},     {IDC_LS_QUALITY_LABEL, IDS_LS_LINK_QUALITY},
    {IDC_LS_SIGNAL1_LABEL, IDS_LS_SIGNAL1},     {IDC_LS_SIGNAL2_LABEL, IDS_LS_SIGNAL2},
    {IDC_LS_SIGNAL3_LABEL, IDS_LS_SIGNAL3},     {IDC_LS_NOISE_LABEL, IDS_LS_NOISE_LEVEL},
};

constexpr int kHtControls[] = {IDC_LS_HT_BW, IDC_LS_HT_GI, IDC_LS_HT_MCS, IDC_LS_HT_SNR0, IDC_LS_HT_SNR1, IDC_LS_HT_GROUP};
constexpr int kBars[] = {IDC_LS_QUALITY_BAR, IDC_LS_SIGNAL1_BAR, IDC_LS_SIGNAL2_BAR, IDC_LS_SIGNAL3_BAR, IDC_LS_NOISE_BAR};

WlanManager* Wlan() { return g_pHideDlg ? &g_pHideDlg->m_WlanManager : nullptr; }

// A 4-byte driver value; a failed query leaves *value as the caller set it.
bool QueryValue(DWORD oid, void* value) {
    DWORD returned = 0;
    return QueryOid(oid, value, 4, &returned) != FALSE;
}

UINT QualityWord(int percent) {
    switch (ClassifyQuality(percent)) {
        case LinkClass::Good: return IDS_LS_GOOD;
        case LinkClass::Normal: return IDS_LS_NORMAL;
        default: return IDS_LS_WEAK;
    }
}

std::string Mbps(double rate) { return fw::FormatStr("%.1f", rate); }

}  // namespace

const LinkRow CLinkStatusPage::kChainRows[3] = {
    {IDC_LS_SIGNAL1_LABEL, IDC_LS_SIGNAL1_BAR, IDC_LS_SIGNAL1_WORD, IDC_LS_SIGNAL1_VALUE},
    {IDC_LS_SIGNAL2_LABEL, IDC_LS_SIGNAL2_BAR, IDC_LS_SIGNAL2_WORD, IDC_LS_SIGNAL2_VALUE},
    {IDC_LS_SIGNAL3_LABEL, IDC_LS_SIGNAL3_BAR, IDC_LS_SIGNAL3_WORD, IDC_LS_SIGNAL3_VALUE},
};
const LinkRow CLinkStatusPage::kNoiseRow = {IDC_LS_NOISE_LABEL, IDC_LS_NOISE_BAR, IDC_LS_NOISE_WORD,
                                                         IDC_LS_NOISE_VALUE};

FW_BEGIN_MESSAGE_MAP(CLinkStatusPage, fw::CPropertyPage)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_BN_CLICKED(IDC_LS_RECONNECT, OnReconnect)
    FW_ON_BN_CLICKED(IDC_LS_REAUTHENTICATE, OnReauthenticate)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CLinkStatusPage::CLinkStatusPage()
    : fw::CPropertyPage(IDD_LINK_STATUS, IDS_LINK_STATUS),
      m_strBw("BW: "), m_strGi("GI: "), m_strMcs("MCS: "), m_strSnr0("SNR0:"), m_strSnr1("SNR1:") {}

void CLinkStatusPage::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_LS_STATUS, m_strStatus);
    fw::DDX_Text(dx, IDC_LS_EXTRA_INFO, m_strExtraInfo);
    fw::DDX_Text(dx, IDC_LS_CHANNEL, m_strChannel);
    fw::DDX_Text(dx, IDC_LS_TX_SPEED, m_strTxSpeed);
    fw::DDX_Text(dx, IDC_LS_RX_SPEED, m_strRxSpeed);
    fw::DDX_Text(dx, IDC_LS_TX_THROUGHPUT, m_strTxThroughput);
    fw::DDX_Text(dx, IDC_LS_RX_THROUGHPUT, m_strRxThroughput);
    fw::DDX_Text(dx, IDC_LS_QUALITY_WORD, m_strQualityWord);
    fw::DDX_Text(dx, IDC_LS_QUALITY_VALUE, m_strQualityValue);
    for (int c = 0; c < 3; ++c) {
        fw::DDX_Text(dx, kChainRows[c].word, m_strSignalWord[c]);
        fw::DDX_Text(dx, kChainRows[c].value, m_strSignalValue[c]);
    }
    fw::DDX_Text(dx, IDC_LS_NOISE_WORD, m_strNoiseWord);
    fw::DDX_Text(dx, IDC_LS_NOISE_VALUE, m_strNoiseValue);
    fw::DDX_Text(dx, IDC_LS_HT_BW, m_strBw);
    fw::DDX_Text(dx, IDC_LS_HT_GI, m_strGi);
    fw::DDX_Text(dx, IDC_LS_HT_MCS, m_strMcs);
    fw::DDX_Text(dx, IDC_LS_HT_SNR0, m_strSnr0);
    fw::DDX_Text(dx, IDC_LS_HT_SNR1, m_strSnr1);
    fw::DDX_Check(dx, IDC_LS_DBM, m_nDbm);
}

BOOL CLinkStatusPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    m_HtTable.FillRateMaps();
    for (const auto& label : kLabels) SetDlgItemText(label.control, fw::LoadStr(label.text));
    SetDlgItemText(IDC_LS_DBM, fw::LoadStr(IDS_LS_DBM));
    UpdateData(FALSE);
    for (int id : kHtControls) ::ShowWindow(GetDlgItem(id), g_IsHtChip ? SW_SHOW : SW_HIDE);
    m_NoiseHome = PlaceOfRow(m_hWnd, kNoiseRow);
    return TRUE;
}

BOOL CLinkStatusPage::OnSetActive() {
    LinkInfoRecord info{};
    m_bPrevCountersValid = ReadLinkInfo(&info) ? 1 : 0;
    m_dwPrevTxBytes = info.TxBytes;
    m_dwPrevRxBytes = info.RxBytes;

    int32_t rssi = 0;
    m_bChain1Present = QueryValue(kOidRssi[1], &rssi) ? 1 : 0;
    m_bChain2Present = QueryValue(kOidRssi[2], &rssi) ? 1 : 0;
    LayOutChainRows(m_hWnd, kChainRows, kNoiseRow, m_NoiseHome, m_bChain1Present != 0, m_bChain2Present != 0);

    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = SetTimer(kPollTimer, kPollMs);
    return fw::CPropertyPage::OnSetActive();
}

BOOL CLinkStatusPage::OnKillActive() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
    return fw::CPropertyPage::OnKillActive();
}

void CLinkStatusPage::OnDestroy() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
}

void CLinkStatusPage::SetBar(int id, int percent) { ::SendMessageA(GetDlgItem(id), PBM_SETPOS, percent, 0); }

void CLinkStatusPage::ClearValues() {
    for (std::string* text : {&m_strExtraInfo, &m_strChannel, &m_strTxSpeed, &m_strRxSpeed, &m_strTxThroughput,
                              &m_strRxThroughput, &m_strQualityWord, &m_strQualityValue, &m_strNoiseWord,
                              &m_strNoiseValue, &m_strBw, &m_strGi, &m_strMcs, &m_strSnr0, &m_strSnr1})
        text->clear();
    for (int c = 0; c < 3; ++c) {
        m_strSignalWord[c].clear();
        m_strSignalValue[c].clear();
    }
    for (int bar : kBars) SetBar(bar, 0);
}

bool CLinkStatusPage::ReadLinkInfo(LinkInfoRecord* record) const {
    *record = LinkInfoRecord{};
    DWORD returned = 0;
    return QueryOid(kOidLinkInfo, record, g_IsHtChip ? sizeof(LinkInfoRecord) : kLinkInfoLegacySize, &returned) != FALSE;
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

void CLinkStatusPage::ShowSignal(int chain, int32_t rssi) {
    std::string& word = m_strSignalWord[chain];
    std::string& value = m_strSignalValue[chain];
    if (rssi == kChainAbsent) {
        word.clear();
        value.clear();
        SetBar(kChainRows[chain].bar, 0);
        return;
    }
    const int percent = std::min(SignalToPercent(rssi), 100);
    word = fw::LoadStr(QualityWord(percent));
    value = m_nDbm ? fw::FormatStr("%d dBm", rssi) : fw::FormatStr("%d%%", percent);
    SetBar(kChainRows[chain].bar, percent);
}

void CLinkStatusPage::ShowNoise(int noiseDbm) {
    const int percent = NoisePercent(noiseDbm);
    const NoiseClass level = ClassifyNoise(percent);
    m_strNoiseWord = fw::LoadStr(level == NoiseClass::Strong   ? IDS_LS_NOISE_STRONG
                                 : level == NoiseClass::Normal ? IDS_LS_NOISE_NORMAL
                                                               : IDS_LS_NOISE_LOW);
    m_strNoiseValue = m_nDbm ? fw::FormatStr("%d dBm", noiseDbm) : fw::FormatStr("%d%%", percent);
    SetBar(IDC_LS_NOISE_BAR, percent);
}

void CLinkStatusPage::OnTimer(UINT_PTR) {
    UpdateData(TRUE);

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
        m_dwPrevTxBytes = m_dwPrevRxBytes = 0;
        m_bPrevCountersValid = 0;
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
        m_strRxSpeed = Mbps(RateOfWord(rxWord, m_HtTable));
        m_strTxSpeed = Mbps(RateOfWord(txWord, m_HtTable));
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
        m_strRxSpeed = Mbps(LegacyRateOfIndex(index));
        m_strTxSpeed = Mbps(info.LinkSpeed / 2.0);
    }

    if (infoRead) {
        const bool valid = m_bPrevCountersValid != 0;
        m_strTxThroughput = Mbps(valid ? ThroughputKbps(info.TxBytes, m_dwPrevTxBytes) : 0.0);
        m_strRxThroughput = Mbps(valid ? ThroughputKbps(info.RxBytes, m_dwPrevRxBytes) : 0.0);
        m_dwPrevTxBytes = info.TxBytes;
        m_dwPrevRxBytes = info.RxBytes;
        m_bPrevCountersValid = 1;
    } else {
        m_strTxThroughput = m_strRxThroughput = Mbps(0.0);
        m_dwPrevTxBytes = m_dwPrevRxBytes = 0;
        m_bPrevCountersValid = 0;
    }

    const int quality = LinkQualityPercent(info.Quality, m_nPrevQuality);
    m_nPrevQuality = quality;
    m_strQualityWord = fw::LoadStr(QualityWord(quality));
    m_strQualityValue = fw::FormatStr("%d%%", quality);
    SetBar(IDC_LS_QUALITY_BAR, quality);

    int32_t rssi[3] = {kChainAbsent, kChainAbsent, kChainAbsent};
    for (int c = 0; c < 3; ++c) {
        QueryValue(kOidRssi[c], &rssi[c]);
        ShowSignal(c, rssi[c]);
    }

    uint32_t snr[2] = {};
    for (int c = 0; c < 2; ++c) QueryValue(kOidSnr[c], &snr[c]);
    m_strSnr0 = snr[0] == kSnrNotAvailable ? "SNR0: n/a" : fw::FormatStr("SNR0: %d", static_cast<int>(snr[0]));
    m_strSnr1 = snr[1] == kSnrNotAvailable ? "SNR1: n/a" : fw::FormatStr("SNR1: %d", static_cast<int>(snr[1]));

    uint32_t noiseValue = 0;
    if (!g_IsHtChip) QueryValue(kOidNoise, &noiseValue);
    ShowNoise(NoiseDbm(g_IsHtChip != 0, rssi, snr, noiseValue));

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
