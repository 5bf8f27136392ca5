// A dialog holding every shared control, bound the way the programs' pages bind them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/framework.h"
#include "shared/controls/link_slider.h"
#include "shared/controls/no_hscroll_list_ctrl.h"
#include "shared/controls/resize_width_combo_box.h"
#include "shared/controls/site_list_ctrl.h"
#include "shared/controls/smart_edit.h"
#include "test_ids.h"

namespace ctltest {

// Counts refusals instead of beeping.
class CCountingEdit : public CSmartEdit {
public:
    int beeps = 0;

protected:
    void OnBadInput() override { ++beeps; }
};

class CControlsDlg : public fw::CDialog {
public:
    CControlsDlg() : fw::CDialog(IDD_CONTROLS) {}
    CCountingEdit m_hex, m_unsigned, m_signed, m_number, m_vnumber;
    CLinkSlider m_slider;  // the vertical slider stays unbound: its edit adopts it
    CResizeWidthComboBox m_combo;
    CSiteListCtrl m_site;
    CNoHScrollListCtrl m_noHScroll;

protected:
    void DoDataExchange(fw::CDataExchange* dx) override
    {
        fw::DDX_Control(dx, IDC_HEX, m_hex);
        fw::DDX_Control(dx, IDC_UNSIGNED, m_unsigned);
        fw::DDX_Control(dx, IDC_SIGNED, m_signed);
        fw::DDX_Control(dx, IDC_NUMBER, m_number);
        fw::DDX_Control(dx, IDC_VNUMBER, m_vnumber);
        fw::DDX_Control(dx, IDC_SLIDER, m_slider);
        fw::DDX_Control(dx, IDC_COMBO, m_combo);
        fw::DDX_Control(dx, IDC_SITE_LIST, m_site);
        fw::DDX_Control(dx, IDC_NOHS_LIST, m_noHScroll);
    }
};

// Sends the characters one by one, as the keyboard does.
inline void Type(HWND edit, const std::string& text)
{
    for (char ch : text)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(ch), 1);
}

inline std::string TextOf(HWND h)
{
    char buf[1024] = {};
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

inline void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::CWinApp::InitCommonControls();
        ASSERT_TRUE(dlg.Create(IDD_CONTROLS));
        dlg.ShowWindow(SW_SHOW);
        Pump();
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        Pump();
    }
    HWND Item(int id) const { return dlg.GetDlgItem(id); }
    // Focus into the control and out again: the edit's kill-focus check runs.
    void Leave(HWND edit)
    {
        SetFocus(edit);
        SetFocus(Item(IDC_OTHER));
    }
    CControlsDlg dlg;
};

}  // namespace ctltest
