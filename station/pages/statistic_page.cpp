#include "station/pages/statistic_page.h"

#include <cstdint>
#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/oid_access.h"
#include "station/core/driver_oid_ops.h"
#include "station/core/hide_dlg.h"
#include "station/core/station_globals.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 2000;
constexpr DWORD kOidRcvNoBuffer = 0x00020105;  // OID_GEN_RCV_NO_BUFFER
constexpr DWORD kOidResetCounters = 0xFF8C000C;
constexpr int kResetTries = 3;

// The caller's buffer is larger than the driver's record: what the driver reports never
// reaches past it.
constexpr size_t kStatisticsBufferSize = 200;
static_assert(kStatisticsBufferSize >= kLinkInfoRecordSize, "the statistics record fits");

constexpr struct {
    int control;
    UINT text;
} kLabels[] = {
    {IDC_ST_TX_GROUP, IDS_ST_TX_GROUP},         {IDC_ST_RX_GROUP, IDS_ST_RX_GROUP},
    {IDC_ST_TX_OK_LABEL, IDS_ST_TX_OK},         {IDC_ST_TX_RETRY_LABEL, IDS_ST_TX_RETRY},
    {IDC_ST_TX_FAIL_LABEL, IDS_ST_TX_FAIL},     {IDC_ST_RTS_OK_LABEL, IDS_ST_RTS_OK},
    {IDC_ST_RTS_FAIL_LABEL, IDS_ST_RTS_FAIL},   {IDC_ST_TX_NO_RETRY_LABEL, IDS_ST_TX_NO_RETRY},
    {IDC_ST_RX_OK_LABEL, IDS_ST_RX_OK},         {IDC_ST_RX_CRC_LABEL, IDS_ST_RX_CRC},
    {IDC_ST_RX_DROPPED_LABEL, IDS_ST_RX_DROPPED}, {IDC_ST_RX_DUPLICATE_LABEL, IDS_ST_RX_DUPLICATE},
    {IDC_ST_RESET, IDS_ST_RESET},
};

int64_t Counter(const uint8_t* record, size_t offset) {
    int64_t value;
    std::memcpy(&value, record + offset, sizeof(value));
    return value;
}

}  // namespace

const int CStatisticPage::kValueControls[kValueCount] = {
    IDC_ST_TX_OK, IDC_ST_TX_RETRY, IDC_ST_TX_FAIL, IDC_ST_RTS_OK,     IDC_ST_RTS_FAIL,
    IDC_ST_TX_NO_RETRY, IDC_ST_RX_OK, IDC_ST_RX_CRC, IDC_ST_RX_DROPPED, IDC_ST_RX_DUPLICATE,
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
    m_nTimer = SetTimer(kPollTimer, kPollMs);
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

void CStatisticPage::OnTimer(UINT_PTR) {
    uint8_t record[kStatisticsBufferSize] = {};
    uint64_t received = 0;
    int connected = 0;
    WlanManager* wlan = g_pHideDlg ? &g_pHideDlg->m_WlanManager : nullptr;
    if (wlan && wlan->GetInterfaceState(&connected) == ERROR_SUCCESS && connected == 1)
        wlan->QueryLinkInfo(record, &received);

    m_strValue[kTxOk] = std::to_string(Counter(record, 8));
    m_strValue[kTxRetry] = std::to_string(Counter(record, 32));
    m_strValue[kTxFail] = std::to_string(Counter(record, 24));
    m_strValue[kRtsOk] = std::to_string(Counter(record, 48));
    m_strValue[kRtsFail] = std::to_string(Counter(record, 56));
    m_strValue[kTxNoRetry] = std::to_string(static_cast<int64_t>(static_cast<uint64_t>(Counter(record, 8)) -
                                                                 static_cast<uint64_t>(Counter(record, 32))));
    m_strValue[kRxOk] = std::to_string(static_cast<uint32_t>(received));
    m_strValue[kRxCrc] = std::to_string(Counter(record, 96));
    m_strValue[kRxDuplicate] = std::to_string(Counter(record, 72));

    uint32_t dropped = 0;
    DWORD returned = 0;
    QueryOid(kOidRcvNoBuffer, &dropped, sizeof(dropped), &returned);
    m_strValue[kRxDropped] = std::to_string(dropped);

    UpdateData(FALSE);
}

void CStatisticPage::OnResetCounters() {
    for (std::string& value : m_strValue) value.assign(1, '0');  // not = "0": gcc 12 (i686) warns falsely on it
    UpdateData(FALSE);
    DWORD returned = 0;
    SetOid(kOidResetCounters, nullptr, 0, &returned, kResetTries);
}
