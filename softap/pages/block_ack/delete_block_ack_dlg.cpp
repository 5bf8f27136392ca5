#include "daduve/delete_block_ack_dlg.h"

#include "daduve/block_ack_page.h"

namespace daduve {

CDeleteBlockAckDlg::CDeleteBlockAckDlg(fw::CWnd* parent, const std::vector<BaPeerSessions>& sessions, int chooseTid)
    : CDeleteBlockAckDlgBase(kHavixBlockAck, parent, sessions, chooseTid)
{
}

}  // namespace daduve
