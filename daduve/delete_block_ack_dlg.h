#pragma once
// "Delete Block Ack": the peer (and for one session its TID) of the block-ack sessions to
// end, chosen from the peers the page lists for one direction.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "shared/block_ack.h"

namespace daduve {

class CDeleteBlockAckDlg : public fw::CDialog {
public:
    // chooseTid 0: every session of the peer ends, and the TID is not asked for.
    CDeleteBlockAckDlg(fw::CWnd* parent, const std::vector<BaPeerSessions>& sessions, int chooseTid);

    std::string m_strTid = "0";
    // Valid after OK.
    int m_nTid = 0;
    uint8_t m_Peer[6] = {};

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(fw::CDataExchange* pDX) override;

private:
    const std::vector<BaPeerSessions>& m_Sessions;
    int m_bChooseTid;
};

}  // namespace daduve
