#pragma once
// Inside of the simulated bridge driver, kept in World::State.
#include <windows.h>

#include <map>
#include <vector>

#include "platform/sim/soft_ap_scenario.h"
#include "platform/sim/world.h"

namespace platform::sim {

// A request that answered ERROR_IO_PENDING and has not ended yet.
struct PendingBridgeRequest {
    HANDLE handle = nullptr;
    OVERLAPPED* overlapped = nullptr;
    BridgeCall call;
    void* out = nullptr;
    DWORD outSize = 0;
    bool cancelled = false;
};

struct BridgeState {
    BridgeSpec spec;
    bool bridging = false;
    std::map<HANDLE, DWORD> handles;  // open device -> CreateFile flags
    std::vector<PendingBridgeRequest> pending;
    std::vector<BridgeCall> calls;
    std::size_t abandoned = 0;
};

}  // namespace platform::sim
