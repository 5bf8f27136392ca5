#pragma once
// What both utilities' "Statistics" pages share: ten frame counters from an 802.11 statistics
// record and two receive counts, refreshed every 2 seconds while the page is active, and
// RESET COUNTERS, which shows zeros at once and asks the driver to clear its counters.
// Each program numbers its controls and strings, names its reset OID and reads the counters
// its way.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/property_page.h"

class CStatisticPageBase : public fw::CPropertyPage {
public:
    static constexpr UINT_PTR kPollTimerId = 1;
    static constexpr UINT kPollMs = 2000;

    enum Value {
        kTxOk, kTxRetry, kTxFail, kRtsOk, kRtsFail, kTxNoRetry, kRxOk, kRxCrc, kRxDropped, kRxDuplicate, kValueCount
    };
    struct LabelText {
        int control;
        UINT text;
    };
    static constexpr size_t kLabelCount = 13;
    // The program's numbers for the page's controls and strings (statistic_page_ids.h).
    struct Ids {
        UINT page, caption;
        int values[kValueCount];  // by Value
        LabelText labels[kLabelCount];
    };

    // Larger than either driver's record: what a driver reports never reaches past it.
    static constexpr size_t kRecordBufferSize = 200;
    // The counters of one tick; all zero where a query was refused.
    struct Counts {
        uint8_t record[kRecordBufferSize] = {};  // NDIS_802_11_STATISTICS layout up to offset 104
        uint32_t rxOk = 0;
        uint32_t rxDropped = 0;
    };

    CStatisticPageBase(const Ids& ids, uint32_t resetOid, int resetTries);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

    void OnResetCounters();
    bool Polling() const { return m_nTimer != 0; }

protected:
    // The driver's queries of one tick, in the program's order.
    virtual void ReadCounts(Counts* counts) = 0;

    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    void ShowZeros();

    const Ids& m_Ids;
    const uint32_t m_ResetOid;
    const int m_ResetTries;
    UINT_PTR m_nTimer = 0;
    std::string m_strValue[kValueCount];
};
