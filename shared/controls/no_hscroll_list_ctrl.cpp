#include "shared/controls/no_hscroll_list_ctrl.h"

FW_BEGIN_MESSAGE_MAP(CNoHScrollListCtrl, fw::CWnd)
    FW_ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
FW_END_MESSAGE_MAP()

LRESULT CNoHScrollListCtrl::OnNcCalcSize(WPARAM, LPARAM)
{
    // The list turns the bar on whenever its columns outgrow it; dropping the style here,
    // before the frame is measured, leaves no room for it. No frame redraw: this is one.
    LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    if (style & WS_HSCROLL)
        SetWindowLongA(m_hWnd, GWL_STYLE, style & ~WS_HSCROLL);
    return Default();
}
