#include "softap/pages/access_control_page.h"

#include "softap/core/records/access_control_record.h"
#include "softap/core/config/ap_key_reader.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/input/mac_entry.h"
#include "softap/core/config/reg_key.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/softap/resource.h"
#include "shared/driver/driver_key.h"
#include "shared/driver/oid_access.h"

namespace softap {

FW_BEGIN_MESSAGE_MAP(CAccessControlPage, CMacListPage)
    FW_ON_CBN_SELCHANGE(IDC_ACL_POLICY, OnPolicyChange)
    FW_ON_CONTROL(LBN_DBLCLK, IDC_ACL_LIST, OnListDblClk)
    FW_ON_BN_CLICKED(IDC_PAGE_APPLY, WriteAccessControlToRegistryAndSetOid)
FW_END_MESSAGE_MAP()

CAccessControlPage::CAccessControlPage()
    : CMacListPage(IDD_ACCESS_CONTROL, IDS_ACCESS_CONTROL, IDC_ACL_LIST, kAccessControlMaxEntries) {}

void CAccessControlPage::DoDataExchange(fw::CDataExchange* pDX)
{
    CMacListPage::DoDataExchange(pDX);
    fw::DDX_CBIndex(pDX, IDC_ACL_POLICY, m_nPolicy);
    fw::DDX_Text(pDX, IDC_ACL_LIST_LABEL, m_strListLabel);
    fw::DDX_Text(pDX, IDC_ACL_POLICY_LABEL, m_strPolicyLabel);
    fw::DDX_Text(pDX, IDC_MAC_LABEL, m_strMacLabel);
}

BOOL CAccessControlPage::OnInitDialog()
{
    CMacListPage::OnInitDialog();
    HWND combo = GetDlgItem(IDC_ACL_POLICY);
    for (UINT id : {IDS_DISABLE, IDS_ALLOW_ALL, IDS_REJECT_ALL}) {
        const std::string text = fw::LoadStr(id);
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    UpdateData(FALSE);  // Disable shows until a stored policy is read
    ReadAccessControlFromRegistry();
    UpdateData(TRUE);
    EnableListControls(ListEditable());
    SetUpEdits();
    m_strPolicyLabel = fw::LoadStr(IDS_ACCESS_POLICY);
    m_strListLabel = fw::LoadStr(IDS_ACCESS_LIST);
    m_strMacLabel = fw::LoadStr(IDS_MAC_ADDRESS);
    LoadButtonTexts();
    UpdateData(FALSE);
    return TRUE;
}

void CAccessControlPage::ReadAccessControlFromRegistry()
{
    ScopedKey key(OpenDriverKey(nullptr, KEY_READ));
    if (!key)
        return;
    const RegistryKeyReader reader(key.get());
    int policy = kPolicyDisable;
    ReadRegNumber(reader, "AccessControlPolicy", kStartupBufferBytes, &policy);
    // A policy the combo has no row for shows as Disable.
    m_nPolicy = policy >= kPolicyDisable && policy <= kPolicyRejectAll ? policy : kPolicyDisable;
    LoadRows(ReadAccessControlList(reader));
    UpdateData(FALSE);
}

void CAccessControlPage::OnPolicyChange()
{
    UpdateData(TRUE);
    EnableListControls(ListEditable());
}

void CAccessControlPage::EnableChoice(BOOL enable)
{
    ::EnableWindow(GetDlgItem(IDC_ACL_POLICY), enable);
}

void CAccessControlPage::WriteAccessControlToRegistryAndSetOid()
{
    UpdateData(TRUE);
    ScopedKey apDefault(OpenDriverKey("ApDefault", KEY_ALL_ACCESS));
    if (!apDefault)
        return;
    const int policy = m_nPolicy >= kPolicyDisable && m_nPolicy <= kPolicyRejectAll ? m_nPolicy : kPolicyDisable;
    WriteRegNumber(apDefault.get(), "AccessControlPolicy", policy);
    const std::vector<std::string> stations = RowDigits();
    WriteRegMultiString(apDefault.get(), "AccessControlList", BuildMacMultiString(stations));
    if (HKEY driverKey = OpenDriverKey(nullptr, KEY_ALL_ACCESS)) {
        CopyRegistryValues(apDefault.get(), driverKey);
        RegCloseKey(driverKey);
    }

    AccessControlRecord record = BuildAccessControlRecord(policy, stations);
    DWORD returned = 0;
    SetOid(kOidSetAccessControl, record.data(), static_cast<DWORD>(record.size()), &returned, kSetTries);
}

}  // namespace softap
