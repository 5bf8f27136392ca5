#pragma once
// "add MPDU Aggregation": the TID, the window-size limit and the BSSID of a new block-ack
// session, the BSSID chosen from those the driver lists, the associated one first.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/dialog.h"

class CAddBlockAckDlg : public fw::CDialog {
public:
    explicit CAddBlockAckDlg(fw::CWnd* parent = nullptr);

    std::string m_strTid = "0";
    int m_nWindowLimit = 32;
    // Valid after OK.
    int m_nTid = 0;
    uint8_t m_Bssid[6] = {};

    BOOL OnInitDialog() override;
    // Without a chosen BSSID the dialog says so and stays open.
    void OnOK() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
};
