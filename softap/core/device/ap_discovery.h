#pragma once
// Finds the adapter Havix runs as an access point, with Havix's own hardware-ID tables,
// and fills the shared adapter identity (chip index, USB flag, 802.11n flags, device
// path, driver key path, NetCfgInstanceId). No description, Native Wifi binding or stored
// hardware ID: the soft-AP side needs none of them.
#include <windows.h>

#include <string>
#include <vector>

#include "shared/adapter/adapter_presence.h"

namespace softap {

struct DiscoveryContext {
    HWND owner = nullptr;  // of the selection dialog
    int* busy = nullptr;   // raised while the selection dialog runs
    // The candidates (device paths) the user last dismissed the selection dialog for: the
    // dialog is not shown again for the same ones. The caller keeps it between rounds.
    std::vector<std::string> dismissed;
};

// 1 when an adapter was found and bound, 0 otherwise.
int DiscoverAdapter(DiscoveryContext& context);

}  // namespace softap
