#pragma once
// The "11n Configuration" page: the station's 802.11n block-ack and aggregation capability
// (to the driver and to `BACapability` in the driver key) and its current block-ack
// sessions as originator and as recipient, refreshed every second while the page is active;
// ADD, delete and DELETE ENTRY set a session up or end it through their dialogs. Its lists
// never scroll sideways.
#include "shared/block_ack/block_ack_page_base.h"

// The station's ids, texts, OIDs and dialogs of the page.
extern const BlockAckProgram kStationBlockAck;

class CBlockAck : public CBlockAckPageBase {
public:
    CBlockAck();
};
