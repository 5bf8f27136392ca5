#include "daduve/block_ack_page.h"

#include <commctrl.h>

#include "daduve/add_block_ack_dlg.h"
#include "daduve/ap_oids.h"
#include "daduve/delete_block_ack_dlg.h"
#include "framework/ddx.h"
#include "framework/property_sheet.h"
#include "framework/resources.h"
#include "resources/daduve/resource.h"
#include "shared/block_ack_lists.h"
#include "shared/block_ack_registry.h"
#include "shared/oid_access.h"

namespace daduve {

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 1000;

constexpr int kSessionButtons[] = {IDC_BA_ORIGINATOR_ADD, IDC_BA_ORIGINATOR_DELETE, IDC_BA_ORIGINATOR_DELETE_ALL,
                                   IDC_BA_RECIPIENT_ADD,  IDC_BA_RECIPIENT_DELETE,  IDC_BA_RECIPIENT_DELETE_ALL};

void SetRecord(DWORD oid, void* record, DWORD length)
{
    DWORD returned = 0;
    SetOid(oid, record, length, &returned, kSetTries);
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CBlockAck, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_BA_ORIGINATOR_ADD, OnOriginatorAdd)
    FW_ON_BN_CLICKED(IDC_BA_ORIGINATOR_DELETE, OnOriginatorDelete)
    FW_ON_BN_CLICKED(IDC_BA_ORIGINATOR_DELETE_ALL, OnOriginatorDeleteEntry)
    FW_ON_BN_CLICKED(IDC_BA_RECIPIENT_ADD, OnRecipientAdd)
    FW_ON_BN_CLICKED(IDC_BA_RECIPIENT_DELETE, OnRecipientDelete)
    FW_ON_BN_CLICKED(IDC_BA_RECIPIENT_DELETE_ALL, OnRecipientDeleteEntry)
    FW_ON_BN_CLICKED(IDC_BA_APPLY, OnApplyCapability)
    FW_ON_BN_CLICKED(IDC_BA_MANUAL, OnSessionSetupClicked)
    FW_ON_BN_CLICKED(IDC_BA_AUTO, OnSessionSetupClicked)
    FW_ON_BN_CLICKED(IDC_BA_AMSDU, OnCapabilityClicked)
    FW_ON_BN_CLICKED(IDC_BA_AGGREGATION, OnCapabilityClicked)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CBlockAck::CBlockAck() : fw::CPropertyPage(IDD_BLOCK_ACK, IDS_11N_SETTING) {}

CBlockAck::~CBlockAck() = default;

BOOL CBlockAck::OnInitDialog()
{
    fw::CPropertyPage::OnInitDialog();
    for (BaDirection d : {kBaOriginator, kBaRecipient}) {
        ::SendMessageA(ListOf(d), LVM_DELETEALLITEMS, 0, 0);
        m_Sessions[d].clear();
    }

    SetWindowText(fw::LoadStr(IDS_11N_SETTING));
    const struct {
        int control;
        UINT text;
    } labels[] = {
        {IDC_BA_ORIGINATOR_GROUP, IDS_BA_ORIGINATOR_OF},     {IDC_BA_RECIPIENT_GROUP, IDS_BA_RECIPIENT_OF},
        {IDC_BA_MANUAL, IDS_BA_MANUAL},                      {IDC_BA_AUTO, IDS_BA_AUTO},
        {IDC_BA_ORIGINATOR_ADD, IDS_BA_ADD},                 {IDC_BA_RECIPIENT_ADD, IDS_BA_ADD},
        {IDC_BA_ORIGINATOR_DELETE, IDS_BA_DELETE},           {IDC_BA_RECIPIENT_DELETE, IDS_BA_DELETE},
        {IDC_BA_ORIGINATOR_DELETE_ALL, IDS_BA_DELETE_ENTRY}, {IDC_BA_RECIPIENT_DELETE_ALL, IDS_BA_DELETE_ENTRY},
        {IDC_BA_APPLY, IDS_BA_APPLY},                        {IDC_BA_DENSITY_LABEL, IDS_BA_DENSITY},
    };
    for (const auto& l : labels)
        SetDlgItemText(l.control, fw::LoadStr(l.text));

    for (BaDirection d : {kBaOriginator, kBaRecipient})
        block_ack_dlg::SetUpSessionList(ListOf(d), fw::LoadStr(IDS_BA_MAC));
    block_ack_dlg::FillTidCombo(GetDlgItem(IDC_BA_DENSITY));  // the densities are "0" to "7" as well

    // Without a stored value the page starts from the initial capability.
    BaCapability stored{};
    if (ReadStoredBaCapability(&stored))
        LoadBaCapability(stored, m_Fields);
    SendCapability();

    EnableControls();
    UpdateData(FALSE);
    m_nTimer = SetTimer(kRefreshTimer, kRefreshMs);
    for (int id : {IDC_BA_AMSDU_GROUP, IDC_BA_AMSDU, IDC_BA_AMSDU_3839, IDC_BA_SMPS_GROUP, IDC_BA_SM_ENABLE,
                   IDC_BA_SMPS_STATIC, IDC_BA_SMPS_DYNAMIC})
        ::ShowWindow(GetDlgItem(id), SW_SHOW);
    return TRUE;
}

BOOL CBlockAck::OnSetActive()
{
    BaCapability current{};
    DWORD returned = 0;
    // A failed query leaves the fields as they were: zeros are not the driver's settings.
    if (QueryOid(kOidQueryBaCapability, &current, sizeof(current), &returned) && returned >= sizeof(current))
        LoadBaCapability(current, m_Fields);
    EnableControls();
    UpdateData(FALSE);
    return fw::CPropertyPage::OnSetActive();
}

void CBlockAck::DoDataExchange(fw::CDataExchange* pDX)
{
    fw::DDX_Check(pDX, IDC_BA_AGGREGATION, m_Fields.MpduAggregation);
    fw::DDX_Radio(pDX, IDC_BA_MANUAL, m_Fields.AutoSetup);
    fw::DDX_CBString(pDX, IDC_BA_DENSITY, m_Fields.MpduDensity);
    fw::DDX_Check(pDX, IDC_BA_AMSDU, m_Fields.Amsdu);
    fw::DDX_Radio(pDX, IDC_BA_AMSDU_3839, m_Fields.AmsduSize);
    fw::DDX_Radio(pDX, IDC_BA_SM_ENABLE, m_Fields.SmPowerSave);
}

void CBlockAck::EnableControls()
{
    const BOOL aggregation = m_Fields.MpduAggregation != 0;
    const BOOL manual = aggregation && m_Fields.AutoSetup == 0;
    for (int id : {IDC_BA_MANUAL, IDC_BA_AUTO, IDC_BA_DENSITY})
        ::EnableWindow(GetDlgItem(id), aggregation);
    for (int id : kSessionButtons)
        ::EnableWindow(GetDlgItem(id), manual);
    for (int id : {IDC_BA_AMSDU_3839, IDC_BA_AMSDU_7935})
        ::EnableWindow(GetDlgItem(id), m_Fields.Amsdu != 0);
}

void CBlockAck::SendCapability()
{
    BaCapability capability = StoreBaCapability(m_Fields);
    SetRecord(kOidSetBaCapability, &capability, sizeof(capability));
}

void CBlockAck::OnApplyCapability()
{
    // The driver first, then the driver key itself: this page does not go through ApDefault.
    UpdateData(TRUE);
    SendCapability();
    WriteStoredBaCapability(StoreBaCapability(m_Fields));
    EnableControls();
}

void CBlockAck::OnSessionSetupClicked() { UpdateData(TRUE); }

void CBlockAck::OnCapabilityClicked()
{
    UpdateData(TRUE);
    EnableControls();
}

void CBlockAck::OnTimer(UINT_PTR id)
{
    fw::CPropertySheet* sheet = GetParentSheet();
    if (!sheet || sheet->GetActivePage() != this)
        return;
    if (id == kRefreshTimer)
        Refresh();
    Default();
}

void CBlockAck::Refresh()
{
    BaSessionTable table{};
    DWORD returned = 0;
    if (!QueryOid(kOidQueryBaSessions, &table, sizeof(table), &returned) || returned == 0)
        return;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&table);
    for (BaDirection d : {kBaOriginator, kBaRecipient}) {
        m_Sessions[d] = ReadBaSessions(bytes, returned, d);
        block_ack_dlg::ShowSessions(ListOf(d), m_Sessions[d]);
    }
}

void CBlockAck::RunAdd(BaDirection direction)
{
    CAddBlockAckDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    BaSessionRequest request = MakeBaAddRequest(direction, dialog.m_Peer, dialog.m_nTid, dialog.m_nWindowLimit);
    SetRecord(kOidSetBaAdd, &request, sizeof(request));
}

void CBlockAck::RunDelete(BaDirection direction, int chooseTid)
{
    CDeleteBlockAckDlg dialog(this, m_Sessions[direction], chooseTid);
    if (dialog.DoModal() != IDOK)
        return;
    BaSessionRequest request = MakeBaDeleteRequest(direction, dialog.m_Peer, dialog.m_nTid, chooseTid == 0);
    SetRecord(kOidSetBaDelete, &request, sizeof(request));
}

void CBlockAck::OnDestroy()
{
    KillTimer(kRefreshTimer);
    m_nTimer = 0;
}

HWND CBlockAck::ListOf(BaDirection direction) const
{
    return GetDlgItem(direction == kBaOriginator ? IDC_BA_ORIGINATOR_LIST : IDC_BA_RECIPIENT_LIST);
}

}  // namespace daduve
