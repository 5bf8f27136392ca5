#include "station/pages/delete_block_ack_dlg.h"

#include "station/pages/block_ack_page.h"

CDeleteBlockAckDlg::CDeleteBlockAckDlg(fw::CWnd* page, const std::vector<BaPeerSessions>& sessions, int chooseTid)
    : CDeleteBlockAckDlgBase(kStationBlockAck, page, sessions, chooseTid) {}
