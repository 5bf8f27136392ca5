#include "station/pages/wps/wsc_unsecure_warning.h"

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"

namespace {

BOOL CALLBACK EndWarning(HWND window, LPARAM) {
    if (auto* dialog = dynamic_cast<CWscUnsecureWarning*>(fw::CWnd::FromHandle(window))) dialog->EndDialog(IDCANCEL);
    return TRUE;
}

}  // namespace

CWscUnsecureWarning::CWscUnsecureWarning(fw::CWnd* parent) : fw::CDialog(IDD_WSC_UNSECURE, parent) {}

BOOL CWscUnsecureWarning::OnInitDialog() {
    m_strText = fw::LoadStr(IDS_WSCU_TEXT);
    return fw::CDialog::OnInitDialog();
}

void CWscUnsecureWarning::DoDataExchange(fw::CDataExchange* dx) { fw::DDX_Text(dx, IDC_WSCU_TEXT, m_strText); }

void CloseWscWarningDialogs() { EnumWindows(EndWarning, 0); }
