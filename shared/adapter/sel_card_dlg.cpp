#include "shared/adapter/sel_card_dlg.h"

#include "framework/ddx.h"
#include "platform/platform.h"
#include "shared/adapter/sel_card_ids.h"

namespace {
constexpr DWORD kPropertyBytes = 256;
}

FW_BEGIN_MESSAGE_MAP(CSelCardDlg, fw::CDialog)
    FW_ON_CBN_SELCHANGE(IDC_SELCARD_LIST, OnSelChangeCard)
FW_END_MESSAGE_MAP()

CSelCardDlg::CSelCardDlg(HDEVINFO deviceList, const std::vector<DWORD>& candidates, fw::CWnd* parent)
    : fw::CDialog(IDD_SEL_CARD, parent), m_hDeviceList(deviceList), m_Candidates(candidates) {}

std::string CSelCardDlg::Property(DWORD candidate, DWORD property) const {
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    if (!platform::Devices().EnumDeviceInfo(m_hDeviceList, candidate, &device)) return {};
    char buffer[kPropertyBytes] = {};
    if (!platform::Devices().GetDeviceRegistryProperty(m_hDeviceList, &device, property,
                                                       reinterpret_cast<BYTE*>(buffer),
                                                       kPropertyBytes - 1, nullptr))
        return {};
    buffer[kPropertyBytes - 1] = 0;
    return buffer;  // a multi-string shows its first entry
}

void CSelCardDlg::FillFields(int line) {
    if (line < 0 || static_cast<size_t>(line) >= m_Candidates.size()) return;
    DWORD candidate = m_Candidates[static_cast<size_t>(line)];
    m_strDescription = Property(candidate, SPDRP_DEVICEDESC);
    m_strHardwareId = Property(candidate, SPDRP_HARDWAREID);
    m_strLocation = Property(candidate, SPDRP_LOCATION_INFORMATION);
    m_strManufacturer = Property(candidate, SPDRP_MFG);
}

BOOL CSelCardDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    if (m_hDeviceList == INVALID_HANDLE_VALUE || m_hDeviceList == nullptr) return FALSE;
    HWND list = GetDlgItem(IDC_SELCARD_LIST);
    for (DWORD candidate : m_Candidates) {
        std::string name = Property(candidate, SPDRP_FRIENDLYNAME);
        if (name.empty()) name = Property(candidate, SPDRP_DEVICEDESC);
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    FillFields(0);
    ::SendMessageA(list, CB_SETCURSEL, 0, 0);
    UpdateData(FALSE);
    return TRUE;
}

void CSelCardDlg::DoDataExchange(fw::CDataExchange* pDX) {
    fw::CDialog::DoDataExchange(pDX);
    fw::DDX_Text(pDX, IDC_SELCARD_DESCRIPTION, m_strDescription);
    fw::DDX_Text(pDX, IDC_SELCARD_HARDWARE_ID, m_strHardwareId);
    fw::DDX_Text(pDX, IDC_SELCARD_LOCATION, m_strLocation);
    fw::DDX_Text(pDX, IDC_SELCARD_MANUFACTURER, m_strManufacturer);
}

void CSelCardDlg::OnSelChangeCard() {
    int line = static_cast<int>(::SendMessageA(GetDlgItem(IDC_SELCARD_LIST), CB_GETCURSEL, 0, 0));
    FillFields(line);
    UpdateData(FALSE);
}

void CSelCardDlg::OnOK() {
    int line = static_cast<int>(::SendMessageA(GetDlgItem(IDC_SELCARD_LIST), CB_GETCURSEL, 0, 0));
    m_nSelected = (line >= 0 && static_cast<size_t>(line) < m_Candidates.size()) ? line : -1;
    EndDialog(IDOK);
}
