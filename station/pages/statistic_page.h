#pragma once
// The "Statistics" page of the main sheet: the driver's transmit and receive frame counters,
// refreshed every 2 seconds while the page is active, and RESET COUNTERS.
#include <windows.h>

#include <string>

#include "framework/property_page.h"

class CStatisticPage : public fw::CPropertyPage {
public:
    CStatisticPage();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

    void OnResetCounters();
    bool Polling() const { return m_nTimer != 0; }

protected:
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    enum Value {
        kTxOk, kTxRetry, kTxFail, kRtsOk, kRtsFail, kTxNoRetry, kRxOk, kRxCrc, kRxDropped, kRxDuplicate, kValueCount
    };
    static const int kValueControls[kValueCount];

    UINT_PTR m_nTimer = 0;
    std::string m_strValue[kValueCount];
};
