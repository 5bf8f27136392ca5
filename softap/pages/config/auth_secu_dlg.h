#pragma once
// "Security Setting": the modal dialog in which the Config page edits the access point's
// authentication, cipher, WEP keys, pre-shared key and group rekeying. It works on its own
// copy and writes nothing: the page takes the copy back after OK and stores it on Apply.
#include <windows.h>

#include <string>

#include "softap/core/config/ap_settings.h"
#include "framework/dialog.h"
#include "shared/controls/link_slider.h"  // CSmartEdit owns a slider: its type must be complete here
#include "shared/controls/smart_edit.h"

namespace softap {

class CAuthSecuDlg : public fw::CDialog {
public:
    explicit CAuthSecuDlg(fw::CWnd* parent = nullptr);

    // In: what the page holds. After OK: what the dialog committed.
    SecurityConfig m_Security;

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnAuthenticationChange();
    void OnEncryptionChange() { EncryptionChanged(true); }
    void OnKeyTypeChange() { KeyTypeChanged(true); }
    void OnRekeyUnit();
    void OnDefaultKey();
    void OnShowPassword();
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    // UpdateData(TRUE); a number field that holds no unsigned number gets its message.
    bool ReadControls();
    void FillEncryptionRows(int authenType);
    // The controls the authentication and cipher use, then each key's visible edit.
    void EncryptionChanged(bool read);
    // Each key's hex or ASCII edit by its type, and the note.
    void KeyTypeChanged(bool read);
    void UpdateNote();
    const std::string& VisibleKeyText(int n) const;
    void Message(UINT textId);

    int m_nAuthenType = 0;
    int m_nEncryptionRow = 0;
    std::string m_strHexKey[4];
    std::string m_strAsciiKey[4];
    int m_nDefaultKey = 0;
    int m_nKeyType[4] = {0, 0, 0, 0};
    unsigned m_nRadiusPort = 0;
    unsigned m_nRekeyInterval = 0;
    int m_nRekeyMethod = 0;
    DWORD m_dwRadiusIP = 0;
    std::string m_strRadiusKey;
    std::string m_strPassphrase;
    std::string m_strRekeyLabel;
    std::string m_strAuthLabel;
    std::string m_strEncLabel;
    std::string m_strPskLabel;

    CSmartEdit m_HexEdit[4];
    CSmartEdit m_AsciiEdit[4];
};

}  // namespace softap
