#pragma once
// "Add MPDU Aggregation": the TID, the window-size limit and the peer of a new block-ack
// session, the peer chosen from the stations associated with the access point.
#include "shared/block_ack/block_ack_dialogs.h"

namespace softap {

class CAddBlockAckDlg : public CAddBlockAckDlgBase {
public:
    explicit CAddBlockAckDlg(fw::CWnd* parent = nullptr);
};

}  // namespace softap
