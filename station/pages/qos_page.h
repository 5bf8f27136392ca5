#pragma once
// The "QoS" page: WMM on or off, WMM power save (U-APSD) with its per-category settings in
// the power-save dialog, and Direct Link Setup with up to four direct links to other
// stations. Each switch goes to the driver by OID and to the driver key as "%d" text;
// changing WMM or power save drops the connection and reconnects with the same profile.
#include <windows.h>

#include <array>
#include <string>

#include "framework/property_page.h"
#include "shared/controls/smart_edit.h"

class CQoSPAGE : public fw::CPropertyPage {
public:
    CQoSPAGE();
    ~CQoSPAGE() override;

    int m_bWmm = 0;
    int m_bDls = 0;
    int m_bApsd = 0;
    std::array<std::string, 6> m_strMac;  // the peer MAC, two hex digits per edit
    std::string m_strTimeout;

    // The DLS row last clicked and its MAC text; kept for the life of the program.
    static int s_nSelectedRow;
    static std::string s_strSelectedMac;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

    // While connected: drops the connection and, when it was made with a profile, connects
    // again with that profile; any other connection stays dropped and the user is told
    // (messageId). The stored CCX value is then sent again.
    static void ReconnectAfterChange(HWND owner, UINT messageId);
    // WM_COMMAND Rescan to the Site Survey page of the open main sheet.
    static void RequestRescan();

protected:
    void ApplyWmm();
    void ApplyApsd();
    void OnPowerSaveSetting();
    void ApplyDls();
    void SetupDlsLink();
    void TearDownDlsLink();
    void OnListClick(NMHDR*, LRESULT* result);
    void OnListDblClk(NMHDR*, LRESULT* result);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    void ReadRegistryFlags();
    void EnableControls();
    void EnableLinkControls(BOOL enable);
    void Refresh();
    void Message(UINT id);

    std::array<CSmartEdit, 6> m_MacEdits;
    UINT_PTR m_nTimer = 0;
};
