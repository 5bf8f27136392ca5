#include "station/pages/profile_page.h"

#include <cstring>
#include <cwchar>

#include "framework/ddx.h"
#include "framework/property_sheet.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "station/core/action_data.h"
#include "station/core/wps/wps_poll.h"
#include "station/core/wlan/ansi_text.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/hide_dlg.h"
#include "station/core/settings/settings_file.h"
#include "station/core/station_globals.h"
#include "station/core/wlan/wlan_messages.h"
#include "station/core/wlan/wlan_profile_editor.h"
#include "station/profiles/apply_profile.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/editor/profile_sheet.h"
#include "station/profiles/profile_globals.h"
#include "station/profiles/station_config_reader.h"

namespace {

constexpr UINT_PTR kRowCheckTimer = 2;
constexpr UINT kRowCheckMs = 2000;
constexpr int kImageLinked = 0;
constexpr int kImageActive = 1;

struct ColumnSpec {
    UINT title;
    double factor;
};
constexpr ColumnSpec kColumns[kProfileColumnCount] = {
    {IDS_PCOL_NAME, 1.8},           {IDS_PCOL_SSID, 2.2},       {IDS_PCOL_CHANNEL, 1.3},
    {IDS_PCOL_AUTHENTICATION, 1.8}, {IDS_PCOL_ENCRYPTION, 1.6}, {IDS_PCOL_NETWORK_TYPE, 1.8},
};

constexpr UINT kAuthTexts[8] = {IDS_AUTH_OPEN,     IDS_AUTH_SHARED, IDS_AUTH_AUTO_SWITCH, IDS_AUTH_WPA,
                                IDS_AUTH_WPA_PSK,  IDS_AUTH_WPA_NONE, IDS_AUTH_WPA2,      IDS_AUTH_WPA2_PSK};

std::string EncryptionText(const std::string& stored) {
    if (stored.empty()) return {};
    switch (SettingsNumber(stored)) {
        case 0: return fw::LoadStr(IDS_ENC_WEP);
        case 1: return fw::LoadStr(IDS_ENC_NONE);
        case 4: return fw::LoadStr(IDS_ENC_TKIP);
        case 6: return fw::LoadStr(IDS_ENC_AES);
        default: return {};
    }
}

std::string NetworkTypeText(long type) {
    switch (type) {
        case 0: return fw::LoadStr(IDS_NET_ADHOC);
        case 1: return fw::LoadStr(IDS_NET_INFRASTRUCTURE);
        case 2: return fw::LoadStr(IDS_NET_AUTO);
        default: return {};
    }
}

std::string ReadProfileValue(const std::string& section, const char* key) {
    return ReadIniValue(g_NetCfgInstanceId, kSettingsProfiles, section.c_str(), key);
}

void WriteStationValue(const char* key, const char* value) {
    WriteIniValue(g_NetCfgInstanceId, kSettingsStation, "Config", key, value);
}

// The first word of an authentication column: "WPA2-PSK " and "Open - Use 802.1X" alike.
std::string FirstWord(const std::string& text) { return text.substr(0, text.find(' ')); }

}  // namespace

FW_BEGIN_MESSAGE_MAP(CProfilePage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_PROFILE_ADD, OnAdd)
    FW_ON_BN_CLICKED(IDC_PROFILE_EDIT, OnEdit)
    FW_ON_BN_CLICKED(IDC_PROFILE_DELETE, OnDelete)
    FW_ON_BN_CLICKED(IDC_PROFILE_ACTIVATE, OnActivate)
    FW_ON_NOTIFY(NM_DBLCLK, IDC_PROFILE_LIST, OnDblClkList)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
    FW_ON_MESSAGE(kMsgProfileEditor, OnEditorState)
FW_END_MESSAGE_MAP()

CProfilePage::CProfilePage() : fw::CPropertyPage(IDD_PROFILE_PAGE, IDS_PROFILE) {}

CProfilePage::~CProfilePage() {
    if (m_hLargeImages) ImageList_Destroy(m_hLargeImages);
    if (m_hSmallImages) ImageList_Destroy(m_hSmallImages);
}

void CProfilePage::DoDataExchange(fw::CDataExchange* dx) {
    fw::CPropertyPage::DoDataExchange(dx);
    fw::DDX_Control(dx, IDC_PROFILE_LIST, m_List);
}

BOOL CProfilePage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    SetDlgItemText(IDC_PROFILE_GROUP, fw::LoadStr(IDS_PROFILE_LIST));
    SetDlgItemText(IDC_PROFILE_ADD, fw::LoadStr(IDS_PROFILE_ADD));
    SetDlgItemText(IDC_PROFILE_DELETE, fw::LoadStr(IDS_PROFILE_DELETE));
    SetDlgItemText(IDC_PROFILE_EDIT, fw::LoadStr(IDS_PROFILE_EDIT));
    SetDlgItemText(IDC_PROFILE_ACTIVATE, fw::LoadStr(IDS_PROFILE_ACTIVATE));
    m_List.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    InsertColumns();
    InitImageLists();
    m_bEditorOpen = g_ProfileEditorOpen.load() != 0;
    FillProfileList();
    m_nTimer = SetTimer(kRowCheckTimer, kRowCheckMs);
    return TRUE;
}

void CProfilePage::OnDestroy() { KillTimer(m_nTimer); }

void CProfilePage::InsertColumns() {
    const int width = static_cast<int>(m_List.GetWindowRect().right - m_List.GetWindowRect().left);
    for (int i = 0; i < kProfileColumnCount; ++i) {
        std::string title = fw::LoadStr(kColumns[i].title);
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = static_cast<int>((width / 10) * kColumns[i].factor);
        column.pszText = title.data();
        column.iSubItem = i;
        m_List.SendMessage(LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void CProfilePage::InitImageLists() {
    // The page keeps its lists; the control only borrows them.
    LONG_PTR style = GetWindowLongPtrA(m_List.m_hWnd, GWL_STYLE);
    SetWindowLongPtrA(m_List.m_hWnd, GWL_STYLE, style | LVS_SHAREIMAGELISTS);
    m_hLargeImages = ImageList_Create(32, 32, ILC_COLOR8 | ILC_MASK, 1, 1);
    m_hSmallImages = ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 1, 1);
    for (UINT id : {IDI_PROFILE_LINKED, IDI_PROFILE_ACTIVE}) {
        if (HICON large = fw::LoadIconRes(id, 32)) ImageList_AddIcon(m_hLargeImages, large);
        if (HICON small = fw::LoadIconRes(id, 16)) ImageList_AddIcon(m_hSmallImages, small);
    }
    m_List.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_hSmallImages));
}

std::string CProfilePage::AuthenticationText(int authMode, int leap, int use8021X) const {
    if (authMode < 0 || authMode > 7) authMode = 0;
    std::string text = fw::LoadStr(kAuthTexts[authMode]);
    std::string suffix;
    if ((authMode == 0 || authMode == 1) && g_WpaSupported && use8021X != 0) suffix = fw::LoadStr(IDS_USE_8021X_SUFFIX);
    if (authMode == 0 && leap != 0) text = fw::LoadStr(IDS_AUTH_LEAP);
    return text + " " + suffix;
}

void CProfilePage::FillProfileList() {
    m_List.SendMessage(LVM_DELETEALLITEMS);
    const std::string current = ReadIniValue(g_NetCfgInstanceId, kSettingsStation, "Config", "CurProfile");
    if (!current.empty()) m_strActiveProfile = current;

    std::vector<std::string> sections;
    ReadIniSectionNames(g_NetCfgInstanceId, sections);
    std::vector<ProfileListEntry> ordered;
    bool activeFound = false;
    for (const std::string& name : sections) {
        if (SameProfileName(name, m_strActiveProfile)) activeFound = true;
        ProfileListEntry entry;
        entry.texts[0] = name;
        entry.texts[1] = ReadProfileValue(name, "SSID");
        entry.texts[2] = fw::LoadStr(IDS_NET_AUTO);
        const std::string auth = ReadProfileValue(name, "AuthMode");
        if (!auth.empty())
            entry.texts[3] = AuthenticationText(static_cast<int>(SettingsNumber(auth)),
                                                static_cast<int>(SettingsNumber(ReadProfileValue(name, "LeapEnabled"))),
                                                static_cast<int>(SettingsNumber(ReadProfileValue(name, "Use8021X"))));
        entry.texts[4] = EncryptionText(ReadProfileValue(name, "CipherMode"));
        const std::string type = ReadProfileValue(name, "NetworkType");
        if (!type.empty()) entry.texts[5] = NetworkTypeText(SettingsNumber(type));
        entry.activeSeconds = ActiveTimeSeconds(ParseActiveTime(ReadProfileValue(name, "ActiveTime")));
        InsertByActiveTime(ordered, std::move(entry));
    }
    for (const ProfileListEntry& e : ordered) InsertRow(RowCount(), e.texts);
    if (!sections.empty() && !activeFound) m_strActiveProfile.clear();
    UpdateButtons();
}

void CProfilePage::InsertRow(int at, const ProfileRowTexts& texts) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = at;
    item.iImage = I_IMAGECALLBACK;
    item.pszText = const_cast<char*>(texts[0].c_str());
    const int row = static_cast<int>(m_List.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (int c = 1; c < kProfileColumnCount; ++c) {
        LVITEMA sub{};
        sub.iSubItem = c;
        sub.pszText = const_cast<char*>(texts[c].c_str());
        m_List.SendMessage(LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
    }
}

ProfileRowTexts CProfilePage::RowAt(int row) const {
    ProfileRowTexts texts;
    for (int c = 0; c < kProfileColumnCount; ++c) {
        // The list tells how long a text is only by filling a buffer: grow until it fits.
        for (size_t size = 256;; size *= 2) {
            std::vector<char> buffer(size, 0);
            LVITEMA item{};
            item.iSubItem = c;
            item.pszText = buffer.data();
            item.cchTextMax = static_cast<int>(size);
            const size_t n = static_cast<size_t>(
                ::SendMessageA(m_List.m_hWnd, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
            if (n + 1 < size || size >= 65536) {
                texts[c].assign(buffer.data(), strnlen(buffer.data(), size));
                break;
            }
        }
    }
    return texts;
}

std::vector<ProfileRowTexts> CProfilePage::Rows() const {
    std::vector<ProfileRowTexts> rows;
    for (int i = 0; i < RowCount(); ++i) rows.push_back(RowAt(i));
    return rows;
}

int CProfilePage::RowCount() const {
    return m_List.IsWindow() ? static_cast<int>(::SendMessageA(m_List.m_hWnd, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int CProfilePage::SelectedRow() const {
    if (!m_List.IsWindow()) return -1;
    return static_cast<int>(::SendMessageA(m_List.m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CProfilePage::SelectRow(int row) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    m_List.SendMessage(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    m_List.SendMessage(LVM_ENSUREVISIBLE, row, FALSE);
}

int CProfilePage::FindActiveRow() const {
    if (m_strActiveProfile.empty()) return -1;
    for (int i = 0; i < RowCount(); ++i)
        if (SameProfileName(RowAt(i)[0], m_strActiveProfile)) return i;
    return -1;
}

void CProfilePage::UpdateButtons() {
    const BOOL rows = RowCount() > 0;
    EnableDlgItem(IDC_PROFILE_ADD, TRUE);
    EnableDlgItem(IDC_PROFILE_EDIT, rows);
    EnableDlgItem(IDC_PROFILE_DELETE, rows);
    // While the service's own profile editor runs, nothing else connects.
    EnableDlgItem(IDC_PROFILE_ACTIVATE, rows && !m_bEditorOpen);
}

int CProfilePage::GenerateProfileName(std::string& name) const {
    std::vector<std::string> names;
    for (int i = 0; i < RowCount(); ++i) names.push_back(RowAt(i)[0]);
    name = NextProfileName(names);
    return 1;
}

void CProfilePage::ReplaceEditor(CProfileSheet* editor) {
    // At most one editor: one the main window left behind (it ended it) goes now.
    if (g_pProfileSheet) fw::DeleteLater(g_pProfileSheet);
    g_pProfileSheet = editor;
}

void CProfilePage::ReleaseEditor() {
    // Ended by the main window tearing the sheet down: the editor stays for the next Add or
    // Edit (or the program's end) to delete.
    if (g_SheetClosing == 1) return;
    DeleteProfileEditor();
}

ProfileRowTexts CProfilePage::EditorRowTexts(CProfileSheet& editor, bool leapByChoice) const {
    const ProfileEditorModel& model = editor.Model();
    const AuthSecuValues& auth = model.auth;
    ProfileRowTexts texts;
    texts[0] = model.sys.profileName;
    texts[1] = model.sys.ssid;
    texts[2] = fw::LoadStr(IDS_NET_AUTO);
    texts[3] = AuthenticationText(auth.authMode, auth.leap, auth.use8021X);
    if (leapByChoice && auth.leap)
        texts[4] = fw::LoadStr(auth.leapEncryption == 1 ? IDS_ENC_TKIP : auth.leapEncryption == 2 ? IDS_ENC_AES : IDS_ENC_WEP);
    else
        texts[4] = EncryptionText(std::to_string(auth.cipherMode));
    texts[5] = NetworkTypeText(model.sys.networkType);
    return texts;
}

int CProfilePage::AddProfile(const std::string& ssid, int encryption, int authentication, int networkType,
                             int channel) {
    std::string name;
    GenerateProfileName(name);
    auto* editor = new CProfileSheet(IDS_ADD_PROFILE_CAPTION, this);
    ReplaceEditor(editor);
    editor->InitProfile(name, ssid, encryption, authentication, 1, networkType, channel);
    g_SheetClosing = 0;
    int result = 0;
    if (editor->DoModal() == IDOK && g_SheetClosing == 0 && IsWindow()) {
        InsertRow(RowCount(), EditorRowTexts(*editor, false));
        SelectRow(RowCount() - 1);
        ::SetFocus(m_List.m_hWnd);
        UpdateButtons();
        result = 1;
    }
    ReleaseEditor();
    return result;
}

void CProfilePage::OnAdd() {
    std::memset(&g_ClientCertDesc, 0, sizeof(g_ClientCertDesc));
    std::memset(&g_ServerCertDesc, 0, sizeof(g_ServerCertDesc));
    AddProfile("", 1, 0, 1, 1);
}

void CProfilePage::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_NO_SELECTED_ITEM).c_str(), "Lumora", MB_OK);
        return;
    }
    auto* editor = new CProfileSheet(IDS_EDIT_PROFILE_CAPTION, this);
    ReplaceEditor(editor);
    const std::string name = TrimProfileName(RowAt(row)[0]);
    editor->InitProfile(name, "", 1, 0, 0, 1, 1);
    g_SheetClosing = 0;
    if (editor->DoModal() == IDOK && g_SheetClosing == 0 && IsWindow()) {
        const ProfileRowTexts texts = EditorRowTexts(*editor, true);
        if (SameProfileName(texts[0], name)) {
            for (int c = 1; c < kProfileColumnCount; ++c) {
                LVITEMA sub{};
                sub.iSubItem = c;
                sub.pszText = const_cast<char*>(texts[c].c_str());
                m_List.SendMessage(LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
            }
        } else {
            // Saved under the new name as another profile: the old one stays.
            InsertRow(RowCount(), texts);
        }
        UpdateButtons();
    }
    ReleaseEditor();
}

void CProfilePage::OnDblClkList(NMHDR*, LRESULT* result) {
    *result = 0;
    OnEdit();
}

void CProfilePage::AddProfileRow(const ProfileRowRecord& record) {
    ProfileRowTexts texts;
    texts[0] = record.name;
    const uint32_t length = record.ssidLength < sizeof(record.ssid) ? record.ssidLength : sizeof(record.ssid);
    const char* ssid = reinterpret_cast<const char*>(record.ssid);
    texts[1].assign(ssid, strnlen(ssid, length));
    texts[2] = fw::LoadStr(IDS_NET_AUTO);
    texts[3] = AuthenticationText(record.authentication, 0, 0);
    texts[4] = EncryptionText(std::to_string(record.encryption));
    texts[5] = NetworkTypeText(record.networkType);
    InsertRow(RowCount(), texts);
    UpdateButtons();
}

int CProfilePage::ResetStationConfig() {
    static const struct {
        const char* key;
        const char* value;
    } kReset[] = {
        {"SSID", ""},          {"NetworkType", "1"},  {"AuthMode", "0"},        {"CipherMode", "1"},
        {"WEPKey1Type", ""},   {"WEPKey2Type", ""},   {"WEPKey3Type", ""},      {"WEPKey4Type", ""},
        {"CurProfile", ""},    {"LeapEnabled", ""},   {"LeapUserName", ""},     {"LeapPassword", ""},
        {"TunnelID", ""},      {"TunnelProtocol", ""}, {"ServerCertLen", "0"},  {"ServerCertData", ""},
        {"ClientCertLen", "0"}, {"ClientCertData", ""},
    };
    for (const auto& k : kReset) WriteStationValue(k.key, k.value);
    m_strActiveProfile.clear();
    return 1;
}

int CProfilePage::RestoreDriverDefaults() {
    g_WpsSessionActive = 0;
    g_ProfileApplied = 0;
    g_ActivatedFromProfile = 0;
    m_strActiveProfile.clear();
    HKEY driver = OpenDriverKey(nullptr, KEY_ALL_ACCESS);
    if (!driver) return 0;
    HKEY saved = OpenDriverKey("Default", KEY_QUERY_VALUE);
    if (!saved) {
        RegCloseKey(driver);
        return 0;
    }
    CopyRegistryValues(saved, driver);
    RegCloseKey(saved);
    RegCloseKey(driver);
    return 1;
}

void CProfilePage::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_NO_SELECTED_ITEM).c_str(), "Lumora", MB_OK);
        return;
    }
    const ProfileRowTexts texts = RowAt(row);
    if (SameProfileName(texts[0], m_strActiveProfile)) ResetStationConfig();

    if (g_pHideDlg && !texts[1].empty()) {
        if (WlanProfileStore* store = g_pHideDlg->m_WlanManager.ProfileStore()) {
            if (store->FindProfile(texts[1].c_str())) store->DeleteProfile(WidenAnsi(texts[1]).c_str());
        }
    }
    m_List.SendMessage(LVM_DELETEITEM, row);
    WriteIniFile(g_NetCfgInstanceId, texts[0].c_str());

    const int count = RowCount();
    if (row < count) SelectRow(row);
    else if (count > 0) SelectRow(count - 1);
    UpdateButtons();
}

void CProfilePage::OnActivate() {
    const int row = SelectedRow();
    if (row < 0) {
        platform::Boxes().Show(m_hWnd, fw::LoadStr(IDS_NO_SELECTED_ITEM).c_str(), "Lumora", MB_OK);
        return;
    }
    const ProfileRowTexts texts = RowAt(row);
    m_strActiveProfile = texts[0];
    m_strActiveSsid = texts[1];
    ActivateProfileRow(row);
}

int CProfilePage::ActivateProfileRow(int row) {
    g_WpsSessionActive = 0;
    const ProfileRowTexts texts = RowAt(row);
    const std::string& name = texts[0];
    WriteStationValue("CurProfile", m_strActiveProfile.c_str());
    WriteStationValue("WSC", std::to_string(g_WpsSessionActive).c_str());

    if (fw::CPropertySheet* sheet = GetParentSheet()) {
        for (int i = 0; i < sheet->GetPageCount(); ++i) {
            auto* survey = dynamic_cast<CSiteSurvPage*>(sheet->GetPage(i));
            if (survey && survey->IsWindow()) {
                survey->m_bConnectBySsid = 0;
                survey->m_bConnectByBssid = 0;
            }
        }
    }
    UpdateIniConfigSection(g_NetCfgInstanceId, name.c_str());
    g_ActivatedFromProfile = 1;
    g_ActivatedFromSiteSurvey = 0;
    g_ProfileApplied = 1;
    ApplyProfile(0, name.c_str(), 1);

    m_List.SendMessage(LVM_DELETEITEM, row);
    ProfileRowTexts moved = texts;
    moved[2] = fw::LoadStr(IDS_NET_AUTO);
    InsertRow(0, moved);
    SelectRow(0);

    SYSTEMTIME now;
    GetLocalTime(&now);
    const ActiveTime t{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    WriteIniValue(g_NetCfgInstanceId, kSettingsProfiles, name.c_str(), "ActiveTime", FormatActiveTime(t).c_str());
    SetRowState(0, 1);
    return 1;
}

LRESULT CProfilePage::OnEditorState(WPARAM wParam, LPARAM) {
    m_bEditorOpen = wParam == 1 ? 0 : 1;
    UpdateButtons();
    return 0;
}

bool CProfilePage::RowMatchesLink(const ProfileRowTexts& texts) const {
    WlanManager& wlan = g_pHideDlg->m_WlanManager;
    uint8_t ssid[36] = {};
    wlan.GetCurrentSsid(ssid);
    uint32_t length = 0;
    std::memcpy(&length, ssid, 4);
    if (length > 32) length = 32;
    if (texts[1] != std::string(reinterpret_cast<const char*>(ssid + 4), length)) return false;

    DOT11_AUTH_ALGORITHM auth = DOT11_AUTH_ALGO_80211_OPEN;
    DOT11_CIPHER_ALGORITHM cipher = DOT11_CIPHER_ALGO_NONE;
    DOT11_BSS_TYPE type = dot11_BSS_type_infrastructure;
    if (wlan.GetAuthAlgorithm(&auth) != ERROR_SUCCESS || wlan.GetCipherAlgorithm(&cipher) != ERROR_SUCCESS ||
        wlan.GetCurrentBssType(&type) != ERROR_SUCCESS)
        return false;

    UINT authText = 0;
    switch (auth) {
        case DOT11_AUTH_ALGO_80211_OPEN: authText = IDS_AUTH_OPEN; break;
        case DOT11_AUTH_ALGO_80211_SHARED_KEY: authText = IDS_AUTH_SHARED; break;
        case DOT11_AUTH_ALGO_WPA: authText = IDS_AUTH_WPA; break;
        case DOT11_AUTH_ALGO_WPA_PSK: authText = IDS_AUTH_WPA_PSK; break;
        case DOT11_AUTH_ALGO_WPA_NONE: authText = IDS_AUTH_WPA_NONE; break;
        case DOT11_AUTH_ALGO_RSNA: authText = IDS_AUTH_WPA2; break;
        case DOT11_AUTH_ALGO_RSNA_PSK: authText = IDS_AUTH_WPA2_PSK; break;
        default: return false;
    }
    if (FirstWord(texts[3]) != fw::LoadStr(authText)) return false;

    std::string cipherText;
    switch (cipher) {
        case DOT11_CIPHER_ALGO_NONE: cipherText = fw::LoadStr(IDS_ENC_NONE); break;
        case DOT11_CIPHER_ALGO_WEP40:
        case DOT11_CIPHER_ALGO_WEP104:
        case DOT11_CIPHER_ALGO_WEP: cipherText = fw::LoadStr(IDS_ENC_WEP); break;
        case DOT11_CIPHER_ALGO_TKIP: cipherText = fw::LoadStr(IDS_ENC_TKIP); break;
        case DOT11_CIPHER_ALGO_CCMP: cipherText = fw::LoadStr(IDS_ENC_AES); break;
        default: return false;
    }
    if (texts[4] != cipherText) return false;

    // "Auto" takes either kind of network.
    if (texts[5] == fw::LoadStr(IDS_NET_AUTO)) return true;
    return texts[5] == fw::LoadStr(type == dot11_BSS_type_independent ? IDS_NET_ADHOC : IDS_NET_INFRASTRUCTURE);
}

void CProfilePage::SetRowState(int row, int verdict) {
    // The active profile carries a mark: green while the link is on its network.
    for (int i = 0; i < RowCount(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iImage = i == row ? (verdict == 0 ? kImageLinked : kImageActive) : I_IMAGECALLBACK;
        m_List.SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void CProfilePage::OnTimer(UINT_PTR id) {
    if (id == kRowCheckTimer && g_pHideDlg) {
        const int row = FindActiveRow();
        if (row >= 0) {
            WlanManager& wlan = g_pHideDlg->m_WlanManager;
            int connected = 0;
            uint8_t bssid[6] = {};
            static const uint8_t kNone[6] = {};
            wlan.GetInterfaceState(&connected);
            wlan.GetCurrentBssid(bssid);
            int verdict = 1;
            if (connected && std::memcmp(bssid, kNone, 6) != 0 && g_ProfileApplied == 1) {
                m_nRowState = 0;
                verdict = RowMatchesLink(RowAt(row)) ? 0 : 1;
            }
            SetRowState(row, verdict);
        } else {
            SetRowState(-1, 1);
        }
    }
    Default();
}
