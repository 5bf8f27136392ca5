#include "station/core/hide_dlg.h"

#include <cstdio>
#include <cstring>

#include "framework/resources.h"
#include "platform/platform.h"
#include "platform/tray_icon.h"
#include "resources/station/resource.h"
#include "shared/adapter_identity.h"
#include "shared/admin.h"
#include "shared/driver_version.h"
#include "shared/oid_access.h"
#include "shared/os_version.h"
#include "shared/wow64.h"
#include "station/core/adapter_discovery.h"
#include "station/core/driver_registry.h"
#include "station/core/qel_config_app.h"
#include "station/core/signal_quality.h"
#include "station/core/station_globals.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 2000;
constexpr DWORD kOidSignal1 = 0xFF0C000F;
constexpr DWORD kOidSignal2 = 0xFF0C0010;

bool AllZero(const uint8_t* p, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (p[i]) return false;
    return true;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CHideDlg, fw::CDialog)
    FW_ON_WM_PAINT(OnPaint)
    FW_ON_COMMAND(IDM_TRAY_LAUNCH, OnTrayLaunch)
    FW_ON_COMMAND(IDM_TRAY_EXIT, OnTrayExit)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
    FW_ON_COMMAND(IDM_TRAY_ZERO_CONFIG, OnUseZeroConfig)
    FW_ON_COMMAND(IDM_TRAY_OWN_CONFIG, OnUseOwnConfig)
    FW_ON_COMMAND(IDM_TRAY_AP_MODE, OnSwitchToApMode)
FW_END_MESSAGE_MAP()

CHideDlg::CHideDlg() : fw::CDialog(IDD_HIDE_DLG) {}

CHideDlg::~CHideDlg() {
    if (g_pHideDlg == this) g_pHideDlg = nullptr;
}

int CHideDlg::Discover() {
    DiscoveryContext context;
    context.wlan = &m_WlanManager;
    context.mainWindow = m_hWnd;
    context.allUsers = CQelConfigApp::IsCustomDataDirectory();
    context.busy = &m_bBusy;
    context.adapterChanged = &m_bAdapterChanged;
    return DiscoverAdapter(context);
}

BOOL CHideDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    g_pHideDlg = this;
    std::memset(g_CurrentSsid, 0, sizeof(g_CurrentSsid));
    std::memset(g_CurrentBssid, 0, sizeof(g_CurrentBssid));

    DetectOsVersion();
    g_IsWow64 = IsWow64();
    IsAdministrator();

    m_bDeviceExist = Discover();
    if (m_bDeviceExist) InitDevice(m_bOpenSheetAtStart);

    SetTimer(kPollTimer, kPollMs);
    AddTrayIcon();
    return TRUE;
}

void CHideDlg::InitDevice(int /*openSheet*/) {
    int ofdm = 0;
    g_Supports5GHz = 0;
    m_WlanManager.SupportsOfdm(&ofdm);
    g_Supports5GHz = ofdm;
    RunOnceInitConfigTxBurst();

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

void CHideDlg::OnTrayLaunch() {
    if (m_bBusy) return;
    // The main sheet arrives with the pages; until then there is nothing to open.
}

void CHideDlg::OnTrayExit() {
    if (m_bBusy) return;
    DeleteTrayIcon();
    KillPollTimers();
    EndDialog(1);
}

void CHideDlg::OnDestroy() {
    if (!m_bSkipDefaultSave) SaveDriverKeyToDefault();
    DrainActions(m_ActionQueue);
    DrainSetOidQueue();
    FreeCurrentAction();
}

void CHideDlg::OnTimer(UINT_PTR id) { Poll(id); }

void CHideDlg::Poll(UINT_PTR /*id*/) {
    if (m_bBusy) return;

    if (!m_bDeviceExist || !IsSelDeviceExist()) {
        KillTimer(kPollTimer);
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
}

HICON CHideDlg::TrayIconHandle(UINT iconId) {
    return static_cast<HICON>(LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         LR_SHARED));
}

void CHideDlg::BuildTooltip(UINT iconId, char* tip, size_t size) const {
    char ssid[33] = {};
    uint32_t length = 0;
    std::memcpy(&length, g_CurrentSsid, 4);
    if (length > 32) length = 32;
    std::memcpy(ssid, g_CurrentSsid + 4, length);

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
        std::snprintf(tip, size, format.c_str(), ssid);
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
    return ok;
}

void CHideDlg::ShowTrayMenu() {
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
    bool apSwitch = fileOpens("Havix.exe") && fileOpens("Trelby.exe") && g_ChipIndex >= 4 &&
                    g_ChipIndex <= 8 && m_bDeviceExist;

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
    }
    return fw::CDialog::DefWindowProc(message, wParam, lParam);
}
