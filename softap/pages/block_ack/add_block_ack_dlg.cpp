#include "softap/pages/block_ack/add_block_ack_dlg.h"

#include "softap/pages/block_ack/block_ack_page.h"

namespace softap {

CAddBlockAckDlg::CAddBlockAckDlg(fw::CWnd* parent) : CAddBlockAckDlgBase(kHavixBlockAck, parent) {}

}  // namespace softap
