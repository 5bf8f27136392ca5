#include "station/pages/statistic_page.h"

#include "resources/station/resource.h"
#include "shared/pages/statistic_page_ids.h"  // after the resource ids
#include "shared/driver/oid_access.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/hide_dlg.h"
#include "station/core/station_globals.h"

namespace {

constexpr DWORD kOidRcvNoBuffer = 0x00020105;  // OID_GEN_RCV_NO_BUFFER
constexpr DWORD kOidResetCounters = 0xFF8C000C;
constexpr int kResetTries = 3;

static_assert(CStatisticPageBase::kRecordBufferSize >= kLinkInfoRecordSize, "the statistics record fits");

}  // namespace

FW_BEGIN_MESSAGE_MAP(CStatisticPage, CStatisticPageBase)
    FW_ON_BN_CLICKED(IDC_ST_RESET, OnResetCounters)
FW_END_MESSAGE_MAP()

CStatisticPage::CStatisticPage() : CStatisticPageBase(kStatisticPageIds, kOidResetCounters, kResetTries) {}

void CStatisticPage::ReadCounts(Counts* counts) {
    // The record only while connected; the drop count always.
    uint64_t received = 0;
    int connected = 0;
    WlanManager* wlan = g_pHideDlg ? &g_pHideDlg->m_WlanManager : nullptr;
    if (wlan && wlan->GetInterfaceState(&connected) == ERROR_SUCCESS && connected == 1)
        wlan->QueryLinkInfo(counts->record, &received);
    counts->rxOk = static_cast<uint32_t>(received);

    DWORD returned = 0;
    QueryOid(kOidRcvNoBuffer, &counts->rxDropped, sizeof(counts->rxDropped), &returned);
}
