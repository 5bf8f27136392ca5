#include "station/pages/add_block_ack_dlg.h"

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/block_ack_lists.h"
#include "shared/list_view_rows.h"
#include "shared/mac_text.h"
#include "shared/oid_access.h"
#include "station/core/connected_bssids.h"
#include "station/core/station_globals.h"

namespace {
constexpr DWORD kOidConnectedBssids = 0xFF0C0029;
}

CAddBlockAckDlg::CAddBlockAckDlg(fw::CWnd* parent) : fw::CDialog(IDD_ADD_BLOCK_ACK, parent) {}

BOOL CAddBlockAckDlg::OnInitDialog() {
    SetWindowText(fw::LoadStr(IDS_BA_ADD_TITLE));
    SetDlgItemText(IDC_BA_TID_LABEL, fw::LoadStr(IDS_BA_TID));
    SetDlgItemText(IDC_BA_WINDOW_LABEL, fw::LoadStr(IDS_BA_WINDOW_LIMIT));
    SetDlgItemText(IDC_BA_BSSID_LABEL, fw::LoadStr(IDS_BA_CONNECTED_BSSIDS));
    SetDlgItemText(IDOK, fw::LoadStr(IDS_BA_OK));
    SetDlgItemText(IDCANCEL, fw::LoadStr(IDS_BA_CANCEL));
    block_ack_dlg::FillTidCombo(GetDlgItem(IDC_BA_TID));

    HWND list = GetDlgItem(IDC_BA_BSSID_LIST);
    block_ack_dlg::SetUpBssidList(list);
    uint8_t answer[kConnectedBssidsSize] = {};
    DWORD returned = 0;
    std::vector<Bssid> bssids;
    if (QueryOid(kOidConnectedBssids, answer, sizeof(answer), &returned))
        bssids = ReadConnectedBssids(answer, returned, g_CurrentBssid);
    block_ack_dlg::ShowBssids(list, bssids);
    // The base moves the members into the controls.
    return fw::CDialog::OnInitDialog();
}

void CAddBlockAckDlg::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_CBString(dx, IDC_BA_TID, m_strTid);
    fw::DDX_Text(dx, IDC_BA_WINDOW, m_nWindowLimit);
}

void CAddBlockAckDlg::OnOK() {
    if (!UpdateData(TRUE)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_ENTER_INTEGER).c_str(), "Lumora", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!block_ack_dlg::ChosenBssid(GetDlgItem(IDC_BA_BSSID_LIST), m_Bssid)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_BA_CHOOSE_BSSID).c_str(), "Lumora", MB_OK | MB_ICONSTOP);
        return;
    }
    m_nTid = block_ack_dlg::TidOf(m_strTid);
    EndDialog(IDOK);
}
