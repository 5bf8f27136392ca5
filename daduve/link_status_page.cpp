#include "daduve/link_status_page.h"

#include <commctrl.h>

#include <algorithm>

#include "daduve/ap_link_values.h"
#include "daduve/ap_oids.h"
#include "daduve/ap_records.h"
#include "daduve/le_bytes.h"
#include "daduve/tray_signal.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/daduve/resource.h"
#include "shared/adapter_identity.h"
#include "shared/oid_access.h"

using namespace link_status;

namespace daduve {

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 2000;
constexpr int32_t kChainAbsent = -200;
constexpr uint32_t kSnrNotAvailable = 44;
constexpr uint32_t kExtraInfoCodes = 11;
constexpr DWORD kLinkDownBytes = 32;

constexpr struct {
    int control;
    UINT text;
} kLabels[] = {
    {IDC_LS_STATUS_LABEL, IDS_LS_STATUS},         {IDC_LS_EXTRA_INFO_LABEL, IDS_LS_EXTRA_INFO},
    {IDC_LS_QUALITY_LABEL, IDS_LS_LINK_QUALITY},  {IDC_LS_RX_KBPS_LABEL, IDS_LS_RX_KBPS},
    {IDC_LS_RX_MBPS_LABEL, IDS_LS_RX_MBPS},       {IDC_LS_SIGNAL1_LABEL, IDS_LS_SIGNAL1},
    {IDC_LS_SIGNAL2_LABEL, IDS_LS_SIGNAL2},       {IDC_LS_SIGNAL3_LABEL, IDS_LS_SIGNAL3},
    {IDC_LS_THROUGHPUT_LABEL, IDS_LS_THROUGHPUT}, {IDC_LS_TX_KBPS_LABEL, IDS_LS_TX_KBPS},
    {IDC_LS_TX_MBPS_LABEL, IDS_LS_TX_MBPS},       {IDC_LS_LINK_SPEED_LABEL, IDS_LS_LINK_SPEED},
    {IDC_LS_CHANNEL_LABEL, IDS_LS_CHANNEL},       {IDC_LS_NOISE_LABEL, IDS_LS_NOISE_LEVEL},
};

constexpr int kHtControls[] = {IDC_LS_HT_BW,   IDC_LS_HT_GI,   IDC_LS_HT_STBC, IDC_LS_HT_MCS,
                               IDC_LS_HT_SNR0, IDC_LS_HT_SNR1, IDC_LS_HT_GROUP};
constexpr int kBars[] = {IDC_LS_QUALITY_BAR, IDC_LS_SIGNAL1_BAR, IDC_LS_SIGNAL2_BAR, IDC_LS_SIGNAL3_BAR,
                         IDC_LS_NOISE_BAR};

// A driver value of `length` bytes; a failed query leaves the buffer as the caller set it.
bool Query(DWORD oid, void* value, DWORD length = 4)
{
    DWORD returned = 0;
    return QueryOid(oid, value, length, &returned) != FALSE;
}

UINT QualityWord(int percent)
{
    switch (ClassifyQuality(percent)) {
    case LinkClass::Good: return IDS_LS_GOOD;
    case LinkClass::Normal: return IDS_LS_NORMAL;
    default: return IDS_LS_WEAK;
    }
}

std::string OneDecimal(double value) { return fw::FormatStr("%.1f", value); }

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
      m_strBw("BW:"), m_strGi("GI:"), m_strStbc("STBC:"), m_strMcs("MCS:"), m_strSnr0("SNR0:"), m_strSnr1("SNR1:")
{
}

void CLinkStatusPage::DoDataExchange(fw::CDataExchange* pDX)
{
    fw::DDX_Text(pDX, IDC_LS_STATUS, m_strStatus);
    fw::DDX_Text(pDX, IDC_LS_EXTRA_INFO, m_strExtraInfo);
    fw::DDX_Text(pDX, IDC_LS_CHANNEL, m_strChannel);
    fw::DDX_Text(pDX, IDC_LS_TX_SPEED, m_strTxSpeed);
    fw::DDX_Text(pDX, IDC_LS_RX_SPEED, m_strRxSpeed);
    fw::DDX_Text(pDX, IDC_LS_TX_THROUGHPUT, m_strTxThroughput);
    fw::DDX_Text(pDX, IDC_LS_RX_THROUGHPUT, m_strRxThroughput);
    fw::DDX_Text(pDX, IDC_LS_QUALITY_WORD, m_strQualityWord);
    fw::DDX_Text(pDX, IDC_LS_QUALITY_VALUE, m_strQualityValue);
    for (int c = 0; c < 3; ++c) {
        fw::DDX_Text(pDX, kChainRows[c].word, m_strSignalWord[c]);
        fw::DDX_Text(pDX, kChainRows[c].value, m_strSignalValue[c]);
    }
    fw::DDX_Text(pDX, IDC_LS_NOISE_WORD, m_strNoiseWord);
    fw::DDX_Text(pDX, IDC_LS_NOISE_VALUE, m_strNoiseValue);
    fw::DDX_Text(pDX, IDC_LS_HT_BW, m_strBw);
    fw::DDX_Text(pDX, IDC_LS_HT_GI, m_strGi);
    fw::DDX_Text(pDX, IDC_LS_HT_STBC, m_strStbc);
    fw::DDX_Text(pDX, IDC_LS_HT_MCS, m_strMcs);
    fw::DDX_Text(pDX, IDC_LS_HT_SNR0, m_strSnr0);
    fw::DDX_Text(pDX, IDC_LS_HT_SNR1, m_strSnr1);
    fw::DDX_Check(pDX, IDC_LS_DBM, m_nDbm);
}

BOOL CLinkStatusPage::OnInitDialog()
{
    fw::CPropertyPage::OnInitDialog();
    m_HtTable.FillRateMaps();
    for (const auto& label : kLabels)
        SetDlgItemText(label.control, fw::LoadStr(label.text));
    SetDlgItemText(IDC_LS_DBM, fw::LoadStr(IDS_LS_DBM));
    UpdateData(FALSE);
    for (int id : kHtControls)
        ::ShowWindow(GetDlgItem(id), g_IsHtChip ? SW_SHOW : SW_HIDE);
    m_NoiseHome = PlaceOfRow(m_hWnd, kNoiseRow);
    return TRUE;
}

BOOL CLinkStatusPage::OnSetActive()
{
    LinkInfoRecord info{};
    m_bPrevCountersValid = ReadLinkInfo(&info) ? 1 : 0;
    m_dwPrevTxBytes = info.TxBytes;
    m_dwPrevRxBytes = info.RxBytes;

    int32_t rssi = 0;
    m_bChain1Present = Query(kOidQueryChainRssi[1], &rssi) ? 1 : 0;
    m_bChain2Present = Query(kOidQueryChainRssi[2], &rssi) ? 1 : 0;
    LayOutChainRows(m_hWnd, kChainRows, kNoiseRow, m_NoiseHome, m_bChain1Present != 0, m_bChain2Present != 0);

    if (m_nTimer)
        KillTimer(m_nTimer);
    m_nTimer = SetTimer(kPollTimer, kPollMs);
    return fw::CPropertyPage::OnSetActive();
}

BOOL CLinkStatusPage::OnKillActive()
{
    if (m_nTimer)
        KillTimer(m_nTimer);
    m_nTimer = 0;
    return fw::CPropertyPage::OnKillActive();
}

void CLinkStatusPage::OnDestroy()
{
    if (m_nTimer)
        KillTimer(m_nTimer);
    m_nTimer = 0;
}

void CLinkStatusPage::OnTimer(UINT_PTR)
{
    UpdateData(TRUE);
    Refresh();
    UpdateData(FALSE);
}

bool CLinkStatusPage::ReadLinkInfo(LinkInfoRecord* record) const
{
    *record = LinkInfoRecord{};
    return Query(kOidQueryLinkInfo, record, sizeof(LinkInfoRecord));
}

void CLinkStatusPage::SetBar(int id, int percent) { ::SendMessageA(GetDlgItem(id), PBM_SETPOS, percent, 0); }

void CLinkStatusPage::Refresh()
{
    uint32_t code = kExtraInfoCodes;
    m_strExtraInfo = Query(kOidQueryExtraInfo, &code) && code < kExtraInfoCodes ? fw::LoadStr(IDS_LS_LINK_UP + code)
                                                                                  : std::string();

    // The driver writes 0 when connected: a query that fails leaves the ones.
    uint32_t media = 0xFFFFFFFFu;
    Query(kOidMediaConnectStatus, &media);
    static const uint8_t kNoBssid[6] = {};
    uint8_t bssid[6] = {};
    Query(kOidBssid, bssid, sizeof(bssid));
    if (media != 0 || std::equal(bssid, bssid + 6, kNoBssid)) {
        ShowDisconnected();
        return;
    }

    uint8_t ssid[36] = {};
    Query(kOidSsid, ssid, sizeof(ssid));
    uint8_t ip[4] = {};
    Query(kOidQueryIpAddress, ip);
    m_strStatus = ApStatusText(ssid, bssid, ip);
    int32_t power = 0;
    Query(kOidQueryTxPower, &power);
    m_strExtraInfo += " [TxPower:" + ApTxPowerText(power) + "]";

    LinkInfoRecord info{};
    const bool infoRead = ReadLinkInfo(&info);
    uint8_t configuration[kConfigurationSize] = {};
    Query(kOidConfiguration, configuration, sizeof(configuration));
    // A frequency the channel table lacks keeps the text of the last one it knew.
    const std::string channel = ApChannelText(GetU32(configuration + kConfigFrequencyOffset));
    if (!channel.empty()) {
        m_strChannel = channel;
        if (g_IsHtChip)
            m_strChannel += "; " + fw::LoadStr(IDS_LS_CENTRAL_CHANNEL) +
                            fw::FormatStr(" : %d", static_cast<int>(info.CentralChannel));
    }

    uint32_t rxWord = 0;
    if (g_IsHtChip)
        Query(kOidQueryRxRate, &rxWord);
    ShowRates(info, rxWord);
    ShowThroughput(infoRead, info);

    const int quality = LinkQualityPercent(info.Quality, m_nPrevQuality);
    m_nPrevQuality = quality;
    m_strQualityWord = fw::LoadStr(QualityWord(quality));
    m_strQualityValue = fw::FormatStr("%d%%", quality);
    SetBar(IDC_LS_QUALITY_BAR, quality);

    int32_t rssi[3] = {kChainAbsent, kChainAbsent, kChainAbsent};
    for (int c = 0; c < 3; ++c) {
        Query(kOidQueryChainRssi[c], &rssi[c]);
        ShowSignal(c, rssi[c]);
    }

    uint32_t snr[2] = {};
    for (int c = 0; c < 2; ++c)
        Query(kOidQuerySnr[c], &snr[c]);
    m_strSnr0 = snr[0] == kSnrNotAvailable ? "SNR0: n/a" : fw::FormatStr("SNR0: %d", static_cast<int>(snr[0]));
    m_strSnr1 = snr[1] == kSnrNotAvailable ? "SNR1: n/a" : fw::FormatStr("SNR1: %d", static_cast<int>(snr[1]));

    uint32_t noiseValue = 0;
    if (!g_IsHtChip)
        Query(kOidQueryNoise, &noiseValue);
    ShowNoise(NoiseDbm(g_IsHtChip != 0, rssi, snr, noiseValue));

    if (g_IsHtChip) {
        const HtRateTexts ht = RxRateTexts(rxWord);
        m_strBw = ht.bw;
        m_strGi = ht.gi;
        m_strStbc = ht.stbc;
        m_strMcs = ht.mcs;
        if (!ht.ht) {
            m_strSnr0 = "SNR0: n/a";
            m_strSnr1 = "SNR1: n/a";
        }
    }
}

void CLinkStatusPage::ShowDisconnected()
{
    uint8_t state[kLinkDownBytes] = {};
    m_strStatus = fw::LoadStr(Query(kOidQueryLinkDown, state, sizeof(state)) ? IDS_LS_DISCONNECTED : IDS_LS_RF_OFF);
    for (std::string* text : {&m_strChannel, &m_strTxSpeed, &m_strRxSpeed, &m_strTxThroughput, &m_strRxThroughput,
                              &m_strQualityWord, &m_strQualityValue, &m_strNoiseWord, &m_strNoiseValue})
        text->clear();
    for (int c = 0; c < 3; ++c) {
        m_strSignalWord[c].clear();
        m_strSignalValue[c].clear();
    }
    m_strBw = "BW:";
    m_strGi = "GI:";
    m_strStbc = "STBC:";
    m_strMcs = "MCS:";
    m_strSnr0 = "SNR0:";
    m_strSnr1 = "SNR1:";
    for (int bar : kBars)
        SetBar(bar, 0);
    m_dwPrevTxBytes = m_dwPrevRxBytes = 0;
    m_bPrevCountersValid = 0;
}

void CLinkStatusPage::ShowRates(const LinkInfoRecord& info, uint32_t rxWord)
{
    if (g_IsHtChip) {
        uint32_t txWord = 0;
        Query(kOidQueryTxRate, &txWord);
        m_strTxSpeed = OneDecimal(RateOfWord(txWord, m_HtTable));
        m_strRxSpeed = OneDecimal(RateOfWord(rxWord, m_HtTable));
        return;
    }
    // Without 802.11n the transmit OID holds a legacy rate index.
    uint32_t index = 0;
    Query(kOidQueryTxRate, &index);
    m_strTxSpeed = OneDecimal(LegacyRateOfIndex(index));
    m_strRxSpeed = OneDecimal(info.LinkSpeed * 0.5);
}

void CLinkStatusPage::ShowThroughput(bool infoRead, const LinkInfoRecord& info)
{
    if (!infoRead) {
        m_strTxThroughput = m_strRxThroughput = OneDecimal(0.0);
        m_dwPrevTxBytes = m_dwPrevRxBytes = 0;
        m_bPrevCountersValid = 0;
        return;
    }
    const bool valid = m_bPrevCountersValid != 0;
    m_strTxThroughput = OneDecimal(valid ? ThroughputKbps(info.TxBytes, m_dwPrevTxBytes) : 0.0);
    m_strRxThroughput = OneDecimal(valid ? ThroughputKbps(info.RxBytes, m_dwPrevRxBytes) : 0.0);
    m_dwPrevTxBytes = info.TxBytes;
    m_dwPrevRxBytes = info.RxBytes;
    m_bPrevCountersValid = 1;
}

void CLinkStatusPage::ShowSignal(int chain, int32_t rssi)
{
    std::string& word = m_strSignalWord[chain];
    std::string& value = m_strSignalValue[chain];
    if (rssi == kChainAbsent) {
        word.clear();
        value.clear();
        SetBar(kChainRows[chain].bar, 0);
        return;
    }
    const int percent = std::min(RssiToPercent(rssi), 100);
    word = fw::LoadStr(QualityWord(percent));
    value = m_nDbm ? fw::FormatStr("%d dBm", rssi) : fw::FormatStr("%d%%", percent);
    SetBar(kChainRows[chain].bar, percent);
}

void CLinkStatusPage::ShowNoise(int noiseDbm)
{
    const int percent = NoisePercent(noiseDbm);
    const NoiseClass level = ClassifyNoise(percent);
    m_strNoiseWord = fw::LoadStr(level == NoiseClass::Strong   ? IDS_LS_NOISE_STRONG
                                 : level == NoiseClass::Normal ? IDS_LS_NOISE_NORMAL
                                                               : IDS_LS_NOISE_LOW);
    m_strNoiseValue = m_nDbm ? fw::FormatStr("%d dBm", noiseDbm) : fw::FormatStr("%d%%", percent);
    SetBar(IDC_LS_NOISE_BAR, percent);
}

}  // namespace daduve
