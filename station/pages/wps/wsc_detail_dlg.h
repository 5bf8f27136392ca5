#pragma once
// "WPS Profile Detail": one stored credential, or in registrar mode the editor of the
// registrar's own credential (entry 0 of the table).
#include <windows.h>

#include <string>

#include "framework/dialog.h"
#include "shared/controls/link_slider.h"
#include "shared/controls/smart_edit.h"
#include "station/core/wps/wps_credential_table.h"

class CWscDetailDlg : public fw::CDialog {
public:
    // table: the credentials; entry 0 is rewritten by OK in registrar mode.
    CWscDetailDlg(int registrarMode, WpsCredentialTable* table, fw::CWnd* parent = nullptr);

    std::string m_strKeyIndex;
    std::string m_strKeyMaterial;
    std::string m_strKeyLength;
    std::string m_strAuthentication;
    std::string m_strEncryption;
    std::string m_strSsid;
    std::string m_strMac = "00-00-00-00-00-00";
    std::string m_strHexKey;
    std::string m_strAsciiKey;
    int m_bShowPassword = 0;
    int m_bAsciiShown = 0;
    int m_bAsciiAvailable = 0;
    int m_bWpaFamily = 0;
    int m_nKeyLength = 0;

    // The texts of credential i (the page's fill before the dialog runs).
    void FillFrom(const WpsCredential& credential);

    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnOK() override;

    bool Editing() const { return m_bEditing != 0; }
    int KeyLimit() const { return m_nKeyLimit; }

protected:
    void OnAuthChange();
    void OnEncryptionChange();
    void OnKeyLengthChange();
    void OnShowPassword();
    void OnAsciiFormat();
    FW_DECLARE_MESSAGE_MAP()

private:
    void LoadRegistrarCombos(const WpsCredential& entry);
    void FillEncryptionItems();
    void SetKeyRule(int limit, bool hexOnly);
    void SetKeyReadOnly(bool readOnly);
    void SetKeyText(const std::string& text);
    std::string KeyText() const;
    int ComboRow(int id) const;
    void SelectRow(int id, int row);

    int m_bRegistrarMode;
    int m_bEditing = 0;
    int m_nKeyLimit = 64;
    WpsCredentialTable* m_pTable;
    CSmartEdit m_KeyEdit;
};

// Ends every open "WPS Profile Detail" dialog of this process with IDCANCEL.
void CloseWscDetailDialogs();
