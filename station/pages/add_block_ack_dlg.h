#pragma once
// "add MPDU Aggregation": the TID, the window-size limit and the BSSID of a new block-ack
// session, the BSSID chosen from those the driver lists, the associated one first.
#include "shared/block_ack/block_ack_dialogs.h"

class CAddBlockAckDlg : public CAddBlockAckDlgBase {
public:
    explicit CAddBlockAckDlg(fw::CWnd* parent = nullptr);
};
