#include "station/pages/add_block_ack_dlg.h"

#include "station/pages/block_ack_page.h"

CAddBlockAckDlg::CAddBlockAckDlg(fw::CWnd* parent) : CAddBlockAckDlgBase(kStationBlockAck, parent) {}
