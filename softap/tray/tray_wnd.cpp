#include "softap/tray/tray_wnd.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "softap/core/config/ap_config_store.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/device/ap_os_code.h"
#include "softap/core/config/ap_registry.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/radio/band_detect.h"
#include "softap/core/device/bridge_device.h"
#include "softap/core/config/check_build.h"
#include "softap/core/tables/event_store.h"
#include "softap/core/app_title.h"
#include "softap/core/device/op_mode.h"
#include "softap/tray/qel_prop_sheet.h"
#include "softap/core/radio/region_check.h"
#include "softap/core/tray_signal.h"
#include "softap/core/device/wzc_service.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/programs.h"
#include "platform/tray_icon.h"
#include "resources/softap/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/adapter/adapter_presence.h"
#include "shared/system/admin.h"
#include "shared/driver/driver_key.h"
#include "shared/driver/driver_version.h"
#include "shared/driver/oid_access.h"
#include "shared/system/wow64.h"

namespace softap {
namespace {

// The EEPROM word the Config page's channel list waits for: {kind 3, offset 0x36, value}.
constexpr uint32_t kEepromKind = 3;
constexpr uint32_t kEepromChannelWord = 0x36;

UINT TipOf(UINT iconId)
{
    switch (iconId) {
    case IDI_TRAY_GOOD: return IDS_TIP_GOOD;
    case IDI_TRAY_NORMAL: return IDS_TIP_NORMAL;
    case IDI_TRAY_WEAK: return IDS_TIP_WEAK;
    case IDI_TRAY_NO_ADAPTER: return IDS_TIP_NOT_EXIST;
    default: return IDS_TIP_DISCONNECTED;
    }
}

NOTIFYICONDATAA IconRecord(HWND owner, UINT flags)
{
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = kTrayIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kTrayCallbackMessage;
    return data;
}

void SetTip(NOTIFYICONDATAA& data, UINT iconId)
{
    data.hIcon = CTrayWnd::TrayIconHandle(iconId);
    std::snprintf(data.szTip, sizeof(data.szTip), "%s", fw::LoadStr(TipOf(iconId)).c_str());
}

bool OwnedBy(HWND window, HWND owner)
{
    for (HWND w = GetWindow(window, GW_OWNER); w; w = GetWindow(w, GW_OWNER))
        if (w == owner)
            return true;
    return false;
}

BOOL CALLBACK EndOwnedDialog(HWND window, LPARAM sheet)
{
    if (!OwnedBy(window, reinterpret_cast<HWND>(sheet)))
        return TRUE;
    if (auto* dialog = dynamic_cast<fw::CDialog*>(fw::CWnd::FromHandle(window))) {
        if (dialog->IsInModalLoop())
            dialog->EndDialog(2);
        return TRUE;
    }
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof(cls));
    if (std::strcmp(cls, "#32770") == 0)  // a message box
        ::EndDialog(window, IDCANCEL);
    return TRUE;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CTrayWnd, fw::CDialog)
    FW_ON_WM_PAINT(OnPaint)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_COMMAND(IDM_TRAY_LAUNCH, OnLaunch)
    FW_ON_COMMAND(IDM_TRAY_EXIT, OnExit)
    FW_ON_COMMAND(IDM_TRAY_STATION_MODE, OnSwitchToStationMode)
    FW_ON_WM_CLOSE(OnClose)
    FW_ON_MESSAGE(WM_ENDSESSION, OnEndSession)
FW_END_MESSAGE_MAP()

CTrayWnd::CTrayWnd() : fw::CDialog(IDD_TRAY_WND) {}

CTrayWnd::~CTrayWnd()
{
    if (m_pSheet)
        fw::DeleteLater(m_pSheet);
    m_pSheet = nullptr;
}

int CTrayWnd::PassesAdministratorTest() { return IsAdministrator(); }

int CTrayWnd::Discover()
{
    m_Discovery.owner = m_hWnd;
    m_Discovery.busy = &m_bBusy;
    return DiscoverAdapter(m_Discovery);
}

BOOL CTrayWnd::OnInitDialog()
{
    fw::CDialog::OnInitDialog();
    GetOsVersionCode();
    g_IsWow64 = IsWow64();
    if (!PassesAdministratorTest()) {
        // Nothing of the access point starts and no icon is left behind.
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_NOT_ADMINISTRATOR).c_str(), kAppTitle, MB_OK);
        EndDialog(2);
        return TRUE;
    }
    m_bAdapterFound = Discover();
    if (m_bAdapterFound)
        StartAccessPoint(m_bOpenSheet);
    AddTrayIcon();
    m_nPollTimer = SetTimer(kPollTimerId, kPollMs);
    return TRUE;
}

void CTrayWnd::StartAccessPoint(int openSheet)
{
    if (QueryApOpMode() == 0) {
        DWORD mode = 1, returned = 0;
        SetOid(kOidSetOpMode, &mode, sizeof(mode), &returned, kSetTries);
        // Sharing off everywhere, then the user picks the connection to share.
        platform::Outside().WinExec("\"Pelcor.exe\" ICS_DOWN", SW_HIDE);
        platform::Outside().WinExec("Pelcor.exe", SW_SHOW);
    }

    g_BridgeSetCount = 0;
    BridgeDevice bridge;
    bridge.Open(kBridgeDeviceName);
    if (bridge.GetBridgingState() == 0)
        EnableBridging();

    m_bBusy = 1;
    CopyTxBurstToApDefault();
    InitApDefaults();
    DetectABand();
    if (g_ChipIndex == 0 || g_ChipIndex == 1)
        CheckRegionAndChannel();
    QueryDriverVersion();
    m_bBusy = 0;

    ReadAllowBW40InBGBand(&g_Ap.allowBw40InBgBand);
    for (int& done : g_Ap.eepromReadDone) {
        uint32_t record[3] = {kEepromKind, kEepromChannelWord, 0};
        DWORD returned = 0;
        QueryOid(kOidQueryRegister, record, sizeof(record), &returned);
        done = 1;
    }
    if (IsWzcRunning())
        StopWzcService();
    LoadAndApplyApSettings(IsSheetOpen() ? m_pSheet : nullptr);
    if (openSheet)
        OpenConfigSheet();
    bridge.Close();
}

bool CTrayWnd::IsSheetOpen() const { return m_pSheet && m_pSheet->IsWindow(); }

void CTrayWnd::OpenConfigSheet()
{
    if (m_bBusy)
        return;
    if ((!m_bAdapterFound || !IsAdapterPresent()) && !m_Discovery.dismissed.empty()) {
        // The user dismissed the adapter selection; asking for the sheet is asking again.
        m_Discovery.dismissed.clear();
        m_bAdapterFound = Discover();
        if (m_bAdapterFound) {
            UpdateTrayIcon(IDI_TRAY_NO_ADAPTER);
            StartAccessPoint(0);
        }
    }
    if (!m_bAdapterFound || !IsAdapterPresent()) {
        m_bBusy = 1;
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_NOT_READY).c_str(), kAppTitle, MB_ICONHAND);
        m_bBusy = 0;
        return;
    }
    if (IsSheetOpen()) {
        m_pSheet->SetForegroundWindow();
        return;
    }
    g_EventShownCount = 0;
    if (m_pSheet) {
        fw::DeleteLater(m_pSheet);
        m_pSheet = nullptr;
    }
    m_pSheet = new CQelPropSheet(IDS_SHEET_CAPTION, this, 0);
    if (!m_pSheet->Create(this)) {
        fw::DeleteLater(m_pSheet);
        m_pSheet = nullptr;
        return;
    }
    // The sheet ends 10 pixels below its OK button.
    const RECT sheet = m_pSheet->GetWindowRect();
    RECT ok{};
    if (HWND button = m_pSheet->GetDlgItem(IDOK))
        ::GetWindowRect(button, &ok);
    if (ok.bottom > sheet.top)
        m_pSheet->MoveWindow(sheet.left, sheet.top, sheet.right - sheet.left, ok.bottom + 10 - sheet.top, TRUE);
    m_pSheet->SetForegroundWindow();
}

void CTrayWnd::CloseSheet()
{
    if (!m_pSheet)
        return;
    if (m_pSheet->IsWindow()) {
        EnumThreadWindows(GetCurrentThreadId(), EndOwnedDialog, reinterpret_cast<LPARAM>(m_pSheet->m_hWnd));
        m_pSheet->DestroyWindow();
    }
    // A page may be inside a nested modal loop right now: the object goes when it returns.
    fw::DeleteLater(m_pSheet);
    m_pSheet = nullptr;
}

void CTrayWnd::OnTimer(UINT_PTR id)
{
    if (id == kPollTimerId)
        Poll();
}

void CTrayWnd::MergeDriverEvents()
{
    uint8_t table[kEventTableBytes] = {};
    DWORD returned = 0;
    if (QueryOid(kOidQueryEventTable, table, sizeof(table), &returned))
        MergeEventTable(table, returned < sizeof(table) ? returned : sizeof(table));
}

void CTrayWnd::Poll()
{
    if (m_bBusy)
        return;
    if (m_bAdapterFound && IsAdapterPresent()) {
        int32_t rssi = 0;
        DWORD returned = 0;
        // No answer is no measure: shown as disconnected, never as the percent of garbage.
        UINT icon = IDI_TRAY_DISCONNECTED;
        if (QueryOid(kOidRssi, &rssi, sizeof(rssi), &returned) && returned >= sizeof(rssi))
            icon = TrayIconForPercent(RssiToPercent(rssi));
        UpdateTrayIcon(icon);
        if (IsWzcRunning())
            StopWzcService();
        MergeDriverEvents();
        if (IsSheetOpen()) {
            g_Ap.checkBuild = ReadCheckBuild();
            m_pSheet->Sync11nPage();
        }
        return;
    }

    KillTimer(m_nPollTimer);
    CloseSheet();
    m_bAdapterFound = Discover();
    m_nPollTimer = SetTimer(kPollTimerId, kPollMs);
    UpdateTrayIcon(IDI_TRAY_NO_ADAPTER);
    if (m_bAdapterFound) {
        StartAccessPoint(0);
        if (IsSheetOpen())
            m_pSheet->Sync11nPage();
    } else {
        g_IsUsbAdapter = 0;
    }
}

HICON CTrayWnd::TrayIconHandle(UINT iconId)
{
    return static_cast<HICON>(LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

BOOL CTrayWnd::AddTrayIcon()
{
    NOTIFYICONDATAA data = IconRecord(m_hWnd, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    SetTip(data, IDI_TRAY_DISCONNECTED);
    m_nTrayIcon = IDI_TRAY_DISCONNECTED;
    return platform::Tray().Notify(NIM_ADD, &data);
}

BOOL CTrayWnd::DeleteTrayIcon()
{
    NOTIFYICONDATAA data = IconRecord(m_hWnd, 0);
    return platform::Tray().Notify(NIM_DELETE, &data);
}

BOOL CTrayWnd::UpdateTrayIcon(UINT iconId)
{
    NOTIFYICONDATAA data = IconRecord(m_hWnd, NIF_ICON | NIF_TIP);
    SetTip(data, iconId);
    m_nTrayIcon = iconId;
    BOOL ok = platform::Tray().Notify(NIM_MODIFY, &data);
    if (!ok) {
        // The shell forgot the icon: add it again, answering clicks as before.
        platform::Tray().Notify(NIM_DELETE, &data);
        data.uFlags |= NIF_MESSAGE;
        ok = platform::Tray().Notify(NIM_ADD, &data);
    }
    if (IsSheetOpen())
        m_pSheet->SetIcon(data.hIcon, FALSE);
    return ok;
}

void CTrayWnd::ShowTrayMenu()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof(module) - 1);
    if (char* slash = std::strrchr(module, '\\'))
        *slash = 0;
    const std::string station = std::string(module) + "\\Lumora.exe";
    HANDLE file = CreateFileA(station.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);

    HMENU menu = LoadMenuA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    if (!menu)
        return;
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow();
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

LRESULT CTrayWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kTrayCallbackMessage && !m_bBusy) {
        if (lParam == WM_LBUTTONDBLCLK)
            OpenConfigSheet();
        else if (lParam == WM_RBUTTONDOWN)
            ShowTrayMenu();
    } else if (message == WM_WINDOWPOSCHANGING && lParam) {
        // Never shown, also where no paint comes to hide it (a window above covers it).
        reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
    } else if (message >= 0xC000 && message <= 0xFFFF) {
        // Registered messages, among them the shell's after the taskbar was re-created.
        DeleteTrayIcon();
        AddTrayIcon();
    }
    return fw::CDialog::WindowProc(message, wParam, lParam);
}

void CTrayWnd::OnPaint()
{
    PAINTSTRUCT ps;
    BeginPaint(m_hWnd, &ps);
    EndPaint(m_hWnd, &ps);
    ShowWindow(SW_HIDE);
}

void CTrayWnd::OnLaunch() { OpenConfigSheet(); }

void CTrayWnd::OnExit()
{
    if (m_bBusy)
        return;
    CloseSheet();
    DeleteTrayIcon();
    KillTimer(m_nPollTimer);
    EndDialog(1);
}

void CTrayWnd::OnSwitchToStationMode()
{
    if (m_bBusy)
        return;
    OnExit();
    // The station values saved when the station utility switched over; nothing without them.
    CopyDriverKeyValues("Default", KEY_QUERY_VALUE, nullptr, KEY_ALL_ACCESS);
    WriteStationOpMode();
    platform::Outside().WinExec(kStationModeCommand, SW_MINIMIZE);
}

void CTrayWnd::OnClose()
{
    // An end-task closes the window: the steps of Exit, so no icon is left behind.
    OnExit();
}

LRESULT CTrayWnd::OnEndSession(WPARAM ending, LPARAM)
{
    if (ending)
        OnExit();
    return 0;
}

}  // namespace softap
