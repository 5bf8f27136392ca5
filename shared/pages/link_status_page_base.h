#pragma once
// What both utilities' "Link Status" pages share: the controls and their texts, the chain
// rows laid out by the chains the adapter has, the 2-second poll while the page is active,
// and the rows a tick fills alike: throughput, link quality, the three chains' signal, SNR
// and noise. Each program reads its link its own way on each tick, with its own OIDs.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/radio/ht_table.h"
#include "shared/pages/link_rows.h"
#include "shared/pages/link_values.h"

class CLinkStatusPageBase : public fw::CPropertyPage {
public:
    static constexpr UINT_PTR kPollTimerId = 1;
    static constexpr UINT kPollMs = 2000;
    static constexpr int32_t kChainAbsent = -200;  // what the driver reports for a missing chain

    struct LabelText {
        int control;
        UINT text;
    };
    static constexpr size_t kLabelCount = 14;
    // The program's numbers for the page's controls and strings (link_status_page_ids.h).
    struct Ids {
        UINT page, caption;
        LabelText labels[kLabelCount];
        int dbm;
        UINT dbmText;
        int status, extraInfo, channel, txSpeed, rxSpeed, txThroughput, rxThroughput;
        int qualityWord, qualityValue, qualityBar;
        LinkRow chains[3];
        LinkRow noise;
        int htBw, htGi, htMcs, htSnr0, htSnr1;
        UINT good, normal, weak;                   // a quality or a signal
        UINT noiseStrong, noiseNormal, noiseLow;  // the noise
    };
    struct Oids {
        uint32_t chainRssi[3];
        uint32_t snr[2];
        uint32_t noise;  // asked on adapters without 802.11n
    };

    // htControls: the 802.11n group, shown only on 802.11n adapters.
    CLinkStatusPageBase(const Ids& ids, const Oids& oids, const int* htControls, size_t htControlCount);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

    bool Polling() const { return m_nTimer != 0; }

protected:
    // One poll, after the controls were read into the members.
    virtual void Tick() = 0;
    // The link record; zeros where the query was refused.
    virtual bool ReadLinkInfo(LinkInfoRecord* record) const = 0;
    // A chain's signal in percent, before it is capped at 100.
    virtual int SignalPercent(int32_t rssi) const = 0;

    // A driver value of length bytes; a failed query leaves the buffer as the caller set it.
    static bool QueryValue(DWORD oid, void* value, DWORD length = 4);
    static std::string OneDecimal(double value);
    UINT QualityWord(int percent) const;

    void SetBar(int id, int percent);
    void ForgetCounters();
    // Empties the rows a disconnected link has nothing for and drops every bar to 0.
    void ClearRows();
    // The rows a connected tick fills alike, in this order: throughput, link quality, the
    // chains' signal, SNR and noise.
    void ShowLevels(bool infoRead, const LinkInfoRecord& info);

    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnReconnect() {}
    void OnReauthenticate() {}
    FW_DECLARE_MESSAGE_MAP()

    const Ids& m_Ids;
    CHTTable m_HtTable;
    int m_nDbm = 0;

    std::string m_strStatus, m_strExtraInfo, m_strChannel;
    std::string m_strTxSpeed, m_strRxSpeed, m_strTxThroughput, m_strRxThroughput;
    std::string m_strQualityWord, m_strQualityValue;
    std::string m_strSignalWord[3], m_strSignalValue[3];
    std::string m_strNoiseWord, m_strNoiseValue;
    std::string m_strBw, m_strGi, m_strMcs, m_strSnr0, m_strSnr1;

private:
    // What two seconds moved the counters; 0.0 and no previous reading after a failed read.
    void ShowThroughput(bool infoRead, const LinkInfoRecord& info);
    void ShowQuality(const LinkInfoRecord& info);
    // Queries each chain and shows it; an absent chain leaves the row empty.
    void ShowSignals(int32_t rssi[3]);
    void ShowSignal(int chain, int32_t rssi);
    void ShowSnr(uint32_t snr[2]);
    void ShowNoise(int noiseDbm);

    const Oids m_Oids;
    const int* m_pHtControls;
    size_t m_nHtControls;
    uint32_t m_dwPrevTxBytes = 0;
    uint32_t m_dwPrevRxBytes = 0;
    // Whether the previous counters are a reading: after a failed read or a disconnect a
    // difference from them would be the whole counter, not two seconds' worth.
    int m_bPrevCountersValid = 0;
    int m_nPrevQuality = 0;
    int m_bChain1Present = 0;
    int m_bChain2Present = 0;
    UINT_PTR m_nTimer = 0;
    LinkRowPlace m_NoiseHome{};  // the noise row's own place, for adapters with three chains
};
