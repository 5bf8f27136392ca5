#pragma once
// "802.1x Setting": the sheet of a profile's 802.1X settings, with the Certification
// (authentication) and CA Server pages. Each page edits a copy of the sheet's record; the
// sheet gathers both and checks them when a page applies.
#include <windows.h>

#include "framework/property_sheet.h"
#include "station/profiles/dot1x/dot1x_auth_page.h"
#include "station/profiles/dot1x/dot1x_ca_server_page.h"
#include "station/profiles/dot1x/dot1x_settings.h"

class C8021xSheet : public fw::CPropertySheet {
public:
    C8021xSheet(UINT captionId, fw::CWnd* parent = nullptr);
    ~C8021xSheet() override;

    // Hands the sheet's record to both pages before it opens.
    INT_PTR DoModal();

    // Each page that has a window into its record, both into the sheet's, then the checks:
    // false after the message of the first that fails, with its page shown.
    bool CollectAndCheck();

    C8021xAuthPage& AuthPage() { return m_AuthPage; }
    C8021xCaServerPage& CaServerPage() { return m_CaServerPage; }

    Dot1xSettings m_Settings;
    int m_bWpaMode = 0;            // 1 WPA/WPA2 enterprise, 0 Open/Shared with 802.1X
    int m_bServerValidation = 0;  // the method can validate a server (set by the authentication page)

private:
    C8021xAuthPage m_AuthPage;
    C8021xCaServerPage m_CaServerPage;
};
