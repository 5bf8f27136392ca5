#include "station/profiles/editor/auth_secu_page.h"

#include "resources/station/resource.h"
#include "station/profiles/editor/profile_sheet.h"

FW_BEGIN_MESSAGE_MAP(CAuthSecuPage, fw::CPropertyPage)
    AUTH_SECU_FORM_MESSAGES
FW_END_MESSAGE_MAP()

CAuthSecuPage::CAuthSecuPage(AuthSecuValues* values)
    : fw::CPropertyPage(IDD_AUTH_SECU, IDS_AUTH_SECU),
      m_pValues(values ? values : &m_OwnValues),
      m_Form(*this, *m_pValues, false) {}

CAuthSecuPage::~CAuthSecuPage() = default;

void CAuthSecuPage::DoDataExchange(fw::CDataExchange* dx) {
    fw::CPropertyPage::DoDataExchange(dx);
    m_Form.Exchange(dx);
}

BOOL CAuthSecuPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    m_Form.InitControls();
    return TRUE;
}

BOOL CAuthSecuPage::OnSetActive() {
    m_Form.Activate();
    return fw::CPropertyPage::OnSetActive();
}

BOOL CAuthSecuPage::OnApply() {
    auto* sheet = dynamic_cast<CProfileSheet*>(GetParentSheet());
    if (sheet && !sheet->Model().saved && !sheet->SaveProfile()) return FALSE;
    return fw::CPropertyPage::OnApply();
}
