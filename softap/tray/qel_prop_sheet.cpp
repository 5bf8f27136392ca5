#include "softap/tray/qel_prop_sheet.h"

#include "softap/core/config/ap_state.h"
#include "softap/tray/havix_app.h"
#include "framework/resources.h"
#include "platform/platform.h"
#include "platform/programs.h"
#include "shared/adapter/adapter_identity.h"

namespace softap {

FW_BEGIN_MESSAGE_MAP(CQelPropSheet, fw::CPropertySheet)
    FW_ON_COMMAND(IDHELP, OnHelpButton)
    FW_ON_WM_HELPINFO(OnHelpInfo)
FW_END_MESSAGE_MAP()

CQelPropSheet::CQelPropSheet(UINT captionId, fw::CWnd* parent, UINT firstPage)
    : fw::CPropertySheet(captionId, parent, firstPage)
{
    // Help needs its place in the button row, and every page keeps it enabled while active.
    m_psh.dwFlags |= PSH_MODELESS | PSH_NOAPPLYNOW | PSH_USEHICON | PSH_HASHELP;
    m_psh.hIcon = fw::LoadIconRes(IDI_TRAY_DISCONNECTED);
    fw::CPropertyPage* const pages[] = {BlockAckPage(), ConfigPage(),   AboutPage(),     AccessControlPage(),
                                        WdsPage(),      MacTablePage(), EventLogPage(),  StatisticPage(),
                                        RegSetPage(),   LinkStatusPage()};
    for (fw::CPropertyPage* page : pages)
        page->m_psp.dwFlags |= PSP_HASHELP;
    AddPage(&m_ConfigPage);
    AddPage(&m_AccessControlPage);
    if (g_IsUsbAdapter == 0 && g_Ap.wdsAllowed)
        TouchWdsPage();
    AddPage(&m_MacTablePage);
    AddPage(&m_EventLogPage);
    AddPage(&m_StatisticPage);
    AddPage(&m_AboutPage);
}

CQelPropSheet::~CQelPropSheet() = default;

void CQelPropSheet::TouchWdsPage()
{
    AddPage(&m_WdsPage);
    RemovePage(&m_WdsPage);
}

void CQelPropSheet::SyncWdsPage()
{
    if (!g_Ap.wdsAllowed) {
        RemovePage(&m_WdsPage);
        return;
    }
    if (g_IsUsbAdapter == 0 && !Has(&m_WdsPage))
        TouchWdsPage();
}

void CQelPropSheet::Sync11nPage()
{
    if (g_IsHtChip && g_Ap.checkBuild != 0) {
        if (!Has(&m_BlockAckPage) && g_Ap.checkBuild == 1)
            AddPage(&m_BlockAckPage);
        return;
    }
    RemovePage(&m_BlockAckPage);
}

BOOL CQelPropSheet::OnInitDialog()
{
    fw::CPropertySheet::OnInitDialog();
    // OK stays where the template puts it; Cancel and Apply stay hidden.
    for (int id : {IDOK, IDHELP}) {
        if (HWND button = GetDlgItem(id)) {
            ::ShowWindow(button, SW_SHOW);
            ::EnableWindow(button, TRUE);
        }
    }
    return TRUE;
}

BOOL CQelPropSheet::PreTranslateMessage(MSG* msg)
{
    // OK closes the sheet the way Cancel does: nothing is applied.
    if (msg->message == WM_LBUTTONUP && msg->hwnd == GetDlgItem(IDOK)) {
        ::ReleaseCapture();
        ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return TRUE;
    }
    return fw::CPropertySheet::PreTranslateMessage(msg);
}

void CQelPropSheet::OnHelpButton()
{
    platform::Outside().WinHelp(m_hWnd, CHavixApp::HelpPath().c_str(), HELP_FINDER, 0);
}

BOOL CQelPropSheet::OnHelpInfo(HELPINFO*)
{
    OnHelpButton();
    return TRUE;
}

}  // namespace softap
