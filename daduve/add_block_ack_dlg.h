#pragma once
// "Add MPDU Aggregation": the TID, the window-size limit and the peer of a new block-ack
// session, the peer chosen from the stations associated with the access point.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/dialog.h"

namespace daduve {

class CAddBlockAckDlg : public fw::CDialog {
public:
    explicit CAddBlockAckDlg(fw::CWnd* parent = nullptr);

    std::string m_strTid = "0";
    int m_nWindowLimit = 32;
    // Valid after OK.
    int m_nTid = 0;
    uint8_t m_Peer[6] = {};

    BOOL OnInitDialog() override;
    // Without a chosen station, or without a number, the dialog says so and stays open.
    void OnOK() override;
    void DoDataExchange(fw::CDataExchange* pDX) override;
};

}  // namespace daduve
