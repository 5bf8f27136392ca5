#pragma once
// A check that a page's or dialog's visible controls neither overlap nor cut their texts.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testutil {

inline bool IsGroupBox(HWND h) {
    char cls[32] = {};
    GetClassNameA(h, cls, sizeof cls);
    return lstrcmpiA(cls, "Button") == 0 && (GetWindowLongA(h, GWL_STYLE) & 0x0F) == BS_GROUPBOX;
}

// Every visible control inside the page, none overlapping another (group boxes only hold
// them), and every static, button and group caption wide and tall enough for its text.
inline void ExpectTidyLayout(HWND page) {
    RECT client;
    GetClientRect(page, &client);
    struct Placed {
        HWND h;
        RECT r;
    };
    std::vector<Placed> controls, groups;
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        char text[256] = {}, cls[32] = {};
        GetWindowTextA(c, text, sizeof text);
        GetClassNameA(c, cls, sizeof cls);
        SCOPED_TRACE(testing::Message() << "control " << GetDlgCtrlID(c) << " \"" << text << "\"");
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom);
        (IsGroupBox(c) ? groups : controls).push_back({c, r});
        const bool isStatic = lstrcmpiA(cls, "Static") == 0;
        if (!isStatic && lstrcmpiA(cls, "Button") != 0) continue;
        if (isStatic && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
        // The widest line of the text in the control's font.
        HDC dc = GetDC(c);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
        LONG width = 0, height = 0;
        std::string all(text);
        for (size_t at = 0; at <= all.size();) {
            size_t end = all.find('\n', at);
            if (end == std::string::npos) end = all.size();
            std::string line = all.substr(at, end - at);
            std::string shown;
            for (char ch : line)
                if (ch != '&') shown += ch;
            SIZE extent{};
            GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
            width = extent.cx > width ? extent.cx : width;
            if (!line.empty() || height == 0) height = extent.cy > height ? extent.cy : height;
            at = end + 1;
        }
        SelectObject(dc, old);
        ReleaseDC(c, dc);
        LONG room = r.right - r.left;
        const LONG style = GetWindowLongA(c, GWL_STYLE) & 0x0F;
        if (!isStatic && (style == BS_AUTOCHECKBOX || style == BS_CHECKBOX || style == BS_AUTORADIOBUTTON ||
                          style == BS_RADIOBUTTON))
            room -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
        else if (!isStatic && !IsGroupBox(c))
            room -= 8;  // a push button's frame
        else if (IsGroupBox(c))
            room -= 16;
        EXPECT_LE(width, room);
        EXPECT_LE(height, r.bottom - r.top);
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t k = i + 1; k < controls.size(); ++k) {
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &controls[i].r, &controls[k].r))
                << "controls " << GetDlgCtrlID(controls[i].h) << " and " << GetDlgCtrlID(controls[k].h) << " overlap";
        }
        for (const Placed& g : groups) {
            RECT both;
            if (!IntersectRect(&both, &controls[i].r, &g.r)) continue;
            EXPECT_TRUE(EqualRect(&both, &controls[i].r))
                << "control " << GetDlgCtrlID(controls[i].h) << " sticks out of its group";
        }
    }
    for (size_t i = 0; i < groups.size(); ++i)
        for (size_t k = i + 1; k < groups.size(); ++k) {
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &groups[i].r, &groups[k].r)) << "two groups overlap";
        }
}

// An edit control's whole text inside its formatting rectangle: a cut text hides its end.
inline void ExpectEditShowsWholeText(HWND edit) {
    char text[512] = {};
    GetWindowTextA(edit, text, sizeof text);
    RECT shown{};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    EXPECT_LE(extent.cx, shown.right - shown.left) << "edit " << GetDlgCtrlID(edit) << " \"" << text << "\"";
}

// Every column of a report list wide enough for its header and each row's text: the list
// scrolls rather than cuts them.
inline void ExpectWholeListTexts(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    auto widthOf = [list](const char* text) {
        return static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
    };
    for (int c = 0; c < columns; ++c) {
        const int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0));
        char text[256] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
        EXPECT_GT(width, widthOf(text) + 10) << "header \"" << text << "\"";
        for (int r = 0; r < rows; ++r) {
            LVITEMA item{};
            item.iSubItem = c;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
            EXPECT_GT(width, widthOf(text) + 10) << "row " << r << " \"" << text << "\"";
        }
    }
}

}  // namespace testutil
