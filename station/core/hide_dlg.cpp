#include "station/core/hide_dlg.h"

#include <cstdio>
#include <cstring>

#include "framework/resources.h"
#include "platform/driver_events.h"
#include "platform/platform.h"
#include "platform/programs.h"
#include "platform/tray_icon.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/system/admin.h"
#include "shared/driver/driver_version.h"
#include "shared/driver/oid_access.h"
#include "shared/system/os_version.h"
#include "shared/system/wow64.h"
#include "station/core/action_data.h"
#include "station/core/driver/adapter_discovery.h"
#include "station/core/scan/bssid_list_buffers.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/qel_config_app.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/scan/scan_results.h"
#include "station/core/radio/signal_quality.h"
#include "station/core/station_globals.h"
#include "station/core/wlan/wlan_messages.h"
#include "station/core/wps/wps_poll.h"
#include "station/pages/wps/wsc_detail_dlg.h"
#include "station/pages/wps/wsc_info_dlg.h"
#include "station/pages/wps/wsc_unsecure_warning.h"
#include "station/pages/hidden_ssid_dlg.h"
#include "station/profiles/editor/profile_sheet.h"
#include "station/profiles/editor/sys_config_page.h"
#include "station/profiles/apply_profile.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT_PTR kRescanTimer = 3;
constexpr UINT kPollMs = 2000;
constexpr UINT kRescanMs = 4000;
constexpr DWORD kOidSignal1 = 0xFF0C000F;
constexpr DWORD kOidSignal2 = 0xFF0C0010;
constexpr DWORD kOidEepromWord = 0xFF0C0008;
constexpr WPARAM kRescanCommand = 1003;

bool AllZero(const uint8_t* p, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (p[i]) return false;
    return true;
}

// The adapter's EEPROM configuration word: {3, 54, value} in, the word back in the third field.
bool ReadEepromConfigWord(uint32_t* word) {
    uint32_t request[3] = {3, 54, 0};
    DWORD returned = 0;
    if (!QueryOid(kOidEepromWord, request, sizeof(request), &returned)) return false;
    *word = request[2];
    return true;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CHideDlg, fw::CDialog)
    FW_ON_WM_PAINT(OnPaint)
    FW_ON_COMMAND(IDM_TRAY_LAUNCH, OnTrayLaunch)
    FW_ON_COMMAND(IDM_TRAY_EXIT, OnTrayExit)
    FW_ON_WM_CLOSE(OnClose)
    FW_ON_MESSAGE(WM_ENDSESSION, OnEndSession)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
    FW_ON_COMMAND(IDM_TRAY_ZERO_CONFIG, OnUseZeroConfig)
    FW_ON_COMMAND(IDM_TRAY_OWN_CONFIG, OnUseOwnConfig)
    FW_ON_COMMAND(IDM_TRAY_AP_MODE, OnSwitchToApMode)
    FW_ON_MESSAGE(platform::kDriverEventMessage, OnDriverEvent)
    FW_ON_MESSAGE(kMsgWlanConnectionComplete, OnNothing)
    FW_ON_MESSAGE(kMsgWlanRoamingEnd, OnNothing)
    FW_ON_MESSAGE(kMsgWlanInterfaceArrival, OnNothing)
    FW_ON_MESSAGE(kMsgWlanScanComplete, OnScanComplete)
    FW_ON_MESSAGE(kMsgWlanDisconnected, OnNothing)
    FW_ON_MESSAGE(kMsgWlanScanFail, OnScanFailed)
    FW_ON_MESSAGE(kMsgProfileEditor, OnProfileEditor)
    FW_ON_MESSAGE(kMsgWlanRadioOn, OnRadioOn)
    FW_ON_MESSAGE(kMsgWlanRadioOff, OnRadioOff)
FW_END_MESSAGE_MAP()

CHideDlg::CHideDlg() : fw::CDialog(IDD_HIDE_DLG), m_PeapSettingDlg(this) {}

CHideDlg::~CHideDlg() {
    m_WmiListener.Disconnect();
    if (m_pSheet) fw::DeleteLater(m_pSheet);
    m_pSheet = nullptr;
    if (g_pHideDlg == this) g_pHideDlg = nullptr;
}

int CHideDlg::Discover() {
    DiscoveryContext context;
    context.wlan = &m_WlanManager;
    context.mainWindow = m_hWnd;
    context.allUsers = CQelConfigApp::IsCustomDataDirectory();
    context.busy = &m_bBusy;
    context.adapterChanged = &m_bAdapterChanged;
    context.declined = &m_DeclinedAdapters;
    return DiscoverAdapter(context);
}

BOOL CHideDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    g_pHideDlg = this;
    AllocateBssidLists();
    m_BssLists.Attach(g_pBssidListScan, g_pBssidListMerged);
    // Each by its own size: the two lie side by side, but a single 44-byte clear would run
    // two bytes past the BSSID.
    std::memset(g_CurrentSsid, 0, sizeof(g_CurrentSsid));
    std::memset(g_CurrentBssid, 0, sizeof(g_CurrentBssid));

    DetectOsVersion();
    g_IsWow64 = IsWow64();
    IsAdministrator();

    m_bDeviceExist = Discover();
    if (m_bDeviceExist) InitDevice(m_bOpenSheetAtStart);

    SetTimer(kPollTimer, kPollMs);
    AddTrayIcon();

    m_WmiListener.SetNotifyWindow(m_hWnd);
    m_WmiListener.Connect();
    return TRUE;
}

void CHideDlg::InitDevice(int openSheet) {
    int ofdm = 0;
    g_Supports5GHz = 0;
    m_WlanManager.SupportsOfdm(&ofdm);
    g_Supports5GHz = ofdm;

    RunOnceInitConfigTxBurst();
    std::memset(&g_WpsCredentialTable, 0, sizeof(g_WpsCredentialTable));

    uint32_t eeprom = 0;
    if (ReadEepromConfigWord(&eeprom) && eeprom != 0xFFFF) {
        g_EepromBit8Clear = (eeprom & 0x100) == 0;
        g_EepromBit9Clear = (eeprom & 0x200) == 0;
    }

    // An adapter left in access-point mode goes back to station mode, its bridge removed.
    DriverOidOps oids;
    DWORD opMode = 0;
    if (oids.QueryOpMode(&opMode) && opMode != 0) {
        oids.SetOpMode(0);
        platform::Outside().WinExec("\"Vantrel.exe\" remove", SW_MINIMIZE);
    }

    WriteDaduVeDefaults();

    m_bBusy = 1;
    VerifyCountryRegion();
    QueryDriverVersion();
    m_bBusy = 0;

    int radioOn = 0, switchOn = 0;
    if (m_WlanManager.GetRadioState(&radioOn, &switchOn) == ERROR_SUCCESS) g_RadioOn = radioOn;
    g_ConfigToolMode = 2;
    g_WpaSupported = 1;
    g_EncryptionLevel = 6;
    SeedBssList(m_WlanManager, m_BssLists);

    m_nTimer3 = SetTimer(kRescanTimer, kRescanMs);
    ApplyProfile(1, "", 0);
    if (openSheet) ShowConfigSheet();
    SetTimer(kWpsButtonTimer, kWpsButtonMs);
}

int CHideDlg::SuspendWpsTimers() {
    KillTimer(kWpsReconnectTimer);
    // Killing a timer tells whether it was set: timer 5 is set exactly while a run is followed.
    const int following = KillTimer(kWpsStatusTimer) ? 1 : 0;
    KillTimer(kWpsButtonTimer);
    return following;
}

void CHideDlg::ResumeWpsTimers(int statusPolling) {
    if (!IsWindow()) return;
    if (g_WpsSessionActive == 1 && g_WpsCycleCredentials == 1) SetTimer(kWpsReconnectTimer, kWpsReconnectMs);
    if (statusPolling) SetTimer(kWpsStatusTimer, kWpsStatusMs);
    SetTimer(kWpsButtonTimer, kWpsButtonMs);
}

void CHideDlg::KillPollTimers() {
    for (UINT_PTR id = 1; id <= 5; ++id) KillTimer(id);
}

void CHideDlg::OnPaint() {
    // The window exists only to own the tray icon and the timers; it never shows.
    PAINTSTRUCT ps;
    BeginPaint(m_hWnd, &ps);
    EndPaint(m_hWnd, &ps);
    ShowWindow(SW_HIDE);
}

BOOL CHideDlg::IsSheetOpen() const { return m_pSheet && m_pSheet->IsWindow(); }

void CHideDlg::ShowConfigSheet() {
    if (m_bBusy) return;
    if (m_pSheet && !m_pSheet->IsWindow()) {
        fw::DeleteLater(m_pSheet);
        m_pSheet = nullptr;
    }
    if (!m_pSheet) {
        m_pSheet = new CQelPropSheet(IDS_SHEET_CAPTION, this);
        if (!m_pSheet->Create(this)) {
            fw::DeleteLater(m_pSheet);
            m_pSheet = nullptr;
            return;
        }
        // The sheet ends 10 pixels below its OK button.
        RECT sheet = m_pSheet->GetWindowRect();
        RECT ok{};
        if (HWND button = m_pSheet->GetDlgItem(IDOK)) ::GetWindowRect(button, &ok);
        if (ok.bottom > sheet.top)
            m_pSheet->MoveWindow(sheet.left, sheet.top, sheet.right - sheet.left, ok.bottom + 10 - sheet.top, TRUE);
    }
    m_pSheet->SetForegroundWindow();
}

void CHideDlg::CloseSheet(bool endDialogs) {
    if (!m_pSheet) return;
    if (m_pSheet->IsWindow()) {
        m_pSheet->EndPendingDialog();
        if (endDialogs) {
            CloseHiddenSsidDialogs();
            CloseSysConfigDialogs();
            CloseWscDetailDialogs();
            CloseWscInfoDialogs();
            CloseWscWarningDialogs();
        }
    }
    g_SheetClosing = 1;
    // A page may be inside a nested modal loop right now (the profile editor it opened, just
    // ended): the window and the object go when that loop has returned.
    fw::DeleteWhenIdle(m_pSheet);
    m_pSheet = nullptr;
}

void CHideDlg::PostToPage(fw::CWnd* page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (page && page->IsWindow()) page->PostMessage(message, wParam, lParam);
}

void CHideDlg::OnTrayLaunch() {
    if (m_bBusy) return;
    if (m_bDeviceExist && IsSelDeviceExist()) {
        ShowConfigSheet();
        return;
    }
    // The user dismissed the adapter selection; asking for the sheet is asking again.
    if (!m_bDeviceExist && !m_DeclinedAdapters.empty()) {
        m_DeclinedAdapters.clear();
        g_DriverKeyPath[0] = 0;
        m_bDeviceExist = Discover();
        if (m_bDeviceExist) {
            ModifyTrayIcon(IDI_TRAY_DISCONNECTED);
            InitDevice(1);
        }
    }
}

void CHideDlg::OnTrayExit() {
    if (m_bBusy) return;
    ExitProgram();
}

void CHideDlg::ExitProgram() {
    CloseSheet(false);
    DeleteTrayIcon();
    KillPollTimers();
    EndDialog(1);
}

void CHideDlg::OnClose() {
    // An end-task closes the window: the same steps as Exit, so nothing is lost.
    if (m_bBusy) return;
    ExitProgram();
}

LRESULT CHideDlg::OnEndSession(WPARAM ending, LPARAM) {
    // The process ends right after this message: save now, the window is not destroyed.
    if (ending) {
        ExitProgram();
        if (!m_bSkipDefaultSave) SaveDriverKeyToDefault();
        m_bSkipDefaultSave = 1;
    }
    return 0;
}

void CHideDlg::OnDestroy() {
    if (!m_bSkipDefaultSave) SaveDriverKeyToDefault();
    m_BssLists.Attach(nullptr, nullptr);
    FreeBssidLists();
    DrainActions(m_ActionQueue);
    DrainSetOidQueue();
    FreeCurrentAction();
    DeleteProfileEditor();
}

LRESULT CHideDlg::OnDriverEvent(WPARAM, LPARAM) {
    if (g_NoWpsChip == 0) g_KeyErrorFlag = 0;
    return 0;
}

LRESULT CHideDlg::OnScanComplete(WPARAM, LPARAM) {
    g_ScanPending = 0;
    if (IsSheetOpen()) {
        PostToPage(m_pSheet->SiteSurveyPage(), kMsgWlanScanComplete);
        if (m_pSheet->HasWscPage()) PostToPage(m_pSheet->WscPage(), kMsgWlanScanComplete);
    }
    return 0;
}

LRESULT CHideDlg::OnScanFailed(WPARAM, LPARAM) {
    g_ScanPending = 0;
    if (IsSheetOpen()) {
        if (BssidListEntryCount(g_pBssidListMerged) == 0)
            PostToPage(m_pSheet->SiteSurveyPage(), kMsgWlanScanComplete);
        if (m_pSheet->HasWscPage()) PostToPage(m_pSheet->WscPage(), kMsgWlanScanFail);
    }
    return 0;
}

LRESULT CHideDlg::OnProfileEditor(WPARAM wParam, LPARAM lParam) {
    if (IsSheetOpen()) PostToPage(m_pSheet->ProfilePage(), kMsgProfileEditor, wParam, lParam);
    return 0;
}

LRESULT CHideDlg::OnRadioOn(WPARAM, LPARAM) {
    m_nTimer3 = SetTimer(kRescanTimer, kRescanMs);
    return 0;
}

LRESULT CHideDlg::OnRadioOff(WPARAM, LPARAM) {
    if (IsSheetOpen()) {
        PostToPage(m_pSheet->SiteSurveyPage(), kMsgWlanScanComplete);
        if (m_pSheet->HasWscPage()) PostToPage(m_pSheet->WscPage(), kMsgWlanScanComplete);
    }
    return 0;
}

DWORD CHideDlg::UpdateBssList() { return ::UpdateBssList(m_WlanManager, m_BssLists); }

void CHideDlg::OnTimer(UINT_PTR id) { Poll(id); }

void CHideDlg::Poll(UINT_PTR id) {
    if (m_bBusy) return;

    if (id == kRescanTimer) {
        KillTimer(m_nTimer3);
        if (IsSheetOpen() && g_RadioOn)
            PostToPage(m_pSheet->SiteSurveyPage(), WM_COMMAND, kRescanCommand, 0);
    }

    if (!m_bDeviceExist || !IsSelDeviceExist()) {
        KillTimer(kPollTimer);
        CloseSheet(true);
        g_DriverKeyPath[0] = 0;
        m_bDeviceExist = Discover();
        SetTimer(kPollTimer, kPollMs);
        if (!m_bDeviceExist) {
            ModifyTrayIcon(IDI_TRAY_NO_ADAPTER);
            g_IsUsbAdapter = 0;
            return;
        }
        ModifyTrayIcon(IDI_TRAY_DISCONNECTED);
        InitDevice(0);
    }

    if (g_ConfigToolMode == 2) {
        g_WpaSupported = 1;
        g_EncryptionLevel = 6;
    }

    if (!PollWps(static_cast<unsigned>(id))) return;

    int connected = 0;
    if (m_WlanManager.GetInterfaceState(&connected) != ERROR_SUCCESS) {
        if (!IsSelDeviceExist()) {
            g_DriverKeyPath[0] = 0;
            m_bDeviceExist = Discover();
            if (m_bDeviceExist) {
                ModifyTrayIcon(IDI_TRAY_DISCONNECTED);
                InitDevice(0);
            }
        }
        m_WlanManager.Setup(g_AdapterDescription, m_hWnd, CQelConfigApp::IsCustomDataDirectory());
    }

    m_WlanManager.GetCurrentBssid(g_CurrentBssid);
    m_WlanManager.GetCurrentSsid(g_CurrentSsid);

    if (connected && !AllZero(g_CurrentBssid, sizeof(g_CurrentBssid))) {
        int32_t first = 0, second = 0;
        DWORD returned = 0;
        BOOL firstOk = QueryOid(kOidSignal1, &first, sizeof(first), &returned);
        BOOL secondOk = QueryOid(kOidSignal2, &second, sizeof(second), &returned);
        // Neither reading answered: the link is up but not measurable, so quality 0 (Weak),
        // never the "Good" a zeroed buffer would read as.
        int percent = 0;
        if (secondOk) percent = SignalToPercent(firstOk && first > second ? first : second);
        else if (firstOk) percent = SignalToPercent(first);
        UINT icon = IDI_TRAY_WEAK;
        switch (ClassifyQuality(percent)) {
            case LinkClass::Good: icon = IDI_TRAY_GOOD; break;
            case LinkClass::Normal: icon = IDI_TRAY_NORMAL; break;
            case LinkClass::Weak: icon = IDI_TRAY_WEAK; break;
        }
        if (g_KeyErrorFlag) icon = IDI_TRAY_KEY_ERROR;
        ModifyTrayIcon(icon);
    } else {
        g_KeyErrorFlag = 0;
        ModifyTrayIcon(IDI_TRAY_DISCONNECTED);
    }
    g_ConfigToolMode = 2;

    if (IsSheetOpen()) {
        m_pSheet->UpdateWscPage();
        m_pSheet->UpdateBlockAckPage();
        m_pSheet->RefreshPages();
    }
}

HICON CHideDlg::TrayIconHandle(UINT iconId) {
    return static_cast<HICON>(LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         LR_SHARED));
}

void CHideDlg::BuildTooltip(UINT iconId, char* tip, size_t size) const {
    uint32_t length = 0;
    std::memcpy(&length, g_CurrentSsid, 4);
    if (length > 32) length = 32;
    // The shell takes "&" for a mnemonic mark: doubled, it shows as itself.
    std::string ssid;
    for (uint32_t i = 0; i < length && g_CurrentSsid[4 + i]; ++i) {
        const char c = static_cast<char>(g_CurrentSsid[4 + i]);
        ssid += c;
        if (c == '&') ssid += '&';
    }

    UINT stringId = IDS_TIP_DISCONNECTED;
    switch (iconId) {
        case IDI_TRAY_GOOD: stringId = IDS_TIP_GOOD; break;
        case IDI_TRAY_NORMAL: stringId = IDS_TIP_NORMAL; break;
        case IDI_TRAY_WEAK: stringId = IDS_TIP_WEAK; break;
        case IDI_TRAY_NO_ADAPTER: stringId = IDS_TIP_NOT_EXIST; break;
        case IDI_TRAY_KEY_ERROR: stringId = IDS_TIP_WEP_ERROR; break;
        default: break;
    }
    std::string format = fw::LoadStr(stringId);
    // The SSID is an argument, never part of the format: a '%' in it shows as it is.
    if (stringId == IDS_TIP_WEP_ERROR)
        std::snprintf(tip, size, format.c_str(), fw::LoadStr(IDS_ICV_ERROR).c_str());
    else if (format.find("%s") != std::string::npos)
        std::snprintf(tip, size, format.c_str(), ssid.c_str());
    else
        std::snprintf(tip, size, "%s", format.c_str());
}

BOOL CHideDlg::AddTrayIcon() {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = m_hWnd;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = TrayIconHandle(IDI_TRAY_DISCONNECTED);
    std::snprintf(data.szTip, sizeof(data.szTip), "%s", fw::LoadStr(IDS_TIP_DISCONNECTED).c_str());
    BOOL ok = platform::Tray().Notify(NIM_ADD, &data);
    if (ok) {
        m_bTrayAdded = 1;
        m_nTrayIcon = IDI_TRAY_DISCONNECTED;
    }
    return ok;
}

BOOL CHideDlg::DeleteTrayIcon() {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = m_hWnd;
    data.uID = kTrayIconId;
    BOOL ok = platform::Tray().Notify(NIM_DELETE, &data);
    if (ok) m_bTrayAdded = 0;
    return ok;
}

BOOL CHideDlg::ModifyTrayIcon(UINT iconId) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = m_hWnd;
    data.uID = kTrayIconId;
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = TrayIconHandle(iconId);
    BuildTooltip(iconId, data.szTip, sizeof(data.szTip));
    m_nTrayIcon = iconId;
    BOOL ok = platform::Tray().Notify(NIM_MODIFY, &data);
    if (!ok) {
        // The shell was restarted and forgot the icon: add it again.
        platform::Tray().Notify(NIM_DELETE, &data);
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kTrayCallbackMessage;
        ok = platform::Tray().Notify(NIM_ADD, &data);
        if (ok) m_bTrayAdded = 1;
    }
    // The sheet's caption is redrawn for every new icon: only a change is sent.
    if (IsSheetOpen() && reinterpret_cast<HICON>(m_pSheet->SendMessage(WM_GETICON, ICON_SMALL)) != data.hIcon)
        m_pSheet->SetIcon(data.hIcon, FALSE);
    return ok;
}

bool CHideDlg::CanSwitchToAp() const {
    char folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, folder, sizeof(folder) - 1);
    if (char* slash = std::strrchr(folder, '\\')) *slash = 0;

    auto fileOpens = [&](const char* name) {
        char path[MAX_PATH + 32];
        std::snprintf(path, sizeof(path), "%s\\%s", folder, name);
        HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        CloseHandle(h);
        return true;
    };
    return fileOpens("Havix.exe") && fileOpens("Trelby.exe") && g_ChipIndex >= 4 && g_ChipIndex <= 8 &&
           m_bDeviceExist;
}

void CHideDlg::ShowTrayMenu() {
    bool apSwitch = CanSwitchToAp();
    HMENU menu = LoadMenuA(fw::ResourceInstance(), MAKEINTRESOURCEA(apSwitch ? IDR_TRAY_MENU_AP : IDR_TRAY_MENU));
    if (!menu) return;
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow();
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

LRESULT CHideDlg::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_POWERBROADCAST) {
        if (wParam == PBT_APMSUSPEND && g_pHideDlg) g_pHideDlg->KillPollTimers();
        else if (wParam == PBT_APMRESUMESUSPEND) SetTimer(kPollTimer, kPollMs);
    } else if (message == kTrayCallbackMessage && !m_bBusy) {
        if (lParam == WM_LBUTTONDBLCLK) OnTrayLaunch();
        else if (lParam == WM_RBUTTONDOWN) ShowTrayMenu();
    } else if (message == WM_WINDOWPOSCHANGING && lParam) {
        // Never shown, also when a window above covers it and no paint comes to hide it.
        reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
    }
    return fw::CDialog::DefWindowProc(message, wParam, lParam);
}
