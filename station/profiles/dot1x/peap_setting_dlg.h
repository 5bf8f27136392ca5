#pragma once
// "Peap Setting - One Time Password": asks for a PEAP tunnel identity and a one-time password.
// The main window holds one; its opener writes what was typed into the current connect
// record (OpenPeapSetting).
#include <windows.h>

#include <string>

#include "framework/dialog.h"
#include "station/profiles/profile_apply_record.h"

class CPeapSettingDlg : public fw::CDialog {
public:
    explicit CPeapSettingDlg(fw::CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    std::string m_strIdentity;
    std::string m_strPassword;
    int m_bNoPasswordNeeded = 0;

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
};

// The opener, unless the dialog is already open: the identity from the current record's
// TunnelID, an empty password, the dialog, then both back into TunnelID and TunnelPassword of
// the record current then (the pointer is read again: the record may be replaced while the
// dialog is open). Without a record nothing is read or written; each text is cut to what its
// field holds.
void OpenPeapSetting(CPeapSettingDlg& dialog, ProfileApplyRecord* const& current);
