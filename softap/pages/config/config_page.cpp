#include "softap/pages/config/config_page.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "softap/core/radio/ap_channels.h"
#include "softap/core/config/ap_config_store.h"
#include "softap/core/config/ap_numbers.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "softap/pages/config/auth_secu_dlg.h"
#include "softap/core/input/config_page_rules.h"
#include "softap/core/app_title.h"
#include "softap/core/havix_trace.h"
#include "framework/ddx.h"
#include "framework/property_sheet.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/softap/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"

namespace softap {
namespace {

constexpr int kSsidChars = 32;

// The 802.11n group that ShowHtControls shows and hides; the 40 MHz radios, their label,
// the rate text and the spare ids keep the template's (hidden) state.
constexpr int kHtGroupIds[] = {IDC_CFG_HT_GROUP,  IDC_CFG_GI_LABEL,     IDC_CFG_STBC_LABEL,  IDC_CFG_MCS_LABEL,
                               IDC_CFG_GI_LONG,   IDC_CFG_GI_AUTO,      IDC_CFG_STBC_NONE,   IDC_CFG_STBC_AUTO,
                               IDC_CFG_MCS,       IDC_CFG_HT_MODE_LABEL, IDC_CFG_HT_MM,      IDC_CFG_HT_GF,
                               IDC_CFG_EXT_CHANNEL_LABEL, IDC_CFG_EXT_CHANNEL};

bool IsHtMode(int mode) { return mode >= 5 && mode <= 10; }

// Whole decimal text with nothing after it.
bool ParseWhole(const std::string& text, long* value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    while (*end == ' ')
        ++end;
    if (errno != 0 || end == text.c_str() || *end != 0)
        return false;
    *value = v;
    return true;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CConfigPage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_PAGE_APPLY, OnApplyButton)
    FW_ON_BN_CLICKED(IDC_CFG_DEFAULT, OnDefault)
    FW_ON_BN_CLICKED(IDC_CFG_SECURITY, OnSecurity)
    FW_ON_BN_CLICKED(IDC_CFG_USE_MAC, OnUseMacAddress)
    FW_ON_CBN_SELCHANGE(IDC_CFG_MODE, OnModeChange)
    FW_ON_BN_CLICKED(IDC_CFG_AUTO_CHANNEL, OnAutoChannel)
    FW_ON_CBN_SELCHANGE(IDC_CFG_REGION24, OnRegionChange)
    FW_ON_CBN_SELCHANGE(IDC_CFG_REGION5, OnRegionChange)
    FW_ON_CBN_SELCHANGE(IDC_CFG_CHANNEL, OnChannelChange)
    FW_ON_BN_CLICKED(IDC_CFG_BW_20, OnBw20)
    FW_ON_BN_CLICKED(IDC_CFG_BW_40, OnBw40)
    FW_ON_BN_CLICKED(IDC_CFG_GI_LONG, OnRateChoice)
    FW_ON_BN_CLICKED(IDC_CFG_GI_AUTO, OnRateChoice)
    FW_ON_BN_CLICKED(IDC_CFG_STBC_NONE, OnRateChoice)
    FW_ON_BN_CLICKED(IDC_CFG_STBC_AUTO, OnRateChoice)
    FW_ON_CBN_SELCHANGE(IDC_CFG_MCS, OnRateChoice)
    FW_ON_BN_CLICKED(IDC_CFG_ALLOW_BW40, OnAllowBw40)
    FW_ON_WM_TIMER(OnTimer)
FW_END_MESSAGE_MAP()

CConfigPage::CConfigPage() : fw::CPropertyPage(IDD_CONFIG, IDS_CONFIG)
{
    m_HtTable.FillRateMaps();
}

void CConfigPage::DoDataExchange(fw::CDataExchange* pDX)
{
    DaduVeSettings& s = m_Settings;
    fw::DDX_CBStringKept(pDX, IDC_CFG_MODE, s.WirelessModeText);
    fw::DDX_Text(pDX, IDC_CFG_SSID, s.SSID);
    fw::DDX_CBIndexKept(pDX, IDC_CFG_BG_PROTECTION, s.BGProtection);
    fw::DDX_CBIndexKept(pDX, IDC_CFG_PREAMBLE, s.PreambleType);
    fw::DDX_Text(pDX, IDC_CFG_BEACON, m_strBeaconPeriod);
    fw::DDX_CBIndexKept(pDX, IDC_CFG_TX_RATE, s.TransRate);
    fw::DDX_CBStringKept(pDX, IDC_CFG_CHANNEL, s.ChannelText);
    fw::DDX_CBIndexKept(pDX, IDC_CFG_TX_POWER, s.TXPower);
    // A stored region the list has no row for stays as it was.
    fw::DDX_CBIndexKept(pDX, IDC_CFG_REGION24, s.CountryRegion);
    fw::DDX_CBIndexKept(pDX, IDC_CFG_REGION5, s.CountryRegionABand);
    fw::DDX_Check(pDX, IDC_CFG_TX_BURST, s.TXBurst);
    fw::DDX_Check(pDX, IDC_CFG_SHORT_SLOT, s.ShortSlot);
    fw::DDX_Check(pDX, IDC_CFG_AUTO_CHANNEL, s.AutoChannelSelect);
    fw::DDX_Check(pDX, IDC_CFG_TURBO_RATE, s.TurboRate);
    fw::DDX_Check(pDX, IDC_CFG_NO_FORWARDING, s.NoForwarding);
    fw::DDX_Check(pDX, IDC_CFG_HIDE_SSID, s.HideSSID);
    fw::DDX_Text(pDX, IDC_CFG_IDLE_TIME, m_strIdleTime);
    fw::DDX_Check(pDX, IDC_CFG_ALLOW_BW40, s.AllowBW40Capability);
    fw::DDX_RadioKept(pDX, IDC_CFG_BW_20, s.Bw40);
    fw::DDX_RadioKept(pDX, IDC_CFG_GI_LONG, s.ShortGi);
    fw::DDX_RadioKept(pDX, IDC_CFG_STBC_NONE, s.Stbc);
    fw::DDX_RadioKept(pDX, IDC_CFG_HT_MM, s.HtMode);
    fw::DDX_CBStringKept(pDX, IDC_CFG_MCS, s.McsText);
    // No selection is no extension channel.
    fw::DDX_CBString(pDX, IDC_CFG_EXT_CHANNEL, s.ExtChannelText);
    fw::DDX_Check(pDX, IDC_CFG_LEGACY_G, m_bLegacyG);
    fw::DDX_Check(pDX, IDC_CFG_LEGACY_A, m_bLegacyA);
    fw::DDX_Check(pDX, IDC_CFG_LEGACY_B, m_bLegacyB);
    if (!pDX->m_bSaveAndValidate) {
        // Not the user's to change: shown only.
        SetDlgItemText(IDC_CFG_RTS, DecimalText(s.RtsThresh));
        SetDlgItemText(IDC_CFG_FRAG, DecimalText(s.FragThresh));
    }
}

void CConfigPage::ShowNumbers()
{
    m_strBeaconPeriod = DecimalText(m_Settings.BeaconPeriod);
    m_strIdleTime = DecimalText(m_Settings.IdleTime);
}

BOOL CConfigPage::OnInitDialog()
{
    fw::CPropertyPage::OnInitDialog();
    const struct {
        int id;
        UINT text;
    } texts[] = {{IDC_CFG_DEFAULT, IDS_DEFAULT},       {IDC_PAGE_APPLY, IDS_APPLY},
                 {IDC_CFG_SECURITY, IDS_SECURITY_SETTING}, {IDC_CFG_USE_MAC, IDS_USE_MAC},
                 {IDC_CFG_TX_BURST, IDS_TX_BURST},     {IDC_CFG_TURBO_RATE, IDS_TURBO_RATE},
                 {IDC_CFG_SHORT_SLOT, IDS_SHORT_SLOT}, {IDC_CFG_HIDE_SSID, IDS_HIDE_SSID},
                 {IDC_CFG_NO_FORWARDING, IDS_NO_FORWARDING}, {IDC_CFG_AUTO_CHANNEL, IDS_AUTO_CHANNEL},
                 {IDC_CFG_ALLOW_BW40, IDS_ALLOW_BW40}, {IDC_CFG_REGION_GROUP, IDS_COUNTRY_REGION},
                 {IDC_CFG_IDLE_LABEL, IDS_IDLE_TIME}};
    for (const auto& t : texts)
        SetDlgItemText(t.id, fw::LoadStr(t.text));
    ::SendMessageA(GetDlgItem(IDC_CFG_SSID), EM_LIMITTEXT, kSsidChars, 0);
    m_Settings.WirelessModeText = WirelessModeText(9);
    m_Settings.AllowBW40Capability = g_Ap.allowBw40InBgBand;
    m_Region24Combo.SubclassDlgItem(IDC_CFG_REGION24, this);
    m_Region5Combo.SubclassDlgItem(IDC_CFG_REGION5, this);
    FillCombo(IDC_CFG_REGION5, Region5Texts(g_ChipIndex));

    for (int id : {IDC_CFG_PREAMBLE, IDC_CFG_TX_BURST, IDC_CFG_SHORT_SLOT, IDC_CFG_AUTO_CHANNEL, IDC_CFG_PREAMBLE_LABEL})
        ShowItem(id, false);
    if (!g_Ap.region24Selectable) {
        EnableDlgItem(IDC_CFG_REGION_GROUP, FALSE);
        EnableDlgItem(IDC_CFG_REGION24, FALSE);
    }
    if (!g_Ap.region5Selectable)
        EnableDlgItem(IDC_CFG_REGION5, FALSE);
    if (!g_Supports5GHz) {
        ShowItem(IDC_CFG_REGION5_LABEL, false);
        ShowItem(IDC_CFG_REGION5, false);
    }

    FillCombo(IDC_CFG_BG_PROTECTION, ProtectionTexts());
    FillCombo(IDC_CFG_PREAMBLE, PreambleTexts());
    FillCombo(IDC_CFG_TX_RATE, RateTexts(1));
    FillCombo(IDC_CFG_TX_POWER, TxPowerTexts());
    FillCombo(IDC_CFG_MODE, OfferedModeTexts(g_Supports5GHz != 0, g_IsHtChip != 0));
    FillCombo(IDC_CFG_REGION24, Region24Texts());
    m_Region24Combo.RecalcDropWidth();
    m_Region5Combo.RecalcDropWidth();

    if (!g_IsHtChip) {
        for (int id = IDC_CFG_HT_GROUP; id <= IDC_CFG_EXT_CHANNEL; ++id)
            ShowItem(id, false);
        ShowItem(IDC_CFG_ALLOW_BW40, false);
    }

    ReadConfigFromRegistry(m_Settings);
    // A stored mode the list does not offer shows as its first.
    const std::vector<std::string> modes = ComboRows(IDC_CFG_MODE);
    bool offered = false;
    for (const std::string& m : modes)
        offered = offered || m == m_Settings.WirelessModeText;
    if (!offered && !modes.empty())
        m_Settings.WirelessModeText = modes.front();
    ShowNumbers();
    // The stored rate needs its mode's rows before it is shown, or an index above the five
    // B rates finds none and the mode-change step reads it back as Auto.
    FillCombo(IDC_CFG_TX_RATE, RateTexts(Mode()));

    RebuildRegionLists();
    EnableDlgItem(IDC_CFG_CHANNEL, m_Settings.AutoChannelSelect == 0);
    UpdateData(FALSE);
    ModeChanged();

    DWORD returned = 0;
    // No answer leaves the zero address, never part of one, and no name is made of it.
    m_bMacRead = QueryOid(kOidCurrentAddress, m_Mac, sizeof(m_Mac), &returned) && returned >= sizeof(m_Mac);
    if (!m_bMacRead)
        std::fill(std::begin(m_Mac), std::end(m_Mac), uint8_t{0});
    m_strApName = ApNameOfMac(m_Mac);
    SetTimer(kConfigTimerId, kConfigTimerMs);
    return TRUE;
}

BOOL CConfigPage::OnSetActive()
{
    const BOOL result = fw::CPropertyPage::OnSetActive();
    SetTimer(kConfigTimerId, kConfigTimerMs);
    return result;
}

BOOL CConfigPage::OnKillActive()
{
    KillTimer(kConfigTimerId);
    return fw::CPropertyPage::OnKillActive();
}

int CConfigPage::Mode() const { return WirelessModeFromText(m_Settings.WirelessModeText); }

void CConfigPage::ShowItem(int id, bool show)
{
    if (HWND h = GetDlgItem(id))
        ::ShowWindow(h, show ? SW_SHOW : SW_HIDE);
}

void CConfigPage::FillCombo(int id, const std::vector<std::string>& rows)
{
    HWND combo = GetDlgItem(id);
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& row : rows)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
}

std::vector<std::string> CConfigPage::ComboRows(int id) const
{
    std::vector<std::string> rows;
    HWND combo = ::GetDlgItem(m_hWnd, id);
    const int n = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
        std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
        std::vector<char> buffer(text.size() + 1);
        ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        rows.emplace_back(buffer.data());
    }
    return rows;
}

void CConfigPage::ShowHtControls(int show)
{
    if (g_Ap.checkBuild == 1) {
        ShowItem(IDC_CFG_TX_RATE_LABEL, true);
        ShowItem(IDC_CFG_TX_RATE, true);
        EnableDlgItem(IDC_CFG_TX_RATE, show == 0);
    } else {
        ShowItem(IDC_CFG_TX_RATE_LABEL, !g_IsHtChip);
        ShowItem(IDC_CFG_TX_RATE, !g_IsHtChip);
    }
    const bool group = g_Ap.checkBuild == 1 && show == 1;
    for (int id : kHtGroupIds)
        ShowItem(id, group);
}

void CConfigPage::ModeChanged()
{
    const std::string mcs = m_Settings.McsText;
    const std::string ext = m_Settings.ExtChannelText;
    ReadControls();
    m_Settings.McsText = mcs;
    m_Settings.ExtChannelText = ext;
    const int selected = static_cast<int>(::SendMessageA(GetDlgItem(IDC_CFG_TX_RATE), CB_GETCURSEL, 0, 0));
    m_Settings.TransRate = selected < 0 ? 0 : selected;

    const int mode = Mode();
    if (const std::optional<RegionRows> rows = RegionRowsFor(mode)) {
        ShowItem(IDC_CFG_REGION24_LABEL, rows->show24);
        ShowItem(IDC_CFG_REGION24, rows->show24);
        ShowItem(IDC_CFG_REGION5_LABEL, rows->show5 && g_Supports5GHz);
        ShowItem(IDC_CFG_REGION5, rows->show5 && g_Supports5GHz);
    }

    FillCombo(IDC_CFG_TX_RATE, RateTexts(mode));
    if (mode == 1) {
        m_Settings.BGProtection = 0;
        if (m_Settings.TransRate > 4)
            m_Settings.TransRate = 0;
    }
    EnableDlgItem(IDC_CFG_BG_PROTECTION, mode == 0 || mode == 3 || mode == 5 || mode == 9);

    if (g_IsHtChip) {
        if (IsHtMode(mode)) {
            const std::vector<std::string> mcsRows = McsTexts(g_HtChipIndex, m_Settings.HtMode);
            FillCombo(IDC_CFG_MCS, mcsRows);
            // Nothing stored yet (or not in this list): the first row, never a silent MCS 0.
            bool listed = false;
            for (const std::string& row : mcsRows)
                listed = listed || row == m_Settings.McsText;
            if (!listed && !mcsRows.empty())
                m_Settings.McsText = mcsRows.front();
            UpdateRateLabel();
            EnableExtensionChannel(m_Settings.Bw40 ? TRUE : FALSE);
        }
        // A legacy mode gives the rate list back.
        ShowHtControls(IsHtMode(mode) ? 1 : 0);
    }
    ::SendMessageA(GetDlgItem(IDC_CFG_TX_RATE), CB_SETCURSEL, static_cast<WPARAM>(m_Settings.TransRate), 0);
    RebuildChannelList();
}

void CConfigPage::RebuildRegionLists()
{
    m_Channels24 = Channels24(m_Settings.CountryRegion);
    m_Channels5 = Channels5(m_Settings.CountryRegionABand);
}

void CConfigPage::RebuildChannelList()
{
    HWND combo = GetDlgItem(IDC_CFG_CHANNEL);
    std::string remembered = m_Settings.ChannelText;
    const int selected = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    if (selected >= 0) {
        const std::vector<std::string> rows = ComboRows(IDC_CFG_CHANNEL);
        if (selected < static_cast<int>(rows.size()))
            remembered = rows[static_cast<size_t>(selected)];
    }

    const int mode = Mode();
    const ChannelChoice choice = ChannelsFor(mode, m_Channels24, m_Channels5, m_Settings.Bw40,
                                             m_Settings.AllowBW40Capability, g_Ap.allowBw40InBgBand);
    if (choice.bw40) {
        EnableDlgItem(IDC_CFG_BW_40, *choice.bw40 ? TRUE : FALSE);
        m_Settings.Bw40 = *choice.bw40 ? 1 : 0;
    }
    std::vector<std::string> rows;
    for (uint8_t c : choice.channels)
        rows.push_back(DecimalText(static_cast<int>(c)));
    FillCombo(IDC_CFG_CHANNEL, rows);
    int row = FindChannelRow(rows, remembered);
    if (row < 0 && !rows.empty())
        row = 0;
    m_Settings.ChannelText = row >= 0 ? rows[static_cast<size_t>(row)] : std::string();
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    RefreshExtensionChannels();
}

void CConfigPage::RefreshExtensionChannels()
{
    const int channel = ChannelFromText(m_Settings.ChannelText);
    std::vector<uint8_t> listed;
    for (const std::string& text : ComboRows(IDC_CFG_CHANNEL))
        listed.push_back(static_cast<uint8_t>(ChannelFromText(text)));
    FillCombo(IDC_CFG_EXT_CHANNEL, ExtensionChannelTexts(channel, listed));
    if (channel == 14) {
        // No 40 MHz on channel 14: the flag goes with the capability, or Apply would send it.
        m_Settings.AllowBW40Capability = 0;
        m_Settings.Bw40 = 0;
        EnableExtensionChannel(FALSE);
    }
    UpdateData(FALSE);
}

void CConfigPage::UpdateRateLabel()
{
    SetDlgItemText(IDC_CFG_HT_RATE_TEXT, TxRateLabel(m_HtTable, g_HtChipIndex, m_Settings.Bw40, m_Settings.ShortGi,
                                                     McsFromText(m_Settings.McsText)));
}

void CConfigPage::EnableExtensionChannel(BOOL enable)
{
    EnableDlgItem(IDC_CFG_EXT_CHANNEL_LABEL, enable);
    EnableDlgItem(IDC_CFG_EXT_CHANNEL, enable);
}

void CConfigPage::RefreshHtVisibility()
{
    const int mode = Mode();
    if (mode == 5 || mode == 6 || mode == 8 || mode == 9) {
        if (g_Ap.checkBuild == 1)
            ShowHtControls(1);
        ShowItem(IDC_CFG_ALLOW_BW40, true);
    } else {
        ShowItem(IDC_CFG_ALLOW_BW40, false);
    }
}

void CConfigPage::OnTimer(UINT_PTR id)
{
    if (id != kConfigTimerId)
        return;
    KillTimer(kConfigTimerId);
    RefreshHtVisibility();
    SetTimer(kConfigTimerId, kConfigTimerMs);
}

void CConfigPage::OnAutoChannel()
{
    ReadControls();
    EnableDlgItem(IDC_CFG_CHANNEL, m_Settings.AutoChannelSelect == 0);
}

void CConfigPage::OnRegionChange()
{
    ReadControls();
    RebuildRegionLists();
    RebuildChannelList();
}

void CConfigPage::OnChannelChange()
{
    ReadControls();
    RefreshExtensionChannels();
}

void CConfigPage::OnBw20()
{
    ReadControls();
    UpdateRateLabel();
    EnableExtensionChannel(FALSE);
}

void CConfigPage::OnBw40()
{
    ReadControls();
    UpdateRateLabel();
    EnableExtensionChannel(TRUE);
    RebuildChannelList();
}

void CConfigPage::OnRateChoice()
{
    ReadControls();
    UpdateRateLabel();
}

void CConfigPage::OnAllowBw40()
{
    ReadControls();
    m_Settings.Bw40 = m_Settings.AllowBW40Capability ? 1 : 0;
    if (m_Settings.AllowBW40Capability)
        RebuildChannelList();
    else
        UpdateData(FALSE);  // the radios show "20", or the next read takes 40 MHz back
    UpdateRateLabel();
    EnableExtensionChannel(m_Settings.Bw40 ? TRUE : FALSE);
}

bool CConfigPage::ValidateNumber(int id, const std::string& text, int low, int high, int* value)
{
    long v = 0;
    const bool whole = ParseWhole(text, &v);
    if (whole && v >= low && v <= high) {
        *value = static_cast<int>(v);
        return true;
    }
    std::string message = fw::LoadStr(IDS_ENTER_INTEGER);
    if (whole) {
        char buffer[128];
        std::snprintf(buffer, sizeof(buffer), fw::LoadStr(IDS_ENTER_INTEGER_RANGE).c_str(), low, high);
        message = buffer;
    }
    platform::Boxes().Show(m_hWnd, message.c_str(), kAppTitle, MB_OK | MB_ICONEXCLAMATION);
    HWND edit = GetDlgItem(id);
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    return false;
}

bool CConfigPage::ValidateNumbers()
{
    int beacon = 0;
    int idle = 0;
    if (!ValidateNumber(IDC_CFG_BEACON, m_strBeaconPeriod, 20, 1000, &beacon))
        return false;
    if (!ValidateNumber(IDC_CFG_IDLE_TIME, m_strIdleTime, 60, 3600, &idle))
        return false;
    m_Settings.BeaconPeriod = beacon;
    m_Settings.IdleTime = idle;
    return true;
}

void CConfigPage::OnApplyButton()
{
    ReadControls();
    if (!ValidateNumbers())
        return;
    UpdateData(FALSE);
    if (m_Settings.SSID.empty()) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_KEY_IN_SSID).c_str(), kAppTitle, MB_OK);
        return;
    }
    const int selected = static_cast<int>(::SendMessageA(GetDlgItem(IDC_CFG_TX_RATE), CB_GETCURSEL, 0, 0));
    IApSheetSync* sheet = dynamic_cast<IApSheetSync*>(GetParentSheet());
    WriteConfigToRegistryAndSetOid(m_Settings, selected, sheet, [this] {
        RebuildRegionLists();
        RebuildChannelList();
    });
    // The record as stored: the mode folded, protection and rate cleared where it has none.
    ShowNumbers();
    UpdateData(FALSE);
}

void CConfigPage::OnDefault()
{
    // Without the adapter's address the SSID shown stays: a name made of zeros is no default.
    const std::string ssid = GetDlgItemText(IDC_CFG_SSID);
    ResetToDefaults(m_Settings, m_Mac);
    if (!m_bMacRead) {
        m_Settings.SSID = ssid;
        Trace("Adapter address unread: Default keeps the SSID\n");
    }
    m_bLegacyG = m_bLegacyA = m_bLegacyB = 0;
    ShowNumbers();
    EnableDlgItem(IDC_CFG_CHANNEL, TRUE);
    UpdateData(FALSE);
    ::SendMessageA(GetDlgItem(IDC_CFG_CHANNEL), CB_SETCURSEL, 0, 0);
    ModeChanged();
}

void CConfigPage::OnUseMacAddress()
{
    ReadControls();
    if (!m_bMacRead) {
        Trace("Adapter address unread: SSID left as it is\n");
        return;
    }
    m_Settings.SSID = m_strApName;
    UpdateData(FALSE);
}

void CConfigPage::OnSecurity()
{
    ReadControls();
    CAuthSecuDlg dialog(this);
    dialog.m_Security = m_Settings.Security;
    if (dialog.DoModal() == IDOK)
        m_Settings.Security = dialog.m_Security;
}

}  // namespace softap
