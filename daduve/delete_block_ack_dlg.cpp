#include "daduve/delete_block_ack_dlg.h"

#include "daduve/mac_list_page.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/daduve/resource.h"
#include "shared/block_ack_lists.h"

namespace daduve {

CDeleteBlockAckDlg::CDeleteBlockAckDlg(fw::CWnd* parent, const std::vector<BaPeerSessions>& sessions, int chooseTid)
    : fw::CDialog(IDD_DELETE_BLOCK_ACK, parent), m_Sessions(sessions), m_bChooseTid(chooseTid)
{
}

BOOL CDeleteBlockAckDlg::OnInitDialog()
{
    SetWindowText(fw::LoadStr(IDS_BA_DELETE_TITLE));
    SetDlgItemText(IDC_BA_TID_LABEL, fw::LoadStr(IDS_BA_TID));
    SetDlgItemText(IDC_BA_BSSID_LABEL, fw::LoadStr(IDS_BA_AVAILABLE_BSSIDS));
    SetDlgItemText(IDOK, fw::LoadStr(IDS_BA_OK));
    SetDlgItemText(IDCANCEL, fw::LoadStr(IDS_BA_CANCEL));
    block_ack_dlg::FillTidCombo(GetDlgItem(IDC_BA_TID));
    if (!m_bChooseTid) {
        ::ShowWindow(GetDlgItem(IDC_BA_TID), SW_HIDE);
        ::ShowWindow(GetDlgItem(IDC_BA_TID_LABEL), SW_HIDE);
    }
    HWND list = GetDlgItem(IDC_BA_BSSID_LIST);
    block_ack_dlg::SetUpBssidList(list);
    block_ack_dlg::ShowBssids(list, ListedBaPeers(m_Sessions));
    return fw::CDialog::OnInitDialog();
}

void CDeleteBlockAckDlg::DoDataExchange(fw::CDataExchange* pDX) { fw::DDX_CBString(pDX, IDC_BA_TID, m_strTid); }

void CDeleteBlockAckDlg::OnOK()
{
    UpdateData(TRUE);
    if (!block_ack_dlg::ChosenBssid(GetDlgItem(IDC_BA_BSSID_LIST), m_Peer)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_BA_SELECT_BSSID).c_str(), kAppTitle, MB_OK | MB_ICONSTOP);
        return;
    }
    m_nTid = block_ack_dlg::TidOf(m_strTid);
    EndDialog(IDOK);
}

}  // namespace daduve
