#pragma once
// The "11n Setting" page: the access point's 802.11n block-ack and aggregation capability
// (to the driver, then to `BACapability` in the driver key) and its current block-ack
// sessions as originator and as recipient, refreshed every second while the page is active;
// ADD, DELETE and DELETE ENTRY set a session up or end it through their dialogs. The main
// sheet shows it on an 802.11n adapter while bCheckBuild is 1.
#include "shared/block_ack/block_ack_page_base.h"

namespace softap {

// Havix's ids, texts, OIDs and dialogs of the page.
extern const BlockAckProgram kHavixBlockAck;

class CBlockAck : public CBlockAckPageBase {
public:
    CBlockAck();
};

}  // namespace softap
