// The block-ack page's driver answers on any bytes: the input is the session table as the
// driver returned it (the returned length is the input's), the connected-BSSID list, and the
// first 4 bytes as a stored `BACapability`. Each parse reads a buffer exactly as long as what
// came back, so a read past it is caught.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "shared/block_ack/block_ack.h"
#include "station/core/driver/connected_bssids.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t tableBytes = size < sizeof(BaSessionTable) ? size : sizeof(BaSessionTable);
    std::vector<uint8_t> table(data, data + tableBytes);
    for (BaDirection d : {kBaOriginator, kBaRecipient}) {
        auto peers = ReadBaSessions(table.data(), table.size(), d);
        if (peers.size() > static_cast<size_t>(kBaSessionEntries)) std::abort();
        for (const BaPeerSessions& p : peers) {
            bool any = false;
            for (const BaTidRecord& r : p.Tids) any = any || r.InUse;
            if (!any) std::abort();
            if (BaSessionRowTexts(p)[0].size() != 17) std::abort();
        }
    }

    const size_t listBytes = size < kConnectedBssidsSize ? size : kConnectedBssidsSize;
    std::vector<uint8_t> list(data, data + listBytes);
    const uint8_t* associated = size >= 6 ? data : nullptr;
    if (ReadConnectedBssids(list.data(), list.size(), associated).size() > kConnectedBssidsMax) std::abort();

    if (size >= 4) {
        uint32_t packed;
        std::memcpy(&packed, data, 4);
        if (PackBaCapability(UnpackBaCapability(packed)) != (packed & 0x03FFFFFFu)) std::abort();
    }
    return 0;
}
