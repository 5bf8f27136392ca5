#pragma once
// "Authentication and Security", the second page of the profile editor: authentication and
// encryption, the WPA pre-shared key, four WEP keys with their formats and the default key,
// and the 802.1X switch. The sheet's save checks what it holds.
#include <windows.h>

#include "framework/property_page.h"
#include "station/profiles/editor/auth_secu_form.h"
#include "station/profiles/editor/profile_editor_model.h"

class CAuthSecuPage : public fw::CPropertyPage {
public:
    // values: the editor's; null gives the page values of its own.
    explicit CAuthSecuPage(AuthSecuValues* values = nullptr);
    ~CAuthSecuPage() override;

    AuthSecuValues& Values() { return *m_pValues; }
    AuthSecuForm& Form() { return m_Form; }
    // Whether the 802.1X settings are complete: they are checked in their own sheet, so here
    // always.
    int Check8021X() const { return 1; }

    BOOL OnInitDialog() override;
    void OnOK() override { fw::CPropertyPage::OnOK(); }
    // The editor's save, unless it already saved; FALSE keeps the sheet open.
    BOOL OnApply() override;
    BOOL OnSetActive() override;

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    AUTH_SECU_FORM_HANDLERS
    FW_DECLARE_MESSAGE_MAP()

private:
    AuthSecuValues m_OwnValues;
    AuthSecuValues* m_pValues;
    AuthSecuForm m_Form;
};
