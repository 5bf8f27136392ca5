#include "station/core/qel_prop_sheet.h"

#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "station/core/help.h"
#include "station/profiles/profile_globals.h"
#include "station/profiles/editor/profile_sheet.h"

FW_BEGIN_MESSAGE_MAP(CQelPropSheet, fw::CPropertySheet)
    FW_ON_COMMAND(IDHELP, OnHelpButton)
    FW_ON_WM_HELPINFO(OnHelpInfo)
FW_END_MESSAGE_MAP()

CQelPropSheet::CQelPropSheet(UINT captionId, fw::CWnd* parent, UINT firstPage)
    : fw::CPropertySheet(captionId, parent, firstPage) {
    BuildPages();
}

CQelPropSheet::CQelPropSheet(const char* caption, fw::CWnd* parent, UINT firstPage)
    : fw::CPropertySheet(caption, parent, firstPage) {
    BuildPages();
}

CQelPropSheet::~CQelPropSheet() = default;

void CQelPropSheet::BuildPages() {
    // The Help button needs its place in the button row.
    m_psh.dwFlags |= PSH_MODELESS | PSH_USEHICON | PSH_HASHELP;
    m_psh.hIcon = fw::LoadIconRes(IDI_TRAY_DISCONNECTED);
    // Every page keeps the Help button enabled while it is active.
    for (fw::CPropertyPage* page : {static_cast<fw::CPropertyPage*>(&m_ProfilePage),
                                    static_cast<fw::CPropertyPage*>(&m_LinkStatusPage),
                                    static_cast<fw::CPropertyPage*>(&m_SiteSurvPage),
                                    static_cast<fw::CPropertyPage*>(&m_StatisticPage),
                                    static_cast<fw::CPropertyPage*>(&m_WscPage),
                                    static_cast<fw::CPropertyPage*>(&m_AboutPage)})
        page->m_psp.dwFlags |= PSP_HASHELP;
    AddPage(&m_ProfilePage);
    AddPage(&m_LinkStatusPage);
    AddPage(&m_SiteSurvPage);
    AddPage(&m_StatisticPage);
    if (g_NoWpsChip != 1) AddPage(&m_WscPage);
    AddPage(&m_AboutPage);
}

BOOL CQelPropSheet::OnInitDialog() {
    fw::CPropertySheet::OnInitDialog();
    // OK takes the place of the Apply button, the last of the row.
    RECT slot{};
    if (HWND apply = GetDlgItem(fw::ID_APPLY_NOW)) {
        ::GetWindowRect(apply, &slot);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&slot), 2);
    }
    if (HWND ok = GetDlgItem(IDOK)) {
        ::ShowWindow(ok, SW_SHOW);
        ::EnableWindow(ok, TRUE);
        ::MoveWindow(ok, slot.left, slot.top, slot.right - slot.left, slot.bottom - slot.top, TRUE);
    }
    if (HWND help = GetDlgItem(IDHELP)) {
        ::ShowWindow(help, SW_SHOW);
        ::EnableWindow(help, TRUE);
    }
    // The first page exists before another is made active, as a sheet gives its start page
    // a window before it is initialised: the Site Survey's Add Profile needs the Profile page.
    SetActivePage(&m_ProfilePage);
    SetActivePage(&m_SiteSurvPage);
    return TRUE;
}

BOOL CQelPropSheet::PreTranslateMessage(MSG* msg) {
    // Enter never presses a sheet button.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) return TRUE;
    // OK closes the sheet the way Cancel does: nothing is applied.
    if (msg->message == WM_LBUTTONUP && msg->hwnd == GetDlgItem(IDOK)) {
        ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return TRUE;
    }
    return fw::CPropertySheet::PreTranslateMessage(msg);
}

void CQelPropSheet::EndPendingDialog() {
    // The profile editor is the only dialog a page keeps pending.
    if (g_pProfileSheet && g_pProfileSheet->IsWindow()) g_pProfileSheet->EndEditor();
}

int CQelPropSheet::HasWscPage() const { return GetPageIndex(&m_WscPage) >= 0 ? 1 : 0; }

void CQelPropSheet::UpdateWscPage() {
    if (g_NoWpsChip == 1) {
        if (HasWscPage()) RemovePage(&m_WscPage);
        return;
    }
    if (HasWscPage()) return;
    AddPage(&m_WscPage);
    // Activate the new page once so its window exists, then go back.
    int active = GetActiveIndex();
    SetActivePage(&m_WscPage);
    SetActivePage(active);
}

void CQelPropSheet::UpdateBlockAckPage() {
    if (g_IsHtChip != 0) return;
    for (int i = 0; i < GetPageCount(); ++i)
        if (dynamic_cast<CBlockAck*>(GetPage(i))) {
            RemovePage(i);
            return;
        }
}

void CQelPropSheet::OnHelpButton() { StartHelpThread(); }

BOOL CQelPropSheet::OnHelpInfo(HELPINFO*) {
    StartHelpThread();
    return TRUE;
}
