#pragma once
// Finds the one supported adapter to manage and fills the adapter identity.
#include <windows.h>

#include <string>
#include <vector>

#include "shared/adapter/adapter_presence.h"

class WlanManager;

struct DiscoveryContext {
    WlanManager* wlan = nullptr;   // rebound to the chosen adapter's interface
    HWND mainWindow = nullptr;     // notification target, and owner of the selection dialog
    int allUsers = 0;              // custom data directory: profiles for all users
    int* busy = nullptr;           // set while the selection dialog runs
    int* adapterChanged = nullptr; // set when the driver key differs from a previous one
    // The candidates (device paths) whose selection the user dismissed: while the same ones
    // are found, the dialog is not shown again and no adapter is chosen. Cleared on a choice.
    std::vector<std::string>* declined = nullptr;
};

// 1 when an adapter was found and bound, 0 otherwise.
int DiscoverAdapter(DiscoveryContext& context);
