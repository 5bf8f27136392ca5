#include "station/pages/about_page.h"

#include "framework/thread.h"
#include "platform/platform.h"
#include "platform/programs.h"
#include "resources/station/resource.h"
#include "shared/pages/about_page_ids.h"  // after the resource ids
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_file.h"
#include "shared/system/os_code.h"
#include "station/core/driver/driver_oid_ops.h"

namespace {

constexpr CAboutPageBase::Oids kOids = {
    0xFF0C0004,  // EEPROM version
    0xFF0C0005,  // firmware version
};

// The last web-page thread; nothing waits for it.
HANDLE g_hWebPageThread = nullptr;

unsigned WebPageThreadProc(void*) {
    platform::Outside().ShellExecute(nullptr, "open", kVendorWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
    return 1;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CAboutPage, CAboutPageBase)
    FW_ON_BN_CLICKED(IDC_ABOUT_WEB, OnWebButton)
FW_END_MESSAGE_MAP()

CAboutPage::CAboutPage() : CAboutPageBase(kAboutPageIds, kOids) {}

CAboutPage::~CAboutPage() = default;

void CAboutPage::ReadMac(uint8_t mac[6]) { DriverOidOps().QueryOid0702(mac); }

bool CAboutPage::ChooseDriver(DriverFileChoice* choice) {
    return ChooseDriverFile(g_OsCode, g_IsWow64, g_ChipIndex, choice);
}

void CAboutPage::OnWebButton() {
    if (g_hWebPageThread) CloseHandle(g_hWebPageThread);
    g_hWebPageThread = fw::StartThread(WebPageThreadProc, nullptr);
}
