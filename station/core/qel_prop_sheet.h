#pragma once
// The station utility's visible window: one modeless property sheet of the main pages.
#include <windows.h>

#include "framework/property_sheet.h"
#include "station/pages/about_page.h"
#include "station/pages/link_status_page.h"
#include "station/pages/advance_page.h"
#include "station/pages/reg_set_page.h"
#include "station/pages/block_ack_page.h"
#include "station/pages/profile_page.h"
#include "station/pages/site_surv_page.h"
#include "station/pages/statistic_page.h"
#include "station/pages/wps/wsc_page.h"
#include "station/profiles/editor/sys_config_page.h"

class CQelPropSheet : public fw::CPropertySheet {
public:
    CQelPropSheet(UINT captionId, fw::CWnd* parent = nullptr, UINT firstPage = 0);
    CQelPropSheet(const char* caption, fw::CWnd* parent = nullptr, UINT firstPage = 0);
    ~CQelPropSheet() override;

    // Ends a dialog that a page keeps open (the profile editor) with code 2.
    void EndPendingDialog();
    int HasWscPage() const;
    void UpdateWscPage();
    void UpdateBlockAckPage();
    void RefreshPages() {}

    CSiteSurvPage* SiteSurveyPage() { return &m_SiteSurvPage; }
    CLinkStatusPage* LinkStatusPage() { return &m_LinkStatusPage; }
    CStatisticPage* StatisticPage() { return &m_StatisticPage; }
    CWscPage* WscPage() { return &m_WscPage; }
    CProfilePage* ProfilePage() { return &m_ProfilePage; }
    CAboutPage* AboutPage() { return &m_AboutPage; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnHelpButton();
    BOOL OnHelpInfo(HELPINFO*);
    FW_DECLARE_MESSAGE_MAP()

private:
    void BuildPages();

    // Pages are members in construction order.
    CProfilePage m_ProfilePage;
    CSiteSurvPage m_SiteSurvPage;
    CAboutPage m_AboutPage;
    CLinkStatusPage m_LinkStatusPage;
    CStatisticPage m_StatisticPage;
    CWscPage m_WscPage;
    // Built but never added: the profile editor's first page, and engineering pages kept
    // ready to be wired in.
    CSysConfigPage m_SysConfigPage;
    CRegSetPage m_RegSetPage;
    CAdvancePage m_AdvancePage;
    // Built with the sheet but never added: the poll's block-ack step finds nothing to remove.
    CBlockAck m_BlockAckPage;
};
