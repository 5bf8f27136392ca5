#include "station/profiles/dot1x/dot1x_ca_server_page.h"

#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"
#include "station/profiles/dot1x/dot1x_sheet.h"
#include "station/profiles/editor/editor_exchange.h"
#include "station/profiles/dot1x/sel_cert_dlg.h"

namespace {

// What the connect record's ServerName holds.
constexpr size_t kServerNameMax = 127;

}  // namespace

FW_BEGIN_MESSAGE_MAP(C8021xCaServerPage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_CA_USE_CHAIN, OnUseChain)
FW_END_MESSAGE_MAP()

C8021xCaServerPage::C8021xCaServerPage() : fw::CPropertyPage(IDD_8021X_CA_SERVER, IDS_8021X_CA_SERVER), m_CaDesc{} {}

C8021xCaServerPage::~C8021xCaServerPage() = default;

C8021xSheet* C8021xCaServerPage::Sheet() const { return dynamic_cast<C8021xSheet*>(GetParentSheet()); }

void C8021xCaServerPage::DoDataExchange(fw::CDataExchange* dx) {
    Dot1xSettings& d = m_Settings;
    fw::DDX_Check(dx, IDC_CA_USE_CHAIN, d.validateServerChain);
    fw::DDX_Check(dx, IDC_CA_INTERMEDIATE, d.allowIntermediateCerts);
    editor_exchange::Text(dx, IDC_CA_SERVER_NAME, d.serverName, kServerNameMax);
    editor_exchange::Choice(dx, IDC_CA_EXACT_NAME, d.nameRule, true);
}

BOOL C8021xCaServerPage::OnInitDialog() {
    HWND issuers = GetDlgItem(IDC_CA_ISSUER);
    ::SendMessageA(issuers, CB_RESETCONTENT, 0, 0);
    ::SendMessageA(issuers, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("- Any Trusted CA -"));
    m_Issuers = ListStoreCertificates("ROOT");
    for (const CertDesc& d : m_Issuers)
        ::SendMessageA(issuers, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(d.IssuedTo));
    ::SendMessageA(GetDlgItem(IDC_CA_SERVER_NAME), EM_LIMITTEXT, kServerNameMax, 0);

    fw::CPropertyPage::OnInitDialog();
    // The issuer of the last choice, found again by its thumbprint.
    m_CaDesc = g_ServerCertDesc;
    int item = 0;
    if (m_Settings.validateServerChain && m_CaDesc.ThumbprintLength > 0) {
        for (size_t i = 0; i < m_Issuers.size(); ++i) {
            const CertDesc& d = m_Issuers[i];
            if (d.ThumbprintLength == m_CaDesc.ThumbprintLength &&
                std::memcmp(d.Thumbprint, m_CaDesc.Thumbprint, d.ThumbprintLength) == 0) {
                item = static_cast<int>(i) + 1;
                break;
            }
        }
    }
    ::SendMessageA(issuers, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    EnableChainControls();
    return TRUE;
}

BOOL C8021xCaServerPage::OnSetActive() {
    const BOOL result = fw::CPropertyPage::OnSetActive();
    C8021xSheet* sheet = Sheet();
    const bool canValidate = !sheet || sheet->m_bServerValidation;
    if (!canValidate) {
        m_Settings.validateServerChain = 0;
        CheckDlgButton(IDC_CA_USE_CHAIN, BST_UNCHECKED);
    }
    EnableDlgItem(IDC_CA_USE_CHAIN, canValidate ? TRUE : FALSE);
    EnableChainControls();
    return result;
}

void C8021xCaServerPage::EnableChainControls() {
    const BOOL on = IsDlgButtonChecked(IDC_CA_USE_CHAIN) == BST_CHECKED ? TRUE : FALSE;
    for (int id : {IDC_CA_ISSUER, IDC_CA_ISSUER_LABEL, IDC_CA_INTERMEDIATE, IDC_CA_SERVER_NAME_LABEL, IDC_CA_SERVER_NAME,
                   IDC_CA_EXACT_NAME, IDC_CA_DOMAIN_NAME})
        EnableDlgItem(id, on);
}

void C8021xCaServerPage::OnUseChain() { EnableChainControls(); }

void C8021xCaServerPage::ControlsToSettings() { UpdateData(TRUE); }

BOOL C8021xCaServerPage::OnApply() {
    const LRESULT item = ::SendMessageA(GetDlgItem(IDC_CA_ISSUER), CB_GETCURSEL, 0, 0);
    // By position, not by name: two roots may share a subject name. "Any" is no issuer.
    if (item > 0 && static_cast<size_t>(item) <= m_Issuers.size()) m_CaDesc = m_Issuers[static_cast<size_t>(item) - 1];
    else if (item == 0) m_CaDesc = CertDesc{};
    g_ServerCertDesc = m_CaDesc;
    C8021xSheet* sheet = Sheet();
    if (sheet && !sheet->CollectAndCheck()) return FALSE;
    m_Issuers.clear();
    return fw::CPropertyPage::OnApply();
}
