#pragma once
// What the Add and Delete MPDU Aggregation dialogs share: the TID choice, the one-column
// BSSID list and the chosen row read back as a MAC address.
#include <windows.h>

#include <cstdint>
#include <string>

namespace block_ack_dlg {

// "0" to "7" in the TID combo.
void FillTidCombo(HWND combo);
// The list's one column "BSSID" at 0.9 of its width, grid lines and full-row select.
void SetUpBssidList(HWND list);
// The TID of the combo text; 0 for anything but "0".."7".
int TidOf(const std::string& text);
// The selected row's MAC; false when the list has no rows or none is selected.
bool ChosenBssid(HWND list, uint8_t bssid[6]);

}  // namespace block_ack_dlg
