#include "shared/pages/link_status_page_base.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"

using namespace link_status;

namespace {

constexpr uint32_t kSnrNotAvailable = 44;

}  // namespace

FW_BEGIN_MESSAGE_MAP(CLinkStatusPageBase, fw::CPropertyPage)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CLinkStatusPageBase::CLinkStatusPageBase(const Ids& ids, const Oids& oids, const int* htControls,
                                         size_t htControlCount)
    : fw::CPropertyPage(ids.page, ids.caption),
      m_Ids(ids),
      m_Oids(oids),
      m_pHtControls(htControls),
      m_nHtControls(htControlCount) {}

void CLinkStatusPageBase::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, m_Ids.status, m_strStatus);
    fw::DDX_Text(dx, m_Ids.extraInfo, m_strExtraInfo);
    fw::DDX_Text(dx, m_Ids.channel, m_strChannel);
    fw::DDX_Text(dx, m_Ids.txSpeed, m_strTxSpeed);
    fw::DDX_Text(dx, m_Ids.rxSpeed, m_strRxSpeed);
    fw::DDX_Text(dx, m_Ids.txThroughput, m_strTxThroughput);
    fw::DDX_Text(dx, m_Ids.rxThroughput, m_strRxThroughput);
    fw::DDX_Text(dx, m_Ids.qualityWord, m_strQualityWord);
    fw::DDX_Text(dx, m_Ids.qualityValue, m_strQualityValue);
    for (int c = 0; c < 3; ++c) {
        fw::DDX_Text(dx, m_Ids.chains[c].word, m_strSignalWord[c]);
        fw::DDX_Text(dx, m_Ids.chains[c].value, m_strSignalValue[c]);
    }
    fw::DDX_Text(dx, m_Ids.noise.word, m_strNoiseWord);
    fw::DDX_Text(dx, m_Ids.noise.value, m_strNoiseValue);
    fw::DDX_Text(dx, m_Ids.htBw, m_strBw);
    fw::DDX_Text(dx, m_Ids.htGi, m_strGi);
    fw::DDX_Text(dx, m_Ids.htMcs, m_strMcs);
    fw::DDX_Text(dx, m_Ids.htSnr0, m_strSnr0);
    fw::DDX_Text(dx, m_Ids.htSnr1, m_strSnr1);
    fw::DDX_Check(dx, m_Ids.dbm, m_nDbm);
}

BOOL CLinkStatusPageBase::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    m_HtTable.FillRateMaps();
    for (const LabelText& label : m_Ids.labels) SetDlgItemText(label.control, fw::LoadStr(label.text));
    SetDlgItemText(m_Ids.dbm, fw::LoadStr(m_Ids.dbmText));
    UpdateData(FALSE);
    for (size_t i = 0; i < m_nHtControls; ++i) ::ShowWindow(GetDlgItem(m_pHtControls[i]), g_IsHtChip ? SW_SHOW : SW_HIDE);
    m_NoiseHome = PlaceOfRow(m_hWnd, m_Ids.noise);
    return TRUE;
}

BOOL CLinkStatusPageBase::OnSetActive() {
    LinkInfoRecord info{};
    m_bPrevCountersValid = ReadLinkInfo(&info) ? 1 : 0;
    m_dwPrevTxBytes = info.TxBytes;
    m_dwPrevRxBytes = info.RxBytes;

    int32_t rssi = 0;
    m_bChain1Present = QueryValue(m_Oids.chainRssi[1], &rssi) ? 1 : 0;
    m_bChain2Present = QueryValue(m_Oids.chainRssi[2], &rssi) ? 1 : 0;
    LayOutChainRows(m_hWnd, m_Ids.chains, m_Ids.noise, m_NoiseHome, m_bChain1Present != 0, m_bChain2Present != 0);

    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = SetTimer(kPollTimerId, kPollMs);
    return fw::CPropertyPage::OnSetActive();
}

BOOL CLinkStatusPageBase::OnKillActive() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
    return fw::CPropertyPage::OnKillActive();
}

void CLinkStatusPageBase::OnDestroy() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
}

void CLinkStatusPageBase::OnTimer(UINT_PTR) {
    UpdateData(TRUE);
    Tick();
}

bool CLinkStatusPageBase::QueryValue(DWORD oid, void* value, DWORD length) {
    DWORD returned = 0;
    return QueryOid(oid, value, length, &returned) != FALSE;
}

std::string CLinkStatusPageBase::OneDecimal(double value) { return fw::FormatStr("%.1f", value); }

UINT CLinkStatusPageBase::QualityWord(int percent) const {
    switch (ClassifyQuality(percent)) {
        case LinkClass::Good: return m_Ids.good;
        case LinkClass::Normal: return m_Ids.normal;
        default: return m_Ids.weak;
    }
}

void CLinkStatusPageBase::SetBar(int id, int percent) { ::SendMessageA(GetDlgItem(id), PBM_SETPOS, percent, 0); }

void CLinkStatusPageBase::ForgetCounters() {
    m_dwPrevTxBytes = m_dwPrevRxBytes = 0;
    m_bPrevCountersValid = 0;
}

void CLinkStatusPageBase::ClearRows() {
    for (std::string* text : {&m_strChannel, &m_strTxSpeed, &m_strRxSpeed, &m_strTxThroughput, &m_strRxThroughput,
                              &m_strQualityWord, &m_strQualityValue, &m_strNoiseWord, &m_strNoiseValue})
        text->clear();
    for (int c = 0; c < 3; ++c) {
        m_strSignalWord[c].clear();
        m_strSignalValue[c].clear();
    }
    for (int bar : {m_Ids.qualityBar, m_Ids.chains[0].bar, m_Ids.chains[1].bar, m_Ids.chains[2].bar, m_Ids.noise.bar})
        SetBar(bar, 0);
}

void CLinkStatusPageBase::ShowLevels(bool infoRead, const LinkInfoRecord& info) {
    ShowThroughput(infoRead, info);
    ShowQuality(info);
    int32_t rssi[3];
    ShowSignals(rssi);
    uint32_t snr[2];
    ShowSnr(snr);
    uint32_t noiseValue = 0;
    if (!g_IsHtChip) QueryValue(m_Oids.noise, &noiseValue);
    ShowNoise(NoiseDbm(g_IsHtChip != 0, rssi, snr, noiseValue));
}

void CLinkStatusPageBase::ShowThroughput(bool infoRead, const LinkInfoRecord& info) {
    if (!infoRead) {
        m_strTxThroughput = m_strRxThroughput = OneDecimal(0.0);
        ForgetCounters();
        return;
    }
    const bool valid = m_bPrevCountersValid != 0;
    m_strTxThroughput = OneDecimal(valid ? ThroughputKbps(info.TxBytes, m_dwPrevTxBytes) : 0.0);
    m_strRxThroughput = OneDecimal(valid ? ThroughputKbps(info.RxBytes, m_dwPrevRxBytes) : 0.0);
    m_dwPrevTxBytes = info.TxBytes;
    m_dwPrevRxBytes = info.RxBytes;
    m_bPrevCountersValid = 1;
}

void CLinkStatusPageBase::ShowQuality(const LinkInfoRecord& info) {
    const int quality = LinkQualityPercent(info.Quality, m_nPrevQuality);
    m_nPrevQuality = quality;
    m_strQualityWord = fw::LoadStr(QualityWord(quality));
    m_strQualityValue = fw::FormatStr("%d%%", quality);
    SetBar(m_Ids.qualityBar, quality);
}

void CLinkStatusPageBase::ShowSignals(int32_t rssi[3]) {
    for (int c = 0; c < 3; ++c) {
        rssi[c] = kChainAbsent;
        QueryValue(m_Oids.chainRssi[c], &rssi[c]);
        ShowSignal(c, rssi[c]);
    }
}

void CLinkStatusPageBase::ShowSignal(int chain, int32_t rssi) {
    std::string& word = m_strSignalWord[chain];
    std::string& value = m_strSignalValue[chain];
    if (rssi == kChainAbsent) {
        word.clear();
        value.clear();
        SetBar(m_Ids.chains[chain].bar, 0);
        return;
    }
    const int percent = std::min(SignalPercent(rssi), 100);
    word = fw::LoadStr(QualityWord(percent));
    value = m_nDbm ? fw::FormatStr("%d dBm", rssi) : fw::FormatStr("%d%%", percent);
    SetBar(m_Ids.chains[chain].bar, percent);
}

void CLinkStatusPageBase::ShowSnr(uint32_t snr[2]) {
    for (int c = 0; c < 2; ++c) {
        snr[c] = 0;
        QueryValue(m_Oids.snr[c], &snr[c]);
    }
    m_strSnr0 = snr[0] == kSnrNotAvailable ? "SNR0: n/a" : fw::FormatStr("SNR0: %d", static_cast<int>(snr[0]));
    m_strSnr1 = snr[1] == kSnrNotAvailable ? "SNR1: n/a" : fw::FormatStr("SNR1: %d", static_cast<int>(snr[1]));
}

void CLinkStatusPageBase::ShowNoise(int noiseDbm) {
    const int percent = NoisePercent(noiseDbm);
    const NoiseClass level = ClassifyNoise(percent);
    m_strNoiseWord = fw::LoadStr(level == NoiseClass::Strong   ? m_Ids.noiseStrong
                                 : level == NoiseClass::Normal ? m_Ids.noiseNormal
                                                               : m_Ids.noiseLow);
    m_strNoiseValue = m_nDbm ? fw::FormatStr("%d dBm", noiseDbm) : fw::FormatStr("%d%%", percent);
    SetBar(m_Ids.noise.bar, percent);
}
