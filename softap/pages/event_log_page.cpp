#include "softap/pages/event_log_page.h"

#include <commctrl.h>

#include "softap/core/tables/event_text.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/softap/resource.h"
#include "shared/controls/list_view_rows.h"

namespace softap {

FW_BEGIN_MESSAGE_MAP(CEventLogPage, CRefreshPage)
    FW_ON_BN_CLICKED(IDC_EVENT_CLEAR, OnClear)
FW_END_MESSAGE_MAP()

CEventLogPage::CEventLogPage() : CRefreshPage(IDD_EVENT_LOG, IDS_EVENT_LOG) {}

void CEventLogPage::DoDataExchange(fw::CDataExchange* pDX)
{
    CRefreshPage::DoDataExchange(pDX);
    fw::DDX_Control(pDX, IDC_EVENT_LIST, m_List);
}

BOOL CEventLogPage::OnInitDialog()
{
    CRefreshPage::OnInitDialog();
    m_List.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    m_nColumnWidth[0] = AddTenthsColumn(List(), 0, fw::LoadStr(IDS_EVENT_TIME_COLUMN), 4.0);
    m_nColumnWidth[1] = AddTenthsColumn(List(), 1, fw::LoadStr(IDS_EVENT_MESSAGE_COLUMN), 5.9);
    FitColumns();
    SetDlgItemText(IDC_EVENT_CLEAR, fw::LoadStr(IDS_EVENT_CLEAR));
    return TRUE;
}

std::string CEventLogPage::TimeText(uint64_t fileTime)
{
    // The system refuses times with the top bit set; nothing is shown rather than garbage.
    if (fileTime >> 63)
        return {};
    FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    FILETIME local{};
    SYSTEMTIME st{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st))
        return {};
    return EventTimeText({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond});
}

std::string CEventLogPage::MessageText(const EventRecord& record)
{
    if (record.code > kLastEventCode)
        return {};
    return EventMessageText(record, fw::LoadStr(IDS_EVENT_RESTART + record.code));
}

void CEventLogPage::Refresh()
{
    if (!m_List.IsWindow())
        return;
    const int size = static_cast<int>(g_EventArray.size());
    const int first = g_EventShownCount < 0 ? 0 : g_EventShownCount;
    if (first < size) {
        // Rows added while the list redraws cost a repaint each.
        m_List.SendMessage(WM_SETREDRAW, FALSE);
        const int rows = static_cast<int>(m_List.SendMessage(LVM_GETITEMCOUNT));
        for (int i = first; i < size; ++i) {
            const EventRecord& record = g_EventArray[static_cast<size_t>(i)];
            std::string time = TimeText(record.time);
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = rows + i - first;
            item.pszText = time.data();
            const int row = static_cast<int>(m_List.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            if (row < 0)
                continue;
            std::string message = MessageText(record);
            LVITEMA sub{};
            sub.iSubItem = 1;
            sub.pszText = message.data();
            m_List.SendMessage(LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
        }
        while (m_List.SendMessage(LVM_GETITEMCOUNT) > kMaxEventRows)
            m_List.SendMessage(LVM_DELETEITEM, 0);
        FitColumns();
        m_List.SendMessage(WM_SETREDRAW, TRUE);
        ::InvalidateRect(List(), nullptr, TRUE);
    }
    g_EventShownCount = size;
}

void CEventLogPage::FitColumns()
{
    // Shares of the list's width, wider where a header or a message needs it: the list
    // scrolls rather than cut a text.
    for (int i = 0; i < 2; ++i)
        FitListColumn(List(), i, m_nColumnWidth[i]);
}

void CEventLogPage::OnClear()
{
    m_List.SendMessage(LVM_DELETEALLITEMS);
    g_EventArray = {};
    g_EventShownCount = 0;
}

}  // namespace softap
