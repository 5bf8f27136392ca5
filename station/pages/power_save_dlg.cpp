#include "station/pages/power_save_dlg.h"

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/driver/oid_access.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/registry/driver_registry.h"
#include "station/pages/apsd_flags.h"
#include "station/pages/qos_page.h"

FW_BEGIN_MESSAGE_MAP(CPOWERSAVEDLG, fw::CDialog)
    FW_ON_BN_CLICKED(IDC_PS_APPLY, OnApply)
FW_END_MESSAGE_MAP()

CPOWERSAVEDLG::CPOWERSAVEDLG(fw::CWnd* parent) : fw::CDialog(IDD_POWER_SAVE, parent) {}

BOOL CPOWERSAVEDLG::OnInitDialog() {
    SetWindowText(fw::LoadStr(IDS_POWER_SAVE));
    SetDlgItemText(IDC_PS_APPLY, fw::LoadStr(IDS_APPLY));
    DWORD flags = 0, returned = 0;
    QueryOid(kOidQueryApsdFlags, &flags, sizeof(flags), &returned);
    m_bAcBe = (flags & kApsdAcBe) ? 1 : 0;
    m_bAcBk = (flags & kApsdAcBk) ? 1 : 0;
    m_bAcVi = (flags & kApsdAcVi) ? 1 : 0;
    m_bAcVo = (flags & kApsdAcVo) ? 1 : 0;
    // The base moves the members into the controls.
    return fw::CDialog::OnInitDialog();
}

void CPOWERSAVEDLG::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Check(dx, IDC_PS_AC_BE, m_bAcBe);
    fw::DDX_Check(dx, IDC_PS_AC_BK, m_bAcBk);
    fw::DDX_Check(dx, IDC_PS_AC_VI, m_bAcVi);
    fw::DDX_Check(dx, IDC_PS_AC_VO, m_bAcVo);
}

void CPOWERSAVEDLG::OnApply() {
    UpdateData(TRUE);
    // Power save stays on whichever categories use it.
    DWORD flags = kApsdPowerSave;
    if (m_bAcBe) flags |= kApsdAcBe;
    if (m_bAcBk) flags |= kApsdAcBk;
    if (m_bAcVi) flags |= kApsdAcVi;
    if (m_bAcVo) flags |= kApsdAcVo;
    DriverOidOps().SetApsdFlags(flags);
    WriteDriverKeyNumber("APSDAC_BE", m_bAcBe);
    WriteDriverKeyNumber("APSDAC_BK", m_bAcBk);
    WriteDriverKeyNumber("APSDAC_VI", m_bAcVi);
    WriteDriverKeyNumber("APSDAC_VO", m_bAcVo);
    CQoSPAGE::ReconnectAfterChange(m_hWnd, IDS_QOS_POWER_LOST);
    CQoSPAGE::RequestRescan();
    EndDialog(IDOK);
}
