#include "station/pages/wps/wsc_info_dlg.h"

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"

namespace {

BOOL CALLBACK EndInfoDialog(HWND window, LPARAM) {
    if (auto* dialog = dynamic_cast<CWscInfoDlg*>(fw::CWnd::FromHandle(window))) dialog->EndDialog(IDCANCEL);
    return TRUE;
}

}  // namespace

CWscInfoDlg::CWscInfoDlg(fw::CWnd* parent) : fw::CDialog(IDD_WSC_INFO, parent) {}

BOOL CWscInfoDlg::OnInitDialog() {
    SetWindowText(fw::LoadStr(IDS_WSCI_CAPTION));
    SetDlgItemText(IDOK, fw::LoadStr(IDS_OK));
    static const struct {
        int id;
        UINT text;
    } kLabels[] = {
        {IDC_WSCI_AUTH_LABEL, IDS_COL_AUTHENTICATION}, {IDC_WSCI_ENCRY_LABEL, IDS_COL_ENCRYPTION},
        {IDC_WSCI_METHODS_LABEL, IDS_WSCI_METHODS},    {IDC_WSCI_PASSWORD_ID_LABEL, IDS_WSCI_PASSWORD_ID},
        {IDC_WSCI_REGISTRAR_LABEL, IDS_WSCI_REGISTRAR}, {IDC_WSCI_STATE_LABEL, IDS_WSCI_STATE},
        {IDC_WSCI_VERSION_LABEL, IDS_WSCI_VERSION},    {IDC_WSCI_LOCKED_LABEL, IDS_WSCI_LOCKED},
        {IDC_WSCI_UUID_LABEL, IDS_WSCI_UUID},          {IDC_WSCI_BANDS_LABEL, IDS_WSCI_BANDS},
    };
    for (const auto& label : kLabels) SetDlgItemText(label.id, fw::LoadStr(label.text));
    return fw::CDialog::OnInitDialog();
}

void CWscInfoDlg::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_WSCI_AUTH, m_strAuthentication);
    fw::DDX_Text(dx, IDC_WSCI_ENCRY, m_strEncryption);
    fw::DDX_Text(dx, IDC_WSCI_METHODS, m_Info.configMethods);
    fw::DDX_Text(dx, IDC_WSCI_PASSWORD_ID, m_Info.devicePasswordId);
    fw::DDX_Text(dx, IDC_WSCI_REGISTRAR, m_Info.selectedRegistrar);
    fw::DDX_Text(dx, IDC_WSCI_STATE, m_Info.state);
    fw::DDX_Text(dx, IDC_WSCI_VERSION, m_Info.version);
    fw::DDX_Text(dx, IDC_WSCI_LOCKED, m_Info.apSetupLocked);
    fw::DDX_Text(dx, IDC_WSCI_UUID, m_Info.uuidE);
    fw::DDX_Text(dx, IDC_WSCI_BANDS, m_Info.rfBands);
}

void CWscInfoDlg::OnOK() { EndDialog(IDOK); }

void CloseWscInfoDialogs() { EnumWindows(EndInfoDialog, 0); }
