#include "daduve/statistic_page.h"

#include <cstdint>
#include <cstring>

#include "daduve/ap_oids.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/daduve/resource.h"
#include "shared/oid_access.h"

namespace daduve {

namespace {

constexpr uint32_t kOidStatistics = 0x0D020212;        // OID_802_11_STATISTICS
constexpr uint32_t kOidRcvOk = 0x00020102;             // OID_GEN_RCV_OK
constexpr uint32_t kOidRcvNoBuffer = 0x00020105;       // OID_GEN_RCV_NO_BUFFER
constexpr uint32_t kOidSetResetCounters = 0x0DF10103;  // no data: the driver clears its counters

// NDIS_802_11_STATISTICS: a length, then 64-bit counters from offset 8.
constexpr size_t kStatisticsSize = 176;
constexpr size_t kTransmittedFragments = 8;
constexpr size_t kFailed = 24;
constexpr size_t kRetry = 32;
constexpr size_t kRtsSuccess = 48;
constexpr size_t kRtsFailure = 56;
constexpr size_t kFrameDuplicate = 72;
constexpr size_t kFcsError = 96;

constexpr struct {
    int control;
    UINT text;
} kLabels[] = {
    {IDC_ST_TX_GROUP, IDS_ST_TX_GROUP},           {IDC_ST_RX_GROUP, IDS_ST_RX_GROUP},
    {IDC_ST_TX_OK_LABEL, IDS_ST_TX_OK},           {IDC_ST_TX_RETRY_LABEL, IDS_ST_TX_RETRY},
    {IDC_ST_TX_FAIL_LABEL, IDS_ST_TX_FAIL},       {IDC_ST_RTS_OK_LABEL, IDS_ST_RTS_OK},
    {IDC_ST_RTS_FAIL_LABEL, IDS_ST_RTS_FAIL},     {IDC_ST_TX_NO_RETRY_LABEL, IDS_ST_TX_NO_RETRY},
    {IDC_ST_RX_OK_LABEL, IDS_ST_RX_OK},           {IDC_ST_RX_CRC_LABEL, IDS_ST_RX_CRC},
    {IDC_ST_RX_DROPPED_LABEL, IDS_ST_RX_DROPPED}, {IDC_ST_RX_DUPLICATE_LABEL, IDS_ST_RX_DUPLICATE},
    {IDC_ST_RESET, IDS_ST_RESET},
};

int64_t Counter(const uint8_t* record, size_t offset) {
    int64_t value;
    std::memcpy(&value, record + offset, sizeof(value));
    return value;
}

// A 4-byte receive count; a failed query leaves the zero.
uint32_t Count(uint32_t oid) {
    uint32_t value = 0;
    DWORD returned = 0;
    QueryOid(oid, &value, sizeof(value), &returned);
    return value;
}

}  // namespace

const int CStatisticPage::kValueControls[kValueCount] = {
    IDC_ST_TX_OK, IDC_ST_TX_RETRY,   IDC_ST_TX_FAIL,      IDC_ST_RTS_OK,      IDC_ST_RTS_FAIL,
    IDC_ST_RX_OK, IDC_ST_RX_CRC,     IDC_ST_RX_DROPPED,   IDC_ST_RX_DUPLICATE, IDC_ST_TX_NO_RETRY,
};

FW_BEGIN_MESSAGE_MAP(CStatisticPage, fw::CPropertyPage)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_BN_CLICKED(IDC_ST_RESET, OnResetCounters)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CStatisticPage::CStatisticPage() : fw::CPropertyPage(IDD_STATISTICS, IDS_STATISTICS) {
    for (std::string& value : m_strValue) value.assign(1, '0');  // not = "0": gcc 12 (i686) warns falsely on it
}

void CStatisticPage::DoDataExchange(fw::CDataExchange* dx) {
    for (int i = 0; i < kValueCount; ++i) fw::DDX_Text(dx, kValueControls[i], m_strValue[i]);
}

BOOL CStatisticPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    for (const auto& label : kLabels) SetDlgItemText(label.control, fw::LoadStr(label.text));
    UpdateData(FALSE);
    return TRUE;
}

BOOL CStatisticPage::OnSetActive() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = SetTimer(kPollTimerId, kPollMs);
    return fw::CPropertyPage::OnSetActive();
}

BOOL CStatisticPage::OnKillActive() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
    return fw::CPropertyPage::OnKillActive();
}

void CStatisticPage::OnDestroy() {
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
}

void CStatisticPage::OnTimer(UINT_PTR) { Refresh(); }

void CStatisticPage::Refresh() {
    // Not tested: a refused query shows the zeros the buffer started with.
    uint8_t record[kStatisticsSize] = {};
    DWORD returned = 0;
    QueryOid(kOidStatistics, record, sizeof(record), &returned);

    m_strValue[kTxOk] = std::to_string(Counter(record, kTransmittedFragments));
    m_strValue[kTxRetry] = std::to_string(Counter(record, kRetry));
    m_strValue[kTxFail] = std::to_string(Counter(record, kFailed));
    m_strValue[kRtsOk] = std::to_string(Counter(record, kRtsSuccess));
    m_strValue[kRtsFail] = std::to_string(Counter(record, kRtsFailure));
    m_strValue[kRxCrc] = std::to_string(Counter(record, kFcsError));
    m_strValue[kRxDuplicate] = std::to_string(Counter(record, kFrameDuplicate));
    // Computed unsigned, shown signed: more retries than frames reads negative, never traps.
    m_strValue[kTxNoRetry] = std::to_string(static_cast<int64_t>(
        static_cast<uint64_t>(Counter(record, kTransmittedFragments)) - static_cast<uint64_t>(Counter(record, kRetry))));
    m_strValue[kRxOk] = std::to_string(Count(kOidRcvOk));
    m_strValue[kRxDropped] = std::to_string(Count(kOidRcvNoBuffer));
    UpdateData(FALSE);
}

void CStatisticPage::OnResetCounters() {
    for (std::string& value : m_strValue) value.assign(1, '0');  // not = "0": gcc 12 (i686) warns falsely on it
    UpdateData(FALSE);
    DWORD returned = 0;
    SetOid(kOidSetResetCounters, nullptr, 0, &returned, kSetTries);
}

}  // namespace daduve
