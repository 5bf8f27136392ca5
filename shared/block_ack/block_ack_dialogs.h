#pragma once
// The Add and Delete dialogs of both utilities' block-ack pages: the TID and the peer of the
// block-ack sessions to set up or end, the peer chosen from a one-column list. Add asks for
// the window-size limit too and offers the addresses the program names; Delete offers the
// peers the page lists for one direction.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "shared/block_ack/block_ack.h"
#include "shared/block_ack/block_ack_program.h"

class CBlockAckDlgBase : public fw::CDialog {
public:
    std::string m_strTid = "0";
    // Valid after OK.
    int m_nTid = 0;
    uint8_t m_Peer[6] = {};

protected:
    CBlockAckDlgBase(const BlockAckProgram& program, UINT templateId, fw::CWnd* parent);

    // The caption, the labels and buttons, and the TID choice "0" to "7".
    void ShowTexts(UINT caption, bool windowLimit);
    // The peer list, its one column set up; the dialog then fills it.
    HWND SetUpPeerList();
    // OK's end: without a chosen peer the dialog says so and stays open.
    void EndWithChosenPeer();

    const BlockAckProgram& m_Program;
};

class CAddBlockAckDlgBase : public CBlockAckDlgBase {
public:
    CAddBlockAckDlgBase(const BlockAckProgram& program, fw::CWnd* parent);

    int m_nWindowLimit = 32;

    BOOL OnInitDialog() override;
    // Without a number, or without a chosen peer, the dialog says so and stays open.
    void OnOK() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
};

class CDeleteBlockAckDlgBase : public CBlockAckDlgBase {
public:
    // chooseTid 0: every session of the peer ends, and the TID is not asked for. The
    // sessions are read as the dialog opens.
    CDeleteBlockAckDlgBase(const BlockAckProgram& program, fw::CWnd* parent, const std::vector<BaPeerSessions>& sessions,
                           int chooseTid);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

private:
    const std::vector<BaPeerSessions>& m_Sessions;
    int m_bChooseTid;
};
