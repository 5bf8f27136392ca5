#include "shared/block_ack/block_ack_dialogs.h"

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "shared/block_ack/block_ack_lists.h"

CBlockAckDlgBase::CBlockAckDlgBase(const BlockAckProgram& program, UINT templateId, fw::CWnd* parent)
    : fw::CDialog(templateId, parent), m_Program(program) {}

void CBlockAckDlgBase::ShowTexts(UINT caption, bool windowLimit) {
    const BlockAckResourceIds& r = m_Program.res;
    SetWindowText(fw::LoadStr(caption));
    SetDlgItemText(r.tidLabel, fw::LoadStr(r.tidText));
    if (windowLimit) SetDlgItemText(r.windowLabel, fw::LoadStr(r.windowLimitText));
    SetDlgItemText(r.peerLabel, fw::LoadStr(m_Program.texts.peerListLabel));
    SetDlgItemText(IDOK, fw::LoadStr(r.okText));
    SetDlgItemText(IDCANCEL, fw::LoadStr(r.cancelText));
    block_ack_dlg::FillTidCombo(GetDlgItem(r.tid));
}

HWND CBlockAckDlgBase::SetUpPeerList() {
    HWND list = GetDlgItem(m_Program.res.peerList);
    block_ack_dlg::SetUpBssidList(list);
    return list;
}

void CBlockAckDlgBase::EndWithChosenPeer() {
    if (!block_ack_dlg::ChosenBssid(GetDlgItem(m_Program.res.peerList), m_Peer)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(m_Program.texts.noPeerChosen).c_str(), m_Program.texts.appTitle,
                               MB_OK | MB_ICONSTOP);
        return;
    }
    m_nTid = block_ack_dlg::TidOf(m_strTid);
    EndDialog(IDOK);
}

CAddBlockAckDlgBase::CAddBlockAckDlgBase(const BlockAckProgram& program, fw::CWnd* parent)
    : CBlockAckDlgBase(program, program.res.addTemplate, parent) {}

BOOL CAddBlockAckDlgBase::OnInitDialog() {
    ShowTexts(m_Program.res.addTitle, true);
    HWND list = SetUpPeerList();
    block_ack_dlg::ShowBssids(list, m_Program.offeredPeers());
    // The base moves the members into the controls.
    return fw::CDialog::OnInitDialog();
}

void CAddBlockAckDlgBase::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_CBString(dx, m_Program.res.tid, m_strTid);
    fw::DDX_Text(dx, m_Program.res.window, m_nWindowLimit);
}

void CAddBlockAckDlgBase::OnOK() {
    if (!UpdateData(TRUE)) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(m_Program.res.enterInteger).c_str(), m_Program.texts.appTitle,
                               MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndWithChosenPeer();
}

CDeleteBlockAckDlgBase::CDeleteBlockAckDlgBase(const BlockAckProgram& program, fw::CWnd* parent,
                                               const std::vector<BaPeerSessions>& sessions, int chooseTid)
    : CBlockAckDlgBase(program, program.res.deleteTemplate, parent), m_Sessions(sessions), m_bChooseTid(chooseTid) {}

BOOL CDeleteBlockAckDlgBase::OnInitDialog() {
    ShowTexts(m_Program.res.deleteTitle, false);
    if (!m_bChooseTid) {
        ::ShowWindow(GetDlgItem(m_Program.res.tid), SW_HIDE);
        ::ShowWindow(GetDlgItem(m_Program.res.tidLabel), SW_HIDE);
    }
    HWND list = SetUpPeerList();
    block_ack_dlg::ShowBssids(list, ListedBaPeers(m_Sessions));
    return fw::CDialog::OnInitDialog();
}

void CDeleteBlockAckDlgBase::DoDataExchange(fw::CDataExchange* dx) { fw::DDX_CBString(dx, m_Program.res.tid, m_strTid); }

void CDeleteBlockAckDlgBase::OnOK() {
    UpdateData(TRUE);
    EndWithChosenPeer();
}
