#include "shared/pages/about_page_base.h"

#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "shared/adapter/adapter_addresses.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_file.h"
#include "shared/driver/file_version.h"
#include "shared/driver/oid_access.h"
#include "shared/pages/vendor_web.h"
#include "shared/system/wow64.h"

namespace {

// "%d.%d\n" of two bytes of a version answer.
std::string ByteVersion(uint8_t major, uint8_t minor) { return fw::FormatStr("%d.%d\n", major, minor); }

}  // namespace

FW_BEGIN_MESSAGE_MAP(CAboutPageBase, fw::CPropertyPage)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CAboutPageBase::CAboutPageBase(const Ids& ids, const Oids& oids)
    : fw::CPropertyPage(ids.page, ids.caption), m_Ids(ids), m_Oids(oids) {}

void CAboutPageBase::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, m_Ids.utilityVersion, m_strUtilityVersion);
    fw::DDX_Text(dx, m_Ids.utilityDate, m_strUtilityDate);
    fw::DDX_Text(dx, m_Ids.copyright, m_strCopyright);
    fw::DDX_Text(dx, m_Ids.driverVersion, m_strDriverVersion);
    fw::DDX_Text(dx, m_Ids.driverDate, m_strDriverDate);
    fw::DDX_Text(dx, m_Ids.eeprom.value, m_strEepromVersion);
    fw::DDX_Text(dx, m_Ids.firmware.value, m_strFirmwareVersion);
    fw::DDX_Text(dx, m_Ids.mac, m_strMac);
    fw::DDX_Text(dx, m_Ids.ip, m_strIpAddress);
    fw::DDX_Text(dx, m_Ids.mask, m_strSubnetMask);
    fw::DDX_Text(dx, m_Ids.gateway, m_strGateway);
}

BOOL CAboutPageBase::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    ReadUtilityVersion();
    ReadDriverVersion();

    uint8_t eeprom[4] = {};
    DWORD returned = 0;
    if (QueryOid(m_Oids.eepromVersion, eeprom, sizeof eeprom, &returned))
        m_strEepromVersion = ByteVersion(eeprom[0], eeprom[1]);
    else
        ShowRow(m_Ids.eeprom, false);

    std::memset(m_Mac, 0, sizeof m_Mac);
    ReadMac(m_Mac);
    m_strMac = fw::FormatStr("%02X-%02X-%02X-%02X-%02X-%02X", m_Mac[0], m_Mac[1], m_Mac[2], m_Mac[3], m_Mac[4],
                             m_Mac[5]);

    for (const LabelText& label : m_Ids.labels) SetDlgItemText(label.control, fw::LoadStr(label.text));
    SetDlgItemText(m_Ids.web, kVendorWebAddress);

    // The template hides the firmware row: it shows only when read.
    if (g_ChipIndex >= 4 && g_ChipIndex <= 8) {
        uint8_t firmware[4] = {};
        returned = 0;
        if (QueryOid(m_Oids.firmwareVersion, firmware, sizeof firmware, &returned)) {
            SetDlgItemText(m_Ids.firmware.label, fw::LoadStr(m_Ids.firmwareText));
            // The firmware reports its minor number first.
            m_strFirmwareVersion = ByteVersion(firmware[1], firmware[0]);
            ShowRow(m_Ids.firmware, true);
        }
    }
    UpdateData(FALSE);
    return TRUE;
}

void CAboutPageBase::ReadUtilityVersion() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    const FileVersionTexts texts = ReadFileVersionTexts(path);
    m_strUtilityVersion = texts.version;
    m_strCopyright = texts.copyright;
    m_strUtilityDate = texts.date;
}

void CAboutPageBase::ReadDriverVersion() {
    DriverFileChoice choice;
    if (!ChooseDriver(&choice)) return;
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

void CAboutPageBase::ShowRow(const Row& row, bool show) {
    ::ShowWindow(GetDlgItem(row.label), show ? SW_SHOW : SW_HIDE);
    ::ShowWindow(GetDlgItem(row.value), show ? SW_SHOW : SW_HIDE);
}

void CAboutPageBase::RefreshAddressInfo() {
    const AdapterAddressTexts texts = FindAdapterAddresses(m_Mac);
    m_strIpAddress = texts.address;
    m_strSubnetMask = texts.mask;
    m_strGateway = texts.gateway;
}

BOOL CAboutPageBase::OnSetActive() {
    RefreshAddressInfo();
    UpdateData(FALSE);
    StopTimer();
    m_nTimerId = SetTimer(kAddressTimerId, kAddressTimerMs);
    return TRUE;
}

BOOL CAboutPageBase::OnKillActive() {
    StopTimer();
    return TRUE;
}

void CAboutPageBase::OnTimer(UINT_PTR id) {
    if (id != kAddressTimerId) return;
    RefreshAddressInfo();
    UpdateData(FALSE);
}

void CAboutPageBase::OnDestroy() { StopTimer(); }

void CAboutPageBase::StopTimer() {
    if (m_nTimerId) KillTimer(m_nTimerId);
    m_nTimerId = 0;
}
