#pragma once
// The "Statistics" page of the main sheet: the driver's transmit and receive frame counters,
// refreshed every 2 seconds while the page is active, and RESET COUNTERS.
#include "shared/pages/statistic_page_base.h"

class CStatisticPage : public CStatisticPageBase {
public:
    CStatisticPage();

protected:
    void ReadCounts(Counts* counts) override;
    FW_DECLARE_MESSAGE_MAP()
};
