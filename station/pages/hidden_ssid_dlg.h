#pragma once
// "Hidden SSID": asks for the SSID of a network that does not broadcast it.
#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CHiddenSsidDlg : public fw::CDialog {
public:
    explicit CHiddenSsidDlg(fw::CWnd* parent = nullptr);

    std::string m_strSsid;    // at most 32 characters
    std::string m_strPrompt;

    BOOL OnInitDialog() override;
    // An empty SSID keeps the dialog open.
    void OnOK() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
};

// Ends every open "Hidden SSID" dialog of this process with code 2 (IDCANCEL); the main
// window calls it before the sheet goes away with the adapter.
void CloseHiddenSsidDialogs();
