#pragma once
// The modal twin of the Authentication and Security page, with OK and Cancel of its own: it
// reads the adapter's LEAP capability itself, checks the keys on OK and hands the WEP keys
// back packed. Nothing in the program opens it.
#include <windows.h>

#include "framework/dialog.h"
#include "station/profiles/editor/auth_secu_form.h"
#include "station/profiles/editor/profile_checks.h"
#include "station/profiles/editor/profile_editor_model.h"

class CAuthSecuDlg : public fw::CDialog {
public:
    explicit CAuthSecuDlg(fw::CWnd* parent = nullptr);
    ~CAuthSecuDlg() override;

    AuthSecuValues m_Values;
    // Filled on OK for Shared or Open with WEP, without an 802.1X method other than MD5.
    PackedWepKeys m_Keys;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    AUTH_SECU_FORM_HANDLERS
    FW_DECLARE_MESSAGE_MAP()

private:
    AuthSecuForm m_Form;
};
