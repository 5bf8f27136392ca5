#include "station/profiles/dot1x/sel_cert_dlg.h"

#include <commctrl.h>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/cert_stores.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/controls/list_view_rows.h"

std::vector<CertDesc> ListStoreCertificates(const char* storeName) {
    std::vector<CertDesc> out;
    for (const platform::StoredCertificate& cert : platform::Certificates().List(storeName)) {
        const CertDesc desc = DescribeCertificate(cert);
        if (desc.IssuedTo[0]) out.push_back(desc);
    }
    return out;
}

CSelCertDlg::CSelCertDlg(CertDesc& chosen, fw::CWnd* parent)
    : fw::CDialog(IDD_SEL_CERT, parent), m_Current{}, m_Chosen(chosen) {}

CSelCertDlg& SelCertDialog() {
    static CSelCertDlg dialog(g_ClientCertDesc);
    return dialog;
}

void CSelCertDlg::DoDataExchange(fw::CDataExchange* dx) {
    if (!dx->m_bSaveAndValidate) m_hList = dx->PrepareCtrl(IDC_CERT_LIST);
}

BOOL CSelCertDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    ListView_SetExtendedListViewStyle(m_hList, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    static const UINT kColumns[4] = {IDS_CERT_ISSUED_TO, IDS_CERT_ISSUED_BY, IDS_CERT_EXPIRED_ON,
                                     IDS_CERT_FRIENDLY_NAME};
    for (int i = 0; i < 4; ++i) AddListColumn(m_hList, i, fw::LoadStr(kColumns[i]), 2.5 / 10);
    SetDlgItemText(IDOK, fw::LoadStr(IDS_OK));
    SetDlgItemText(IDCANCEL, fw::LoadStr(IDS_CANCEL));
    SetWindowText(fw::LoadStr(IDS_SEL_CERT_TITLE));

    ListView_DeleteAllItems(m_hList);
    m_Certificates = ListStoreCertificates("MY");
    int current = -1;
    for (const CertDesc& d : m_Certificates) {
        const int row = AppendListRow(m_hList, {d.IssuedTo, d.IssuedBy, d.ExpiredOn, d.FriendlyName});
        if (current < 0 && m_bHasCurrent && SameCertDesc(d, m_Current)) current = row;
    }
    if (current >= 0) {
        SelectListRow(m_hList, current);
        ListView_EnsureVisible(m_hList, current, FALSE);
    }
    return TRUE;
}

void CSelCertDlg::OnOK() {
    const int row = SelectedListRow(m_hList);
    if (row < 0 || row >= static_cast<int>(m_Certificates.size())) return;
    m_Chosen = m_Certificates[static_cast<size_t>(row)];
    ListView_DeleteAllItems(m_hList);
    m_Certificates.clear();
    EndDialog(IDOK);
}

void CSelCertDlg::OnCancel() {
    ListView_DeleteAllItems(m_hList);
    m_Certificates.clear();
    EndDialog(IDCANCEL);
}
