#pragma once
// The Config page's record against the registry and the driver: read from the driver key,
// written to `ApDefault` and copied into the driver key, then pushed by OID; and the
// start-up push straight from the driver key.
#include <functional>

#include "softap/core/config/ap_settings.h"
#include "softap/core/push/ap_sheet_sync.h"

namespace softap {

// Fills the record from the driver key (the page then shows it); sets the PHY mode and the
// HT setting in the driver. Returns 1.
int ReadConfigFromRegistry(DaduVeSettings& settings);

// The registry write, then the apply push. transRateSelection is the rate list's selection
// (-1: none). The record is adjusted as stored (mode folded onto the adapter, protection
// and rate cleared where the mode has none). sheet is null while the sheet has no window;
// regionChanged runs when the country region was sent. Returns 1.
int WriteConfigToRegistryAndSetOid(DaduVeSettings& settings, int transRateSelection, IApSheetSync* sheet,
                                   const std::function<void()>& regionChanged = {});

// The start-up push; nothing is pushed when the driver key does not open.
void LoadAndApplyApSettings(IApSheetSync* sheet);

}  // namespace softap
