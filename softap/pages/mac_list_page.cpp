#include "softap/pages/mac_list_page.h"

#include <algorithm>

#include "softap/core/app_title.h"
#include "softap/core/input/mac_entry.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/softap/resource.h"

namespace softap {
namespace {

constexpr int kEditWidth = 90;  // pixels, over the row's left part, unless the digits need more
constexpr int kButtonWidth = 55;
constexpr int kMacDigits = 12;

// Width of an edit that shows 12 of the widest hex digits in its font, with its margins
// and border.
int EditWidthForDigits(HWND edit)
{
    HDC dc = ::GetDC(edit);
    if (!dc)
        return kEditWidth;
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(edit, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const char* digits : {"000000000000", "DDDDDDDDDDDD", "dddddddddddd"}) {
        SIZE size{};
        ::GetTextExtentPoint32A(dc, digits, kMacDigits, &size);
        if (size.cx > widest)
            widest = size.cx;
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(edit, dc);
    const LRESULT margins = ::SendMessageA(edit, EM_GETMARGINS, 0, 0);
    RECT window{}, client{};
    ::GetWindowRect(edit, &window);
    ::GetClientRect(edit, &client);
    const int frame = (window.right - window.left) - (client.right - client.left);
    // The edit keeps a pixel or two beside its margins before it scrolls.
    return widest + LOWORD(margins) + HIWORD(margins) + frame + 4;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CMacListPage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_MAC_ADD, OnAdd)
    FW_ON_BN_CLICKED(IDC_MAC_DELETE, OnDelete)
    FW_ON_BN_CLICKED(IDC_MAC_REMOVE_ALL, OnRemoveAll)
    FW_ON_BN_CLICKED(IDC_MAC_MODIFY, OnModify)
    FW_ON_BN_CLICKED(IDC_MAC_MODIFY_CANCEL, OnModifyCancel)
FW_END_MESSAGE_MAP()

CMacListPage::CMacListPage(UINT templateId, UINT captionId, int listId, size_t maxRows)
    : fw::CPropertyPage(templateId, captionId), m_nListId(listId), m_nMaxRows(maxRows) {}

BOOL CMacListPage::OnInitDialog()
{
    fw::CPropertyPage::OnInitDialog();
    // Rows one and a half times their usual height: easier to double-click and to edit in.
    const LRESULT height = ::SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0);
    if (height > 0)
        ::SendMessageA(List(), LB_SETITEMHEIGHT, 0, MAKELPARAM(height * 3 / 2, 0));
    return TRUE;
}

void CMacListPage::DoDataExchange(fw::CDataExchange* pDX)
{
    fw::CPropertyPage::DoDataExchange(pDX);
    fw::DDX_Text(pDX, IDC_MAC_EDIT, m_strMac);
    fw::DDX_Text(pDX, IDC_MODIFY_EDIT, m_strModify);
}

void CMacListPage::SetUpEdits()
{
    if (!m_MacEdit.m_hWnd)
        m_MacEdit.SubclassEdit(IDC_MAC_EDIT, this, CSmartEdit::kParseHex);
    if (!m_ModifyEdit.m_hWnd)
        m_ModifyEdit.SubclassEdit(IDC_MODIFY_EDIT, this, CSmartEdit::kParseHex);
    m_MacEdit.SendMessage(EM_LIMITTEXT, kMacDigits);
    m_ModifyEdit.SendMessage(EM_LIMITTEXT, kMacDigits);
}

void CMacListPage::LoadButtonTexts()
{
    SetDlgItemText(IDC_MAC_ADD, fw::LoadStr(IDS_ADD));
    SetDlgItemText(IDC_MAC_DELETE, fw::LoadStr(IDS_DELETE));
    SetDlgItemText(IDC_MAC_REMOVE_ALL, fw::LoadStr(IDS_REMOVE_ALL));
    SetDlgItemText(IDC_MAC_MODIFY, fw::LoadStr(IDS_MODIFY));
    SetDlgItemText(IDC_MAC_MODIFY_CANCEL, fw::LoadStr(IDS_CANCEL));
    SetDlgItemText(IDC_PAGE_APPLY, fw::LoadStr(IDS_APPLY));
}

int CMacListPage::RowCount() const
{
    const LRESULT count = ::SendMessageA(List(), LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

std::vector<std::string> CMacListPage::Rows() const
{
    std::vector<std::string> rows;
    const int count = RowCount();
    for (int i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageA(List(), LB_GETTEXTLEN, i, 0);
        if (length < 0)
            continue;
        std::string text(static_cast<size_t>(length) + 1, '\0');
        ::SendMessageA(List(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        rows.push_back(text);
    }
    return rows;
}

std::vector<std::string> CMacListPage::RowDigits() const
{
    std::vector<std::string> digits;
    for (const std::string& row : Rows()) {
        if (digits.size() == m_nMaxRows)
            break;
        digits.push_back(MacDigits(row));
    }
    return digits;
}

void CMacListPage::LoadRows(const std::vector<std::string>& stored)
{
    for (const std::string& digits : stored) {
        if (static_cast<size_t>(RowCount()) >= m_nMaxRows)
            break;
        const std::string row = MacDisplayText(digits);
        // The list box finds an exact text without regard to case.
        if (::SendMessageA(List(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(row.c_str())) ==
            LB_ERR)
            ::SendMessageA(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
}

void CMacListPage::EnableListControls(bool on)
{
    ::EnableWindow(List(), on);
    ::EnableWindow(GetDlgItem(IDC_MAC_EDIT), on);
    ::EnableWindow(GetDlgItem(IDC_MAC_ADD), on && static_cast<size_t>(RowCount()) < m_nMaxRows);
    ::EnableWindow(GetDlgItem(IDC_MAC_DELETE), on);
    ::EnableWindow(GetDlgItem(IDC_MAC_REMOVE_ALL), on);
}

void CMacListPage::ShowError(UINT textId)
{
    platform::Boxes().Show(m_hWnd, fw::LoadStr(textId).c_str(), fw::LoadStr(IDS_AP_ERROR).c_str(), MB_OK | MB_ICONSTOP);
}

bool CMacListPage::Acceptable(const std::string& digits)
{
    switch (CheckMacEntry(digits)) {
    case MacEntryCheck::kInvalid:
        ShowError(IDS_INVALID_MAC);
        return false;
    case MacEntryCheck::kMulticast:
        ShowError(IDS_MULTICAST_MAC);
        return false;
    case MacEntryCheck::kValid:
        break;
    }
    const std::string row = MacDisplayText(digits);
    if (::SendMessageA(List(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(row.c_str())) !=
        LB_ERR) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_DUPLICATED_MAC).c_str(), kAppTitle, MB_OK);
        return false;
    }
    return true;
}

void CMacListPage::OnAdd()
{
    UpdateData(TRUE);
    if (!Acceptable(m_strMac))
        return;
    if (static_cast<size_t>(RowCount()) >= m_nMaxRows)
        return;  // a click that raced the disabled button
    const std::string row = MacDisplayText(m_strMac);
    ::SendMessageA(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    if (static_cast<size_t>(RowCount()) >= m_nMaxRows)
        ::EnableWindow(GetDlgItem(IDC_MAC_ADD), FALSE);
}

void CMacListPage::OnDelete()
{
    const LRESULT row = ::SendMessageA(List(), LB_GETCURSEL, 0, 0);
    if (row != LB_ERR)
        ::SendMessageA(List(), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    // Without a selection nothing went: a full list keeps Add off, or its clicks would do nothing.
    ::EnableWindow(GetDlgItem(IDC_MAC_ADD), static_cast<size_t>(RowCount()) < m_nMaxRows);
}

void CMacListPage::OnRemoveAll()
{
    ::SendMessageA(List(), LB_RESETCONTENT, 0, 0);
    ::EnableWindow(GetDlgItem(IDC_MAC_ADD), TRUE);
}

void CMacListPage::OnListDblClk()
{
    const LRESULT row = ::SendMessageA(List(), LB_GETCURSEL, 0, 0);
    if (row == LB_ERR)
        return;
    const std::vector<std::string> rows = Rows();
    if (static_cast<size_t>(row) >= rows.size())
        return;
    m_strModify = MacDigits(rows[static_cast<size_t>(row)]);
    m_bModifying = true;

    ::EnableWindow(GetDlgItem(IDC_PAGE_APPLY), FALSE);
    EnableChoice(FALSE);
    EnableListControls(false);
    SetDlgItemText(IDC_MAC_MODIFY, fw::LoadStr(IDS_MODIFY));
    SetDlgItemText(IDC_MAC_MODIFY_CANCEL, fw::LoadStr(IDS_CANCEL));
    PlaceEditor(static_cast<int>(row));
    ::SetFocus(GetDlgItem(IDC_MODIFY_EDIT));
    ::UpdateWindow(List());
    UpdateData(FALSE);
}

void CMacListPage::PlaceEditor(int row)
{
    RECT r{};
    ::SendMessageA(List(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    ::MapWindowPoints(List(), m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    const int height = r.bottom - r.top - 1;
    HWND edit = GetDlgItem(IDC_MODIFY_EDIT);
    const int editWidth = std::max(kEditWidth, EditWidthForDigits(edit));
    // Edit, then Modify and Cancel, each a pixel after the one before.
    struct Piece {
        int id;
        int offset;
        int width;
    };
    const Piece pieces[] = {{IDC_MODIFY_EDIT, 0, editWidth},
                            {IDC_MAC_MODIFY, editWidth + 1, kButtonWidth},
                            {IDC_MAC_MODIFY_CANCEL, editWidth + 1 + kButtonWidth + 1, kButtonWidth}};
    for (const Piece& p : pieces) {
        HWND w = GetDlgItem(p.id);
        ::SetWindowPos(w, HWND_TOP, r.left + p.offset, r.top, p.width, height, SWP_SHOWWINDOW);
        ::EnableWindow(w, TRUE);
    }
}

void CMacListPage::CloseEditor()
{
    m_strModify.clear();
    m_bModifying = false;
    for (int id : {IDC_MODIFY_EDIT, IDC_MAC_MODIFY_CANCEL, IDC_MAC_MODIFY})
        ::ShowWindow(GetDlgItem(id), SW_HIDE);
    EnableChoice(TRUE);
    ::EnableWindow(GetDlgItem(IDC_PAGE_APPLY), TRUE);
    ::InvalidateRect(List(), nullptr, TRUE);
}

void CMacListPage::OnModify()
{
    UpdateData(TRUE);
    const LRESULT row = ::SendMessageA(List(), LB_GETCURSEL, 0, 0);
    if (!m_bModifying || row == LB_ERR)
        return;
    // The row itself counts: an unchanged address is a duplicate.
    if (!Acceptable(m_strModify))
        return;
    const std::string text = MacDisplayText(m_strModify);
    ::SendMessageA(List(), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    ::SendMessageA(List(), LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
    CloseEditor();
    EnableListControls(true);
    UpdateData(FALSE);
}

void CMacListPage::OnCancel()
{
    if (!IsWindow())
        return;
    CloseEditor();
    UpdateData(TRUE);
    EnableListControls(ListEditable());
}

BOOL CMacListPage::OnKillActive()
{
    OnCancel();
    return fw::CPropertyPage::OnKillActive();
}

}  // namespace softap
