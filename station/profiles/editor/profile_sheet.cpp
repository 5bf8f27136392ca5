#include "station/profiles/editor/profile_sheet.h"

#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/system/os_code.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/help.h"
#include "station/core/settings/settings_file.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/editor/profile_checks.h"
#include "station/profiles/profile_globals.h"

namespace {

class SheetUi : public ProfileSaveUi {
public:
    explicit SheetUi(CProfileSheet& sheet) : m_sheet(sheet) {}
    int Message(unsigned textId, unsigned style) override {
        return platform::Boxes().Show(m_sheet.m_hWnd, fw::LoadStr(textId).c_str(), "Lumora", style);
    }
    void ShowPage(int index) override { m_sheet.SetActivePage(index); }
    bool NameTaken(const std::string& name) const override { return m_sheet.ProfileExists(name) == 0; }
    void ShowWepKey(int n) override {
        if (m_sheet.AuthSecuPage().IsWindow()) m_sheet.AuthSecuPage().Form().ShowWepKey(n);
    }

private:
    CProfileSheet& m_sheet;
};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CProfileSheet, fw::CPropertySheet)
    FW_ON_COMMAND(IDHELP, OnHelpButton)
    FW_ON_WM_HELPINFO(OnHelpInfo)
FW_END_MESSAGE_MAP()

CProfileSheet::CProfileSheet(UINT captionId, fw::CWnd* parent, UINT firstPage)
    : fw::CPropertySheet(captionId, parent, firstPage), m_SysConfigPage(&m_Model.sys), m_AuthSecuPage(&m_Model.auth) {
    BuildPages();
}

CProfileSheet::CProfileSheet(const char* caption, fw::CWnd* parent, UINT firstPage)
    : fw::CPropertySheet(caption, parent, firstPage), m_SysConfigPage(&m_Model.sys), m_AuthSecuPage(&m_Model.auth) {
    BuildPages();
}

CProfileSheet::~CProfileSheet() = default;

void CProfileSheet::BuildPages() {
    m_psh.dwFlags |= PSH_HASHELP;
    m_SysConfigPage.m_psp.dwFlags |= PSP_HASHELP;
    m_AuthSecuPage.m_psp.dwFlags |= PSP_HASHELP;
    AddPage(&m_SysConfigPage);
    AddPage(&m_AuthSecuPage);
    m_Model.saved = 0;
}

void CProfileSheet::ReadCcx2() {
    DWORD ccx = 0;
    // A missing key or value leaves the LEAP capability as it was.
    if (ReadCcx2Control(&ccx)) ApplyCcx2Control(m_Model.auth, ccx);
}

void CProfileSheet::InitProfile(const std::string& name, const std::string& ssid, int encryption, int authentication,
                                int newProfile, int networkType, int channel) {
    InitProfileModel(m_Model, name, ssid, encryption, authentication, newProfile, networkType, channel, g_OsCode);
    ReadCcx2();
    if (m_Model.newProfile == 0) ReadProfile();
}

void CProfileSheet::ReadProfile() {
    const IniFileSource profiles(g_NetCfgInstanceId, kSettingsProfiles);
    ReadProfileModel(m_Model, profiles, g_OsCode, &g_ClientCertDesc, &g_ServerCertDesc);
    ReadCcx2();
}

void CProfileSheet::WriteProfile() {
    const std::string section = m_Model.sys.profileName;
    // Every key empty first: a key this save does not write must not keep an old value.
    ClearIniSection(g_NetCfgInstanceId, section.c_str());
    for (const auto& [key, value] : WriteProfileValues(m_Model, &g_ClientCertDesc, &g_ServerCertDesc))
        WriteIniValue(g_NetCfgInstanceId, kSettingsProfiles, section.c_str(), key, value.c_str());
}

int CProfileSheet::ValidateKeys() {
    SheetUi ui(*this);
    return ValidateProfileKeys(m_Model, ui);
}

void CProfileSheet::FollowNetworkType(int infrastructure) {
    // A page that has been shown holds the values in its controls.
    if (m_AuthSecuPage.IsWindow()) m_AuthSecuPage.Form().FollowNetworkType(infrastructure != 0);
    else ::FollowNetworkType(m_Model.auth, infrastructure != 0);
}

int CProfileSheet::ProfileExists(const std::string& name) const {
    return IniSectionExists(g_NetCfgInstanceId, name.c_str()) ? 0 : 1;
}

int CProfileSheet::SaveProfile() {
    if (m_AuthSecuPage.IsWindow()) m_AuthSecuPage.Form().ControlsToValues();
    if (m_SysConfigPage.IsWindow()) {
        m_SysConfigPage.UpdateData(TRUE);
        m_SysConfigPage.ReadChannelBack();
    }
    SheetUi ui(*this);
    if (!CheckProfileForSave(m_Model, ui)) return 0;
    WriteProfile();
    m_Model.saved = 1;
    return 1;
}

INT_PTR CProfileSheet::DoModal() {
    m_bRunning = true;
    const INT_PTR result = fw::CPropertySheet::DoModal();
    m_bRunning = false;
    return result;
}

void CProfileSheet::EndEditor() {
    if (IsWindow()) SendMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

void CProfileSheet::OnHelpButton() { StartHelpThread(); }

BOOL CProfileSheet::OnHelpInfo(HELPINFO*) {
    StartHelpThread();
    return TRUE;
}

void DeleteProfileEditor() {
    if (!g_pProfileSheet || g_pProfileSheet->IsRunning()) return;
    fw::DeleteLater(g_pProfileSheet);
    g_pProfileSheet = nullptr;
}
