#include "station/pages/wps/wsc_page.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/controls/list_view_rows.h"
#include "shared/driver/oid_access.h"
#include "station/core/action_data.h"
#include "station/core/wlan/ansi_text.h"
#include "station/core/scan/bss_ie_decoder.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/radio/channel_frequency.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/settings/settings_file.h"
#include "station/core/station_globals.h"
#include "station/core/wlan/wlan_messages.h"
#include "station/core/wps/wps_config_record.h"
#include "station/core/wps/wps_pin.h"
#include "station/core/wps/wps_poll.h"
#include "station/core/wps/wps_random.h"
#include "station/core/wps/wps_status.h"
#include "station/pages/profile_page.h"
#include "station/pages/wps/imported_profile.h"
#include "station/pages/wps/wps_texts.h"
#include "station/pages/wps/wsc_credential_text.h"
#include "station/pages/wps/wsc_detail_dlg.h"
#include "station/pages/wps/wsc_info.h"
#include "station/pages/wps/wsc_info_dlg.h"
#include "station/pages/wps/wsc_unsecure_warning.h"
#include "station/profiles/profile_apply_record.h"

namespace {

constexpr UINT kStatusMs = 1000;
constexpr UINT kLinkMs = 2000;
constexpr UINT kButtonMs = 1000;

enum ApColumn { kApSsid, kApBssid, kApChannel, kApId, kApAuthentication, kApEncryption, kApColumns };

WlanManager* Wlan() { return g_pHideDlg ? &g_pHideDlg->m_WlanManager : nullptr; }

DriverOidOps* Oids() { return Wlan() ? Wlan()->DriverOps() : nullptr; }

void DeleteAllWlanProfiles() {
    if (Wlan() && Wlan()->ProfileStore()) Wlan()->ProfileStore()->DeleteAllProfiles();
}

// The service profile was named from the SSID through the system code page: the same
// conversion finds it again (a byte above 0x7F is not a character of its own value).
void DeleteWlanProfile(const std::string& ssid) {
    if (!Wlan() || !Wlan()->ProfileStore() || ssid.empty()) return;
    Wlan()->ProfileStore()->DeleteProfile(WidenAnsi(ssid).c_str());
}

std::string AuthenticationText(const BssIeFlags& f) {
    if (!f.AnyKeyManagement()) return fw::LoadStr(IDS_UNKNOWN);
    std::string text;
    if (f.wpa8021x) text += "WPA;";
    if (f.wpaPsk) text += "WPA-PSK;";
    if (f.wpaNone) text += "WPA-NONE;";
    if (f.wpa2_8021x) text += "WPA2;";
    if (f.wpa2Psk) text += "WPA2-PSK;";
    if (f.wpa2None) text += "WPA2-NONE;";
    text.pop_back();
    return text;
}

std::string EncryptionText(const BssIeFlags& f, uint32_t privacy) {
    const bool aes = f.ccmp || f.wrap;
    if (!f.tkip && !aes) return fw::LoadStr(privacy != 0 ? IDS_ENC_WEP : IDS_ENC_NONE);
    std::string text = std::string(f.tkip ? "TKIP;" : "") + (aes ? "AES;" : "");
    text.pop_back();
    return text;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CWscPage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_WSC_PBC, OnPbc)
    FW_ON_BN_CLICKED(IDC_WSC_PIN, OnPin)
    FW_ON_BN_CLICKED(IDC_WSC_RESCAN, OnRescan)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_BN_CLICKED(IDC_WSC_INFORMATION, OnInformation)
    FW_ON_NOTIFY(LVN_ITEMCHANGED, IDC_WSC_AP_LIST, OnListChanged)
    FW_ON_NOTIFY(LVN_ITEMCHANGED, IDC_WSC_CREDENTIALS, OnListChanged)
    FW_ON_BN_CLICKED(IDC_WSC_CONNECT, OnConnect)
    FW_ON_BN_CLICKED(IDC_WSC_DETAIL, OnProfileDetail)
    FW_ON_BN_CLICKED(IDC_WSC_ROTATE, OnRotate)
    FW_ON_BN_CLICKED(IDC_WSC_DISCONNECT, OnDisconnect)
    FW_ON_BN_CLICKED(IDC_WSC_DELETE, OnDelete)
    FW_ON_CBN_SELCHANGE(IDC_WSC_CONFIG_MODE, OnConfigModeChange)
    FW_ON_MESSAGE(kMsgWlanScanComplete, OnScanComplete)
    FW_ON_MESSAGE(kMsgWlanScanFail, OnScanFailed)
    FW_ON_BN_CLICKED(IDC_WSC_IMPORT, OnImportProfile)
    FW_ON_BN_CLICKED(IDC_WSC_RENEW, OnRenew)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CWscPage::CWscPage() : fw::CPropertyPage(IDD_WSC_PAGE, IDS_WSC_PAGE) {}

CWscPage::~CWscPage() {
    if (m_hBssList) {
        GlobalUnlock(m_hBssList);
        GlobalFree(m_hBssList);
    }
    if (m_hImages) ImageList_Destroy(m_hImages);
}

void CWscPage::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Check(dx, IDC_WSC_PROBE_IE, m_bProbeIe);
    fw::DDX_Check(dx, IDC_WSC_ASSOCIATE_IE, m_bAssociateIe);
}

BOOL CWscPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    HWND mode = Item(IDC_WSC_CONFIG_MODE);
    for (const char* item : {"Enrollee", "Registrar"}) ::SendMessageA(mode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    ::SendMessageA(mode, CB_SETCURSEL, g_WpsRegistrarMode ? 1 : 0, 0);

    static const struct {
        int id;
        UINT text;
    } kTexts[] = {
        {IDC_WSC_RESCAN, IDS_RESCAN},          {IDC_WSC_INFORMATION, IDS_WSC_INFORMATION},
        {IDC_WSC_PIN_GROUP, IDS_WSC_PIN_CODE}, {IDC_WSC_DETAIL, IDS_WSC_DETAIL},
        {IDC_WSC_CONNECT, IDS_CONNECT},        {IDC_WSC_ROTATE, IDS_WSC_ROTATE},
        {IDC_WSC_DISCONNECT, IDS_WSC_DISCONNECT}, {IDC_WSC_DELETE, IDS_PROFILE_DELETE},
        {IDC_WSC_IMPORT, IDS_WSC_IMPORT},      {IDC_WSC_ASSOCIATE_IE, IDS_WSC_ASSOCIATE_IE},
        {IDC_WSC_PROBE_IE, IDS_WSC_PROBE_IE},
    };
    for (const auto& t : kTexts) SetDlgItemText(t.id, fw::LoadStr(t.text));

    // Only one side polls the driver: the main window's WPS timers stop while the page exists,
    // and a run the main window was following goes on here.
    const int adoptRun = g_pHideDlg ? g_pHideDlg->SuspendWpsTimers() : 0;

    // The list borrows the images (its template shares them): a page made again reuses them.
    if (!m_hImages) {
        m_hImages = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
        for (UINT icon : {IDI_PROFILE_LINKED, IDI_PROFILE_ACTIVE})
            if (HICON image = fw::LoadIconRes(icon, 16)) ImageList_AddIcon(m_hImages, image);
    }
    HWND aps = Item(IDC_WSC_AP_LIST);
    HWND credentials = Item(IDC_WSC_CREDENTIALS);
    const DWORD ex = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
    ::SendMessageA(aps, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
    ::SendMessageA(credentials, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
    ::SendMessageA(credentials, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_hImages));
    static const struct {
        UINT text;
        double factor;
    } kApColumnSpec[kApColumns] = {{IDS_COL_SSID, 2.2}, {IDS_COL_BSSID, 2.6},          {IDS_COL_CHANNEL, 1.2},
                                   {IDS_WSC_COL_ID, 1.3}, {IDS_COL_AUTHENTICATION, 1.5}, {IDS_COL_ENCRYPTION, 1.5}};
    for (int i = 0; i < kApColumns; ++i)
        AddTenthsColumn(aps, i, fw::LoadStr(kApColumnSpec[i].text), kApColumnSpec[i].factor);
    const UINT kCredentialColumns[3] = {IDS_COL_SSID, IDS_COL_AUTHENTICATION, IDS_COL_ENCRYPTION};
    const double kCredentialFactors[3] = {4.3, 3.0, 3.0};
    for (int i = 0; i < 3; ++i)
        AddTenthsColumn(credentials, i, fw::LoadStr(kCredentialColumns[i]), kCredentialFactors[i]);
    ::SendMessageA(Item(IDC_WSC_PROGRESS), PBM_SETRANGE, 0, MAKELPARAM(0, 100));

    if (!m_hBssList) {
        m_hBssList = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kBssidListSize);
        m_pBssList = m_hBssList ? static_cast<uint8_t*>(GlobalLock(m_hBssList)) : nullptr;
    }
    UpdateButtons();
    uint32_t pin = 0;
    if (GenerateRandomPin(&pin)) m_nGeneratedPin = pin;
    if (!g_WpsRegistrarMode) g_WpsPinCode = m_nGeneratedPin;
    ShowModeControls();
    m_PinEdit.SubclassEdit(IDC_WSC_PIN_EDIT, this, CSmartEdit::kParseUnsigned);
    ::SendMessageA(m_PinEdit.m_hWnd, EM_LIMITTEXT, 8, 0);
    ShowPin(g_WpsPinCode);
    RefreshCredentialList();
    if (g_WpsSessionActive && g_WpsCredentialTable.Count != 0) SetTimer(kLinkTimer, kLinkMs);
    SetTimer(kButtonTimer, kButtonMs);
    UpdateData(FALSE);
    // The adapter's button pressed (or a run of the page handed over) before the page was
    // made: its status timer follows it to "Configured" and the connect, as for a run
    // started here.
    if (adoptRun) {
        KillTimer(kLinkTimer);
        StartStatusPolling();
    }
    return TRUE;
}

BOOL CWscPage::OnSetActive() {
    RefreshApList();
    UpdateButtons();
    if (!g_WpsSessionActive) {
        MarkCredential(-1, -1);
        StopStatusPolling(1);
        SetStatus("WPS status is not used");
    }
    return fw::CPropertyPage::OnSetActive();
}

void CWscPage::OnDestroy() {
    KillRunTimers();
    KillTimer(kButtonTimer);
    // The main window takes the polling back: the button, the reconnects of a rotating
    // session, and the status of a run still going on, which it then carries to its end.
    if (g_pHideDlg) g_pHideDlg->ResumeWpsTimers(m_bRunning);
    m_bRunning = 0;
}

void CWscPage::ShowModeControls() {
    const bool registrar = g_WpsRegistrarMode != 0;
    ::SendMessageA(Item(IDC_WSC_PIN_EDIT), EM_SETREADONLY, registrar ? FALSE : TRUE, 0);
    ::ShowWindow(Item(IDC_WSC_RENEW), registrar ? SW_HIDE : SW_SHOW);
    ::ShowWindow(Item(IDC_WSC_DELETE), registrar ? SW_HIDE : SW_SHOW);
}

void CWscPage::ShowPin(uint32_t pin) { SetDlgItemText(IDC_WSC_PIN_EDIT, fw::FormatStr("%08u", pin)); }

void CWscPage::SetStatus(const std::string& text) { SetDlgItemText(IDC_WSC_STATUS, text); }

void CWscPage::SetProgress(int value) { ::SendMessageA(Item(IDC_WSC_PROGRESS), PBM_SETPOS, value, 0); }

void CWscPage::KillRunTimers() {
    for (UINT_PTR id = 1; id <= 4; ++id) KillTimer(id);
}

void CWscPage::StartStatusPolling() {
    g_WpsCycleCredentials = 1;
    m_nTicks = 1;
    m_bRunning = 1;
    ::EnableWindow(Item(IDC_WSC_RESCAN), FALSE);
    SetProgress(5);
    SetTimer(kStatusTimer, kStatusMs);
}

void CWscPage::StopStatusPolling(int resetProgress) {
    m_bRunning = 0;
    ::EnableWindow(Item(IDC_WSC_RESCAN), TRUE);
    if (resetProgress == 1) SetProgress(0);
    KillRunTimers();
}

void CWscPage::MarkCredential(int index, int image) {
    HWND list = Item(IDC_WSC_CREDENTIALS);
    const int rows = ListRowCount(list);
    for (int i = 0; i < rows; ++i) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iImage = i == index && (image == 0 || image == 1) ? image : I_IMAGENONE;
        ::SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageA(list, LVM_REDRAWITEMS, 0, rows > 0 ? rows - 1 : 0);
}

int CWscPage::CredentialImage(int row) const {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    if (!::SendMessageA(Item(IDC_WSC_CREDENTIALS), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.iImage == 0 || item.iImage == 1 ? item.iImage : -1;
}

void CWscPage::RefreshApList() {
    HWND list = Item(IDC_WSC_AP_LIST);
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    if (!m_pBssList) return;
    const BssidLists* lists = g_pHideDlg && g_pHideDlg->m_BssLists.Attached() ? &g_pHideDlg->m_BssLists : nullptr;
    if (!lists || !lists->DisplayList()) {
        std::memset(m_pBssList, 0, kBssidListSize);
        return;
    }
    // A copy: the main window may merge a new scan into its list while the page shows this one.
    std::vector<uint8_t> copy(lists->DisplayList(), lists->DisplayList() + kBssidListSize);
    std::memset(m_pBssList, 0, kBssidListSize);
    BssidListWriter writer(m_pBssList);
    for (const BssidEntryView& entry : ReadBssidList(copy.data(), copy.size())) {
        if (entry.Size() < bssid_entry::kFixedSize + entry.IeLength()) continue;
        const BssIeFlags flags = DecodeBssInformationElements(entry);
        if (!flags.wps) continue;
        if (!writer.AppendRaw(entry)) break;
        const MacAddress mac = entry.Mac();
        int channel = 0;
        const bool known = FrequencyToChannel(entry.DsConfig(), &channel) != 0;
        AppendListRow(list, {entry.Ssid(),
                             fw::FormatStr("%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]),
                             known ? fw::FormatStr("%u", static_cast<unsigned>(channel)) : std::string(),
                             flags.wpsDevicePasswordId, AuthenticationText(flags),
                             EncryptionText(flags, entry.Privacy())});
    }
    if (ListRowCount(list) > 0) SelectListRow(list, 0);
}

void CWscPage::RefreshCredentialList() {
    g_WpsCurrentIndex = 0;
    g_WpsNextIndex = 0;
    HWND list = Item(IDC_WSC_CREDENTIALS);
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SanitizeWpsCredentialTable(g_WpsCredentialTable);
    for (uint32_t i = 0; i < g_WpsCredentialTable.Count; ++i) {
        const WpsCredential& c = g_WpsCredentialTable.Entries[i];
        AppendListRow(list, {WpsCredentialSsid(c), WpsAuthTypeText(c.AuthType), WpsEncryTypeText(c.EncryType)});
    }
    if (g_WpsCredentialTable.Count != 0) SelectListRow(list, 0);
    MarkCredential(-1, -1);
}

void CWscPage::UpdateButtons() {
    const bool ap = FocusedListRow(Item(IDC_WSC_AP_LIST)) >= 0;
    const bool credential = FocusedListRow(Item(IDC_WSC_CREDENTIALS)) >= 0;
    ::EnableWindow(Item(IDC_WSC_RESCAN), g_RadioOn != 0);
    ::EnableWindow(Item(IDC_WSC_INFORMATION), ap);
    ::EnableWindow(Item(IDC_WSC_PIN), ap);
    for (int id : {IDC_WSC_DETAIL, IDC_WSC_CONNECT, IDC_WSC_DELETE, IDC_WSC_IMPORT})
        ::EnableWindow(Item(id), credential);
    ::EnableWindow(Item(IDC_WSC_ROTATE), g_WpsCredentialTable.Count != 0);
}

void CWscPage::OnListChanged(NMHDR*, LRESULT* result) {
    UpdateButtons();
    *result = 0;
}

LRESULT CWscPage::OnScanComplete(WPARAM, LPARAM) {
    if (!m_bRunning) ::EnableWindow(Item(IDC_WSC_RESCAN), TRUE);
    ::EnableWindow(Item(IDC_WSC_PBC), TRUE);
    RefreshApList();
    UpdateButtons();
    return 0;
}

LRESULT CWscPage::OnScanFailed(WPARAM, LPARAM) {
    if (!m_bRunning) ::EnableWindow(Item(IDC_WSC_RESCAN), TRUE);
    ::EnableWindow(Item(IDC_WSC_PBC), TRUE);
    UpdateButtons();
    return 0;
}

void CWscPage::OnRescan() {
    ::EnableWindow(Item(IDC_WSC_RESCAN), FALSE);
    ::EnableWindow(Item(IDC_WSC_PBC), FALSE);
    if (g_pHideDlg) g_pHideDlg->ExecuteAction();
}

bool CWscPage::ConfirmUnsecured() {
    if (!g_WpsRegistrarMode) return true;
    const WpsCredential& entry = g_WpsCredentialTable.Entries[0];
    if (entry.AuthType != 1 || entry.EncryType != 1) return true;
    CWscUnsecureWarning warning(this);
    return warning.DoModal() == IDOK;
}

bool CWscPage::CheckPinCodeText() {
    const std::string text = GetDlgItemText(IDC_WSC_PIN_EDIT);
    uint32_t pin = 0;
    if (CheckPinCode(text.c_str(), &pin)) {
        g_WpsPinCode = pin;
        WriteWpsProfiles(0);
        return true;
    }
    platform::Boxes().Show(m_hWnd, "Pin Code error", "Lumora", MB_OK);
    ::SetFocus(Item(IDC_WSC_PIN_EDIT));
    return false;
}

void CWscPage::DropConnection() {
    g_WpsSessionActive = 1;
    KillRunTimers();
    if (Wlan()) Wlan()->Disconnect();
    DeleteAllWlanProfiles();
    MarkCredential(-1, -1);
}

void CWscPage::ClearCredentials() {
    ::SendMessageA(Item(IDC_WSC_CREDENTIALS), LVM_DELETEALLITEMS, 0, 0);
    std::memset(&g_WpsCredentialTable, 0, sizeof g_WpsCredentialTable);
    WriteWpsProfiles(1);
    RefreshCredentialList();
}

void CWscPage::SendStart(const void* record) {
    if (DriverOidOps* oids = Oids()) {
        oids->SetOid002A(record);
        oids->SetOid0049(&g_WpsCredentialTable);
        oids->SetOid002B(static_cast<DWORD>(m_bAssociateIe));
        oids->SetOid002C(static_cast<DWORD>(m_bProbeIe));
    }
    StartStatusPolling();
}

void CWscPage::OnPbc() {
    UpdateData(TRUE);
    if (!ConfirmUnsecured()) return;
    DropConnection();
    if (!g_WpsRegistrarMode) ClearCredentials();
    SetStatus("Start PBC connection");
    UpdateButtons();
    ::EnableWindow(Item(IDC_WSC_PBC), TRUE);
    const WpsConfigRecord record = MakePbcStartRecord(g_WpsRegistrarMode ? kWpsRoleRegistrar : kWpsRoleEnrollee);
    SendStart(&record);
}

void CWscPage::OnPin() {
    UpdateData(TRUE);
    if (!CheckPinCodeText()) return;
    if (!ConfirmUnsecured()) return;
    const int row = FocusedListRow(Item(IDC_WSC_AP_LIST));
    // Nothing is dropped for a start that cannot go on.
    if (row < 0 || !m_pBssList) return;
    const std::vector<BssidEntryView> entries = ReadBssidList(m_pBssList, kBssidListSize);
    if (static_cast<size_t>(row) >= entries.size()) return;
    const BssidEntryView& entry = entries[static_cast<size_t>(row)];
    DropConnection();
    if (!g_WpsRegistrarMode) ClearCredentials();
    SetStatus("Start PIN connection - " + entry.Ssid());
    int channel = 0;
    if (!FrequencyToChannel(entry.DsConfig(), &channel)) channel = 0;
    const MacAddress mac = entry.Mac();
    const WpsConfigRecord record =
        MakePinStartRecord(g_WpsPinCode, entry.Data() + bssid_entry::kSsid, entry.SsidLength(), mac.data(),
                           static_cast<uint8_t>(channel), g_WpsRegistrarMode ? kWpsRoleRegistrar : kWpsRoleEnrollee);
    UpdateButtons();
    SendStart(&record);
}

void CWscPage::OnHardwareButton() {
    UpdateData(TRUE);
    DropConnection();
    ClearCredentials();
    SetStatus("Start PBC connection");
    UpdateButtons();
    ::EnableWindow(Item(IDC_WSC_PBC), TRUE);
    StartStatusPolling();
}

void CWscPage::OnTimer(UINT_PTR id) {
    if (id == kStatusTimer) PollStatus();
    else if (id == kLinkTimer) CheckLink();
    else if (id == kButtonTimer) {
        DWORD pressed = 0, returned = 0;
        if (QueryOid(kOidWpsButton, &pressed, sizeof pressed, &returned) && pressed != 0) OnHardwareButton();
    }
}

void CWscPage::PollStatus() {
    DWORD word = 0, returned = 0;
    if (!QueryOid(kOidWpsStatus, &word, sizeof word, &returned)) return;
    SetStatus(WpsStatusLine(word));
    const WpsStateInfo info = WpsStateInfoOf(WpsStateOf(word));
    if (!info.known) return;
    if (info.progress >= 0) SetProgress(info.progress);
    switch (info.action) {
        case WpsStateAction::StopPollingAndIdle:
            KillTimer(kStatusTimer);
            StopStatusPolling(1);
            break;
        case WpsStateAction::StopPolling: StopStatusPolling(1); break;
        case WpsStateAction::Configured: OnConfigured(); break;
        case WpsStateAction::Failed: {
            StopStatusPolling(1);
            const std::string line = WpsStatusLine(word);
            WpsDisconnect();
            SetStatus(line);
            break;
        }
        case WpsStateAction::None: break;
    }
}

void CWscPage::OnConfigured() {
    // Without the driver's answer the table, "_wsc" and the service profiles stay as they
    // are; the run keeps polling and the next tick, still "Configured", asks again.
    if (!QueryWpsCredentials()) return;
    RefreshApList();
    UpdateButtons();
    StopStatusPolling(0);
    SetProgress(95);
    WriteWpsProfiles(1);
    RefreshCredentialList();
    MarkCredential(g_WpsCurrentIndex, 1);
    WriteWpsConfigCommon();
    if (g_WpsCredentialTable.Count > 0) {
        m_nTicks = 1;
        QueueWpsConnect();
        SetTimer(kLinkTimer, kLinkMs);
    }
}

void CWscPage::CheckLink() {
    if (g_WpsCredentialTable.Count == 0) {
        m_nTicks = 1;
        KillTimer(kLinkTimer);
        return;
    }
    g_WpsCurrentIndex = ClampWpsIndex(g_WpsCurrentIndex, g_WpsCredentialTable.Count);
    if (IsWpsProfileConnected()) {
        MarkCredential(g_WpsCurrentIndex, 0);
        SetStatus("WPS status is connected successfully - " +
                  WpsCredentialSsid(g_WpsCredentialTable.Entries[g_WpsCurrentIndex]));
        if (m_bRunning == 1) ::EnableWindow(Item(IDC_WSC_RESCAN), TRUE);
        SetProgress(100);
        g_WpsCycleCredentials = 0;
    } else {
        MarkCredential(g_WpsCurrentIndex, 1);
        SetStatus("WPS status is disconnected");
        SetProgress(0);
        if (g_WpsCycleCredentials == 1 && m_nTicks % 5 == 0) QueueWpsConnect();
    }
    ++m_nTicks;
}

void CWscPage::OnConnect() {
    g_WpsCycleCredentials = 0;
    m_nTicks = 1;
    KillRunTimers();
    const int row = FocusedListRow(Item(IDC_WSC_CREDENTIALS));
    if (row < 0) return;
    g_WpsCurrentIndex = row;
    g_WpsSessionActive = 1;
    MarkCredential(row, 1);
    WriteWpsConfigCommon();
    if (g_WpsCredentialTable.Count != 0) {
        QueueWpsConnect();
        SetTimer(kLinkTimer, kLinkMs);
    }
}

void CWscPage::OnRotate() {
    g_WpsCycleCredentials = 1;
    m_nTicks = 1;
    g_WpsSessionActive = 1;
    MarkCredential(g_WpsCurrentIndex, 1);
    WriteWpsConfigCommon();
    if (g_WpsCredentialTable.Count != 0) {
        QueueWpsConnect();
        SetTimer(kLinkTimer, kLinkMs);
    }
}

void CWscPage::WpsDisconnect() {
    StopStatusPolling(1);
    g_WpsCycleCredentials = 0;
    g_WpsSessionActive = 0;
    WriteWpsConfigCommon();
    if (Wlan()) Wlan()->Disconnect();
    SetStatus("WPS status is disconnected");
    MarkCredential(-1, -1);
}

void CWscPage::OnDisconnect() {
    WpsDisconnect();
    DeleteAllWlanProfiles();
}

void CWscPage::OnDelete() {
    const int index = FocusedListRow(Item(IDC_WSC_CREDENTIALS));
    WpsCredentialTable& t = g_WpsCredentialTable;
    if (index < 0 || static_cast<uint32_t>(index) >= t.Count) return;
    if (g_WpsCycleCredentials == 0 && g_WpsSessionActive == 1 && g_WpsCurrentIndex == index) {
        WpsDisconnect();
        DeleteWlanProfile(WpsCredentialSsid(t.Entries[index]));
    }
    for (uint32_t i = static_cast<uint32_t>(index); i + 1 < t.Count; ++i) t.Entries[i] = t.Entries[i + 1];
    --t.Count;
    std::memset(&t.Entries[t.Count], 0, sizeof t.Entries[t.Count]);
    WriteWpsProfiles(0);
    RefreshCredentialList();
    UpdateButtons();
}

void CWscPage::MakeRegistrarCredential() {
    WpsCredentialTable& t = g_WpsCredentialTable;
    t.Count = 1;
    WpsCredential& e = t.Entries[0];
    const std::string ssid = fw::FormatStr("ExRegNW%02X%02X%02X", m_RegistrarNameBytes[3], m_RegistrarNameBytes[4],
                                           m_RegistrarNameBytes[5]);
    std::memcpy(e.Ssid, ssid.data(), ssid.size());
    e.SsidLength = static_cast<uint32_t>(ssid.size());
    e.AuthType = 0x20;
    e.EncryType = 0x08;
    e.KeyIndex = 1;
    uint8_t random[32] = {};
    // Without the random source no key is made up: a predictable key is worse than none.
    if (!RandomBytes(random, sizeof random)) return;
    e.KeyLength = 64;
    for (size_t i = 0; i < sizeof random; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", random[i]);
        std::memcpy(e.Key + 2 * i, pair, 2);
    }
}

void CWscPage::OnConfigModeChange() {
    const int selection = static_cast<int>(::SendMessageA(Item(IDC_WSC_CONFIG_MODE), CB_GETCURSEL, 0, 0));
    if (selection < 0 || selection == g_WpsRegistrarMode) return;
    OnDisconnect();
    g_WpsCurrentIndex = g_WpsNextIndex = 0;
    g_WpsRegistrarMode = selection;
    ::SendMessageA(Item(IDC_WSC_CREDENTIALS), LVM_DELETEALLITEMS, 0, 0);
    std::memset(&g_WpsCredentialTable, 0, sizeof g_WpsCredentialTable);
    if (g_WpsRegistrarMode) {
        MakeRegistrarCredential();
    } else {
        g_WpsPinCode = m_nGeneratedPin;
        ShowPin(g_WpsPinCode);
    }
    WriteWpsProfiles(0);
    RefreshCredentialList();
    ShowModeControls();
    UpdateButtons();
}

void CWscPage::OnRenew() {
    uint32_t pin = 0;
    if (!GenerateRandomPin(&pin)) return;
    m_nGeneratedPin = pin;
    g_WpsPinCode = pin;
    ShowPin(pin);
}

void CWscPage::OnInformation() {
    const int row = FocusedListRow(Item(IDC_WSC_AP_LIST));
    if (row < 0 || !m_pBssList) return;
    CWscInfoDlg dialog(this);
    HWND list = Item(IDC_WSC_AP_LIST);
    dialog.m_strAuthentication = ListItemText(list, row, kApAuthentication);
    dialog.m_strEncryption = ListItemText(list, row, kApEncryption);
    const std::vector<BssidEntryView> entries = ReadBssidList(m_pBssList, kBssidListSize);
    if (static_cast<size_t>(row) < entries.size()) {
        const BssidEntryView& entry = entries[static_cast<size_t>(row)];
        if (entry.Size() > 104 && entry.IeLength() > 3) DecodeWscInfo(entry.Ies(), entry.IeSize(), dialog.m_Info);
    }
    dialog.DoModal();
}

void CWscPage::OnProfileDetail() {
    int row = FocusedListRow(Item(IDC_WSC_CREDENTIALS));
    if (row < 0) return;
    if (g_WpsRegistrarMode) row = 0;
    if (static_cast<uint32_t>(row) >= g_WpsCredentialTable.Count) return;
    CWscDetailDlg dialog(g_WpsRegistrarMode, &g_WpsCredentialTable, this);
    dialog.FillFrom(g_WpsCredentialTable.Entries[row]);
    if (dialog.DoModal() == IDOK && g_WpsRegistrarMode) {
        g_WpsCurrentIndex = g_WpsNextIndex = 0;
        ::SendMessageA(Item(IDC_WSC_CREDENTIALS), LVM_DELETEALLITEMS, 0, 0);
        WriteWpsProfiles(0);
        RefreshCredentialList();
    }
}

void CWscPage::OnImportProfile() {
    auto* sheet = dynamic_cast<CQelPropSheet*>(GetParentSheet());
    CProfilePage* profiles = sheet ? sheet->ProfilePage() : nullptr;
    if (!profiles || !profiles->IsWindow()) return;
    for (uint32_t i = 0; i < g_WpsCredentialTable.Count && i < kWpsMaxCredentials; ++i) {
        std::string name;
        profiles->GenerateProfileName(name);
        ClearIniSection(g_NetCfgInstanceId, name.c_str());
        ProfileApplyRecord* record = AllocApplyRecord();
        BuildProfileFromWpsCredential(static_cast<int>(i), record);
        for (const auto& [key, value] : ImportedProfileValues(*record, g_WpsCredentialTable.Entries[i]))
            WriteIniValue(g_NetCfgInstanceId, kSettingsProfiles, name.c_str(), key, value.c_str());
        ProfileRowRecord row;
        row.name = name;
        row.ssidLength = record->SsidLength < 32 ? record->SsidLength : 32;
        std::memcpy(row.ssid, record->Ssid, row.ssidLength);
        row.authentication = record->AuthMode;
        row.encryption = static_cast<int>(record->CipherMode);
        row.networkType = static_cast<int>(record->NetworkType);
        profiles->AddProfileRow(row);
        FreeApplyRecord(record);
    }
}
