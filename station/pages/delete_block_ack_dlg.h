#pragma once
// "delete MPDU Aggregation": the peer (and for one session its TID) of the block-ack
// sessions to end, chosen from the peers the page lists for one direction.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/dialog.h"
#include "shared/block_ack.h"

class CBlockAck;

class CDeleteBlockAckDlg : public fw::CDialog {
public:
    // chooseTid 0: every session of the peer ends, and the TID is not asked for.
    CDeleteBlockAckDlg(CBlockAck* page, BaDirection direction, int chooseTid);

    std::string m_strTid = "0";
    // Valid after OK.
    int m_nTid = 0;
    uint8_t m_Bssid[6] = {};

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

private:
    CBlockAck* m_pPage;
    BaDirection m_Direction;
    int m_bChooseTid;
};
