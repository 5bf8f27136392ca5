#pragma once
// "WPS Information": what the chosen access point advertises in its WPS element.
#include <windows.h>

#include <string>

#include "framework/dialog.h"
#include "station/pages/wps/wsc_info.h"

class CWscInfoDlg : public fw::CDialog {
public:
    explicit CWscInfoDlg(fw::CWnd* parent = nullptr);

    std::string m_strAuthentication;
    std::string m_strEncryption;
    WscInfoTexts m_Info;

    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnOK() override;
};

// Ends every open "WPS Information" dialog of this process with IDCANCEL.
void CloseWscInfoDialogs();
