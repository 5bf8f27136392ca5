#include "shared/controls/list_view_rows.h"

#include <commctrl.h>

#include <algorithm>

void AddListColumn(HWND list, int index, const std::string& text, double factor, int format) {
    RECT client{};
    GetClientRect(list, &client);
    std::string header = text;
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = static_cast<int>((client.right - client.left) * factor);
    column.pszText = header.data();
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

int AddTenthsColumn(HWND list, int index, const std::string& text, double factor) {
    RECT window{};
    GetWindowRect(list, &window);
    std::string header = text;
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = static_cast<int>(((window.right - window.left) / 10) * factor);
    column.pszText = header.data();
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
    return column.cx;
}

void FitListColumn(HWND list, int index, int minWidth) {
    // The control's own margins around a label and a header text, with room to spare.
    constexpr int kMargin = 18;
    auto widthOf = [list](std::string text) {
        return static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    int needed = widthOf(ListColumnText(list, index));
    const int rows = ListRowCount(list);
    for (int row = 0; row < rows; ++row) needed = std::max(needed, widthOf(ListItemText(list, row, index)));
    const int width = std::max(minWidth, needed + kMargin);
    if (width != static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, index, 0)))
        SendMessageA(list, LVM_SETCOLUMNWIDTH, index, MAKELPARAM(width, 0));
}

int AppendListRow(HWND list, const std::vector<std::string>& texts) {
    if (texts.empty()) return -1;
    std::string first = texts[0];
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListRowCount(list);
    item.pszText = first.data();
    int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return -1;
    for (size_t i = 1; i < texts.size(); ++i) {
        std::string text = texts[i];
        LVITEMA sub{};
        sub.iSubItem = static_cast<int>(i);
        sub.pszText = text.data();
        SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
    }
    return row;
}

std::string ListItemText(HWND list, int row, int column) {
    char text[512] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string ListColumnText(HWND list, int column) {
    char text[256] = {};
    LVCOLUMNA header{};
    header.mask = LVCF_TEXT;
    header.pszText = text;
    header.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
    return text;
}

int ListRowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

void SelectListRow(HWND list, int row) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageA(list, LVM_SETITEMSTATE, row >= 0 ? row : -1, reinterpret_cast<LPARAM>(&state));
}

int FocusedListRow(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int SelectedListRow(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}
