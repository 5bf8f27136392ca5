#pragma once
// The profile editor: a modal sheet with the System Configuration and the Authentication and
// Security pages over one set of values. It loads a profile section of "_prof" (or presets
// for a new profile), checks the input in a fixed order when a page applies, and writes the
// section back.
#include <windows.h>

#include <string>

#include "framework/property_sheet.h"
#include "station/profiles/editor/auth_secu_page.h"
#include "station/profiles/editor/profile_editor_model.h"
#include "station/profiles/editor/sys_config_page.h"

class CProfileSheet : public fw::CPropertySheet {
public:
    CProfileSheet(UINT captionId, fw::CWnd* parent = nullptr, UINT firstPage = 0);
    CProfileSheet(const char* caption, fw::CWnd* parent = nullptr, UINT firstPage = 0);
    ~CProfileSheet() override;

    // Before DoModal. newProfile 0 reads the section of that name; otherwise the presets
    // (NDIS encryption status and authentication mode, network type, ad hoc channel) apply.
    void InitProfile(const std::string& name, const std::string& ssid, int encryption, int authentication,
                     int newProfile, int networkType, int channel);
    // Both pages' values, checked, written: 1 saved; 0 shows the page to correct.
    int SaveProfile();
    void ReadProfile();
    void WriteProfile();
    int ValidateKeys();
    // 0 when "_prof" has a section of that name, 1 when it has none.
    int ProfileExists(const std::string& name) const;
    // The System Configuration page's network type, for the security values and page.
    void FollowNetworkType(int infrastructure);

    INT_PTR DoModal();
    bool IsRunning() const { return m_bRunning; }
    // Ends a running editor as Cancel does (code 2).
    void EndEditor();

    ProfileEditorModel& Model() { return m_Model; }
    CSysConfigPage& SysConfigPage() { return m_SysConfigPage; }
    CAuthSecuPage& AuthSecuPage() { return m_AuthSecuPage; }

protected:
    void OnHelpButton();
    BOOL OnHelpInfo(HELPINFO*);
    FW_DECLARE_MESSAGE_MAP()

private:
    void BuildPages();
    void ReadCcx2();

    ProfileEditorModel m_Model;
    CSysConfigPage m_SysConfigPage;
    CAuthSecuPage m_AuthSecuPage;
    bool m_bRunning = false;
};

// Frees an editor that the Profile page left behind when the main sheet went away under it.
void DeleteProfileEditor();
