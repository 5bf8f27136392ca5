#pragma once
// The "Mac Table" page: the stations associated with the access point, read from the driver
// every 2 seconds while the page is active, with their address, association ID, power-save
// state and, on an 802.11n adapter, their transmit rate.
#include <windows.h>

#include "softap/pages/refresh_page.h"
#include "shared/radio/ht_table.h"

namespace softap {

class CMacTablePage : public CRefreshPage {
public:
    CMacTablePage();

    BOOL OnInitDialog() override;
    // Rebuilds the list from the driver's table; a failed query keeps the rows.
    void Refresh() override;

    HWND List() const { return m_List.m_hWnd; }

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;

private:
    fw::CWnd m_List;
    CHTTable m_HtTable;
    int m_nColumnWidth[4] = {};
};

}  // namespace softap
