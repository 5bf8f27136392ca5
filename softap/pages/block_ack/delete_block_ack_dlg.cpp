#include "softap/pages/block_ack/delete_block_ack_dlg.h"

#include "softap/pages/block_ack/block_ack_page.h"

namespace softap {

CDeleteBlockAckDlg::CDeleteBlockAckDlg(fw::CWnd* parent, const std::vector<BaPeerSessions>& sessions, int chooseTid)
    : CDeleteBlockAckDlgBase(kHavixBlockAck, parent, sessions, chooseTid)
{
}

}  // namespace softap
