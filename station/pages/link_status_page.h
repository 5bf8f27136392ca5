#pragma once
// The "Link Status" page of the main sheet: connection, channel, rates, throughput, link
// quality, the signal of up to three receive chains, noise and, on 802.11n adapters, the
// bandwidth, guard interval, MCS and SNR. It polls every 2 seconds while it is the active
// page, and only then.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/ht_table.h"

// The driver's link record (0xFF0C0009): 16 bytes, 20 on an 802.11n adapter.
struct LinkInfoRecord {
    uint32_t LinkSpeed;       // 500 kbit/s units
    uint32_t Quality;         // raw percent
    uint32_t TxBytes;         // wraps at 2^32
    uint32_t RxBytes;
    uint32_t CentralChannel;  // 802.11n adapters only
};
static_assert(sizeof(LinkInfoRecord) == 20, "link record of an 802.11n adapter");
constexpr DWORD kLinkInfoLegacySize = 16;

class CLinkStatusPage : public fw::CPropertyPage {
public:
    CLinkStatusPage();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

    bool Polling() const { return m_nTimer != 0; }

protected:
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnReconnect() {}
    void OnReauthenticate() {}
    FW_DECLARE_MESSAGE_MAP()

private:
    struct Row {
        int label, bar, word, value;
    };
    static const Row kChainRows[3];
    static const Row kNoiseRow;

    // The noise row under the last chain the adapter has; chains it lacks are hidden.
    void LayOutChains();
    void ShowRow(const Row& row, bool show);
    void MoveRow(const Row& row, const RECT (&to)[4]);
    RECT ItemRect(int id) const;
    void ClearValues();
    void SetBar(int id, int percent);
    void ShowSignal(int chain, int32_t rssi);
    void ShowNoise(int noiseDbm);
    bool ReadLinkInfo(LinkInfoRecord* record) const;
    void RequestRescan();
    std::string StatusText(const uint8_t bssid[6]) const;

    CHTTable m_HtTable;
    uint32_t m_dwPrevTxBytes = 0;
    uint32_t m_dwPrevRxBytes = 0;
    // Whether the previous counters are a reading: after a failed read or a disconnect they
    // are 0, and a difference from them would be the whole counter, not two seconds' worth.
    int m_bPrevCountersValid = 0;
    int m_nPrevQuality = 0;
    int m_bChain1Present = 0;
    int m_bChain2Present = 0;
    UINT_PTR m_nTimer = 0;
    int m_nDbm = 0;
    RECT m_NoiseHome[4] = {};  // the noise row's own place, for adapters with three chains

    std::string m_strStatus, m_strExtraInfo, m_strChannel;
    std::string m_strTxSpeed, m_strRxSpeed, m_strTxThroughput, m_strRxThroughput;
    std::string m_strQualityWord, m_strQualityValue;
    std::string m_strSignalWord[3], m_strSignalValue[3];
    std::string m_strNoiseWord, m_strNoiseValue;
    std::string m_strBw, m_strGi, m_strMcs, m_strSnr0, m_strSnr1;
};
