#include "station/pages/hidden_ssid_dlg.h"

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"

namespace {

constexpr int kSsidMax = 32;

BOOL CALLBACK EndHiddenSsidDialog(HWND window, LPARAM) {
    if (auto* dialog = dynamic_cast<CHiddenSsidDlg*>(fw::CWnd::FromHandle(window))) dialog->EndDialog(IDCANCEL);
    return TRUE;
}

}  // namespace

CHiddenSsidDlg::CHiddenSsidDlg(fw::CWnd* parent) : fw::CDialog(IDD_HIDDEN_SSID, parent) {}

BOOL CHiddenSsidDlg::OnInitDialog() {
    SetWindowText(" ");
    m_strPrompt = fw::LoadStr(IDS_ENTER_SSID);
    SetDlgItemText(IDOK, fw::LoadStr(IDS_OK));
    SetDlgItemText(IDCANCEL, fw::LoadStr(IDS_CANCEL));
    ::SendMessageA(GetDlgItem(IDC_HIDDEN_SSID), EM_LIMITTEXT, kSsidMax, 0);
    // The base moves the members into the controls.
    return fw::CDialog::OnInitDialog();
}

void CHiddenSsidDlg::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_HIDDEN_SSID, m_strSsid);
    fw::DDX_Text(dx, IDC_HIDDEN_PROMPT, m_strPrompt);
    if (m_strSsid.size() > kSsidMax) m_strSsid.resize(kSsidMax);
}

void CHiddenSsidDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (m_strSsid.empty()) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_ENTER_SSID).c_str(), "Lumora", MB_OK);
        return;
    }
    EndDialog(IDOK);
}

void CloseHiddenSsidDialogs() { EnumWindows(EndHiddenSsidDialog, 0); }
