#pragma once
// A combo box whose drop-down list is as wide as its longest item.
#include <windows.h>

#include "framework/wnd.h"

class CResizeWidthComboBox : public fw::CWnd {
public:
    // Sets the drop-down width for the items now in the list; returns that width.
    int RecalcDropWidth();

protected:
    void OnDropDown() { RecalcDropWidth(); }
    FW_DECLARE_MESSAGE_MAP()
};
