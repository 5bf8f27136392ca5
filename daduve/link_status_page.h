#pragma once
// The soft-AP "Link Status" page: the access point's link as its driver reports it (peer,
// channel, rates, throughput, link quality, the signal of up to three receive chains, noise,
// and on 802.11n adapters the bandwidth, guard interval, STBC, MCS and SNR), polled every
// 2 seconds while it is the active page. The main sheet holds it but never adds it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/ht_table.h"
#include "shared/link_rows.h"
#include "shared/link_values.h"

namespace daduve {

class CLinkStatusPage : public fw::CPropertyPage {
public:
    CLinkStatusPage();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(fw::CDataExchange* pDX) override;

    bool Polling() const { return m_nTimer != 0; }

protected:
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnReconnect() {}
    void OnReauthenticate() {}
    FW_DECLARE_MESSAGE_MAP()

private:
    static const LinkRow kChainRows[3];
    static const LinkRow kNoiseRow;

    void Refresh();
    void ShowDisconnected();
    void ShowRates(const LinkInfoRecord& info, uint32_t rxWord);
    void ShowThroughput(bool infoRead, const LinkInfoRecord& info);
    void ShowSignal(int chain, int32_t rssi);
    void ShowNoise(int noiseDbm);
    void SetBar(int id, int percent);
    bool ReadLinkInfo(LinkInfoRecord* record) const;

    CHTTable m_HtTable;
    uint32_t m_dwPrevTxBytes = 0;
    uint32_t m_dwPrevRxBytes = 0;
    // Whether the previous counters are a reading: after a failed read or a disconnect a
    // difference from them would be the whole counter, not two seconds' worth.
    int m_bPrevCountersValid = 0;
    int m_nPrevQuality = 0;
    int m_bChain1Present = 0;
    int m_bChain2Present = 0;
    UINT_PTR m_nTimer = 0;
    int m_nDbm = 0;
    LinkRowPlace m_NoiseHome{};

    std::string m_strStatus, m_strExtraInfo, m_strChannel;
    std::string m_strTxSpeed, m_strRxSpeed, m_strTxThroughput, m_strRxThroughput;
    std::string m_strQualityWord, m_strQualityValue;
    std::string m_strSignalWord[3], m_strSignalValue[3];
    std::string m_strNoiseWord, m_strNoiseValue;
    std::string m_strBw, m_strGi, m_strStbc, m_strMcs, m_strSnr0, m_strSnr1;
};

}  // namespace daduve
