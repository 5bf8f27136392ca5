#pragma once
// What both utilities' block-ack pages share: the 802.11n block-ack and aggregation
// capability (to the driver and to `BACapability` in the driver key), the current sessions
// as originator and as recipient refreshed every second while the page is active, and ADD,
// DELETE and DELETE ENTRY through their dialogs. Each program gives its ids, its OIDs and
// its dialogs.
#include <windows.h>

#include <vector>

#include "framework/property_page.h"
#include "shared/block_ack/block_ack.h"
#include "shared/block_ack/block_ack_program.h"
#include "shared/controls/no_hscroll_list_ctrl.h"

class CBlockAckPageBase : public fw::CPropertyPage {
public:
    explicit CBlockAckPageBase(const BlockAckProgram& program);
    ~CBlockAckPageBase() override;

    BaCapabilityFields m_Fields;

    // The sessions the lists show, one element per listed peer.
    const std::vector<BaPeerSessions>& Sessions(BaDirection direction) const { return m_Sessions[direction]; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    // False for a control that is none of the page's buttons.
    bool OnButton(int id);
    void OnApplyCapability();
    void EnableControls();
    void Refresh();
    void RunAdd(BaDirection direction);
    void RunDelete(BaDirection direction, int chooseTid);
    void SendCapability();
    HWND ListOf(BaDirection direction) const;

    const BlockAckProgram& m_Program;
    CNoHScrollListCtrl m_OriginatorList;
    CNoHScrollListCtrl m_RecipientList;
    std::vector<BaPeerSessions> m_Sessions[2];
    UINT_PTR m_nTimer = 0;
};
