#pragma once
// Havix's visible window: the modeless property sheet of the access point's pages. It holds
// all ten pages as members and shows Config, Access Control, Mac Table, Event Log,
// Statistics and About; the 11n Setting page comes and goes with bCheckBuild on an 802.11n
// adapter, and the WDS page is added and at once removed again.
#include <windows.h>

#include "softap/pages/about_page.h"
#include "softap/pages/access_control_page.h"
#include "softap/core/push/ap_sheet_sync.h"
#include "softap/pages/config/config_page.h"
#include "softap/pages/block_ack/block_ack_page.h"
#include "softap/pages/link_status_page.h"
#include "softap/pages/event_log_page.h"
#include "softap/pages/mac_table_page.h"
#include "softap/pages/reg_set_page.h"
#include "softap/pages/statistic_page.h"
#include "softap/pages/wds_page.h"
#include "framework/property_sheet.h"
#include "resources/softap/resource.h"

namespace softap {

class CQelPropSheet : public fw::CPropertySheet, public IApSheetSync {
public:
    CQelPropSheet(UINT captionId, fw::CWnd* parent = nullptr, UINT firstPage = 0);
    ~CQelPropSheet() override;

    // The WDS page from g_Ap.wdsAllowed (after the encryption step of either push).
    void SyncWdsPage() override;
    // The 11n Setting page from the bCheckBuild mirror g_Ap.checkBuild (every poll).
    void Sync11nPage();

    fw::CPropertyPage* BlockAckPage() { return &m_BlockAckPage; }
    fw::CPropertyPage* AboutPage() { return &m_AboutPage; }
    CConfigPage* ConfigPage() { return &m_ConfigPage; }
    CAccessControlPage* AccessControlPage() { return &m_AccessControlPage; }
    CWdsPage* WdsPage() { return &m_WdsPage; }
    CMacTablePage* MacTablePage() { return &m_MacTablePage; }
    CEventLogPage* EventLogPage() { return &m_EventLogPage; }
    CStatisticPage* StatisticPage() { return &m_StatisticPage; }
    fw::CPropertyPage* RegSetPage() { return &m_RegSetPage; }
    fw::CPropertyPage* LinkStatusPage() { return &m_LinkStatusPage; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnHelpButton();
    BOOL OnHelpInfo(HELPINFO*);
    FW_DECLARE_MESSAGE_MAP()

private:
    bool Has(const fw::CPropertyPage* page) const { return GetPageIndex(page) >= 0; }
    // Adds the WDS page and removes it again at once: it is never left in the sheet.
    void TouchWdsPage();

    // In declaration order.
    CBlockAck m_BlockAckPage;
    CAboutPage m_AboutPage;
    CConfigPage m_ConfigPage;
    CAccessControlPage m_AccessControlPage;
    CWdsPage m_WdsPage;
    CMacTablePage m_MacTablePage;
    CEventLogPage m_EventLogPage;
    CStatisticPage m_StatisticPage;
    // Built but never added: engineering pages kept ready to be wired in.
    CRegSetPage m_RegSetPage;
    CLinkStatusPage m_LinkStatusPage;
};

}  // namespace softap
