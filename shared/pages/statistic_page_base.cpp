#include "shared/pages/statistic_page_base.h"

#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "shared/driver/oid_access.h"

namespace {

// NDIS_802_11_STATISTICS: a length, then 64-bit counters from offset 8.
constexpr size_t kTransmittedFragments = 8;
constexpr size_t kFailed = 24;
constexpr size_t kRetry = 32;
constexpr size_t kRtsSuccess = 48;
constexpr size_t kRtsFailure = 56;
constexpr size_t kFrameDuplicate = 72;
constexpr size_t kFcsError = 96;

int64_t Counter(const uint8_t* record, size_t offset) {
    int64_t value;
    std::memcpy(&value, record + offset, sizeof(value));
    return value;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CStatisticPageBase, fw::CPropertyPage)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CStatisticPageBase::CStatisticPageBase(const Ids& ids, uint32_t resetOid, int resetTries)
    : fw::CPropertyPage(ids.page, ids.caption), m_Ids(ids), m_ResetOid(resetOid), m_ResetTries(resetTries) {
    ShowZeros();
}

void CStatisticPageBase::ShowZeros() {
    for (std::string& value : m_strValue) value.assign(1, '0');  // not = "0": gcc 12 (i686) warns falsely on it
}

void CStatisticPageBase::DoDataExchange(fw::CDataExchange* dx) {
    for (int i = 0; i < kValueCount; ++i) fw::DDX_Text(dx, m_Ids.values[i], m_strValue[i]);
}

BOOL CStatisticPageBase::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    for (const LabelText& label : m_Ids.labels) SetDlgItemText(label.control, fw::LoadStr(label.text));
    UpdateData(FALSE);
    return TRUE;
}

BOOL CStatisticPageBase::OnSetActive() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = SetTimer(kPollTimerId, kPollMs);
    return fw::CPropertyPage::OnSetActive();
}

BOOL CStatisticPageBase::OnKillActive() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
    return fw::CPropertyPage::OnKillActive();
}

void CStatisticPageBase::OnDestroy() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
}

void CStatisticPageBase::OnTimer(UINT_PTR) {
    Counts counts;
    ReadCounts(&counts);
    const uint8_t* record = counts.record;

    m_strValue[kTxOk] = std::to_string(Counter(record, kTransmittedFragments));
    m_strValue[kTxRetry] = std::to_string(Counter(record, kRetry));
    m_strValue[kTxFail] = std::to_string(Counter(record, kFailed));
    m_strValue[kRtsOk] = std::to_string(Counter(record, kRtsSuccess));
    m_strValue[kRtsFail] = std::to_string(Counter(record, kRtsFailure));
    // Computed unsigned, shown signed: more retries than frames reads negative, never traps.
    m_strValue[kTxNoRetry] = std::to_string(static_cast<int64_t>(
        static_cast<uint64_t>(Counter(record, kTransmittedFragments)) - static_cast<uint64_t>(Counter(record, kRetry))));
    m_strValue[kRxOk] = std::to_string(counts.rxOk);
    m_strValue[kRxCrc] = std::to_string(Counter(record, kFcsError));
    m_strValue[kRxDropped] = std::to_string(counts.rxDropped);
    m_strValue[kRxDuplicate] = std::to_string(Counter(record, kFrameDuplicate));
    UpdateData(FALSE);
}

void CStatisticPageBase::OnResetCounters() {
    ShowZeros();
    UpdateData(FALSE);
    DWORD returned = 0;
    SetOid(m_ResetOid, nullptr, 0, &returned, m_ResetTries);
}
