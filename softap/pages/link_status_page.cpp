#include "softap/pages/link_status_page.h"

#include <algorithm>

#include "softap/core/tables/ap_link_values.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/records/ap_records.h"
#include "softap/core/le_bytes.h"
#include "softap/core/tray_signal.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/softap/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/pages/link_status_page_ids.h"  // after the resource ids

using namespace link_status;

namespace softap {

namespace {

constexpr uint32_t kExtraInfoCodes = 11;
constexpr DWORD kLinkDownBytes = 32;

// The caption's string sits between the texts of codes 0 and 1.
UINT ExtraInfoString(uint32_t code) { return code == 0 ? IDS_LS_LINK_UP : IDS_LS_LINK_DOWN + code - 1; }

constexpr int kHtControls[] = {IDC_LS_HT_BW,   IDC_LS_HT_GI,   IDC_LS_HT_STBC, IDC_LS_HT_MCS,
                               IDC_LS_HT_SNR0, IDC_LS_HT_SNR1, IDC_LS_HT_GROUP};

constexpr CLinkStatusPageBase::Oids kOids = {
    {kOidQueryChainRssi[0], kOidQueryChainRssi[1], kOidQueryChainRssi[2]},
    {kOidQuerySnr[0], kOidQuerySnr[1]},
    kOidQueryNoise,
};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CLinkStatusPage, CLinkStatusPageBase)
    FW_ON_BN_CLICKED(IDC_LS_RECONNECT, OnReconnect)
    FW_ON_BN_CLICKED(IDC_LS_REAUTHENTICATE, OnReauthenticate)
FW_END_MESSAGE_MAP()

CLinkStatusPage::CLinkStatusPage()
    : CLinkStatusPageBase(kLinkStatusPageIds, kOids, kHtControls, std::size(kHtControls)), m_strStbc("STBC:")
{
    m_strBw = "BW:";
    m_strGi = "GI:";
    m_strMcs = "MCS:";
    m_strSnr0 = "SNR0:";
    m_strSnr1 = "SNR1:";
}

void CLinkStatusPage::DoDataExchange(fw::CDataExchange* dx)
{
    CLinkStatusPageBase::DoDataExchange(dx);
    fw::DDX_Text(dx, IDC_LS_HT_STBC, m_strStbc);
}

void CLinkStatusPage::Tick()
{
    Refresh();
    UpdateData(FALSE);
}

bool CLinkStatusPage::ReadLinkInfo(LinkInfoRecord* record) const
{
    *record = LinkInfoRecord{};
    return QueryValue(kOidQueryLinkInfo, record, sizeof(LinkInfoRecord));
}

int CLinkStatusPage::SignalPercent(int32_t rssi) const { return RssiToPercent(rssi); }

void CLinkStatusPage::Refresh()
{
    uint32_t code = kExtraInfoCodes;
    m_strExtraInfo = QueryValue(kOidQueryExtraInfo, &code) && code < kExtraInfoCodes
                         ? fw::LoadStr(ExtraInfoString(code))
                         : std::string();

    // The driver writes 0 when connected: a query that fails leaves the ones.
    uint32_t media = 0xFFFFFFFFu;
    QueryValue(kOidMediaConnectStatus, &media);
    static const uint8_t kNoBssid[6] = {};
    uint8_t bssid[6] = {};
    QueryValue(kOidBssid, bssid, sizeof(bssid));
    if (media != 0 || std::equal(bssid, bssid + 6, kNoBssid)) {
        ShowDisconnected();
        return;
    }

    uint8_t ssid[36] = {};
    QueryValue(kOidSsid, ssid, sizeof(ssid));
    uint8_t ip[4] = {};
    QueryValue(kOidQueryIpAddress, ip);
    m_strStatus = ApStatusText(ssid, bssid, ip);
    int32_t power = 0;
    QueryValue(kOidQueryTxPower, &power);
    m_strExtraInfo += " [TxPower:" + ApTxPowerText(power) + "]";

    LinkInfoRecord info{};
    const bool infoRead = ReadLinkInfo(&info);
    uint8_t configuration[kConfigurationSize] = {};
    QueryValue(kOidConfiguration, configuration, sizeof(configuration));
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
        QueryValue(kOidQueryRxRate, &rxWord);
    ShowRates(info, rxWord);
    ShowLevels(infoRead, info);

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
    m_strStatus =
        fw::LoadStr(QueryValue(kOidQueryLinkDown, state, sizeof(state)) ? IDS_LS_DISCONNECTED : IDS_LS_RF_OFF);
    ClearRows();
    m_strBw = "BW:";
    m_strGi = "GI:";
    m_strStbc = "STBC:";
    m_strMcs = "MCS:";
    m_strSnr0 = "SNR0:";
    m_strSnr1 = "SNR1:";
    ForgetCounters();
}

void CLinkStatusPage::ShowRates(const LinkInfoRecord& info, uint32_t rxWord)
{
    if (g_IsHtChip) {
        uint32_t txWord = 0;
        QueryValue(kOidQueryTxRate, &txWord);
        m_strTxSpeed = OneDecimal(RateOfWord(txWord, m_HtTable));
        m_strRxSpeed = OneDecimal(RateOfWord(rxWord, m_HtTable));
        return;
    }
    // Without 802.11n the transmit OID holds a legacy rate index.
    uint32_t index = 0;
    QueryValue(kOidQueryTxRate, &index);
    m_strTxSpeed = OneDecimal(LegacyRateOfIndex(index));
    m_strRxSpeed = OneDecimal(info.LinkSpeed * 0.5);
}

}  // namespace softap
