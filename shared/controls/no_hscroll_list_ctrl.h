#pragma once
// A list view that never shows a horizontal scroll bar, however wide its columns grow.
#include <windows.h>

#include "framework/wnd.h"

class CNoHScrollListCtrl : public fw::CWnd {
protected:
    LRESULT OnNcCalcSize(WPARAM wp, LPARAM lp);
    FW_DECLARE_MESSAGE_MAP()
};
