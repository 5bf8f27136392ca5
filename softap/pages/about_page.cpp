#include "softap/pages/about_page.h"

#include "softap/core/push/ap_oids.h"
#include "platform/platform.h"
#include "platform/programs.h"
#include "resources/softap/resource.h"
#include "shared/pages/about_page_ids.h"  // after the resource ids
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_file.h"
#include "shared/driver/oid_access.h"
#include "shared/system/os_code.h"
#include "shared/pages/vendor_web.h"

namespace softap {

namespace {

constexpr CAboutPageBase::Oids kOids = {
    0x0D710119,  // EEPROM version
    0x0D710129,  // firmware version
};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CAboutPage, CAboutPageBase)
    FW_ON_BN_CLICKED(IDC_ABOUT_WEB, OnWebButton)
FW_END_MESSAGE_MAP()

CAboutPage::CAboutPage() : CAboutPageBase(kAboutPageIds, kOids) {}

void CAboutPage::ReadMac(uint8_t mac[6]) {
    DWORD returned = 0;
    QueryOid(kOidCurrentAddress, mac, 6, &returned);
}

bool CAboutPage::ChooseDriver(DriverFileChoice* choice) {
    return ChooseSoftApDriverFile(g_OsCode, g_IsWow64, g_ChipIndex, choice);
}

void CAboutPage::OnWebButton() {
    platform::Outside().ShellExecute(m_hWnd, "open", kVendorWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace softap
