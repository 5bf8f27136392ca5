#include "station/profiles/editor/auth_secu_dlg.h"

#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "station/core/registry/driver_registry.h"

namespace {

// The twin's checks tell the user in plain message boxes; it has no pages and no names.
class DialogUi : public ProfileSaveUi {
public:
    DialogUi(HWND owner, AuthSecuForm& form) : m_owner(owner), m_form(form) {}
    int Message(unsigned textId, unsigned style) override {
        return platform::Boxes().Show(m_owner, fw::LoadStr(textId).c_str(), "Lumora", style);
    }
    void ShowPage(int) override {}
    bool NameTaken(const std::string&) const override { return false; }
    void ShowWepKey(int n) override { m_form.ShowWepKey(n); }

private:
    HWND m_owner;
    AuthSecuForm& m_form;
};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CAuthSecuDlg, fw::CDialog)
    AUTH_SECU_FORM_MESSAGES
FW_END_MESSAGE_MAP()

CAuthSecuDlg::CAuthSecuDlg(fw::CWnd* parent) : fw::CDialog(IDD_AUTH_SECU_DLG, parent), m_Form(*this, m_Values, true) {}

CAuthSecuDlg::~CAuthSecuDlg() = default;

void CAuthSecuDlg::DoDataExchange(fw::CDataExchange* dx) { m_Form.Exchange(dx); }

BOOL CAuthSecuDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    m_Form.InitControls();
    DWORD ccx = 0;
    if (ReadCcx2Control(&ccx)) ApplyCcx2Control(m_Values, ccx);
    SetWindowText(fw::LoadStr(IDS_AUTH_SECU));
    SetDlgItemText(IDOK, fw::LoadStr(IDS_OK));
    SetDlgItemText(IDCANCEL, fw::LoadStr(IDS_CANCEL));
    m_Form.Activate();
    return TRUE;
}

void CAuthSecuDlg::OnOK() {
    m_Form.ControlsToValues();
    DialogUi ui(m_hWnd, m_Form);
    if (!CheckSecurityDialog(m_Values, ui)) return;
    if (UsesWepKeys(m_Values)) m_Keys = PackWepKeys(m_Values);
    EndDialog(IDOK);
}
