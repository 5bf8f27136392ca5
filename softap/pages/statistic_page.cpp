#include "softap/pages/statistic_page.h"

#include "softap/core/push/ap_oids.h"
#include "resources/softap/resource.h"
#include "shared/pages/statistic_page_ids.h"  // after the resource ids
#include "shared/driver/oid_access.h"

namespace softap {

namespace {

constexpr uint32_t kOidStatistics = 0x0D020212;        // OID_802_11_STATISTICS
constexpr uint32_t kOidRcvOk = 0x00020102;             // OID_GEN_RCV_OK
constexpr uint32_t kOidRcvNoBuffer = 0x00020105;       // OID_GEN_RCV_NO_BUFFER
constexpr uint32_t kOidSetResetCounters = 0x0DF10103;  // no data: the driver clears its counters

constexpr size_t kStatisticsSize = 176;  // NDIS_802_11_STATISTICS
static_assert(kStatisticsSize <= CStatisticPageBase::kRecordBufferSize, "the statistics record fits");

// A 4-byte receive count; a failed query leaves the zero.
uint32_t Count(uint32_t oid) {
    uint32_t value = 0;
    DWORD returned = 0;
    QueryOid(oid, &value, sizeof(value), &returned);
    return value;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CStatisticPage, CStatisticPageBase)
    FW_ON_BN_CLICKED(IDC_ST_RESET, OnResetCounters)
FW_END_MESSAGE_MAP()

CStatisticPage::CStatisticPage() : CStatisticPageBase(kStatisticPageIds, kOidSetResetCounters, kSetTries) {}

void CStatisticPage::ReadCounts(Counts* counts) {
    // Not tested: a refused query shows the zeros the buffer started with.
    DWORD returned = 0;
    QueryOid(kOidStatistics, counts->record, kStatisticsSize, &returned);
    counts->rxOk = Count(kOidRcvOk);
    counts->rxDropped = Count(kOidRcvNoBuffer);
}

}  // namespace softap
