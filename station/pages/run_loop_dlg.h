#pragma once
// Settings of a repeated run: period, run counts, CPU usage and the traffic limits that
// start it. Nothing in the program opens it.
#include <windows.h>

#include "framework/dialog.h"

class CRunLoopDlg : public fw::CDialog {
public:
    explicit CRunLoopDlg(fw::CWnd* parent = nullptr);

    unsigned m_nRunPeriod = 0;
    unsigned m_nLogRuns = 0;
    unsigned m_nLineRuns = 0;
    int m_nCpuUsage = 0;
    int m_nTxLimit = 0;
    int m_nRxLimit = 0;
    int m_nTxRxLimit = 0;
    int m_bUseLine = 0;
    int m_bUseLog = 0;

    void DoDataExchange(fw::CDataExchange* dx) override;
    // A field that holds no whole number is named to the user and keeps the dialog open.
    void OnOK() override;
};
