#pragma once
// "ICS Proceeding": the notice shown while Internet Connection Sharing is being set up,
// placed a third of the way into the screen. Nothing in the program opens it.
#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CProceedingICSDlg : public fw::CDialog {
public:
    explicit CProceedingICSDlg(fw::CWnd* parent = nullptr);

    std::string m_strText;

    BOOL OnInitDialog() override;
};
