#include "station/pages/advance_page.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"
#include "shared/system/os_code.h"
#include "shared/radio/wireless_mode.h"
#include "station/core/action_data.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/registry/radio_defaults.h"
#include "station/core/radio/rate_tables.h"
#include "station/core/station_globals.h"
#include "station/pages/advanced_settings.h"
#include "station/pages/site_surv_page.h"

namespace {

constexpr DWORD kOidSsid = 0x0D010102;
constexpr DWORD kOidDisassociate = 0x0D010115;
constexpr DWORD kOidDesiredRates = 0x0D010210;
constexpr DWORD kOidQueryHtSettings = 0xFF0C0028;
constexpr WPARAM kRescanCommand = 1003;
constexpr int kSetTries = 3;
constexpr int kMcsAuto = static_cast<int>(kHtMcsAuto);

constexpr int kRegion24Controls[] = {IDC_ADV_REGION24, IDC_ADV_REGION24_LABEL};
constexpr int kRegion5Controls[] = {IDC_ADV_REGION5, IDC_ADV_REGION5_LABEL};
constexpr int kHtControls[] = {
    IDC_ADV_HT_GROUP,    IDC_ADV_HT_MODE_LABEL, IDC_ADV_HT_MM,     IDC_ADV_HT_GF,        IDC_ADV_BW_LABEL,
    IDC_ADV_BW_20,       IDC_ADV_BW_AUTO,       IDC_ADV_GI_LABEL,  IDC_ADV_GI_LONG,      IDC_ADV_GI_AUTO,
    IDC_ADV_STBC_LABEL,  IDC_ADV_STBC_NONE,     IDC_ADV_STBC_AUTO, IDC_ADV_EXT_LABEL,    IDC_ADV_EXT_NONE,
    IDC_ADV_EXT_ABOVE,   IDC_ADV_EXT_BELOW,     IDC_ADV_MCS_LABEL, IDC_ADV_MCS,          IDC_ADV_TX_RATE_TEXT,
};

WlanManager* Wlan() { return g_pHideDlg ? &g_pHideDlg->m_WlanManager : nullptr; }

CSiteSurvPage* OpenSiteSurveyPage() {
    if (!g_pHideDlg || !g_pHideDlg->IsSheetOpen() || !g_pHideDlg->m_pSheet) return nullptr;
    CSiteSurvPage* page = g_pHideDlg->m_pSheet->SiteSurveyPage();
    return page && page->IsWindow() ? page : nullptr;
}

// Asks the Site Survey page for a scan with its Rescan button's command, at once or posted.
void RequestRescan(bool now) {
    CSiteSurvPage* site = OpenSiteSurveyPage();
    if (!site) return;
    if (now)
        site->SendMessage(WM_COMMAND, kRescanCommand, 0);
    else
        site->PostMessage(WM_COMMAND, kRescanCommand, 0);
}

void ShowMessage(HWND owner, UINT text) {
    platform::Boxes().Show(owner, fw::LoadStr(text).c_str(), "Lumora", MB_OK | MB_ICONINFORMATION);
}

// A REG_SZ value of at most 127 characters, terminated; false when missing or not text.
bool ReadText(HKEY key, const char* name, char (&text)[128]) {
    DWORD type = 0, size = sizeof(text) - 1;
    std::memset(text, 0, sizeof(text));
    return RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS &&
           (type == REG_SZ || type == REG_EXPAND_SZ);
}

// A decimal REG_SZ value; false when missing or not a number in the int range.
bool ReadNumber(HKEY key, const char* name, int* value) {
    char text[128];
    if (!ReadText(key, name, text)) return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    *value = static_cast<int>(v);
    return true;
}

void WriteText(HKEY key, const char* name, int value) {
    const std::string text = fw::FormatStr("%d", value);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

void WriteDword(HKEY key, const char* name, DWORD value) {
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

REGSAM TcpipAccess() { return KEY_ALL_ACCESS | (g_OsCode > 9 && g_IsWow64 ? KEY_WOW64_64KEY : 0); }

bool ParseInt(const std::string& text, int lo, int hi, int* value) {
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    while (end && (*end == ' ' || *end == '\t')) ++end;
    if (text.empty() || end == text.c_str() || *end != '\0' || errno == ERANGE || v < lo || v > hi) return false;
    *value = static_cast<int>(v);
    return true;
}

// 40 MHz needs the EEPROM's consent in the modes that bit 8 or bit 9 governs.
bool EepromAllows40MHz(int mode) {
    if ((mode == 7 || mode == 9) && g_EepromBit8Clear == 0) return false;
    if (mode == 8 && g_EepromBit9Clear == 0) return false;
    return true;
}

BOOLEAN Set(DWORD oid, const void* data, DWORD length, int tries) {
    // The driver may write into what it is given: a copy keeps the page's values.
    uint8_t copy[kNdisSsidSize > 32 ? kNdisSsidSize : 32] = {};
    if (length > sizeof copy) return FALSE;
    if (length) std::memcpy(copy, data, length);
    DWORD returned = 0;
    return SetOid(oid, length ? copy : nullptr, length, &returned, tries);
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CAdvancePage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_ADV_APPLY, OnApplyButton)
    FW_ON_BN_CLICKED(IDC_ADV_RADIO, OnRadio)
    FW_ON_CBN_SELCHANGE(IDC_ADV_MODE, OnModeChange)
    FW_ON_BN_CLICKED(IDC_ADV_CCX, OnCcx)
    FW_ON_BN_CLICKED(IDC_ADV_RADIO_MEASURE, OnRadioMeasurements)
    FW_ON_BN_CLICKED(IDC_ADV_NON_SERVING, OnNonServing)
    FW_ON_BN_CLICKED(IDC_ADV_FAST_ROAMING, OnFastRoaming)
    FW_ON_CBN_SELCHANGE(IDC_ADV_MCS, RefreshRateText)
    FW_ON_BN_CLICKED(IDC_ADV_BW_20, RefreshRateText)
    FW_ON_BN_CLICKED(IDC_ADV_BW_AUTO, RefreshRateText)
    FW_ON_BN_CLICKED(IDC_ADV_GI_LONG, RefreshRateText)
    FW_ON_BN_CLICKED(IDC_ADV_GI_AUTO, RefreshRateText)
    FW_ON_CBN_SELCHANGE(IDC_ADV_REGION24, OnRegion24Change)
    FW_ON_WM_PAINT(OnPaint)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CAdvancePage::CAdvancePage() : fw::CPropertyPage(IDD_ADVANCED, IDS_ADVANCED) {}

CAdvancePage::~CAdvancePage() {
    if (m_hRadioOnImage) DeleteObject(m_hRadioOnImage);
    if (m_hRadioOffImage) DeleteObject(m_hRadioOffImage);
}

void CAdvancePage::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_CBStringKept(dx, IDC_ADV_MODE, m_strMode);
    fw::DDX_CBIndexKept(dx, IDC_ADV_PROTECTION, m_nProtection);
    fw::DDX_CBIndexKept(dx, IDC_ADV_TX_RATE, m_nTxRate);
    fw::DDX_Check(dx, IDC_ADV_TX_BURST, m_bTxBurst);
    fw::DDX_Check(dx, IDC_ADV_TCP_WINDOW, m_bTcpWindow);
    fw::DDX_CBIndexKept(dx, IDC_ADV_REGION24, m_nRegion24);
    fw::DDX_CBIndexKept(dx, IDC_ADV_REGION5, m_nRegion5);
    fw::DDX_Check(dx, IDC_ADV_CCX, m_bCcx);
    fw::DDX_Check(dx, IDC_ADV_CCKM, m_bCckm);
    fw::DDX_Check(dx, IDC_ADV_RADIO_MEASURE, m_bRadioMeasure);
    fw::DDX_Check(dx, IDC_ADV_NON_SERVING, m_bNonServing);
    fw::DDX_Check(dx, IDC_ADV_QOS, m_bQos);
    fw::DDX_Check(dx, IDC_ADV_FAST_ROAMING, m_bFastRoaming);
    fw::DDX_Text(dx, IDC_ADV_LIMIT, m_strLimit);
    fw::DDX_Text(dx, IDC_ADV_THRESHOLD, m_strThreshold);
    fw::DDX_RadioKept(dx, IDC_ADV_HT_MM, m_nHtMode);
    fw::DDX_RadioKept(dx, IDC_ADV_BW_20, m_nBw);
    fw::DDX_RadioKept(dx, IDC_ADV_GI_LONG, m_nGi);
    fw::DDX_RadioKept(dx, IDC_ADV_STBC_NONE, m_nStbc);
    fw::DDX_RadioKept(dx, IDC_ADV_EXT_NONE, m_nExtension);
    fw::DDX_CBStringKept(dx, IDC_ADV_MCS, m_strMcs);
}

BOOL CAdvancePage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    m_HtTable.FillRateMaps();
    m_Region5List.SubclassDlgItem(IDC_ADV_REGION5, this);
    LoadSettings();
    FillLists();

    const std::pair<int, UINT> labels[] = {
        {IDC_ADV_TX_BURST, IDS_ENABLE_TX_BURST}, {IDC_ADV_CCX, IDS_ENABLE_CCX},
        {IDC_ADV_CCKM, IDS_LEAP_CCKM},           {IDC_ADV_RADIO_MEASURE, IDS_RADIO_MEASUREMENTS},
        {IDC_ADV_NON_SERVING, IDS_NON_SERVING},  {IDC_ADV_QOS, IDS_ENABLE_QOS},
        {IDC_ADV_APPLY, IDS_APPLY},
    };
    for (const auto& [id, text] : labels) SetDlgItemText(id, fw::LoadStr(text));

    if (!g_Supports5GHz) ShowControls(kRegion5Controls, std::size(kRegion5Controls), false);
    ::EnableWindow(GetDlgItem(IDC_ADV_REGION24), g_Region24Valid ? TRUE : FALSE);
    ::EnableWindow(GetDlgItem(IDC_ADV_REGION5), g_Region5Valid ? TRUE : FALSE);
    if (!g_Region24Valid && !g_Region5Valid) ::EnableWindow(GetDlgItem(IDC_ADV_REGION_GROUP), FALSE);
    m_hRadioOnImage = static_cast<HBITMAP>(
        LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDB_RADIO_ON), IMAGE_BITMAP, 0, 0, 0));
    m_hRadioOffImage = static_cast<HBITMAP>(
        LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDB_RADIO_OFF), IMAGE_BITMAP, 0, 0, 0));
    ShowRadioState();
    if (g_OsCode < 7) ::EnableWindow(GetDlgItem(IDC_ADV_TCP_WINDOW), FALSE);

    UpdateData(FALSE);
    m_bInitialising = true;
    OnModeChange();
    m_bInitialising = false;
    UpdateCheckStates();
    RememberRegions();
    return TRUE;
}

void CAdvancePage::LoadSettings() {
    if (g_OsCode > 6) {
        HKEY tcp = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTcpipParametersKey, 0, TcpipAccess(), &tcp) == ERROR_SUCCESS) {
            m_bTcpWindow = RegQueryValueExA(tcp, "TCPWindowSize", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
            RegCloseKey(tcp);
        }
    }

    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, g_DriverKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    DriverOidOps ops;
    char modeText[128];
    if (ReadText(key, "WirelessMode", modeText)) {
        NormalizeWirelessModeText(modeText);
        g_WirelessMode = std::atoi(modeText);
    }
    const int mode = g_WirelessMode;
    m_strMode = WirelessModeText(mode);
    ops.SetOid0002(static_cast<DWORD>(mode));

    if (g_IsHtChip) {
        DWORD word = 0, type = 0, size = sizeof(word);
        if (RegQueryValueExA(key, "TransmitSetting", nullptr, &type, reinterpret_cast<BYTE*>(&word), &size) ==
                ERROR_SUCCESS &&
            type == REG_DWORD && size == sizeof(word)) {
            const HtPhySettings ht = UnpackTransmitSetting(word);
            m_nGi = ht.gi;
            m_nStbc = ht.stbc;
            m_nHtMode = ht.htMode;
            m_nExtension = ht.extension;
            m_strMcs = ht.mcs == kMcsAuto ? std::string("Auto") : fw::FormatStr("%d", ht.mcs);
            m_nBw = ht.bw;
            g_HtSettingsWord = word;
        }
        // Without the value too: the default 40 MHz must not reach a driver whose EEPROM forbids it.
        if (!EepromAllows40MHz(mode)) m_nBw = 0;
        ops.SetOid0028(UnpackHtSettings(TransmitSettingWord(mode)).data());
    }

    // The driver's radio block carries the mode as a list position.
    uint8_t block[kRadioBlockSize] = {};
    DWORD returned = 0;
    int position = 0;
    if (QueryOid(kOidQueryRadioBlock, block, sizeof block, &returned) && MapWirelessModeIndex(mode, position)) {
        if (ReadU32(block + 16) != static_cast<uint32_t>(position)) {
            WriteU32(block + 16, static_cast<uint32_t>(position));
            WriteU32(block + 24, 0);
            Set(kOidSetRadioBlock, block, sizeof block, kSetTries);
        }
        std::memcpy(m_PhyConfig, block, sizeof block);
    }

    int value = 0;
    if (ReadNumber(key, "TXBurst", &value)) m_bTxBurst = value != 0;
    if (ReadNumber(key, "BGProtection", &value)) m_nProtection = value >= 0 && value <= 2 ? value : 0;
    m_nRegion24 = static_cast<int>(g_RegionWord & 0x7F);
    if (g_Region24Valid && ReadNumber(key, "CountryRegion", &value)) m_nRegion24 = value & 0x7F;
    m_nRegion5 = static_cast<int>((g_RegionWord >> 8) & 0x7F);
    if (g_Region5Valid && ReadNumber(key, "CountryRegionABand", &value)) m_nRegion5 = value & 0x7F;
    if (ReadNumber(key, "TransRate", &value)) m_nTxRate = value < 0 ? 0 : value;
    RegCloseKey(key);

    DWORD ccx = 0;
    if (ReadCcx2Control(&ccx)) {
        const CcxSettings s = UnpackCcx2Control(ccx);
        m_bCcx = s.ccx;
        m_bCckm = s.cckm;
        m_bRadioMeasure = s.radioMeasurements;
        m_bNonServing = s.nonServing;
        m_bQos = s.qos;
        m_bFastRoaming = s.fastRoaming;
        m_nLimit = s.limitMs;
        m_nThreshold = s.thresholdDbm;
        m_strLimit = fw::FormatStr("%d", m_nLimit);
        m_strThreshold = fw::FormatStr("%d", m_nThreshold);
    }
}

void CAdvancePage::FillLists() {
    auto fill = [this](int id, const std::vector<std::string>& texts) {
        HWND list = GetDlgItem(id);
        ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
        for (const std::string& t : texts) ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
    };
    std::vector<std::string> modes = {fw::LoadStr(IDS_MODE_11BG_MIX), fw::LoadStr(IDS_MODE_11B_ONLY)};
    if (g_Supports5GHz) {
        modes.push_back(fw::LoadStr(IDS_MODE_11A_ONLY));
        modes.push_back(fw::LoadStr(IDS_MODE_11ABG_MIX));
    }
    fill(IDC_ADV_MODE, modes);
    fill(IDC_ADV_PROTECTION, {fw::LoadStr(IDS_NET_AUTO), fw::LoadStr(IDS_PROTECTION_ON), fw::LoadStr(IDS_PROTECTION_OFF)});
    fill(IDC_ADV_REGION24, Region24Texts(g_ChipIndex));
    fill(IDC_ADV_REGION5, Region5Texts(g_ChipIndex));
}

int CAdvancePage::CurrentMode() const {
    HWND list = GetDlgItem(IDC_ADV_MODE);
    const LRESULT sel = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (sel == CB_ERR) return WirelessModeFromText(m_strMode);
    char text[128] = {};
    if (::SendMessageA(list, CB_GETLBTEXTLEN, sel, 0) >= static_cast<LRESULT>(sizeof text)) return 0;
    ::SendMessageA(list, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(text));
    return WirelessModeFromText(text);
}

int CAdvancePage::CurrentMcs() const {
    HWND list = GetDlgItem(IDC_ADV_MCS);
    const LRESULT sel = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
    std::string text = m_strMcs;
    if (sel != CB_ERR) {
        char buffer[32] = {};
        if (::SendMessageA(list, CB_GETLBTEXTLEN, sel, 0) < static_cast<LRESULT>(sizeof buffer)) {
            ::SendMessageA(list, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(buffer));
            text = buffer;
        }
    }
    int mcs = kMcsAuto;
    return ParseInt(text, 0, 127, &mcs) ? mcs : kMcsAuto;
}

void CAdvancePage::ShowControls(const int* ids, size_t count, bool show) {
    for (size_t i = 0; i < count; ++i) ::ShowWindow(GetDlgItem(ids[i]), show ? SW_SHOW : SW_HIDE);
}

void CAdvancePage::OnModeChange() {
    if (!m_bInitialising) ShowMessage(m_hWnd, IDS_MODE_CHANGES_CHANNEL);
    const int mode = CurrentMode();
    FillTxRates(mode);
    ShowControls(kRegion24Controls, std::size(kRegion24Controls), mode != 2);
    ShowControls(kRegion5Controls, std::size(kRegion5Controls), g_Supports5GHz != 0);
    const bool ht = g_IsHtChip && IsHtWirelessMode(mode);
    ShowControls(kHtControls, std::size(kHtControls), ht);
    for (int id : kHtControls) ::EnableWindow(GetDlgItem(id), ht ? TRUE : FALSE);
    if (g_IsHtChip) {
        FillMcsList();
        RefreshBwChoice();
    }
}

void CAdvancePage::FillTxRates(int mode) {
    HWND list = GetDlgItem(IDC_ADV_TX_RATE);
    LRESULT kept = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (kept == CB_ERR) kept = m_nTxRate;
    ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
    ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::LoadStr(IDS_NET_AUTO).c_str()));
    const std::vector<int> rates = TxRateChoices(mode);
    for (int r : rates)
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::LoadStr(IDS_RATE_FIRST + r).c_str()));
    if (kept < 0 || kept > static_cast<LRESULT>(rates.size())) kept = 0;
    ::SendMessageA(list, CB_SETCURSEL, kept, 0);
    m_nTxRate = static_cast<int>(kept);
}

void CAdvancePage::FillMcsList() {
    HWND list = GetDlgItem(IDC_ADV_MCS);
    const std::string kept = CurrentMcs() == kMcsAuto ? std::string("Auto") : fw::FormatStr("%d", CurrentMcs());
    ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
    ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Auto"));
    for (int mcs = 0; mcs <= 15; ++mcs)
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::FormatStr("%d", mcs).c_str()));
    ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("32"));
    const LRESULT at = ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(kept.c_str()));
    ::SendMessageA(list, CB_SETCURSEL, at == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(at), 0);
}

void CAdvancePage::OnRegion24Change() { RefreshBwChoice(); }

void CAdvancePage::RefreshBwChoice() {
    if (!g_IsHtChip) return;
    HWND regions = GetDlgItem(IDC_ADV_REGION24);
    const LRESULT sel = ::SendMessageA(regions, CB_GETCURSEL, 0, 0);
    const std::vector<std::string> texts = Region24Texts(g_ChipIndex);
    const bool wide = sel >= 0 && static_cast<size_t>(sel) < texts.size() && RegionChannelSpan(texts[sel]) > 3;
    const int mode = CurrentMode();
    const bool offered = wide && EepromAllows40MHz(mode);
    ::EnableWindow(GetDlgItem(IDC_ADV_BW_AUTO), offered && g_IsHtChip && IsHtWirelessMode(mode));
    if (!offered && Checked(IDC_ADV_BW_AUTO)) {
        CheckDlgButton(IDC_ADV_BW_AUTO, BST_UNCHECKED);
        CheckDlgButton(IDC_ADV_BW_20, BST_CHECKED);
        m_nBw = 0;
    }
    RefreshRateText();
}

void CAdvancePage::RefreshRateText() {
    const int mcs = CurrentMcs();
    const bool shortGi = Checked(IDC_ADV_GI_AUTO);
    double rate = 0;
    int width = 0;
    std::string text = "Tx Rate: Not Available";
    if (Checked(IDC_ADV_BW_AUTO)) {
        if (m_HtTable.GetRateByIndex(mcs, rate, width))
            text = fw::FormatStr("Tx Rate: %.2f Mbps \n BW:      %d      MHz", rate, width);
    } else if (m_HtTable.GetHtRate(0, shortGi ? 1 : 0, mcs, rate)) {
        text = fw::FormatStr("Tx Rate: %.2f Mbps", rate);
    }
    SetDlgItemText(IDC_ADV_TX_RATE_TEXT, text);
}

void CAdvancePage::OnCcx() {
    const UINT check = Checked(IDC_ADV_CCX) ? BST_CHECKED : BST_UNCHECKED;
    for (int id : {IDC_ADV_CCKM, IDC_ADV_RADIO_MEASURE, IDC_ADV_NON_SERVING, IDC_ADV_QOS}) CheckDlgButton(id, check);
    if (check == BST_UNCHECKED) SetDlgItemText(IDC_ADV_LIMIT, fw::FormatStr("%d", kCcxLimitDefault));
    UpdateCheckStates();
}

void CAdvancePage::OnRadioMeasurements() {
    if (!Checked(IDC_ADV_RADIO_MEASURE)) {
        CheckDlgButton(IDC_ADV_NON_SERVING, BST_UNCHECKED);
        SetDlgItemText(IDC_ADV_LIMIT, fw::FormatStr("%d", kCcxLimitDefault));
    }
    UpdateCheckStates();
}

void CAdvancePage::OnNonServing() {
    if (!Checked(IDC_ADV_NON_SERVING)) SetDlgItemText(IDC_ADV_LIMIT, fw::FormatStr("%d", kCcxLimitDefault));
    UpdateCheckStates();
}

void CAdvancePage::OnFastRoaming() {
    if (!Checked(IDC_ADV_FAST_ROAMING)) SetDlgItemText(IDC_ADV_THRESHOLD, fw::FormatStr("%d", kRoamThresholdDefault));
    UpdateCheckStates();
}

void CAdvancePage::UpdateCheckStates() {
    const BOOL ccx = Checked(IDC_ADV_CCX);
    for (int id : {IDC_ADV_CCKM, IDC_ADV_RADIO_MEASURE, IDC_ADV_QOS}) ::EnableWindow(GetDlgItem(id), ccx);
    ::EnableWindow(GetDlgItem(IDC_ADV_NON_SERVING), Checked(IDC_ADV_RADIO_MEASURE));
    const BOOL limit = Checked(IDC_ADV_NON_SERVING);
    for (int id : {IDC_ADV_LIMIT, IDC_ADV_LIMIT_LABEL, IDC_ADV_LIMIT_UNITS}) ::EnableWindow(GetDlgItem(id), limit);
    const BOOL roaming = Checked(IDC_ADV_FAST_ROAMING);
    for (int id : {IDC_ADV_THRESHOLD, IDC_ADV_DBM}) ::EnableWindow(GetDlgItem(id), roaming);
}

void CAdvancePage::ShowRadioState() {
    const int on = g_RadioOn ? 1 : 0;
    if (on == m_nShownRadio) return;
    m_nShownRadio = on;
    SetDlgItemText(IDC_ADV_RADIO, fw::LoadStr(on ? IDS_TURN_OFF_RF : IDS_TURN_ON_RF));
    ::SendMessageA(GetDlgItem(IDC_ADV_RADIO_IMAGE), STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(on ? m_hRadioOnImage : m_hRadioOffImage));
}

void CAdvancePage::OnPaint() {
    fw::CPaintDC dc(this);
    ShowRadioState();
}

BOOL CAdvancePage::OnSetActive() {
    fw::CPropertyPage::OnSetActive();
    if (m_nTimerId) KillTimer(m_nTimerId);
    m_nTimerId = SetTimer(kRadioTimerId, kRadioTimerMs);
    return TRUE;
}

BOOL CAdvancePage::OnKillActive() {
    if (m_nTimerId) KillTimer(m_nTimerId);
    m_nTimerId = 0;
    return fw::CPropertyPage::OnKillActive();
}

void CAdvancePage::OnTimer(UINT_PTR id) {
    if (id == kRadioTimerId) ShowRadioState();
}

void CAdvancePage::OnDestroy() {
    if (m_nTimerId) KillTimer(m_nTimerId);
    m_nTimerId = 0;
}

void CAdvancePage::OnRadio() {
    g_RadioOn = g_RadioOn ? 0 : 1;
    if (WlanManager* wlan = Wlan()) wlan->SetRadioState(g_RadioOn);
    ShowRadioState();
    if (g_RadioOn) {
        if (CSiteSurvPage* site = OpenSiteSurveyPage()) {
            site->m_bConnectBySsid = 0;
            site->m_bConnectByBssid = 0;
        }
    }
    if (g_IsAdmin) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, g_DriverKeyPath, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            WriteText(key, "Radio", g_RadioOn ? 0 : 1);
            RegCloseKey(key);
        }
    }
}

bool CAdvancePage::RegionChanged() const {
    const bool shown24 = ::IsWindowVisible(GetDlgItem(IDC_ADV_REGION24)) != FALSE;
    const bool shown5 = ::IsWindowVisible(GetDlgItem(IDC_ADV_REGION5)) != FALSE;
    return m_nRegion24 != m_nLastRegion24 || m_nRegion5 != m_nLastRegion5 || shown24 != m_bLastRegion24Shown ||
           shown5 != m_bLastRegion5Shown;
}

void CAdvancePage::RememberRegions() {
    UpdateData(TRUE);
    m_nLastRegion24 = m_nRegion24;
    m_nLastRegion5 = m_nRegion5;
    m_bLastRegion24Shown = ::IsWindowVisible(GetDlgItem(IDC_ADV_REGION24)) != FALSE;
    m_bLastRegion5Shown = ::IsWindowVisible(GetDlgItem(IDC_ADV_REGION5)) != FALSE;
}

BOOL CAdvancePage::OnApply() {
    if (g_IsHtChip && Checked(IDC_ADV_HT_GF) && Checked(IDC_ADV_GI_AUTO) && Checked(IDC_ADV_STBC_AUTO)) {
        ShowMessage(m_hWnd, IDS_HT_NOT_TOGETHER);
        return FALSE;
    }
    UpdateData(TRUE);
    // A limit or threshold outside its range (printed beside the field) stops Apply without a
    // word; the field gets the focus.
    int limit = 0, threshold = 0;
    if (!ParseInt(m_strLimit, 0, kCcxLimitMax, &limit)) {
        ::SetFocus(GetDlgItem(IDC_ADV_LIMIT));
        return FALSE;
    }
    if (!ParseInt(m_strThreshold, kRoamThresholdMin, kRoamThresholdMax, &threshold)) {
        ::SetFocus(GetDlgItem(IDC_ADV_THRESHOLD));
        return FALSE;
    }
    m_nLimit = limit;
    m_nThreshold = threshold;
    if (RegionChanged()) {
        OnRegionChanged();
        RememberRegions();
    }
    ApplySettings();
    UpdateData(FALSE);  // what the mode forced shows as stored
    // Once more when everything has reached the driver.
    RequestRescan(false);
    return TRUE;
}

uint32_t CAdvancePage::TransmitSettingWord(int mode) const {
    HtPhySettings s;
    s.wirelessMode = mode;
    s.mcs = ParseInt(m_strMcs, 0, 127, &s.mcs) ? s.mcs : kMcsAuto;
    s.bw = m_nBw;
    s.gi = m_nGi;
    s.stbc = m_nStbc;
    s.htMode = m_nHtMode;
    s.extension = m_nExtension;
    return PackTransmitSetting(s);
}

uint32_t CAdvancePage::Ccx2ControlWord() const {
    CcxSettings s;
    s.ccx = m_bCcx == BST_CHECKED;
    s.cckm = m_bCckm == BST_CHECKED;
    s.radioMeasurements = m_bRadioMeasure == BST_CHECKED;
    s.nonServing = m_bNonServing == BST_CHECKED;
    s.qos = m_bQos == BST_CHECKED;
    s.fastRoaming = m_bFastRoaming == BST_CHECKED;
    s.limitMs = m_nLimit;
    s.thresholdDbm = m_nThreshold;
    return PackCcx2Control(s);
}

void CAdvancePage::ApplySettings() {
    // TCP tuning of the system, for the adapter's throughput.
    if (g_OsCode > 6) {
        HKEY tcp = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTcpipParametersKey, 0, TcpipAccess(), &tcp) == ERROR_SUCCESS) {
            const std::pair<const char*, DWORD> values[] = {
                {"TCPWindowSize", 65536}, {"SackOpts", 1}, {"TcpMaxDupAcks", 2}, {"Tcp1323Opts", 1}};
            for (const auto& [name, value] : values) {
                if (m_bTcpWindow == BST_CHECKED) WriteDword(tcp, name, value);
                else RegDeleteValueA(tcp, name);
            }
            RegCloseKey(tcp);
        }
    }

    int mode = WirelessModeFromText(m_strMode);
    NormalizeWirelessMode(mode);
    g_WirelessMode = mode;
    ForceModeLimits(mode, g_Supports5GHz != 0, &m_nProtection, &m_nTxRate);
    if (m_nRegion24 < 0) m_nRegion24 = 0;
    if (m_nRegion5 < 0) m_nRegion5 = 0;
    int position = 0;
    const bool mapped = MapWirelessModeIndex(mode, position) != 0;
    const uint32_t transmitSetting = TransmitSettingWord(mode);
    const uint32_t ccx = Ccx2ControlWord();

    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, g_DriverKeyPath, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        WriteText(key, "WirelessMode", mode);
        WriteText(key, "TXBurst", m_bTxBurst == BST_CHECKED ? 1 : 0);
        WriteText(key, "BGProtection", m_nProtection);
        if (g_Region24Valid) WriteText(key, "CountryRegion", m_nRegion24);
        if (g_Region5Valid) WriteText(key, "CountryRegionABand", m_nRegion5);
        if (mapped) WriteText(key, "AdhocOfdm", position);
        WriteText(key, "TransRate", m_nTxRate);
        WriteDword(key, "CCX2Control", ccx);
        if (g_IsHtChip) {
            WriteDword(key, "TransmitSetting", transmitSetting);
            g_HtSettingsWord = transmitSetting;
        }
        RegCloseKey(key);
    }

    // The driver takes the new mode on a fresh association with the same network.
    DriverOidOps ops;
    DWORD current = 0;
    ops.QueryOid0002(&current);
    uint8_t ssid[kNdisSsidSize] = {};
    DWORD returned = 0;
    // A length beyond the record's 32 bytes is not an SSID to send back.
    const bool haveSsid = QueryOid(kOidSsid, ssid, sizeof ssid, &returned) && ReadU32(ssid) <= 32;
    Set(kOidDisassociate, nullptr, 0, 1);
    ops.SetOid0002(static_cast<DWORD>(mode));
    if (haveSsid) Set(kOidSsid, ssid, sizeof ssid, kSetTries);
    if (g_IsHtChip) {
        uint8_t answer[kHtSettingsSize] = {};
        QueryOid(kOidQueryHtSettings, answer, sizeof answer, &returned);
        ops.SetOid0028(UnpackHtSettings(transmitSetting).data());
    }
    DWORD stored = 0;
    ReadCcx2Control(&stored);
    SetCcx2ControlOid(1, stored);
    RequestRescan(true);

    uint8_t block[kRadioBlockSize] = {};
    if (QueryOid(kOidQueryRadioBlock, block, sizeof block, &returned)) {
        uint8_t wanted[kRadioBlockSize];
        std::memcpy(wanted, block, sizeof wanted);
        WriteU32(wanted + 0, m_bTxBurst == BST_CHECKED ? 1 : 0);
        WriteU32(wanted + 8, static_cast<uint32_t>(m_nProtection));
        if (mapped) WriteU32(wanted + 16, static_cast<uint32_t>(position));
        WriteU32(wanted + 24, 0);
        if (std::memcmp(wanted, block, sizeof wanted) != 0) Set(kOidSetRadioBlock, wanted, sizeof wanted, kSetTries);
        std::memcpy(m_PhyConfig, wanted, sizeof wanted);
    }

    if (g_Region24Valid || g_Region5Valid) {
        const DWORD region = (static_cast<DWORD>(m_nRegion5) << 8) | static_cast<DWORD>(m_nRegion24);
        ops.SetOid0003(region);
        DWORD readBack = 0;
        ops.QueryOid0003(&readBack);
        VerifyCountryRegion();
    }

    if (IsHtWirelessMode(mode)) {
        const DesiredRates desired = HtDesiredRates(transmitSetting);
        Set(kOidDesiredRates, desired.data(), static_cast<DWORD>(desired.size()), kSetTries);
    } else {
        const auto record = SupportedRatesRecord(mode);
        ops.SetOid031A(record.data());
    }

    const int adjust = g_pCurrentAction && g_pCurrentAction->UseBssid == 1 ? 0 : 1;
    SetCcx2ControlOid(adjust, ccx);
}

void CAdvancePage::OnRegionChanged() {
    WlanManager* wlan = Wlan();
    if (!wlan) return;
    int connected = 0;
    if (wlan->GetInterfaceState(&connected) != ERROR_SUCCESS || connected != 1) return;
    WLAN_CONNECTION_MODE connectionMode = wlan_connection_mode_invalid;
    wlan->GetConnectionMode(&connectionMode);
    const bool byProfile = connectionMode == wlan_connection_mode_profile;
    // The whole name: profile names run to 255 characters.
    wchar_t profile[WLAN_MAX_NAME_LENGTH] = {};
    DOT11_BSS_TYPE bssType = dot11_BSS_type_any;
    if (byProfile) {
        wlan->GetProfileName(profile, WLAN_MAX_NAME_LENGTH);
        wlan->GetCurrentBssType(&bssType);
    }
    wlan->Disconnect();
    if (!byProfile) {
        ShowMessage(m_hWnd, IDS_REGION_CHANGE_DROPS_LINK);
    } else if (profile[0] && wlan->Connector()) {
        WlanConnectParams params;
        params.mode = 0;
        params.profile = profile;
        params.bssType = bssType;
        wlan->Connector()->Connect(params);
    }
    DWORD stored = 0;
    ReadCcx2Control(&stored);
    SetCcx2ControlOid(1, stored);
}
