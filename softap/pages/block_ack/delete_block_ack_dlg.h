#pragma once
// "Delete Block Ack": the peer (and for one session its TID) of the block-ack sessions to
// end, chosen from the peers the page lists for one direction.
#include "shared/block_ack/block_ack_dialogs.h"

namespace softap {

class CDeleteBlockAckDlg : public CDeleteBlockAckDlgBase {
public:
    // chooseTid 0: every session of the peer ends, and the TID is not asked for.
    CDeleteBlockAckDlg(fw::CWnd* parent, const std::vector<BaPeerSessions>& sessions, int chooseTid);
};

}  // namespace softap
