#include "shared/block_ack/block_ack_lists.h"

#include <commctrl.h>

#include "shared/controls/list_view_rows.h"
#include "shared/text/mac_text.h"

namespace block_ack_dlg {

void SetUpSessionList(HWND list, const std::string& macHeader) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    AddListColumn(list, 0, macHeader, 0.33);
    AddListColumn(list, 1, "TID=0", 0.12);
    for (int t = 1; t < kBaTidCount; ++t) AddListColumn(list, 1 + t, std::to_string(t), 0.08);
}

void ShowSessions(HWND list, const std::vector<BaPeerSessions>& peers) {
    // Rebuilt every second: without redraw a row costs nothing on screen until the end.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (const BaPeerSessions& peer : peers) {
        const auto texts = BaSessionRowTexts(peer);
        AppendListRow(list, std::vector<std::string>(texts.begin(), texts.end()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

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

void ShowBssids(HWND list, const std::vector<std::array<uint8_t, 6>>& bssids) {
    for (const auto& b : bssids) AppendListRow(list, {FormatMacText(b.data())});
    SelectListRow(list, ListRowCount(list) > 0 ? 0 : -1);
}

int TidOf(const std::string& text) { return text.size() == 1 && text[0] >= '0' && text[0] <= '7' ? text[0] - '0' : 0; }

bool ChosenBssid(HWND list, uint8_t bssid[6]) {
    if (ListRowCount(list) <= 0) return false;
    const int row = SelectedListRow(list);
    return row >= 0 && ParseMacText(ListItemText(list, row, 0), bssid);
}

}  // namespace block_ack_dlg
