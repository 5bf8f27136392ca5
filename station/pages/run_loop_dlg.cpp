#include "station/pages/run_loop_dlg.h"

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"

CRunLoopDlg::CRunLoopDlg(fw::CWnd* parent) : fw::CDialog(IDD_RUN_LOOP, parent) {}

void CRunLoopDlg::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_RUNLOOP_PERIOD, m_nRunPeriod);
    fw::DDX_Text(dx, IDC_RUNLOOP_LOG_RUNS, m_nLogRuns);
    fw::DDX_Text(dx, IDC_RUNLOOP_LINE_RUNS, m_nLineRuns);
    fw::DDX_Text(dx, IDC_RUNLOOP_CPU, m_nCpuUsage);
    fw::DDX_Text(dx, IDC_RUNLOOP_TX_LIMIT, m_nTxLimit);
    fw::DDX_Text(dx, IDC_RUNLOOP_RX_LIMIT, m_nRxLimit);
    fw::DDX_Text(dx, IDC_RUNLOOP_TXRX_LIMIT, m_nTxRxLimit);
    fw::DDX_Check(dx, IDC_RUNLOOP_USE_LINE, m_bUseLine);
    fw::DDX_Check(dx, IDC_RUNLOOP_USE_LOG, m_bUseLog);
}

void CRunLoopDlg::OnOK() {
    if (!UpdateData(TRUE)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_ENTER_INTEGER).c_str(), "Lumora", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}
