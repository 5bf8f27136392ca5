#include "station/pages/qos_page.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "framework/ddx.h"
#include "framework/property_sheet.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/controls/link_slider.h"  // CSmartEdit members are built here
#include "shared/controls/list_view_rows.h"
#include "shared/text/mac_text.h"
#include "shared/driver/oid_access.h"
#include "station/core/driver/dls_link.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/station_globals.h"
#include "station/pages/apsd_flags.h"
#include "station/pages/power_save_dlg.h"

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 1000;
constexpr DWORD kOidQueryDlsTable = 0xFF0C0031;
constexpr int kMacEdits[6] = {IDC_QOS_MAC1, IDC_QOS_MAC2, IDC_QOS_MAC3, IDC_QOS_MAC4, IDC_QOS_MAC5, IDC_QOS_MAC6};
// WLAN profile names hold up to 255 characters.
constexpr size_t kProfileNameChars = 256;

int ReadFlag(const char* name) {
    int value = 0;
    ReadDriverKeyNumber(name, &value);
    return value != 0 ? 1 : 0;
}

// The driver's flags, false when it does not answer: its bits 1-6 are not known then, and
// flags made from zeros would switch off every access category.
bool QueryApsdFlags(DWORD* flags) {
    DWORD returned = 0;
    *flags = 0;
    return QueryOid(kOidQueryApsdFlags, flags, sizeof(*flags), &returned) != FALSE;
}

DlsTable QueryDlsTable() {
    uint8_t raw[kDlsTableSize] = {};
    DWORD returned = 0;
    if (!QueryOid(kOidQueryDlsTable, raw, sizeof(raw), &returned)) returned = 0;
    return ReadDlsTable(raw, returned);
}

}  // namespace

int CQoSPAGE::s_nSelectedRow = -1;
std::string CQoSPAGE::s_strSelectedMac;

FW_BEGIN_MESSAGE_MAP(CQoSPAGE, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_QOS_WMM_APPLY, ApplyWmm)
    FW_ON_BN_CLICKED(IDC_QOS_APSD, ApplyApsd)
    FW_ON_BN_CLICKED(IDC_QOS_APSD_SETTING, OnPowerSaveSetting)
    FW_ON_BN_CLICKED(IDC_QOS_DLS_APPLY, ApplyDls)
    FW_ON_BN_CLICKED(IDC_QOS_LINK_APPLY, SetupDlsLink)
    FW_ON_BN_CLICKED(IDC_QOS_TEAR_DOWN, TearDownDlsLink)
    FW_ON_NOTIFY(NM_CLICK, IDC_QOS_LIST, OnListClick)
    FW_ON_NOTIFY(NM_DBLCLK, IDC_QOS_LIST, OnListDblClk)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CQoSPAGE::CQoSPAGE() : fw::CPropertyPage(IDD_QOS, IDS_QOS) {}

CQoSPAGE::~CQoSPAGE() = default;

BOOL CQoSPAGE::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    const struct {
        int control;
        UINT text;
    } labels[] = {
        {IDC_QOS_WMM, IDS_QOS_WMM},           {IDC_QOS_WMM_APPLY, IDS_APPLY},
        {IDC_QOS_DLS_APPLY, IDS_APPLY},       {IDC_QOS_LINK_APPLY, IDS_APPLY},
        {IDC_QOS_APSD_SETTING, IDS_QOS_SETTING}, {IDC_QOS_TEAR_DOWN, IDS_QOS_TEAR_DOWN},
        {IDC_QOS_APSD, IDS_QOS_APSD},         {IDC_QOS_DLS, IDS_QOS_DLS},
        {IDC_QOS_DIRECT_LINK_LABEL, IDS_QOS_DIRECT_LINK}, {IDC_QOS_DLS_GROUP, IDS_QOS_DLS_SETUP},
        {IDC_QOS_DLS_STATUS_GROUP, IDS_QOS_DLS_STATUS}, {IDC_QOS_MAC_LABEL, IDS_QOS_MAC_ADDRESS},
        {IDC_QOS_TIMEOUT_UNIT, IDS_QOS_SEC},
    };
    for (const auto& l : labels) SetDlgItemText(l.control, fw::LoadStr(l.text));

    ReadRegistryFlags();
    EnableControls();
    UpdateData(FALSE);
    for (size_t i = 0; i < m_MacEdits.size(); ++i) {
        m_MacEdits[i].SubclassEdit(kMacEdits[i], this, CSmartEdit::kParseHex);
        m_MacEdits[i].SendMessage(EM_LIMITTEXT, 2);
    }
    ::SendMessageA(GetDlgItem(IDC_QOS_TIMEOUT), EM_LIMITTEXT, 5, 0);

    HWND list = GetDlgItem(IDC_QOS_LIST);
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    AddListColumn(list, 0, fw::LoadStr(IDS_QOS_COL_MAC), 0.75, LVCFMT_CENTER);
    AddListColumn(list, 1, fw::LoadStr(IDS_QOS_COL_TIMEOUT), 0.25, LVCFMT_CENTER);
    m_nTimer = SetTimer(kRefreshTimer, kRefreshMs);
    return TRUE;
}

BOOL CQoSPAGE::OnSetActive() {
    ReadRegistryFlags();
    EnableControls();
    UpdateData(FALSE);
    return fw::CPropertyPage::OnSetActive();
}

void CQoSPAGE::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Check(dx, IDC_QOS_WMM, m_bWmm);
    fw::DDX_Check(dx, IDC_QOS_DLS, m_bDls);
    fw::DDX_Check(dx, IDC_QOS_APSD, m_bApsd);
    for (size_t i = 0; i < m_strMac.size(); ++i) fw::DDX_Text(dx, kMacEdits[i], m_strMac[i]);
    fw::DDX_Text(dx, IDC_QOS_TIMEOUT, m_strTimeout);
}

void CQoSPAGE::ReadRegistryFlags() {
    m_bWmm = ReadFlag("WMMCapable");
    m_bApsd = ReadFlag("APSDCapable");
    m_bDls = ReadFlag("DLSCapable");
}

void CQoSPAGE::EnableLinkControls(BOOL enable) {
    for (int id : {IDC_QOS_LINK_APPLY, IDC_QOS_TIMEOUT, IDC_QOS_TEAR_DOWN}) ::EnableWindow(GetDlgItem(id), enable);
    for (int id : kMacEdits) ::EnableWindow(GetDlgItem(id), enable);
}

void CQoSPAGE::EnableControls() {
    const BOOL wmm = m_bWmm != 0;
    for (int id : {IDC_QOS_APSD, IDC_QOS_DLS, IDC_QOS_DLS_APPLY}) ::EnableWindow(GetDlgItem(id), wmm);
    ::EnableWindow(GetDlgItem(IDC_QOS_APSD_SETTING), wmm && m_bApsd);
    EnableLinkControls(wmm && m_bDls);
}

void CQoSPAGE::ApplyWmm() {
    UpdateData(TRUE);
    if (m_bWmm) {
        for (int id : {IDC_QOS_APSD, IDC_QOS_DLS, IDC_QOS_DLS_APPLY}) ::EnableWindow(GetDlgItem(id), TRUE);
        ::EnableWindow(GetDlgItem(IDC_QOS_APSD_SETTING), m_bApsd != 0);
    } else {
        for (int id : {IDC_QOS_APSD, IDC_QOS_DLS, IDC_QOS_DLS_APPLY, IDC_QOS_APSD_SETTING})
            ::EnableWindow(GetDlgItem(id), FALSE);
        m_bApsd = 0;
        m_bDls = 0;
        UpdateData(FALSE);
        EnableLinkControls(FALSE);
    }
    DWORD flags = 0;
    const bool flagsRead = QueryApsdFlags(&flags);
    if (m_bWmm) {
        flags &= m_bApsd ? kApsdKeepPowerSave : kApsdClearPowerSave;
        WriteDriverKeyNumber("WMMCapable", 1);
    } else {
        flags &= kApsdClearPowerSave;
        WriteDriverKeyNumber("APSDCapable", 0);
        WriteDriverKeyNumber("DLSCapable", 0);
        WriteDriverKeyNumber("WMMCapable", 0);
    }
    DriverOidOps ops;
    if (flagsRead) ops.SetApsdFlags(flags);
    ops.SetOid0034(static_cast<DWORD>(m_bDls));
    ops.SetOid0033(static_cast<DWORD>(m_bWmm));
    ReconnectAfterChange(m_hWnd, IDS_QOS_WMM_LOST);
    RequestRescan();
}

void CQoSPAGE::ApplyApsd() {
    UpdateData(TRUE);
    DWORD flags = 0;
    const bool flagsRead = QueryApsdFlags(&flags);
    ::EnableWindow(GetDlgItem(IDC_QOS_APSD_SETTING), m_bApsd != 0);
    if (m_bApsd)
        flags |= kApsdPowerSave;
    else
        flags &= kApsdClearPowerSave;
    if (flagsRead) DriverOidOps().SetApsdFlags(flags);
    WriteDriverKeyNumber("APSDCapable", m_bApsd);
}

void CQoSPAGE::OnPowerSaveSetting() {
    CPOWERSAVEDLG dialog(this);
    dialog.DoModal();
}

void CQoSPAGE::ApplyDls() {
    UpdateData(TRUE);
    EnableLinkControls(m_bDls != 0);
    WriteDriverKeyNumber("DLSCapable", m_bDls);
    DriverOidOps().SetOid0034(static_cast<DWORD>(m_bDls));
}

void CQoSPAGE::Message(UINT id) { platform::Boxes().Show(m_hWnd, fw::LoadStr(id).c_str(), "Lumora", MB_OK); }

void CQoSPAGE::SetupDlsLink() {
    UpdateData(TRUE);
    DriverOidOps ops;
    uint8_t own[6] = {};
    ops.QueryOid0702(own);
    uint8_t mac[6] = {};
    switch (CheckDlsPeer(m_strMac, own, mac)) {
        case DlsPeerCheck::kInvalid: Message(IDS_QOS_INVALID_MAC); return;
        case DlsPeerCheck::kGroup: Message(IDS_QOS_GROUP_MAC); return;
        case DlsPeerCheck::kOk: break;
    }
    const int timeout = ParseDlsTimeout(m_strTimeout);
    if (timeout < 0) {
        Message(IDS_QOS_TIMEOUT_RANGE);
        return;
    }
    DlsLinkEntry entry{};
    entry.Timeout = static_cast<uint16_t>(timeout);
    std::memcpy(entry.PeerMac, mac, 6);
    entry.Valid = 1;
    uint8_t record[sizeof(DlsLinkEntry)];
    WriteDlsEntry(entry, record);
    ops.SetOid0031(record);
}

void CQoSPAGE::TearDownDlsLink() {
    if (s_nSelectedRow < 0) {
        Message(IDS_NO_SELECTED_ITEM);
        return;
    }
    for (DlsLinkEntry entry : QueryDlsTable()) {
        if (entry.Valid != 1 || FormatMacText(entry.PeerMac) != s_strSelectedMac) continue;
        entry.Valid = 0;
        uint8_t record[sizeof(DlsLinkEntry)];
        WriteDlsEntry(entry, record);
        DriverOidOps().SetOid0031(record);
        // The row of that link, wherever a refresh has put it since the click.
        HWND list = GetDlgItem(IDC_QOS_LIST);
        for (int row = 0; row < ListRowCount(list); ++row)
            if (ListItemText(list, row, 0) == s_strSelectedMac) {
                ::SendMessageA(list, LVM_DELETEITEM, row, 0);
                break;
            }
        s_nSelectedRow = -1;
        s_strSelectedMac.clear();
        return;
    }
}

void CQoSPAGE::OnListClick(NMHDR*, LRESULT*) {
    HWND list = GetDlgItem(IDC_QOS_LIST);
    s_nSelectedRow = FocusedListRow(list);
    s_strSelectedMac = s_nSelectedRow >= 0 ? ListItemText(list, s_nSelectedRow, 0) : std::string();
}

void CQoSPAGE::OnListDblClk(NMHDR*, LRESULT*) {
    HWND list = GetDlgItem(IDC_QOS_LIST);
    const int row = FocusedListRow(list);
    if (row < 0) return;
    s_nSelectedRow = row;
    m_strTimeout = ListItemText(list, row, 1);
    const std::string mac = ListItemText(list, row, 0);
    for (size_t i = 0; i < m_strMac.size(); ++i) m_strMac[i] = mac.size() >= 3 * i + 2 ? mac.substr(3 * i, 2) : "";
    UpdateData(FALSE);
}

void CQoSPAGE::OnTimer(UINT_PTR id) {
    fw::CPropertySheet* sheet = GetParentSheet();
    if (id == kRefreshTimer && sheet && sheet->GetActivePage() == this) {
        KillTimer(kRefreshTimer);
        Refresh();
        m_nTimer = SetTimer(kRefreshTimer, kRefreshMs);
    }
    Default();
}

void CQoSPAGE::Refresh() {
    HWND list = GetDlgItem(IDC_QOS_LIST);
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (const DlsLinkEntry& e : QueryDlsTable()) {
        if (e.Valid != 1 || e.Status != kDlsLinkUp) continue;
        const std::string mac = FormatMacText(e.PeerMac);
        const int row = AppendListRow(list, {mac, std::to_string(e.Timeout)});
        if (row >= 0 && !s_strSelectedMac.empty() && mac == s_strSelectedMac) SelectListRow(list, row);
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

void CQoSPAGE::OnDestroy() {
    KillTimer(kRefreshTimer);
    m_nTimer = 0;
}

void CQoSPAGE::ReconnectAfterChange(HWND owner, UINT messageId) {
    WlanManager* wlan = g_pHideDlg ? &g_pHideDlg->m_WlanManager : nullptr;
    if (!wlan) return;
    int connected = 0;
    wlan->GetInterfaceState(&connected);
    if (connected != 1) return;
    WLAN_CONNECTION_MODE mode = wlan_connection_mode_invalid;
    wlan->GetConnectionMode(&mode);
    std::vector<wchar_t> profile(kProfileNameChars, L'\0');
    DOT11_BSS_TYPE bssType = dot11_BSS_type_infrastructure;
    if (mode == wlan_connection_mode_profile) {
        wlan->GetProfileName(profile.data(), profile.size());
        wlan->GetCurrentBssType(&bssType);
    }
    wlan->Disconnect();
    if (mode != wlan_connection_mode_profile) {
        platform::Boxes().Show(owner, fw::LoadStr(messageId).c_str(), "Lumora", MB_OK);
    } else if (WlanConnector* connector = wlan->Connector()) {
        WlanConnectParams params;
        params.mode = 0;
        params.profile = profile.data();
        params.bssType = bssType;
        connector->Connect(params);
    }
    // Sent again as stored, as the Advanced page sends it: adjusting it would clear fast
    // roaming and overwrite bits 8-15.
    DWORD ccx = 0;
    ReadCcx2Control(&ccx);
    SetCcx2ControlOid(1, ccx);
}

void CQoSPAGE::RequestRescan() {
    if (!g_pHideDlg || !g_pHideDlg->IsSheetOpen()) return;
    CSiteSurvPage* page = g_pHideDlg->m_pSheet->SiteSurveyPage();
    if (page && page->IsWindow()) page->PostMessage(WM_COMMAND, IDC_SITE_RESCAN, 0);
}
