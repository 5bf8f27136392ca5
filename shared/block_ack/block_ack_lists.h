#pragma once
// The lists and choices of both utilities' block-ack pages and their Add and Delete
// dialogs: the session lists of one direction, the TID choice, the one-column BSSID list and
// the chosen row read back as a MAC address.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/block_ack/block_ack.h"

namespace block_ack_dlg {

// Grid lines, full-row select, info tips; the columns macHeader at 0.33 of the width,
// "TID=0" at 0.12 and "1" to "7" at 0.08 each.
void SetUpSessionList(HWND list, const std::string& macHeader);
// One row per peer, in order, in place of what the list held.
void ShowSessions(HWND list, const std::vector<BaPeerSessions>& peers);

// "0" to "7" in the TID combo.
void FillTidCombo(HWND combo);
// The list's one column "BSSID" at 0.9 of its width, grid lines and full-row select.
void SetUpBssidList(HWND list);
// One row per address, the first selected.
void ShowBssids(HWND list, const std::vector<std::array<uint8_t, 6>>& bssids);
// The TID of the combo text; 0 for anything but "0".."7".
int TidOf(const std::string& text);
// The selected row's MAC; false when the list has no rows or none is selected.
bool ChosenBssid(HWND list, uint8_t bssid[6]);

}  // namespace block_ack_dlg
