#include "station/pages/delete_block_ack_dlg.h"

#include <array>
#include <vector>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/block_ack_lists.h"
#include "station/pages/block_ack_page.h"

CDeleteBlockAckDlg::CDeleteBlockAckDlg(CBlockAck* page, BaDirection direction, int chooseTid)
    : fw::CDialog(IDD_DELETE_BLOCK_ACK, page), m_pPage(page), m_Direction(direction), m_bChooseTid(chooseTid) {}

BOOL CDeleteBlockAckDlg::OnInitDialog() {
    SetWindowText(fw::LoadStr(IDS_BA_DELETE_TITLE));
    SetDlgItemText(IDC_BA_TID_LABEL, fw::LoadStr(IDS_BA_TID));
    SetDlgItemText(IDC_BA_BSSID_LABEL, fw::LoadStr(IDS_BA_CONNECTED_BSSIDS));
    SetDlgItemText(IDOK, fw::LoadStr(IDS_BA_OK));
    SetDlgItemText(IDCANCEL, fw::LoadStr(IDS_BA_CANCEL));
    block_ack_dlg::FillTidCombo(GetDlgItem(IDC_BA_TID));
    if (!m_bChooseTid) {
        ::ShowWindow(GetDlgItem(IDC_BA_TID), SW_HIDE);
        ::ShowWindow(GetDlgItem(IDC_BA_TID_LABEL), SW_HIDE);
    }

    HWND list = GetDlgItem(IDC_BA_BSSID_LIST);
    block_ack_dlg::SetUpBssidList(list);
    block_ack_dlg::ShowBssids(list, m_pPage ? ListedBaPeers(m_pPage->Sessions(m_Direction)) : std::vector<std::array<uint8_t, 6>>{});
    return fw::CDialog::OnInitDialog();
}

void CDeleteBlockAckDlg::DoDataExchange(fw::CDataExchange* dx) { fw::DDX_CBString(dx, IDC_BA_TID, m_strTid); }

void CDeleteBlockAckDlg::OnOK() {
    UpdateData(TRUE);
    if (!block_ack_dlg::ChosenBssid(GetDlgItem(IDC_BA_BSSID_LIST), m_Bssid)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_BA_CHOOSE_BSSID).c_str(), "Lumora", MB_OK | MB_ICONSTOP);
        return;
    }
    m_nTid = block_ack_dlg::TidOf(m_strTid);
    EndDialog(IDOK);
}
