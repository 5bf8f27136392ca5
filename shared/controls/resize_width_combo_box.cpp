#include "shared/controls/resize_width_combo_box.h"

#include <algorithm>
#include <string>

FW_BEGIN_MESSAGE_MAP(CResizeWidthComboBox, fw::CWnd)
    FW_ON_CONTROL_REFLECT(CBN_DROPDOWN, OnDropDown)
FW_END_MESSAGE_MAP()

namespace {

int TextWidth(HDC dc, const std::string& text)
{
    SIZE size{};
    if (!GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size))
        return 0;
    return size.cx;
}

}  // namespace

int CResizeWidthComboBox::RecalcDropWidth()
{
    if (m_hWnd == nullptr)
        return 0;
    HDC dc = GetDC(m_hWnd);
    if (dc == nullptr)
        return 0;
    int saved = SaveDC(dc);
    if (auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)))
        SelectObject(dc, font);
    int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    int width = 0;
    int count = static_cast<int>(SendMessage(CB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
        LRESULT len = SendMessage(CB_GETLBTEXTLEN, i);
        if (len < 0)
            continue;
        std::string text(static_cast<size_t>(len) + 1, '\0');
        LRESULT got = SendMessage(CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(got > 0 ? std::min(static_cast<size_t>(got), static_cast<size_t>(len)) : 0);
        width = std::max(width, TextWidth(dc, text) + scrollBar);
    }
    width += TextWidth(dc, "0");
    RestoreDC(dc, saved);
    ReleaseDC(m_hWnd, dc);
    SendMessage(CB_SETDROPPEDWIDTH, width);
    return width;
}
