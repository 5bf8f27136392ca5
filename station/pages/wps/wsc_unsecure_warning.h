#pragma once
// "Unsecured setting": asked before an open, unencrypted registrar credential is handed out.
#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CWscUnsecureWarning : public fw::CDialog {
public:
    explicit CWscUnsecureWarning(fw::CWnd* parent = nullptr);

    std::string m_strText;

    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
};

// Ends every open warning of this process with IDCANCEL.
void CloseWscWarningDialogs();
