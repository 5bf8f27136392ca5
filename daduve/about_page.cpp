#include "daduve/about_page.h"

#include <cstring>

#include "daduve/ap_oids.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/platform.h"
#include "platform/programs.h"
#include "resources/daduve/resource.h"
#include "shared/adapter_addresses.h"
#include "shared/adapter_identity.h"
#include "shared/driver_file.h"
#include "shared/file_version.h"
#include "shared/oid_access.h"
#include "shared/os_code.h"
#include "shared/vendor_web.h"
#include "shared/wow64.h"

namespace daduve {

namespace {

constexpr uint32_t kOidEepromVersion = 0x0D710119;
constexpr uint32_t kOidFirmwareVersion = 0x0D710129;

// "%d.%d\n" of two bytes of a version answer.
std::string ByteVersion(uint8_t major, uint8_t minor) { return fw::FormatStr("%d.%d\n", major, minor); }

struct LabelText {
    int id;
    UINT text;
};
constexpr LabelText kLabels[] = {
    {IDC_ABOUT_UTILITY_LABEL, IDS_ABOUT_UTILITY_VERSION}, {IDC_ABOUT_UTILITY_DATE_LABEL, IDS_ABOUT_DATE},
    {IDC_ABOUT_DRIVER_LABEL, IDS_ABOUT_DRIVER_VERSION},   {IDC_ABOUT_DRIVER_DATE_LABEL, IDS_ABOUT_DATE},
    {IDC_ABOUT_EEPROM_LABEL, IDS_ABOUT_EEPROM_VERSION},   {IDC_ABOUT_MAC_LABEL, IDS_ABOUT_PHY_ADDRESS},
    {IDC_ABOUT_IP_LABEL, IDS_ABOUT_IP_ADDRESS},           {IDC_ABOUT_MASK_LABEL, IDS_ABOUT_SUB_MASK},
    {IDC_ABOUT_GATEWAY_LABEL, IDS_ABOUT_GATEWAY},
};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CAboutPage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_ABOUT_WEB, OnWebButton)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CAboutPage::CAboutPage() : fw::CPropertyPage(IDD_ABOUT, IDS_ABOUT) {}

void CAboutPage::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_ABOUT_UTILITY_VERSION, m_strUtilityVersion);
    fw::DDX_Text(dx, IDC_ABOUT_UTILITY_DATE, m_strUtilityDate);
    fw::DDX_Text(dx, IDC_ABOUT_COPYRIGHT, m_strCopyright);
    fw::DDX_Text(dx, IDC_ABOUT_DRIVER_VERSION, m_strDriverVersion);
    fw::DDX_Text(dx, IDC_ABOUT_DRIVER_DATE, m_strDriverDate);
    fw::DDX_Text(dx, IDC_ABOUT_EEPROM, m_strEepromVersion);
    fw::DDX_Text(dx, IDC_ABOUT_FIRMWARE, m_strFirmwareVersion);
    fw::DDX_Text(dx, IDC_ABOUT_MAC, m_strMac);
    fw::DDX_Text(dx, IDC_ABOUT_IP, m_strIpAddress);
    fw::DDX_Text(dx, IDC_ABOUT_MASK, m_strSubnetMask);
    fw::DDX_Text(dx, IDC_ABOUT_GATEWAY, m_strGateway);
}

BOOL CAboutPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    ReadUtilityVersion();
    ReadDriverVersion();

    uint8_t eeprom[4] = {};
    DWORD returned = 0;
    if (QueryOid(kOidEepromVersion, eeprom, sizeof eeprom, &returned))
        m_strEepromVersion = ByteVersion(eeprom[0], eeprom[1]);
    else
        ShowRow(IDC_ABOUT_EEPROM_LABEL, IDC_ABOUT_EEPROM, false);

    std::memset(m_Mac, 0, sizeof m_Mac);
    returned = 0;
    QueryOid(kOidCurrentAddress, m_Mac, sizeof m_Mac, &returned);
    m_strMac = fw::FormatStr("%02X-%02X-%02X-%02X-%02X-%02X", m_Mac[0], m_Mac[1], m_Mac[2], m_Mac[3], m_Mac[4],
                             m_Mac[5]);

    for (const LabelText& label : kLabels) SetDlgItemText(label.id, fw::LoadStr(label.text));
    SetDlgItemText(IDC_ABOUT_WEB, kVendorWebAddress);

    if (g_ChipIndex >= 4 && g_ChipIndex <= 8) {
        uint8_t firmware[4] = {};
        returned = 0;
        const bool read = QueryOid(kOidFirmwareVersion, firmware, sizeof firmware, &returned) != FALSE;
        if (read) {
            SetDlgItemText(IDC_ABOUT_FIRMWARE_LABEL, fw::LoadStr(IDS_ABOUT_FIRMWARE_VERSION));
            // The firmware reports its minor number first.
            m_strFirmwareVersion = ByteVersion(firmware[1], firmware[0]);
        }
        ShowRow(IDC_ABOUT_FIRMWARE_LABEL, IDC_ABOUT_FIRMWARE, read);
    }
    UpdateData(FALSE);
    return TRUE;
}

void CAboutPage::ReadUtilityVersion() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    const FileVersionTexts texts = ReadFileVersionTexts(path);
    m_strUtilityVersion = texts.version;
    m_strCopyright = texts.copyright;
    m_strUtilityDate = texts.date;
}

void CAboutPage::ReadDriverVersion() {
    DriverFileChoice choice;
    if (!ChooseSoftApDriverFile(g_OsCode, g_IsWow64, g_ChipIndex, &choice)) return;
    char system[MAX_PATH + 1] = {};
    const UINT n = GetSystemDirectoryA(system, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    const std::string path = system + choice.relativePath;
    FileVersionTexts texts;
    {
        // Off for the read itself: building the path needs no file system.
        Wow64RedirectionOff redirection(choice.redirectionOff);
        texts = ReadFileVersionTexts(path.c_str());
    }
    m_strDriverVersion = texts.version;
    m_strDriverDate = texts.date;
}

void CAboutPage::ShowRow(int labelId, int valueId, bool show) {
    ::ShowWindow(GetDlgItem(labelId), show ? SW_SHOW : SW_HIDE);
    ::ShowWindow(GetDlgItem(valueId), show ? SW_SHOW : SW_HIDE);
}

void CAboutPage::RefreshAddressInfo() {
    const AdapterAddressTexts texts = FindAdapterAddresses(m_Mac);
    m_strIpAddress = texts.address;
    m_strSubnetMask = texts.mask;
    m_strGateway = texts.gateway;
}

BOOL CAboutPage::OnSetActive() {
    RefreshAddressInfo();
    UpdateData(FALSE);
    StopTimer();
    m_nTimerId = SetTimer(kAddressTimerId, kAddressTimerMs);
    return fw::CPropertyPage::OnSetActive();
}

BOOL CAboutPage::OnKillActive() {
    StopTimer();
    return fw::CPropertyPage::OnKillActive();
}

void CAboutPage::OnTimer(UINT_PTR) {
    RefreshAddressInfo();
    UpdateData(FALSE);
}

void CAboutPage::OnDestroy() { StopTimer(); }

void CAboutPage::StopTimer() {
    if (m_nTimerId) KillTimer(m_nTimerId);
    m_nTimerId = 0;
}

void CAboutPage::OnWebButton() {
    platform::Outside().ShellExecute(m_hWnd, "open", kVendorWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace daduve
