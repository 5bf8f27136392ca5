#pragma once
// "Power Save Setting": WMM power save per access category. Apply sends the categories
// with power save on, stores them in the driver key, reconnects and closes.
#include <windows.h>

#include "framework/dialog.h"

class CPOWERSAVEDLG : public fw::CDialog {
public:
    explicit CPOWERSAVEDLG(fw::CWnd* parent = nullptr);

    int m_bAcBe = 0;
    int m_bAcBk = 0;
    int m_bAcVi = 0;
    int m_bAcVo = 0;

    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

protected:
    void OnApply();
    FW_DECLARE_MESSAGE_MAP()
};
