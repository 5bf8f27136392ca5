#include "shared/pages/link_rows.h"

#include <initializer_list>

namespace {

void ShowRow(HWND page, const LinkRow& row, bool show) {
    for (int id : {row.label, row.bar, row.word, row.value}) ShowWindow(GetDlgItem(page, id), show ? SW_SHOW : SW_HIDE);
}

void MoveRow(HWND page, const LinkRow& row, const LinkRowPlace& to) {
    const int ids[4] = {row.label, row.bar, row.word, row.value};
    for (int i = 0; i < 4; ++i) {
        const RECT& r = to.rect[i];
        MoveWindow(GetDlgItem(page, ids[i]), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
}

}  // namespace

LinkRowPlace PlaceOfRow(HWND page, const LinkRow& row) {
    LinkRowPlace place{};
    const int ids[4] = {row.label, row.bar, row.word, row.value};
    for (int i = 0; i < 4; ++i) {
        HWND item = GetDlgItem(page, ids[i]);
        if (!item) continue;
        GetWindowRect(item, &place.rect[i]);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&place.rect[i]), 2);
    }
    return place;
}

void LayOutChainRows(HWND page, const LinkRow (&chains)[3], const LinkRow& noise, const LinkRowPlace& noiseHome,
                     bool chain1Present, bool chain2Present) {
    ShowRow(page, chains[1], chain1Present);
    ShowRow(page, chains[2], chain1Present && chain2Present);
    const LinkRow* slot = !chain1Present ? &chains[1] : !chain2Present ? &chains[2] : nullptr;
    MoveRow(page, noise, slot ? PlaceOfRow(page, *slot) : noiseHome);
    ShowRow(page, noise, true);
}
