#include "shared/block_ack/block_ack_page_base.h"

#include <commctrl.h>

#include "framework/ddx.h"
#include "framework/property_sheet.h"
#include "framework/resources.h"
#include "shared/block_ack/block_ack_dialogs.h"
#include "shared/block_ack/block_ack_lists.h"
#include "shared/block_ack/block_ack_registry.h"
#include "shared/driver/oid_access.h"

namespace {
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 1000;
}  // namespace

FW_BEGIN_MESSAGE_MAP(CBlockAckPageBase, fw::CPropertyPage)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CBlockAckPageBase::CBlockAckPageBase(const BlockAckProgram& program)
    : fw::CPropertyPage(program.res.pageTemplate, program.texts.caption), m_Program(program) {}

CBlockAckPageBase::~CBlockAckPageBase() = default;

LRESULT CBlockAckPageBase::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The buttons' ids are each program's, so they are matched here as a map entry matches
    // them: a click, or the id as a command without a control.
    const UINT code = HIWORD(wp);
    if (msg == WM_COMMAND && (code == BN_CLICKED || (code == 1 && lp == 0)) && OnButton(LOWORD(wp))) return 0;
    return fw::CPropertyPage::WindowProc(msg, wp, lp);
}

bool CBlockAckPageBase::OnButton(int id) {
    const BlockAckResourceIds& r = m_Program.res;
    if (id == r.originatorAdd) RunAdd(kBaOriginator);
    else if (id == r.originatorDelete) RunDelete(kBaOriginator, 1);
    else if (id == r.originatorDeleteAll) RunDelete(kBaOriginator, 0);
    else if (id == r.recipientAdd) RunAdd(kBaRecipient);
    else if (id == r.recipientDelete) RunDelete(kBaRecipient, 1);
    else if (id == r.recipientDeleteAll) RunDelete(kBaRecipient, 0);
    else if (id == r.apply) OnApplyCapability();
    else if (id == r.manual || id == r.autoSetup) UpdateData(TRUE);
    else if (id == r.amsdu || id == r.aggregation) {
        UpdateData(TRUE);
        EnableControls();
    } else return false;
    return true;
}

BOOL CBlockAckPageBase::OnInitDialog() {
    const BlockAckResourceIds& r = m_Program.res;
    fw::CPropertyPage::OnInitDialog();
    if (m_Program.listsWithoutHScroll) {
        m_OriginatorList.SubclassDlgItem(r.originatorList, this);
        m_RecipientList.SubclassDlgItem(r.recipientList, this);
    }
    for (BaDirection d : {kBaOriginator, kBaRecipient}) {
        ::SendMessageA(ListOf(d), LVM_DELETEALLITEMS, 0, 0);
        m_Sessions[d].clear();
    }

    SetWindowText(fw::LoadStr(m_Program.texts.caption));
    for (const auto& l : r.pageLabels) SetDlgItemText(l.control, fw::LoadStr(l.text));

    for (BaDirection d : {kBaOriginator, kBaRecipient}) block_ack_dlg::SetUpSessionList(ListOf(d), fw::LoadStr(r.macHeader));
    block_ack_dlg::FillTidCombo(GetDlgItem(r.density));  // the densities are "0" to "7" as well

    // Without a stored value the page starts from the initial capability.
    BaCapability stored{};
    if (ReadStoredBaCapability(&stored)) LoadBaCapability(stored, m_Fields);
    SendCapability();

    EnableControls();
    UpdateData(FALSE);
    m_nTimer = SetTimer(kRefreshTimer, kRefreshMs);
    for (int id : r.shownAtStart) ::ShowWindow(GetDlgItem(id), SW_SHOW);
    return TRUE;
}

BOOL CBlockAckPageBase::OnSetActive() {
    BaCapability current{};
    DWORD returned = 0;
    // A failed query leaves the fields as they were: zeros are not the driver's settings.
    if (QueryOid(m_Program.driver.queryCapabilityOid, &current, sizeof(current), &returned) && returned >= sizeof(current))
        LoadBaCapability(current, m_Fields);
    EnableControls();
    UpdateData(FALSE);
    return fw::CPropertyPage::OnSetActive();
}

void CBlockAckPageBase::DoDataExchange(fw::CDataExchange* dx) {
    const BlockAckResourceIds& r = m_Program.res;
    fw::DDX_Check(dx, r.aggregation, m_Fields.MpduAggregation);
    fw::DDX_Radio(dx, r.manual, m_Fields.AutoSetup);
    fw::DDX_CBString(dx, r.density, m_Fields.MpduDensity);
    fw::DDX_Check(dx, r.amsdu, m_Fields.Amsdu);
    fw::DDX_Radio(dx, r.amsdu3839, m_Fields.AmsduSize);
    fw::DDX_Radio(dx, r.smEnable, m_Fields.SmPowerSave);
}

void CBlockAckPageBase::EnableControls() {
    const BlockAckResourceIds& r = m_Program.res;
    const BOOL aggregation = m_Fields.MpduAggregation != 0;
    const BOOL manual = aggregation && m_Fields.AutoSetup == 0;
    for (int id : {r.manual, r.autoSetup, r.density}) ::EnableWindow(GetDlgItem(id), aggregation);
    for (int id : {r.originatorAdd, r.originatorDelete, r.originatorDeleteAll, r.recipientAdd, r.recipientDelete,
                   r.recipientDeleteAll})
        ::EnableWindow(GetDlgItem(id), manual);
    for (int id : {r.amsdu3839, r.amsdu7935}) ::EnableWindow(GetDlgItem(id), m_Fields.Amsdu != 0);
}

void CBlockAckPageBase::SendCapability() { m_Program.driver.setCapability(StoreBaCapability(m_Fields)); }

void CBlockAckPageBase::OnApplyCapability() {
    // The driver first, then the driver key itself.
    UpdateData(TRUE);
    SendCapability();
    WriteStoredBaCapability(StoreBaCapability(m_Fields));
    EnableControls();
}

void CBlockAckPageBase::OnTimer(UINT_PTR id) {
    fw::CPropertySheet* sheet = GetParentSheet();
    if (!sheet || sheet->GetActivePage() != this) return;
    if (id == kRefreshTimer) Refresh();
    Default();
}

void CBlockAckPageBase::Refresh() {
    BaSessionTable table{};
    DWORD returned = 0;
    if (!QueryOid(m_Program.driver.querySessionsOid, &table, sizeof(table), &returned) || returned == 0) return;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&table);
    for (BaDirection d : {kBaOriginator, kBaRecipient}) {
        m_Sessions[d] = ReadBaSessions(bytes, returned, d);
        block_ack_dlg::ShowSessions(ListOf(d), m_Sessions[d]);
    }
}

void CBlockAckPageBase::RunAdd(BaDirection direction) {
    std::unique_ptr<CAddBlockAckDlgBase> dialog = m_Program.newAddDialog(this);
    if (dialog->DoModal() != IDOK) return;
    m_Program.driver.addSession(MakeBaAddRequest(direction, dialog->m_Peer, dialog->m_nTid, dialog->m_nWindowLimit));
}

void CBlockAckPageBase::RunDelete(BaDirection direction, int chooseTid) {
    std::unique_ptr<CDeleteBlockAckDlgBase> dialog = m_Program.newDeleteDialog(this, m_Sessions[direction], chooseTid);
    if (dialog->DoModal() != IDOK) return;
    m_Program.driver.deleteSession(MakeBaDeleteRequest(direction, dialog->m_Peer, dialog->m_nTid, chooseTid == 0));
}

void CBlockAckPageBase::OnDestroy() {
    KillTimer(kRefreshTimer);
    m_nTimer = 0;
}

HWND CBlockAckPageBase::ListOf(BaDirection direction) const {
    return GetDlgItem(direction == kBaOriginator ? m_Program.res.originatorList : m_Program.res.recipientList);
}
