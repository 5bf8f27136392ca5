#include "softap/pages/block_ack/block_ack_page.h"

#include <algorithm>

#include "softap/pages/block_ack/add_block_ack_dlg.h"
#include "softap/core/push/ap_oids.h"
#include "softap/pages/block_ack/delete_block_ack_dlg.h"
#include "softap/core/app_title.h"
#include "softap/core/tables/station_table.h"
#include "resources/softap/resource.h"
#include "shared/driver/oid_access.h"

namespace softap {

namespace {

// The driver may write into what it is given: it gets a copy.
template <class Record>
void SetRecord(DWORD oid, Record record)
{
    DWORD returned = 0;
    SetOid(oid, &record, sizeof(record), &returned, kSetTries);
}

// The stations associated with the access point, in the driver's order.
std::vector<std::array<uint8_t, 6>> AssociatedStations()
{
    uint8_t table[kHtStationTableBytes] = {};
    DWORD returned = 0;
    std::vector<std::array<uint8_t, 6>> stations;
    if (QueryOid(kOidQueryStationTable, table, sizeof(table), &returned))
        for (const StationEntry& s : ParseStationTable(table, returned, true)) {
            std::array<uint8_t, 6> mac{};
            std::copy(std::begin(s.mac), std::end(s.mac), mac.begin());
            stations.push_back(mac);
        }
    return stations;
}

}  // namespace

const BlockAckProgram kHavixBlockAck = {
    .res = BLOCK_ACK_RESOURCE_IDS,
    .texts = {.caption = IDS_11N_SETTING, .peerListLabel = IDS_BA_AVAILABLE_BSSIDS, .noPeerChosen = IDS_BA_SELECT_BSSID,
              .appTitle = kAppTitle},
    .driver = {.queryCapabilityOid = kOidQueryBaCapability, .querySessionsOid = kOidQueryBaSessions,
               .setCapability = [](const BaCapability& capability) { SetRecord(kOidSetBaCapability, capability); },
               .addSession = [](const BaSessionRequest& request) { SetRecord(kOidSetBaAdd, request); },
               .deleteSession = [](const BaSessionRequest& request) { SetRecord(kOidSetBaDelete, request); }},
    .listsWithoutHScroll = false,
    .offeredPeers = AssociatedStations,
    .newAddDialog = NewAddBlockAckDlg<CAddBlockAckDlg>,
    .newDeleteDialog = NewDeleteBlockAckDlg<CDeleteBlockAckDlg>,
};

CBlockAck::CBlockAck() : CBlockAckPageBase(kHavixBlockAck) {}

}  // namespace softap
