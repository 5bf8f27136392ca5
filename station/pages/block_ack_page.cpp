#include "station/pages/block_ack_page.h"

#include "resources/station/resource.h"
#include "shared/driver/oid_access.h"
#include "station/core/driver/connected_bssids.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/station_globals.h"
#include "station/pages/add_block_ack_dlg.h"
#include "station/pages/delete_block_ack_dlg.h"

namespace {

constexpr DWORD kOidConnectedBssids = 0xFF0C0029;

// The BSSIDs the driver lists, the associated one first.
std::vector<std::array<uint8_t, 6>> ConnectedBssids() {
    uint8_t answer[kConnectedBssidsSize] = {};
    DWORD returned = 0;
    if (!QueryOid(kOidConnectedBssids, answer, sizeof(answer), &returned)) return {};
    return ReadConnectedBssids(answer, returned, g_CurrentBssid);
}

}  // namespace

const BlockAckProgram kStationBlockAck = {
    .res = BLOCK_ACK_RESOURCE_IDS,
    .texts = {.caption = IDS_BLOCK_ACK, .peerListLabel = IDS_BA_CONNECTED_BSSIDS, .noPeerChosen = IDS_BA_CHOOSE_BSSID,
              .appTitle = "Lumora"},
    .driver = {.queryCapabilityOid = 0xFF0C0026, .querySessionsOid = 0xFF0C0025,
               .setCapability = [](const BaCapability& capability) { DriverOidOps().SetOid0026(&capability); },
               .addSession = [](const BaSessionRequest& request) { DriverOidOps().SetOid0025(&request); },
               .deleteSession = [](const BaSessionRequest& request) { DriverOidOps().SetOid0027(&request); }},
    .listsWithoutHScroll = true,
    .offeredPeers = ConnectedBssids,
    .newAddDialog = NewAddBlockAckDlg<CAddBlockAckDlg>,
    .newDeleteDialog = NewDeleteBlockAckDlg<CDeleteBlockAckDlg>,
};

CBlockAck::CBlockAck() : CBlockAckPageBase(kStationBlockAck) {}
