#include "station/pages/block_ack_dialogs.h"

#include <commctrl.h>

#include "shared/list_view_rows.h"
#include "shared/mac_text.h"

namespace block_ack_dlg {

void FillTidCombo(HWND combo) {
    for (char tid = '0'; tid <= '7'; ++tid) {
        const char text[2] = {tid, 0};
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

void SetUpBssidList(HWND list) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    AddListColumn(list, 0, "BSSID", 0.9);
}

int TidOf(const std::string& text) { return text.size() == 1 && text[0] >= '0' && text[0] <= '7' ? text[0] - '0' : 0; }

bool ChosenBssid(HWND list, uint8_t bssid[6]) {
    if (ListRowCount(list) <= 0) return false;
    const int row = SelectedListRow(list);
    return row >= 0 && ParseMacText(ListItemText(list, row, 0), bssid);
}

}  // namespace block_ack_dlg
