#pragma once
// The "Statistics" page of Havix's sheet: ten frame counters from the driver's 802.11
// statistics and its receive counts, refreshed every 2 seconds while the page is active, and
// RESET COUNTERS.
#include <windows.h>

#include <string>

#include "framework/property_page.h"

namespace daduve {

class CStatisticPage : public fw::CPropertyPage {
public:
    CStatisticPage();

    static constexpr UINT_PTR kPollTimerId = 1;
    static constexpr UINT kPollMs = 2000;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    void OnResetCounters();
    bool Polling() const { return m_nTimer != 0; }

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    enum Value {
        kTxOk, kTxRetry, kTxFail, kRtsOk, kRtsFail, kRxOk, kRxCrc, kRxDropped, kRxDuplicate, kTxNoRetry, kValueCount
    };
    static const int kValueControls[kValueCount];

    void Refresh();

    UINT_PTR m_nTimer = 0;
    std::string m_strValue[kValueCount];
};

}  // namespace daduve
