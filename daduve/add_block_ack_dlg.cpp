#include "daduve/add_block_ack_dlg.h"

#include <array>
#include <vector>

#include "daduve/ap_oids.h"
#include "daduve/mac_list_page.h"
#include "daduve/station_table.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/daduve/resource.h"
#include "shared/block_ack_lists.h"
#include "shared/oid_access.h"

namespace daduve {

CAddBlockAckDlg::CAddBlockAckDlg(fw::CWnd* parent) : fw::CDialog(IDD_ADD_BLOCK_ACK, parent) {}

BOOL CAddBlockAckDlg::OnInitDialog()
{
    SetWindowText(fw::LoadStr(IDS_BA_ADD_TITLE));
    SetDlgItemText(IDC_BA_TID_LABEL, fw::LoadStr(IDS_BA_TID));
    SetDlgItemText(IDC_BA_WINDOW_LABEL, fw::LoadStr(IDS_BA_WINDOW_LIMIT));
    SetDlgItemText(IDC_BA_BSSID_LABEL, fw::LoadStr(IDS_BA_AVAILABLE_BSSIDS));
    SetDlgItemText(IDOK, fw::LoadStr(IDS_BA_OK));
    SetDlgItemText(IDCANCEL, fw::LoadStr(IDS_BA_CANCEL));
    block_ack_dlg::FillTidCombo(GetDlgItem(IDC_BA_TID));

    HWND list = GetDlgItem(IDC_BA_BSSID_LIST);
    block_ack_dlg::SetUpBssidList(list);
    uint8_t table[kHtStationTableBytes] = {};
    DWORD returned = 0;
    std::vector<std::array<uint8_t, 6>> stations;
    if (QueryOid(kOidQueryStationTable, table, sizeof(table), &returned))
        for (const StationEntry& s : ParseStationTable(table, returned, true)) {
            std::array<uint8_t, 6> mac{};
            std::copy(std::begin(s.mac), std::end(s.mac), mac.begin());
            stations.push_back(mac);
        }
    block_ack_dlg::ShowBssids(list, stations);
    // The base moves the members into the controls.
    return fw::CDialog::OnInitDialog();
}

void CAddBlockAckDlg::DoDataExchange(fw::CDataExchange* pDX)
{
    fw::DDX_CBString(pDX, IDC_BA_TID, m_strTid);
    fw::DDX_Text(pDX, IDC_BA_WINDOW, m_nWindowLimit);
}

void CAddBlockAckDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_ENTER_INTEGER).c_str(), kAppTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!block_ack_dlg::ChosenBssid(GetDlgItem(IDC_BA_BSSID_LIST), m_Peer)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_BA_SELECT_BSSID).c_str(), kAppTitle, MB_OK | MB_ICONSTOP);
        return;
    }
    m_nTid = block_ack_dlg::TidOf(m_strTid);
    EndDialog(IDOK);
}

}  // namespace daduve
