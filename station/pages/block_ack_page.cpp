#include "station/pages/block_ack_page.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "framework/ddx.h"
#include "framework/property_sheet.h"
#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/adapter_identity.h"
#include "shared/list_view_rows.h"
#include "shared/oid_access.h"
#include "station/core/driver_oid_ops.h"
#include "station/pages/add_block_ack_dlg.h"
#include "station/pages/delete_block_ack_dlg.h"

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 1000;
constexpr DWORD kOidCapability = 0xFF0C0026;
constexpr DWORD kOidSessionTable = 0xFF0C0025;
constexpr const char* kCapabilityValue = "BACapability";

constexpr int kSessionButtons[] = {IDC_BA_ORIGINATOR_ADD, IDC_BA_ORIGINATOR_DELETE, IDC_BA_ORIGINATOR_DELETE_ALL,
                                   IDC_BA_RECIPIENT_ADD,  IDC_BA_RECIPIENT_DELETE,  IDC_BA_RECIPIENT_DELETE_ALL};

HKEY OpenDriverKey(REGSAM access) {
    if (g_DriverKeyPath[0] == 0) return nullptr;
    HKEY key = nullptr;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, g_DriverKeyPath, 0, access, &key) == ERROR_SUCCESS ? key : nullptr;
}

// A value that is not a 4-byte REG_DWORD is treated as missing.
bool ReadStoredCapability(BaCapability* capability) {
    HKEY key = OpenDriverKey(KEY_READ);
    if (!key) return false;
    DWORD type = 0, value = 0, size = sizeof(value);
    const bool ok = RegQueryValueExA(key, kCapabilityValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                        ERROR_SUCCESS &&
                    type == REG_DWORD && size == sizeof(value);
    RegCloseKey(key);
    if (ok) *capability = UnpackBaCapability(value);
    return ok;
}

void WriteStoredCapability(const BaCapability& capability) {
    HKEY key = OpenDriverKey(KEY_ALL_ACCESS);
    if (!key) return;
    const DWORD value = PackBaCapability(capability);
    RegSetValueExA(key, kCapabilityValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CBlockAck, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_BA_ORIGINATOR_ADD, OnOriginatorAdd)
    FW_ON_BN_CLICKED(IDC_BA_ORIGINATOR_DELETE, OnOriginatorDelete)
    FW_ON_BN_CLICKED(IDC_BA_ORIGINATOR_DELETE_ALL, OnOriginatorDeleteAll)
    FW_ON_BN_CLICKED(IDC_BA_RECIPIENT_ADD, OnRecipientAdd)
    FW_ON_BN_CLICKED(IDC_BA_RECIPIENT_DELETE, OnRecipientDelete)
    FW_ON_BN_CLICKED(IDC_BA_RECIPIENT_DELETE_ALL, OnRecipientDeleteAll)
    FW_ON_BN_CLICKED(IDC_BA_APPLY, OnApplyCapability)
    FW_ON_BN_CLICKED(IDC_BA_MANUAL, OnSessionSetupClicked)
    FW_ON_BN_CLICKED(IDC_BA_AUTO, OnSessionSetupClicked)
    FW_ON_BN_CLICKED(IDC_BA_AMSDU, OnCapabilityClicked)
    FW_ON_BN_CLICKED(IDC_BA_AGGREGATION, OnCapabilityClicked)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CBlockAck::CBlockAck() : fw::CPropertyPage(IDD_BLOCK_ACK, IDS_BLOCK_ACK) {}

CBlockAck::~CBlockAck() = default;

BOOL CBlockAck::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    m_OriginatorList.SubclassDlgItem(IDC_BA_ORIGINATOR_LIST, this);
    m_RecipientList.SubclassDlgItem(IDC_BA_RECIPIENT_LIST, this);
    for (BaDirection d : {kBaOriginator, kBaRecipient}) {
        ::SendMessageA(ListOf(d), LVM_DELETEALLITEMS, 0, 0);
        m_Sessions[d].clear();
    }

    SetWindowText(fw::LoadStr(IDS_BLOCK_ACK));
    const struct {
        int control;
        UINT text;
    } labels[] = {
        {IDC_BA_ORIGINATOR_GROUP, IDS_BA_ORIGINATOR_OF},   {IDC_BA_RECIPIENT_GROUP, IDS_BA_RECIPIENT_OF},
        {IDC_BA_MANUAL, IDS_BA_MANUAL},                    {IDC_BA_AUTO, IDS_BA_AUTO},
        {IDC_BA_ORIGINATOR_ADD, IDS_BA_ADD},               {IDC_BA_RECIPIENT_ADD, IDS_BA_ADD},
        {IDC_BA_ORIGINATOR_DELETE, IDS_BA_DELETE},         {IDC_BA_RECIPIENT_DELETE, IDS_BA_DELETE},
        {IDC_BA_ORIGINATOR_DELETE_ALL, IDS_BA_DELETE_ENTRY}, {IDC_BA_RECIPIENT_DELETE_ALL, IDS_BA_DELETE_ENTRY},
        {IDC_BA_APPLY, IDS_BA_APPLY},                      {IDC_BA_DENSITY_LABEL, IDS_BA_DENSITY},
    };
    for (const auto& l : labels) SetDlgItemText(l.control, fw::LoadStr(l.text));

    for (BaDirection d : {kBaOriginator, kBaRecipient}) {
        HWND list = ListOf(d);
        ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                       LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
        AddListColumn(list, 0, fw::LoadStr(IDS_BA_MAC), 0.33);
        AddListColumn(list, 1, fw::FormatStr("TID=%d", 0), 0.12);
        for (int t = 1; t < kBaTidCount; ++t) AddListColumn(list, 1 + t, fw::FormatStr("%d", t), 0.08);
    }
    HWND density = GetDlgItem(IDC_BA_DENSITY);
    for (int i = 0; i <= 7; ++i) ::SendMessageA(density, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(i).c_str()));

    BaCapability stored{};
    if (ReadStoredCapability(&stored)) LoadBaCapability(stored, m_Fields);
    SendCapability();

    EnableControls();
    UpdateData(FALSE);
    m_nTimer = SetTimer(kRefreshTimer, kRefreshMs);
    for (int id : {IDC_BA_AMSDU_GROUP, IDC_BA_AMSDU, IDC_BA_AMSDU_3839, IDC_BA_SMPS_GROUP, IDC_BA_SM_ENABLE,
                   IDC_BA_SMPS_STATIC, IDC_BA_SMPS_DYNAMIC})
        ::ShowWindow(GetDlgItem(id), SW_SHOW);
    return TRUE;
}

BOOL CBlockAck::OnSetActive() {
    BaCapability current{};
    DWORD returned = 0;
    // A failed query leaves the fields as they were: zeros are not the driver's settings.
    if (QueryOid(kOidCapability, &current, sizeof(current), &returned) && returned >= sizeof(current))
        LoadBaCapability(current, m_Fields);
    EnableControls();
    UpdateData(FALSE);
    return fw::CPropertyPage::OnSetActive();
}

void CBlockAck::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Check(dx, IDC_BA_AGGREGATION, m_Fields.MpduAggregation);
    fw::DDX_Radio(dx, IDC_BA_MANUAL, m_Fields.AutoSetup);
    fw::DDX_CBString(dx, IDC_BA_DENSITY, m_Fields.MpduDensity);
    fw::DDX_Check(dx, IDC_BA_AMSDU, m_Fields.Amsdu);
    fw::DDX_Radio(dx, IDC_BA_AMSDU_3839, m_Fields.AmsduSize);
    fw::DDX_Radio(dx, IDC_BA_SM_ENABLE, m_Fields.SmPowerSave);
}

void CBlockAck::EnableControls() {
    const BOOL aggregation = m_Fields.MpduAggregation != 0;
    const BOOL manual = aggregation && m_Fields.AutoSetup == 0;
    for (int id : {IDC_BA_MANUAL, IDC_BA_AUTO, IDC_BA_DENSITY}) ::EnableWindow(GetDlgItem(id), aggregation);
    for (int id : kSessionButtons) ::EnableWindow(GetDlgItem(id), manual);
    for (int id : {IDC_BA_AMSDU_3839, IDC_BA_AMSDU_7935}) ::EnableWindow(GetDlgItem(id), m_Fields.Amsdu != 0);
}

void CBlockAck::SendCapability() {
    BaCapability capability = StoreBaCapability(m_Fields);
    DriverOidOps().SetOid0026(&capability);
}

void CBlockAck::OnApplyCapability() {
    UpdateData(TRUE);
    SendCapability();
    WriteStoredCapability(StoreBaCapability(m_Fields));
    EnableControls();
}

void CBlockAck::OnSessionSetupClicked() { UpdateData(TRUE); }

void CBlockAck::OnCapabilityClicked() {
    UpdateData(TRUE);
    EnableControls();
}

void CBlockAck::OnTimer(UINT_PTR id) {
    fw::CPropertySheet* sheet = GetParentSheet();
    if (!sheet || sheet->GetActivePage() != this) return;
    if (id == kRefreshTimer) Refresh();
    Default();
}

void CBlockAck::Refresh() {
    BaSessionTable table{};
    DWORD returned = 0;
    if (!QueryOid(kOidSessionTable, &table, sizeof(table), &returned) || returned == 0) return;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&table);
    for (BaDirection d : {kBaOriginator, kBaRecipient}) {
        HWND list = ListOf(d);
        ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
        m_Sessions[d] = ReadBaSessions(bytes, returned, d);
        for (const BaPeerSessions& peer : m_Sessions[d]) {
            const auto texts = BaSessionRowTexts(peer);
            AppendListRow(list, std::vector<std::string>(texts.begin(), texts.end()));
        }
        ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(list, nullptr, TRUE);
    }
}

void CBlockAck::RunAdd(BaDirection direction) {
    CAddBlockAckDlg dialog(this);
    if (dialog.DoModal() != IDOK) return;
    BaSessionRequest request = MakeBaAddRequest(direction, dialog.m_Bssid, dialog.m_nTid, dialog.m_nWindowLimit);
    DriverOidOps().SetOid0025(&request);
}

void CBlockAck::RunDelete(BaDirection direction, int chooseTid) {
    CDeleteBlockAckDlg dialog(this, direction, chooseTid);
    if (dialog.DoModal() != IDOK) return;
    BaSessionRequest request = MakeBaDeleteRequest(direction, dialog.m_Bssid, dialog.m_nTid, chooseTid == 0);
    DriverOidOps().SetOid0027(&request);
}

void CBlockAck::OnDestroy() {
    KillTimer(kRefreshTimer);
    m_nTimer = 0;
}

HWND CBlockAck::ListOf(BaDirection direction) const {
    return GetDlgItem(direction == kBaOriginator ? IDC_BA_ORIGINATOR_LIST : IDC_BA_RECIPIENT_LIST);
}
