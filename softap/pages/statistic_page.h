#pragma once
// The "Statistics" page of Havix's sheet: ten frame counters from the driver's 802.11
// statistics and its receive counts, refreshed every 2 seconds while the page is active, and
// RESET COUNTERS.
#include "shared/pages/statistic_page_base.h"

namespace softap {

class CStatisticPage : public CStatisticPageBase {
public:
    CStatisticPage();

protected:
    void ReadCounts(Counts* counts) override;
    FW_DECLARE_MESSAGE_MAP()
};

}  // namespace softap
