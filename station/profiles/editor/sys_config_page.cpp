#include "station/profiles/editor/sys_config_page.h"

#include <commctrl.h>

#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/driver/oid_access.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/radio/channel_plan.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/hide_dlg.h"
#include "station/core/registry/radio_defaults.h"
#include "station/core/station_globals.h"
#include "station/profiles/editor/editor_exchange.h"
#include "station/profiles/editor/profile_sheet.h"

namespace {

constexpr int kLabelIds[6] = {IDC_SYS_NETWORK_TYPE_LABEL, IDC_SYS_PREAMBLE_LABEL, IDC_SYS_TX_POWER_LABEL,
                              IDC_SYS_CHANNEL_LABEL,      IDC_SYS_NAME_LABEL,     IDC_SYS_SSID_LABEL};
constexpr UINT kLabelTexts[6] = {IDS_NETWORK_TYPE, IDS_PREAMBLE, IDS_TX_POWER, IDS_COL_CHANNEL, IDS_PCOL_NAME,
                                 IDS_PCOL_SSID};
constexpr UINT kTxPowerTexts[7] = {IDS_NET_AUTO, IDS_TX_100, IDS_TX_75, IDS_TX_50, IDS_TX_25, IDS_TX_10, IDS_TX_LOWEST};
// The 4.9 GHz-adjacent channels of region 9 and 10 the page never lists.
constexpr int kUnlistedChannels[4] = {34, 38, 42, 46};
constexpr DWORD kPhyModeOffset = 16;

void ResetCombo(HWND combo) { ::SendMessageA(combo, CB_RESETCONTENT, 0, 0); }
void AddItem(HWND combo, const std::string& text) {
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
std::string ItemText(HWND combo, int index) {
    const LRESULT n = ::SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (n == CB_ERR || n <= 0) return {};
    std::string text(static_cast<size_t>(n) + 1, '\0');
    ::SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

BOOL CALLBACK EndSysConfigDialog(HWND window, LPARAM) {
    if (auto* page = dynamic_cast<CSysConfigPage*>(fw::CWnd::FromHandle(window))) page->EndDialog(IDCANCEL);
    return TRUE;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CSysConfigPage, fw::CPropertyPage)
    FW_ON_CBN_SELCHANGE(IDC_SYS_NETWORK_TYPE, OnNetworkTypeChange)
    FW_ON_BN_CLICKED(IDC_SYS_USE_FRAG, OnFragCheck)
    FW_ON_BN_CLICKED(IDC_SYS_USE_RTS, OnRtsCheck)
    FW_ON_WM_HELPINFO(OnHelpInfo)
FW_END_MESSAGE_MAP()

CSysConfigPage::CSysConfigPage(SysConfigValues* values)
    : fw::CPropertyPage(IDD_SYS_CONFIG, IDS_SYS_CONFIG), m_pValues(values ? values : &m_OwnValues) {}

CSysConfigPage::~CSysConfigPage() = default;

void CSysConfigPage::DoDataExchange(fw::CDataExchange* dx) {
    fw::CPropertyPage::DoDataExchange(dx);
    fw::DDX_Control(dx, IDC_SYS_RTS_EDIT, m_RtsEdit);
    fw::DDX_Control(dx, IDC_SYS_FRAG_EDIT, m_FragEdit);
    fw::DDX_Control(dx, IDC_SYS_RTS_SLIDER, m_RtsSlider);
    fw::DDX_Control(dx, IDC_SYS_FRAG_SLIDER, m_FragSlider);
    SysConfigValues& v = Values();
    editor_exchange::Choice(dx, IDC_SYS_CAM, v.powerMode, true);
    editor_exchange::Choice(dx, IDC_SYS_PREAMBLE, v.preamble);
    editor_exchange::Choice(dx, IDC_SYS_NETWORK_TYPE, v.networkType);
    fw::DDX_Slider(dx, IDC_SYS_RTS_SLIDER, v.rtsThreshold);
    fw::DDX_Slider(dx, IDC_SYS_FRAG_SLIDER, v.fragThreshold);
    fw::DDX_Check(dx, IDC_SYS_CAM_ON_AC, v.camOnAcPower);
    fw::DDX_Check(dx, IDC_SYS_USE_FRAG, v.useFrag);
    fw::DDX_Check(dx, IDC_SYS_USE_RTS, v.useRts);
    editor_exchange::Choice(dx, IDC_SYS_TX_POWER, v.txPower);
    editor_exchange::Text(dx, IDC_SYS_NAME, v.profileName, kProfileNameEditMax);
    for (int i = 0; i < 6; ++i) fw::DDX_Text(dx, kLabelIds[i], m_strLabels[i]);
    editor_exchange::Text(dx, IDC_SYS_SSID, v.ssid, kSsidMax);
}

BOOL CSysConfigPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    ::SendMessageA(GetDlgItem(IDC_SYS_NAME), EM_LIMITTEXT, kProfileNameEditMax, 0);
    ::SendMessageA(GetDlgItem(IDC_SYS_SSID), CB_LIMITTEXT, kSsidMax, 0);
    FillSsidList();
    UpdateData(FALSE);
    ::ShowWindow(GetDlgItem(IDC_SYS_CAM_ON_AC), SW_HIDE);

    SysConfigValues& v = Values();
    m_RtsEdit.LinkSlider(this, IDC_SYS_RTS_SLIDER);
    m_RtsEdit.SetRange(0, kRtsThresholdOff, 32, 256);
    m_RtsEdit.SetIntValue(v.rtsThreshold);
    m_RtsSlider.SetPos(v.rtsThreshold);
    m_FragEdit.LinkSlider(this, IDC_SYS_FRAG_SLIDER);
    m_FragEdit.SetRange(kFragThresholdMin, kFragThresholdOff, 32, 256);
    m_FragEdit.SetIntValue(v.fragThreshold);
    m_FragSlider.SetPos(v.fragThreshold);

    SetDlgItemText(IDC_SYS_POWER_GROUP, fw::LoadStr(IDS_PSM_GROUP));
    SetDlgItemText(IDC_SYS_CAM, fw::LoadStr(IDS_CAM));
    SetDlgItemText(IDC_SYS_CAM_ON_AC, fw::LoadStr(IDS_CAM_ON_AC));
    SetDlgItemText(IDC_SYS_PSM, fw::LoadStr(IDS_PSM));
    SetDlgItemText(IDC_SYS_USE_RTS, fw::LoadStr(IDS_RTS_THRESHOLD));
    SetDlgItemText(IDC_SYS_USE_FRAG, fw::LoadStr(IDS_FRAG_THRESHOLD));
    for (int i = 0; i < 6; ++i) m_strLabels[i] = fw::LoadStr(kLabelTexts[i]);

    HWND type = GetDlgItem(IDC_SYS_NETWORK_TYPE);
    AddItem(type, fw::LoadStr(IDS_NET_ADHOC));
    AddItem(type, fw::LoadStr(IDS_NET_INFRASTRUCTURE));
    HWND preamble = GetDlgItem(IDC_SYS_PREAMBLE);
    AddItem(preamble, fw::LoadStr(IDS_PREAMBLE_AUTO));
    AddItem(preamble, fw::LoadStr(IDS_LONG_PREAMBLE));
    HWND power = GetDlgItem(IDC_SYS_TX_POWER);
    for (UINT id : kTxPowerTexts) AddItem(power, fw::LoadStr(id));
    UpdateData(FALSE);

    // The driver's phy mode picks the ad hoc channels; without an answer the default stays.
    uint8_t block[kRadioBlockSize] = {};
    DWORD returned = 0;
    if (QueryOid(kOidQueryRadioBlock, block, sizeof(block), &returned)) {
        uint32_t mode = 0;
        std::memcpy(&mode, block + kPhyModeOffset, sizeof(mode));
        v.phyMode = static_cast<int>(mode);
    }

    FillChannelList();
    OnNetworkTypeChange();
    OnRtsCheck();
    OnFragCheck();
    return TRUE;
}

void CSysConfigPage::FillSsidList() {
    HWND combo = GetDlgItem(IDC_SYS_SSID);
    ResetCombo(combo);
    const uint8_t* list = g_pHideDlg && g_pHideDlg->m_BssLists.Attached() ? g_pHideDlg->m_BssLists.DisplayList() : nullptr;
    for (const std::string& ssid : SsidChoices(list, kBssidListSize, Values().ssid)) AddItem(combo, ssid);
}

void CSysConfigPage::FillChannelList() {
    SysConfigValues& v = Values();
    uint8_t channels[64] = {};
    int count = 0;
    BuildChannelList(IsInfrastructure(v.networkType) ? 1 : 0, g_WirelessMode, v.phyMode, channels, &count);
    if (count < 0) count = 0;
    if (count > static_cast<int>(kMaxChannelListLength)) count = static_cast<int>(kMaxChannelListLength);

    HWND combo = GetDlgItem(IDC_SYS_CHANNEL);
    ResetCombo(combo);
    const int wanted = ChannelOfText(v.channel);
    int found = -1, index = 0;
    for (int i = 0; i < count; ++i) {
        const int channel = channels[i];
        bool listed = true;
        for (int skip : kUnlistedChannels) listed = listed && channel != skip;
        if (!listed) continue;
        AddItem(combo, std::to_string(channel));
        if (channel == wanted && found < 0) found = index;
        ++index;
    }
    // A channel the list does not hold (the default "-1" among them) gives the first one.
    ::SendMessageA(combo, CB_SETCURSEL, found < 0 ? 0 : found, 0);
}

void CSysConfigPage::ReadChannelBack() {
    HWND combo = GetDlgItem(IDC_SYS_CHANNEL);
    if (!combo) return;
    if (IsInfrastructure(Values().networkType)) ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
    const int index = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    // Without a channel list the value the profile had stays.
    if (index >= 0) Values().channel = ItemText(combo, index);
}

void CSysConfigPage::SetSecurityInfrastructure(int infrastructure) {
    if (auto* sheet = dynamic_cast<CProfileSheet*>(GetParentSheet())) sheet->FollowNetworkType(infrastructure);
}

void CSysConfigPage::OnNetworkTypeChange() {
    UpdateData(TRUE);
    SysConfigValues& v = Values();
    const BOOL adhoc = !IsInfrastructure(v.networkType);
    EnableDlgItem(IDC_SYS_PREAMBLE, adhoc);
    EnableDlgItem(IDC_SYS_PREAMBLE_LABEL, adhoc);
    if (adhoc) {
        SetSecurityInfrastructure(0);
        FillChannelList();
    } else {
        v.preamble = 0;
        SetSecurityInfrastructure(1);
    }
    UpdateData(FALSE);
}

void CSysConfigPage::SetThresholdRow(CSmartEdit& edit, CLinkSlider& slider, int use, int& value, int off) {
    edit.EnableWindow(use ? TRUE : FALSE);
    slider.EnableWindow(use ? TRUE : FALSE);
    if (use) return;
    // Off means the largest value, whatever the slider showed.
    value = off;
    edit.SetIntValue(off);
    slider.SetPos(off);
}

void CSysConfigPage::OnRtsCheck() {
    UpdateData(TRUE);
    SysConfigValues& v = Values();
    SetThresholdRow(m_RtsEdit, m_RtsSlider, v.useRts, v.rtsThreshold, kRtsThresholdOff);
}

void CSysConfigPage::OnFragCheck() {
    UpdateData(TRUE);
    SysConfigValues& v = Values();
    SetThresholdRow(m_FragEdit, m_FragSlider, v.useFrag, v.fragThreshold, kFragThresholdOff);
}

BOOL CSysConfigPage::OnApply() {
    auto* sheet = dynamic_cast<CProfileSheet*>(GetParentSheet());
    if (!sheet) return fw::CPropertyPage::OnApply();
    if (!sheet->SaveProfile()) return FALSE;
    return fw::CPropertyPage::OnApply();
}

void CloseSysConfigDialogs() { EnumWindows(EndSysConfigDialog, 0); }
