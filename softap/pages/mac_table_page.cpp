#include "softap/pages/mac_table_page.h"

#include <commctrl.h>

#include <vector>

#include "softap/core/push/ap_oids.h"
#include "softap/core/tables/station_table.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/softap/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/controls/list_view_rows.h"
#include "shared/text/mac_text.h"
#include "shared/driver/oid_access.h"

namespace softap {

CMacTablePage::CMacTablePage() : CRefreshPage(IDD_MAC_TABLE, IDS_MAC_TABLE) {}

void CMacTablePage::DoDataExchange(fw::CDataExchange* pDX)
{
    CRefreshPage::DoDataExchange(pDX);
    fw::DDX_Control(pDX, IDC_MAC_TABLE_LIST, m_List);
}

BOOL CMacTablePage::OnInitDialog()
{
    CRefreshPage::OnInitDialog();
    m_List.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    const struct {
        UINT title;
        double factor;
    } columns[] = {{IDS_MAC_ADDRESS, 2.2}, {IDS_AID, 0.8}, {IDS_POWER_SAVING_MODE, 0.8}, {IDS_STATION_STATUS, 6.5}};
    for (int i = 0; i < 4; ++i) {
        m_nColumnWidth[i] = AddTenthsColumn(List(), i, fw::LoadStr(columns[i].title), columns[i].factor);
        FitListColumn(List(), i, m_nColumnWidth[i]);
    }
    m_HtTable.FillRateMaps();
    return TRUE;
}

void CMacTablePage::Refresh()
{
    if (!m_List.IsWindow())
        return;
    const bool ht = g_IsHtChip != 0;
    std::vector<uint8_t> table(StationTableBytes(ht), 0);
    DWORD returned = 0;
    if (!QueryOid(kOidQueryStationTable, table.data(), static_cast<DWORD>(table.size()), &returned))
        return;
    const size_t bytes = returned < table.size() ? returned : table.size();
    const std::string yes = fw::LoadStr(IDS_YES), no = fw::LoadStr(IDS_NO);
    // Rows added while the list redraws cost a repaint each.
    m_List.SendMessage(WM_SETREDRAW, FALSE);
    m_List.SendMessage(LVM_DELETEALLITEMS);
    for (const StationEntry& e : ParseStationTable(table.data(), bytes, ht)) {
        AppendListRow(List(), {FormatMacText(e.mac), std::to_string(e.aid), e.powerSave ? yes : no,
                               ht ? StationRateText(e.rateWord, m_HtTable) : std::string()});
    }
    for (int i = 0; i < 4; ++i)
        FitListColumn(List(), i, m_nColumnWidth[i]);
    m_List.SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(List(), nullptr, TRUE);
}

}  // namespace softap
