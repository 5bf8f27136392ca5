#include "station/pages/proceeding_ics_dlg.h"

#include "resources/station/resource.h"

CProceedingICSDlg::CProceedingICSDlg(fw::CWnd* parent) : fw::CDialog(IDD_PROCEEDING_ICS, parent) {}

BOOL CProceedingICSDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    ::SetWindowPos(m_hWnd, nullptr, width / 3, height / 3, width / 3, height / 3, SWP_NOSIZE | SWP_NOZORDER);
    return TRUE;
}
