#include "station/pages/site_surv_page.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/property_sheet.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/system/os_code.h"
#include "station/core/action_data.h"
#include "station/core/wps/wps_poll.h"
#include "station/core/scan/bss_ie_decoder.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/radio/channel_frequency.h"
#include "station/core/hide_dlg.h"
#include "station/core/scan/scan_merge.h"
#include "station/core/settings/settings_file.h"
#include "station/core/radio/signal_quality.h"
#include "station/core/station_globals.h"
#include "station/core/wlan/wlan_messages.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/profile_globals.h"

namespace site_survey {

namespace {

// The leading decimal number of a column text; 0 when it has none.
long long LeadingNumber(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value < 1000000000LL) value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

bool Numeric(int column) { return column == kSignal || column == kChannel; }

}  // namespace

void SortRows(std::vector<Row>& rows, int column, bool ascending) {
    if (column < 0 || column >= kColumnCount) return;
    auto less = [&](const Row& a, const Row& b) {
        if (Numeric(column)) return LeadingNumber(a[column]) < LeadingNumber(b[column]);
        // By byte value: upper-case letters before lower-case ones.
        return std::lexicographical_compare(a[column].begin(), a[column].end(), b[column].begin(),
                                            b[column].end(), [](char x, char y) {
                                                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                            });
    };
    // Stable in both directions: equal keys keep the scan order.
    if (ascending)
        std::stable_sort(rows.begin(), rows.end(), less);
    else
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) { return less(b, a); });
}

int AuthenticationClass(const std::string& authentication) {
    static const struct {
        const char* text;
        int authClass;
    } kOrder[] = {{"WPA2-PSK", 5}, {"WPA2", 4}, {"WPA-PSK", 2}, {"WPA-NONE", 3}, {"WPA", 1}};
    for (const auto& k : kOrder)
        if (authentication.find(k.text) != std::string::npos) return k.authClass;
    return 0;
}

NewProfileValues ProfileValuesFor(uint32_t privacy, int authClass, const std::string& encryptionText, int osCode) {
    NewProfileValues v;
    v.encryption = privacy == 0 ? 1 : 0;
    v.authentication = 0;
    if (authClass < 1 || authClass > 5) return v;
    v.encryption = encryptionText.find("AES") != std::string::npos ? 6 : 4;
    // WPA2 modes exist only on systems that know them.
    const bool wpa2 = osCode == 7 || osCode == 8 || osCode == 10 || osCode == 11 || osCode == 12;
    switch (authClass) {
        case 1: v.authentication = 3; break;
        case 2: v.authentication = 4; break;
        case 3: v.authentication = 5; break;
        case 4: v.authentication = wpa2 ? 6 : 3; break;
        case 5: v.authentication = wpa2 ? 7 : 4; break;
    }
    return v;
}

}  // namespace site_survey

using namespace site_survey;

namespace {

constexpr UINT_PTR kStatusTimer = 1;
constexpr UINT kStatusMs = 2000;
// A scan that never reports back (the service refused it) would keep the page in
// "Rescanning" for good: after this many status ticks the page shows what it has.
constexpr int kRescanGiveUpTicks = 10;

struct ColumnSpec {
    UINT header;
    double factor;
};
constexpr ColumnSpec kColumns[kColumnCount] = {
    {IDS_COL_SSID, 1.8},       {IDS_COL_BSSID, 2.2},          {IDS_COL_PHY, 1.0},
    {IDS_COL_SIGNAL, 1.0},     {IDS_COL_CHANNEL, 1.1},        {IDS_COL_ENCRYPTION, 1.3},
    {IDS_COL_AUTHENTICATION, 1.4}, {IDS_COL_NETWORK_TYPE, 1.6},
};

// The main window's lists; null before it exists.
const BssidLists* Lists() { return g_pHideDlg && g_pHideDlg->m_BssLists.Attached() ? &g_pHideDlg->m_BssLists : nullptr; }

WlanManager* Wlan() { return g_pHideDlg ? &g_pHideDlg->m_WlanManager : nullptr; }

std::string CurrentSsidText() {
    uint32_t length = 0;
    std::memcpy(&length, g_CurrentSsid, 4);
    if (length > 32) length = 32;
    const char* bytes = reinterpret_cast<const char*>(g_CurrentSsid + 4);
    return std::string(bytes, strnlen(bytes, length));
}

// "02-11-22-33-44-55" back to 6 bytes; false for anything else.
bool ParseBssidText(const std::string& text, uint8_t out[6]) {
    std::string hex;
    for (char c : text)
        if (c != '-') hex += c;
    if (hex.size() != 12) return false;
    for (int i = 0; i < 6; ++i) {
        int v = 0;
        for (int k = 0; k < 2; ++k) {
            char c = hex[i * 2 + k];
            int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0) return false;
            v = v * 16 + d;
        }
        out[i] = static_cast<uint8_t>(v);
    }
    return true;
}

// 802.11n by its elements, else by the service's PHY type (OFDM, HR/DSSS, ERP).
std::string PhyText(bool ht, int phyType) {
    const char* text = ht ? "N" : phyType == 4 ? "A" : phyType == 5 ? "B" : phyType == 6 ? "G" : nullptr;
    return text ? std::string(text) : fw::LoadStr(IDS_UNKNOWN);
}

Row RowOf(const BssidEntryView& entry, int phyType) {
    Row row;
    row[kSsid] = entry.Ssid();
    MacAddress mac = entry.Mac();
    row[kBssid] = fw::FormatStr("%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);

    const BssIeFlags flags = DecodeBssInformationElements(entry);
    row[kPhy] = PhyText(flags.ht != 0, phyType);

    row[kSignal] = fw::FormatStr("%d%%", SignalToPercent(entry.Rssi()));
    int channel = 0;
    if (FrequencyToChannel(entry.DsConfig(), &channel)) row[kChannel] = fw::FormatStr("%u", static_cast<unsigned>(channel));

    const bool aes = flags.ccmp || flags.wrap;
    if (flags.tkip || aes) {
        std::string text = std::string(flags.tkip ? "TKIP;" : "") + (aes ? "AES;" : "");
        text.pop_back();
        row[kEncryption] = text;
    } else {
        row[kEncryption] = fw::LoadStr(entry.Privacy() != 0 ? IDS_ENC_WEP : IDS_ENC_NONE);
    }

    if (flags.AnyKeyManagement()) {
        std::string text;
        if (flags.wpa8021x) text += "WPA;";
        if (flags.wpaPsk) text += "WPA-PSK;";
        if (flags.wpaNone) text += "WPA-NONE;";
        if (flags.wpa2_8021x) text += "WPA2;";
        if (flags.wpa2Psk) text += "WPA2-PSK;";
        if (flags.wpa2None) text += "WPA2-NONE;";
        text.pop_back();
        row[kAuthentication] = text;
    } else {
        row[kAuthentication] = fw::LoadStr(IDS_UNKNOWN);
    }

    // A mode the table does not know shows no text.
    static const UINT kModes[] = {IDS_NET_ADHOC, IDS_NET_INFRASTRUCTURE, IDS_NET_AUTO};
    uint32_t mode = entry.InfrastructureMode();
    if (mode < 3) row[kNetworkType] = fw::LoadStr(kModes[mode]);
    return row;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CSiteSurvPage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_SITE_RESCAN, OnRescan)
    FW_ON_BN_CLICKED(IDC_SITE_CONNECT, OnConnect)
    FW_ON_NOTIFY(NM_DBLCLK, IDC_SITE_LIST, OnListDblClk)
    FW_ON_BN_CLICKED(IDC_SITE_ADD_PROFILE, OnAddProfile)
    FW_ON_NOTIFY(LVN_ITEMCHANGED, IDC_SITE_LIST, OnItemChanged)
    FW_ON_NOTIFY(LVN_ITEMCHANGING, IDC_SITE_LIST, OnItemChanging)
    FW_ON_NOTIFY(LVN_COLUMNCLICK, IDC_SITE_LIST, OnColumnClick)
    FW_ON_NOTIFY(LVN_GETDISPINFOA, IDC_SITE_LIST, OnGetDispInfo)
    FW_ON_NOTIFY(LVN_GETDISPINFOW, IDC_SITE_LIST, OnGetDispInfo)
    FW_ON_NOTIFY(LVN_ODFINDITEMA, IDC_SITE_LIST, OnFindItem)
    FW_ON_NOTIFY(LVN_ODFINDITEMW, IDC_SITE_LIST, OnFindItem)
    FW_ON_MESSAGE(kMsgWlanScanComplete, OnScanComplete)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CSiteSurvPage::CSiteSurvPage() : fw::CPropertyPage(IDD_SITE_SURVEY, IDS_SITE_SURVEY) {}

CSiteSurvPage::~CSiteSurvPage() {
    if (m_hSnapshot) {
        GlobalUnlock(m_hSnapshot);
        GlobalFree(m_hSnapshot);
    }
}

BOOL CSiteSurvPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    // The snapshot first: the steps below may already rebuild the rows.
    if (!m_hSnapshot) {
        m_hSnapshot = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kBssidListSize);
        m_pSnapshot = m_hSnapshot ? static_cast<uint8_t*>(GlobalLock(m_hSnapshot)) : nullptr;
    }

    m_List.SubclassDlgItem(IDC_SITE_LIST, this);
    m_List.InitImageList();
    // The header draws its sort arrows from the same images.
    if (HWND header = reinterpret_cast<HWND>(m_List.SendMessage(LVM_GETHEADER)))
        ::SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_List.GetImageList()));
    m_List.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    for (int i = 0; i < kColumnCount; ++i) {
        std::string header = fw::LoadStr(kColumns[i].header);
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.pszText = header.data();
        column.iSubItem = i;
        m_List.SendMessage(LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    UpdateHeader();

    IProfileAdder* adder = ProfileAdder();
    if (!adder || adder->ActiveProfileName().empty()) {
        char ssid[128] = {};
        ReadIniValue(g_NetCfgInstanceId, kSettingsStation, "Config", "SSID", ssid, sizeof(ssid));
        uint32_t length = static_cast<uint32_t>(strnlen(ssid, 32));
        if (length != 0) {
            std::memset(m_ConnectSsid, 0, sizeof(m_ConnectSsid));
            std::memcpy(m_ConnectSsid, &length, 4);
            std::memcpy(m_ConnectSsid + 4, ssid, length);
            m_bConnectBySsid = 1;
            m_bConnectByBssid = 0;
        }
    }

    int radioOn = 0, switchOn = 0;
    if (Wlan() && Wlan()->GetRadioState(&radioOn, &switchOn) == ERROR_SUCCESS) g_RadioOn = radioOn;
    if (g_RadioOn == 1) OnRescan();
    else SetStatus(fw::LoadStr(IDS_RF_OFF));

    UpdateButtons();
    SetTimer(kStatusTimer, kStatusMs);
    SetDlgItemText(IDC_SITE_RESCAN, fw::LoadStr(IDS_RESCAN));
    SetDlgItemText(IDC_SITE_CONNECT, fw::LoadStr(IDS_CONNECT));
    SetDlgItemText(IDC_SITE_ADD_PROFILE, fw::LoadStr(IDS_ADD_PROFILE));
    return TRUE;
}

void CSiteSurvPage::OnDestroy() { KillTimer(kStatusTimer); }

void CSiteSurvPage::OnRescan() {
    UpdateData(TRUE);
    EnableButtons(FALSE, FALSE);
    SetStatus(fw::LoadStr(IDS_RESCANNING));
    m_bRescanPending = 1;
    m_nPendingTicks = 0;
    if (g_pHideDlg) g_pHideDlg->ExecuteAction();
}

LRESULT CSiteSurvPage::OnScanComplete(WPARAM, LPARAM) {
    if (Lists()) g_pHideDlg->UpdateBssList();
    BuildRows();
    return 0;
}

void CSiteSurvPage::BuildRows() {
    if (!m_pSnapshot) return;
    const BssidLists* lists = Lists();
    const uint8_t* display = lists ? lists->DisplayList() : nullptr;
    if (display) std::memcpy(m_pSnapshot, display, kBssidListSize);
    else std::memset(m_pSnapshot, 0, kBssidListSize);

    m_Rows.clear();
    const std::vector<BssidEntryView> entries = ReadBssidList(m_pSnapshot, kBssidListSize);
    for (size_t i = 0; i < entries.size(); ++i) m_Rows.push_back(RowOf(entries[i], lists ? lists->DisplayPhyType(i) : 0));
    SortRows();
    FillList();
}

void CSiteSurvPage::SortRows() { site_survey::SortRows(m_Rows, m_nSortColumn, m_bSortAscending != 0); }

void CSiteSurvPage::FillList() {
    if (!m_List.IsWindow()) return;
    // The network under the selection and at the top of the view, to find them again.
    std::string selected, top;
    const int oldSelection = static_cast<int>(m_List.SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    const int oldTop = static_cast<int>(m_List.SendMessage(LVM_GETTOPINDEX));
    if (oldSelection >= 0 && oldSelection < static_cast<int>(m_Shown.size())) selected = m_Shown[oldSelection];
    if (oldTop >= 0 && oldTop < static_cast<int>(m_Shown.size())) top = m_Shown[oldTop];

    m_bFilling = 1;
    // The list holds no rows of its own: it asks the page for a row's texts and mark when it
    // paints one, so a rebuild costs the same for 5 rows as for 200.
    LVITEMA clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    m_List.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    m_Shown.clear();
    int newSelection = -1, newTop = -1;
    for (size_t i = 0; i < m_Rows.size(); ++i) {
        const std::string& bssid = m_Rows[i][kBssid];
        m_Shown.push_back(bssid);
        if (!selected.empty() && bssid == selected && newSelection < 0) newSelection = static_cast<int>(i);
        if (!top.empty() && bssid == top && newTop < 0) newTop = static_cast<int>(i);
    }
    // A new count redoes the scroll bars, which is slow; the same count only needs a repaint.
    if (static_cast<size_t>(m_List.SendMessage(LVM_GETITEMCOUNT)) != m_Rows.size())
        m_List.SendMessage(LVM_SETITEMCOUNT, m_Rows.size(), LVSICF_NOSCROLL);
    m_nConnectedRow = LinkedRow();
    if (newSelection >= 0) {
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        m_List.SendMessage(LVM_SETITEMSTATE, newSelection, reinterpret_cast<LPARAM>(&state));
    }
    const int nowTop = static_cast<int>(m_List.SendMessage(LVM_GETTOPINDEX));
    if (newTop >= 0 && newTop != nowTop) {
        RECT first{};
        first.left = LVIR_BOUNDS;
        if (m_List.SendMessage(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)))
            m_List.SendMessage(LVM_SCROLL, 0, (newTop - nowTop) * (first.bottom - first.top));
    }
    InvalidateRect(m_List.m_hWnd, nullptr, TRUE);
    m_bFilling = 0;
    UpdateButtons();
}

void CSiteSurvPage::OnFindItem(NMHDR* header, LRESULT* result) {
    // Typing in the list goes to the next network whose SSID starts with what was typed.
    *result = -1;
    // The two forms share their layout up to the text pointer's type.
    const auto* find = reinterpret_cast<const NMLVFINDITEMA*>(header);
    if (!(find->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find->lvfi.psz || m_Rows.empty()) return;
    std::string typed;
    if (header->code == LVN_ODFINDITEMW) {
        const auto* wide = reinterpret_cast<const wchar_t*>(find->lvfi.psz);
        const int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        if (n > 1) {
            typed.resize(static_cast<size_t>(n));
            WideCharToMultiByte(CP_ACP, 0, wide, -1, typed.data(), n, nullptr, nullptr);
            typed.resize(static_cast<size_t>(n - 1));
        }
    } else {
        typed = find->lvfi.psz;
    }
    const int count = static_cast<int>(m_Rows.size());
    const int start = find->iStart >= 0 && find->iStart < count ? find->iStart : 0;
    for (int k = 0; k < count; ++k) {
        const int row = (start + k) % count;
        const std::string& ssid = m_Rows[row][kSsid];
        if (ssid.size() < typed.size()) continue;
        bool same = true;
        for (size_t i = 0; i < typed.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(ssid[i])) == std::tolower(static_cast<unsigned char>(typed[i]));
        if (same) {
            *result = row;
            return;
        }
    }
}

void CSiteSurvPage::OnGetDispInfo(NMHDR* header, LRESULT* result) {
    *result = 0;
    // The two forms share their layout up to the text pointer's type.
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
    const int row = info->item.iItem, column = info->item.iSubItem;
    if (row < 0 || row >= static_cast<int>(m_Rows.size())) return;
    if (info->item.mask & LVIF_IMAGE) info->item.iImage = row == m_nConnectedRow ? CSiteListCtrl::kImageConnected : -1;
    if (!(info->item.mask & LVIF_TEXT) || column < 0 || column >= kColumnCount || !info->item.pszText ||
        info->item.cchTextMax <= 0)
        return;
    const std::string& text = m_Rows[row][column];
    if (header->code == LVN_GETDISPINFOW) {
        auto* wide = reinterpret_cast<wchar_t*>(info->item.pszText);
        int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, info->item.cchTextMax - 1);
        wide[n > 0 ? n : 0] = 0;
        return;
    }
    const size_t n = std::min(text.size(), static_cast<size_t>(info->item.cchTextMax - 1));
    std::memcpy(info->item.pszText, text.data(), n);
    info->item.pszText[n] = 0;
}

void CSiteSurvPage::OnColumnClick(NMHDR* header, LRESULT* result) {
    *result = 0;
    const int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
    if (column < 0 || column >= kColumnCount) return;
    if (column == m_nSortColumn) m_bSortAscending = !m_bSortAscending;
    m_nSortColumn = column;
    SortRows();
    FillList();
    UpdateHeader();
}

void CSiteSurvPage::UpdateHeader() {
    if (!m_List.IsWindow()) return;
    const int width = static_cast<int>(m_List.GetClientRect().right);
    HWND header = reinterpret_cast<HWND>(m_List.SendMessage(LVM_GETHEADER));
    for (int i = 0; i < kColumnCount; ++i) {
        m_List.SendMessage(LVM_SETCOLUMNWIDTH, i, static_cast<int>((width / 11) * kColumns[i].factor));
        // The arrow goes straight to the header: the list view does not pass every image
        // format on to it.
        HDITEMA item{};
        item.mask = HDI_FORMAT | HDI_IMAGE;
        item.fmt = HDF_LEFT | HDF_STRING;
        item.iImage = 0;
        if (i == m_nSortColumn) {
            item.fmt |= HDF_IMAGE;
            item.iImage = m_bSortAscending ? CSiteListCtrl::kImageSortAscending : CSiteListCtrl::kImageSortDescending;
        }
        ::SendMessageA(header, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

void CSiteSurvPage::OnTimer(UINT_PTR) {
    KillTimer(kStatusTimer);
    RefreshStatus();
    UpdateButtons();
    SetTimer(kStatusTimer, kStatusMs);
}

void CSiteSurvPage::RefreshStatus() {
    if (m_bRescanPending) {
        if (g_ScanPending && ++m_nPendingTicks < kRescanGiveUpTicks) return;
        BuildRows();
        m_bRescanPending = 0;
    }
    if (g_ConfigToolMode != 2) {
        m_bConnectBySsid = 0;
        m_bConnectByBssid = 0;
    }

    int connected = 0;
    WlanManager* wlan = Wlan();
    if (wlan && wlan->GetInterfaceState(&connected) != ERROR_SUCCESS) connected = 0;
    int radioOn = 0, switchOn = 0;
    if (wlan && wlan->GetRadioState(&radioOn, &switchOn) == ERROR_SUCCESS) {
        if (radioOn != g_RadioOn) OnScanComplete();
        g_RadioOn = radioOn;
    }

    static const uint8_t kNoBssid[6] = {};
    m_bLinked = connected == 1 && g_RadioOn && std::memcmp(g_CurrentBssid, kNoBssid, 6) != 0;
    if (m_bLinked) {
        m_bRescanPending = 0;
        std::string status = fw::LoadStr(IDS_CONNECTED) + " <--> " + CurrentSsidText();
        if (g_KeyErrorFlag) status += " -- " + fw::LoadStr(IDS_ICV_ERROR);
        DWORD current = 0;
        m_nLinkChannel = wlan && wlan->QueryOid0006(&current) ? static_cast<long long>(current) : -1;
        SetStatus(status);
    } else {
        SetStatus(fw::LoadStr(g_RadioOn ? IDS_DISCONNECTED : IDS_RF_OFF));
    }
    MarkConnectedRow(LinkedRow());
}

int CSiteSurvPage::LinkedRow() const {
    if (!m_bLinked) return -1;
    const std::string ssid = CurrentSsidText();
    int row = -1;
    for (size_t i = 0; i < m_Rows.size(); ++i) {
        uint8_t bssid[6];
        if (!ParseBssidText(m_Rows[i][kBssid], bssid) || std::memcmp(bssid, g_CurrentBssid, 6) != 0) continue;
        row = static_cast<int>(i);
        if (std::atoll(m_Rows[i][kChannel].c_str()) == m_nLinkChannel) {
            const std::string& rowSsid = m_Rows[i][kSsid];
            if (rowSsid.empty() || rowSsid.compare(0, ssid.size(), ssid) != 0) break;
        }
    }
    return row;
}

void CSiteSurvPage::MarkConnectedRow(int row) {
    if (!m_List.IsWindow()) return;
    const int count = static_cast<int>(m_List.SendMessage(LVM_GETITEMCOUNT));
    if (row >= count) row = -1;
    if (row == m_nConnectedRow) return;
    const int old = m_nConnectedRow;
    m_nConnectedRow = row;
    // Only the rows whose mark changes are drawn again.
    for (int i : {old, row})
        if (i >= 0 && i < count) m_List.SendMessage(LVM_REDRAWITEMS, i, i);
}

void CSiteSurvPage::UpdateButtons() {
    // Without an interface the rebuild below changes the list, and every list change comes
    // back here: one level only.
    if (m_nUpdateDepth > 0 || !IsWindow()) return;
    ++m_nUpdateDepth;
    if (!InterfaceFound()) {
        SetStatus(fw::LoadStr(IDS_AUTOCONFIG_DISABLED));
        OnScanComplete();
        EnableButtons(FALSE, FALSE);
    } else {
        const BOOL rescan = g_RadioOn && !m_bRescanPending;
        const int items = static_cast<int>(m_List.SendMessage(LVM_GETITEMCOUNT));
        const BOOL connect = g_ConfigToolMode == 2 && !m_bRescanPending && g_RadioOn && items > 0 &&
                             (g_WpaSupported || SelectedAuthClass() == 0);
        EnableButtons(rescan, connect);
    }
    --m_nUpdateDepth;
}

BOOL CSiteSurvPage::InterfaceFound() const { return Wlan() && Wlan()->IsInterfaceFound(); }

void CSiteSurvPage::EnableButtons(BOOL rescan, BOOL connect) {
    EnableDlgItem(IDC_SITE_RESCAN, rescan);
    EnableDlgItem(IDC_SITE_CONNECT, connect);
    EnableDlgItem(IDC_SITE_ADD_PROFILE, connect);
}

void CSiteSurvPage::SetStatus(const std::string& text) { SetDlgItemText(IDC_SITE_STATUS, text); }

int CSiteSurvPage::SelectedRow() const {
    if (!m_List.IsWindow()) return -1;
    int row = static_cast<int>(::SendMessageA(m_List.m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row >= 0 && row < static_cast<int>(m_Rows.size()) ? row : -1;
}

int CSiteSurvPage::SelectedAuthClass() const {
    const int row = SelectedRow();
    return row < 0 ? 0 : AuthenticationClass(m_Rows[row][kAuthentication]);
}

int CSiteSurvPage::FindBssEntry(int row) const {
    uint8_t mac[6];
    if (!m_pSnapshot || row < 0 || row >= static_cast<int>(m_Rows.size()) || !ParseBssidText(m_Rows[row][kBssid], mac))
        return -1;
    const std::vector<BssidEntryView> entries = ReadBssidList(m_pSnapshot, kBssidListSize);
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].HasMac(mac)) return static_cast<int>(i);
    return -1;
}

fw::CPropertyPage* CSiteSurvPage::ProfileAdderPage() const {
    fw::CPropertySheet* sheet = GetParentSheet();
    if (!sheet) return nullptr;
    for (int i = 0; i < sheet->GetPageCount(); ++i) {
        fw::CPropertyPage* page = sheet->GetPage(i);
        if (page && page->IsWindow() && dynamic_cast<IProfileAdder*>(page)) return page;
    }
    return nullptr;
}

IProfileAdder* CSiteSurvPage::ProfileAdder() const { return dynamic_cast<IProfileAdder*>(ProfileAdderPage()); }

void CSiteSurvPage::OnListDblClk(NMHDR*, LRESULT* result) {
    *result = 0;
    OnConnect();
}

void CSiteSurvPage::OnItemChanged(NMHDR*, LRESULT* result) {
    *result = 0;
    if (!m_bFilling) UpdateButtons();
}

void CSiteSurvPage::OnItemChanging(NMHDR*, LRESULT* result) { *result = 0; }

void CSiteSurvPage::OnConnect() {
    g_WpsSessionActive = 0;
    g_ActivatedFromProfile = 0;
    g_ActivatedFromSiteSurvey = 1;
    if (g_ConfigToolMode != 2) return;
    const int row = SelectedRow();
    if (row < 0) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_NO_SELECTED_ITEM).c_str(), "Lumora", MB_OK);
        return;
    }
    if (!m_pSnapshot || BssidListCount(m_pSnapshot) == 0) return;

    UpdateButtons();
    if (!::IsWindowEnabled(GetDlgItem(IDC_SITE_CONNECT))) return;
    const int authClass = SelectedAuthClass();
    if (!g_WpaSupported && authClass >= 1 && authClass <= 5) return;

    const int index = FindBssEntry(row);
    if (index < 0) return;
    const BssidEntryView entry = ReadBssidList(m_pSnapshot, kBssidListSize)[index];

    SetStatus(fw::LoadStr(IDS_CONNECTING));
    std::memset(m_ConnectSsid, 0, sizeof(m_ConnectSsid));
    const std::string ssid = entry.Ssid();
    const uint32_t length = static_cast<uint32_t>(ssid.size());
    std::memcpy(m_ConnectSsid, &length, 4);
    std::memcpy(m_ConnectSsid + 4, ssid.data(), length);
    const MacAddress mac = entry.Mac();
    std::memcpy(m_ConnectBssid, mac.data(), 6);
    const bool adhoc = entry.InfrastructureMode() == kNdisIbss;
    m_bConnectBySsid = adhoc ? 1 : 0;
    m_bConnectByBssid = adhoc ? 0 : 1;

    // Connect queues nothing itself: the connection comes with the new profile.
    if (::IsWindowEnabled(GetDlgItem(IDC_SITE_ADD_PROFILE))) OnAddProfile();
}

void CSiteSurvPage::OnAddProfile() {
    // A new profile starts without the certificates of the last one edited.
    std::memset(&g_ClientCertDesc, 0, sizeof(g_ClientCertDesc));
    std::memset(&g_ServerCertDesc, 0, sizeof(g_ServerCertDesc));
    if (g_ConfigToolMode != 2) return;
    const int row = SelectedRow();
    if (row < 0) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_NO_SELECTED_ITEM).c_str(), "Lumora", MB_OK);
        return;
    }
    const int index = FindBssEntry(row);
    if (index < 0) return;
    const BssidEntryView entry = ReadBssidList(m_pSnapshot, kBssidListSize)[index];

    int channel = 1;
    FrequencyToChannel(entry.DsConfig(), &channel);
    const NewProfileValues values =
        ProfileValuesFor(entry.Privacy(), AuthenticationClass(m_Rows[row][kAuthentication]), m_Rows[row][kEncryption], g_OsCode);

    fw::CPropertyPage* page = ProfileAdderPage();
    IProfileAdder* adder = dynamic_cast<IProfileAdder*>(page);
    if (!adder) return;
    if (adder->AddProfile(entry.Ssid(), values.encryption, values.authentication,
                          static_cast<int>(entry.InfrastructureMode()), channel) == 1) {
        if (fw::CPropertySheet* sheet = GetParentSheet()) sheet->SetActivePage(page);
    }
}
