#include "softap/pages/wds_page.h"

#include "softap/core/config/ap_key_reader.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/input/mac_entry.h"
#include "softap/core/config/reg_key.h"
#include "softap/core/records/wds_record.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/softap/resource.h"
#include "shared/driver/driver_key.h"
#include "shared/driver/oid_access.h"

namespace softap {

FW_BEGIN_MESSAGE_MAP(CWdsPage, CMacListPage)
    FW_ON_BN_CLICKED(IDC_PAGE_APPLY, WriteWdsToRegistryAndSetOid)
    FW_ON_BN_CLICKED(IDC_WDS_ENABLE, OnEnable)
    FW_ON_BN_CLICKED(IDC_WDS_DISABLE, OnDisable)
    FW_ON_CONTROL(LBN_DBLCLK, IDC_WDS_LIST, OnListDblClk)
FW_END_MESSAGE_MAP()

CWdsPage::CWdsPage() : CMacListPage(IDD_WDS, IDS_WDS, IDC_WDS_LIST, kWdsMaxPeers) {}

void CWdsPage::DoDataExchange(fw::CDataExchange* pDX)
{
    CMacListPage::DoDataExchange(pDX);
    fw::DDX_Radio(pDX, IDC_WDS_ENABLE, m_nWdsSwitch);
    fw::DDX_Text(pDX, IDC_MAC_LABEL, m_strMacLabel);
    fw::DDX_Text(pDX, IDC_WDS_POLICY_LABEL, m_strPolicyLabel);
    fw::DDX_Text(pDX, IDC_WDS_LIST_LABEL, m_strListLabel);
    fw::DDX_Text(pDX, IDC_WDS_NOTE1, m_strNote1);
    fw::DDX_Text(pDX, IDC_WDS_NOTE2, m_strNote2);
}

BOOL CWdsPage::OnInitDialog()
{
    CMacListPage::OnInitDialog();
    ReadWdsFromRegistry();
    EnableListControls(ListEditable());
    SetUpEdits();
    m_strMacLabel = fw::LoadStr(IDS_WDS_AP_MAC);
    m_strPolicyLabel = fw::LoadStr(IDS_WDS_POLICY);
    m_strListLabel = fw::LoadStr(IDS_WDS_AP_LIST);
    m_strNote1 = fw::LoadStr(IDS_WDS_NOTE1);
    m_strNote2 = fw::LoadStr(IDS_WDS_NOTE2);
    SetDlgItemText(IDC_WDS_ENABLE, fw::LoadStr(IDS_ENABLE));
    SetDlgItemText(IDC_WDS_DISABLE, fw::LoadStr(IDS_DISABLE));
    LoadButtonTexts();
    UpdateData(FALSE);
    return TRUE;
}

void CWdsPage::ReadWdsFromRegistry()
{
    ScopedKey apDefault(OpenDriverKey("ApDefault", KEY_READ));
    if (apDefault) {
        const RegistryKeyReader reader(apDefault.get());
        int enable = 1;
        if (ReadRegNumber(reader, "WdsEnable", kStartupBufferBytes, &enable))
            m_nWdsSwitch = enable == 0 ? 0 : 1;  // anything but 0 is off, as the driver takes it
        LoadRows(ReadWdsList(reader));
        CopyDriverKeyValues("ApDefault", KEY_READ, nullptr, KEY_ALL_ACCESS);
    }
    UpdateData(FALSE);
}

BOOL CWdsPage::OnSetActive()
{
    EnableListControls(ListEditable());
    return CMacListPage::OnSetActive();
}

void CWdsPage::OnEnable()
{
    UpdateData(TRUE);
    EnableListControls(true);
}

void CWdsPage::OnDisable()
{
    UpdateData(TRUE);
    EnableListControls(false);
}

void CWdsPage::EnableChoice(BOOL enable)
{
    ::EnableWindow(GetDlgItem(IDC_WDS_ENABLE), enable);
    ::EnableWindow(GetDlgItem(IDC_WDS_DISABLE), enable);
}

void CWdsPage::WriteWdsToRegistryAndSetOid()
{
    UpdateData(TRUE);
    ScopedKey apDefault(OpenDriverKey("ApDefault", KEY_ALL_ACCESS));
    if (!apDefault)
        return;
    const int wdsSwitch = m_nWdsSwitch == 0 ? 0 : 1;
    WriteRegNumber(apDefault.get(), "WdsEnable", wdsSwitch);
    const std::vector<std::string> peers = RowDigits();
    WriteRegMultiString(apDefault.get(), "WdsList", BuildMacMultiString(peers));
    if (HKEY driverKey = OpenDriverKey(nullptr, KEY_ALL_ACCESS)) {
        CopyRegistryValues(apDefault.get(), driverKey);
        RegCloseKey(driverKey);
    }

    const bool on = wdsSwitch == 0;
    WdsRecord record = BuildWdsRecord(peers, on ? static_cast<uint32_t>(peers.size()) : 0,
                                      on && IsPskAuthentication(g_Ap.authenType), g_Ap.passphrase);
    DWORD returned = 0;
    SetOid(kOidSetWds, record.data(), static_cast<DWORD>(record.size()), &returned, kSetTries);
}

}  // namespace softap
