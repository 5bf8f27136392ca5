#include "daduve/add_block_ack_dlg.h"

#include "daduve/block_ack_page.h"

namespace daduve {

CAddBlockAckDlg::CAddBlockAckDlg(fw::CWnd* parent) : CAddBlockAckDlgBase(kHavixBlockAck, parent) {}

}  // namespace daduve
