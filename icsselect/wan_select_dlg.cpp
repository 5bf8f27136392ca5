#include "icsselect/wan_select_dlg.h"

#include <cstdio>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/ics_sharing.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/programs.h"
#include "resources/icsselect/resource.h"

std::vector<ConnectionRecord> g_ConnectionRecords;
std::string g_SoftApConnectionName;
std::string g_WanConnectionName;

namespace {

constexpr const char* kCaption = "Pelcor";
constexpr const char* kBatchCommandLine = "\"Quennet.bat\" ";
constexpr const char* kListingFile = "Quennet.txt";
constexpr const char* kFallbackFolder = "C:\\Program Files(x86)\\TESMAR\\Common";
// A listing is a few kilobytes; a file beyond this is read only this far.
constexpr std::size_t kMaxListingBytes = 1 << 20;

// The program's folder with its trailing backslash, so that a program in a drive's root
// makes that root the working folder.
std::string ProgramFolder() {
    char path[MAX_PATH * 4] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return kFallbackFolder;
    std::string folder(path, n);
    std::size_t slash = folder.find_last_of('\\');
    if (slash == std::string::npos) return kFallbackFolder;
    return folder.substr(0, slash + 1);
}

bool ReadListing(std::string* text) {
    std::FILE* f = std::fopen(kListingFile, "rb");
    if (!f) return false;
    text->clear();
    char chunk[4096];
    std::size_t got;
    while (text->size() < kMaxListingBytes && (got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        text->append(chunk, std::min(got, kMaxListingBytes - text->size()));
    std::fclose(f);
    return true;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CWanSelectDlg, fw::CDialog)
    FW_ON_WM_SYSCOMMAND(OnSysCommand)
    FW_ON_WM_PAINT(OnPaint)
    FW_ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
    FW_ON_CBN_SELCHANGE(IDC_WAN_CONNECTION, OnSelChangeConnection)
FW_END_MESSAGE_MAP()

CWanSelectDlg::CWanSelectDlg(fw::CWnd* parent)
    : fw::CDialog(IDD_WAN_SELECT, parent), m_hIcon(fw::LoadIconRes(IDI_PELCOR)) {}

void CWanSelectDlg::DoDataExchange(fw::CDataExchange* pDX) {
    fw::CDialog::DoDataExchange(pDX);
    fw::DDX_Text(pDX, IDC_WAN_DESCRIPTION, m_strDescription);
    fw::DDX_Text(pDX, IDC_WAN_MAC_ADDRESS, m_strMacAddress);
    fw::DDX_Text(pDX, IDC_WAN_IP_ADDRESS, m_strIpAddress);
}

BOOL CWanSelectDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    const std::string about = fw::LoadStr(IDS_ABOUTBOX);
    if (HMENU menu = GetSystemMenu(m_hWnd, FALSE); menu && !about.empty()) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(fw::LoadIconRes(IDI_PELCOR, GetSystemMetrics(SM_CXSMICON)), FALSE);
    ListConnections();
    UpdateData(FALSE);
    return TRUE;
}

void CWanSelectDlg::ListConnections() {
    g_ConnectionRecords.clear();
    g_SoftApConnectionName.clear();
    SetCurrentDirectoryA(ProgramFolder().c_str());
    // The batch file writes the listing; its end is not awaited, only this fixed time.
    const UINT started = platform::Outside().WinExec(kBatchCommandLine, SW_HIDE);
    Sleep(kListingWaitMs);
    std::string text;
    if (started <= 31 || !ReadListing(&text)) return;

    QuennetListing listing = ParseQuennetListing(text);
    HWND combo = GetDlgItem(IDC_WAN_CONNECTION);
    for (ConnectionRecord& r : listing.records) {
        // Item i must stay record i: a name the list cannot take ends the list there.
        if (::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(r.name.c_str())) < 0) break;
        g_ConnectionRecords.push_back(std::move(r));
    }
    g_SoftApConnectionName = listing.softApName;
    if (!g_ConnectionRecords.empty()) {
        ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
        ShowRecord(0);
    }
}

int CWanSelectDlg::SelectedIndex() const {
    const LRESULT i = ::SendMessageA(GetDlgItem(IDC_WAN_CONNECTION), CB_GETCURSEL, 0, 0);
    return i >= 0 && static_cast<std::size_t>(i) < g_ConnectionRecords.size() ? static_cast<int>(i) : -1;
}

void CWanSelectDlg::ShowRecord(int index) {
    if (index < 0) {
        m_strDescription.clear();
        m_strMacAddress.clear();
        m_strIpAddress.clear();
        return;
    }
    const ConnectionRecord& r = g_ConnectionRecords[static_cast<std::size_t>(index)];
    m_strDescription = r.description;
    m_strMacAddress = r.macAddress;
    m_strIpAddress = r.ipAddress;
}

void CWanSelectDlg::OnSelChangeConnection() {
    ShowRecord(SelectedIndex());
    UpdateData(FALSE);
}

void CWanSelectDlg::Refuse(UINT messageId) {
    platform::Boxes().Show(m_hWnd, fw::LoadStr(messageId).c_str(), kCaption, MB_OK | MB_ICONSTOP);
}

void CWanSelectDlg::OnOK() {
    const int index = SelectedIndex();
    if (index < 0) return Refuse(IDS_NO_WAN_INTERFACE);
    const ConnectionRecord& wan = g_ConnectionRecords[static_cast<std::size_t>(index)];
    // The soft AP's home network is 192.168.0.x: a WAN there could not be shared into it.
    if (wan.ipAddress.find("192.168.0.") != std::string::npos) return Refuse(IDS_WAN_IP_REFUSED);
    if (g_SoftApConnectionName.empty()) return Refuse(IDS_SOFT_AP_NOT_FOUND);

    g_WanConnectionName = wan.name;
    platform::IcsSharing& ics = platform::Sharing();
    ics.DisableAllIcs();
    ics.EnableIcsOnConnection(g_WanConnectionName.c_str(), platform::kIcsSharingPublic, 0);
    ics.EnableIcsOnConnection(g_SoftApConnectionName.c_str(), platform::kIcsSharingPrivate, 0);
    EndDialog(IDOK);
}

void CWanSelectDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        fw::CDialog about(IDD_ABOUTBOX, this);
        about.DoModal();
        return;
    }
    Default();
}

void CWanSelectDlg::OnPaint() {
    if (!IsIconic(m_hWnd)) {
        Default();
        return;
    }
    fw::CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    RECT r = GetClientRect();
    DrawIcon(dc.m_hDC, (r.right - r.left - cx + 1) / 2, (r.bottom - r.top - cy + 1) / 2, m_hIcon);
}

LRESULT CWanSelectDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }
