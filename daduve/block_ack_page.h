#pragma once
// The "11n Setting" page: the access point's 802.11n block-ack and aggregation capability
// (to the driver, then to `BACapability` in the driver key) and its current block-ack
// sessions as originator and as recipient, refreshed every second while the page is active;
// ADD, DELETE and DELETE ENTRY set a session up or end it through their dialogs. The main
// sheet shows it on an 802.11n adapter while bCheckBuild is 1.
#include <windows.h>

#include <vector>

#include "framework/property_page.h"
#include "shared/block_ack.h"

namespace daduve {

class CBlockAck : public fw::CPropertyPage {
public:
    CBlockAck();
    ~CBlockAck() override;

    BaCapabilityFields m_Fields;

    // The sessions the lists show, one element per listed peer.
    const std::vector<BaPeerSessions>& Sessions(BaDirection direction) const { return m_Sessions[direction]; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(fw::CDataExchange* pDX) override;

protected:
    void OnOriginatorAdd() { RunAdd(kBaOriginator); }
    void OnOriginatorDelete() { RunDelete(kBaOriginator, 1); }
    void OnOriginatorDeleteEntry() { RunDelete(kBaOriginator, 0); }
    void OnRecipientAdd() { RunAdd(kBaRecipient); }
    void OnRecipientDelete() { RunDelete(kBaRecipient, 1); }
    void OnRecipientDeleteEntry() { RunDelete(kBaRecipient, 0); }
    void OnApplyCapability();
    void OnSessionSetupClicked();
    void OnCapabilityClicked();
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    void EnableControls();
    void Refresh();
    void RunAdd(BaDirection direction);
    void RunDelete(BaDirection direction, int chooseTid);
    void SendCapability();
    HWND ListOf(BaDirection direction) const;

    std::vector<BaPeerSessions> m_Sessions[2];
    UINT_PTR m_nTimer = 0;
};

}  // namespace daduve
