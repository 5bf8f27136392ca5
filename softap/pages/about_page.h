#pragma once
// The "About" page of Havix's sheet: the utility's and the driver file's versions and dates,
// the adapter's EEPROM and firmware versions and MAC, the IP configuration of its connection
// (refreshed every 5 seconds while the page is active), and a button to the vendor's web site.
#include "shared/pages/about_page_base.h"

namespace softap {

class CAboutPage : public CAboutPageBase {
public:
    CAboutPage();

protected:
    void ReadMac(uint8_t mac[6]) override;
    bool ChooseDriver(DriverFileChoice* choice) override;
    void OnWebButton() override;
    FW_DECLARE_MESSAGE_MAP()
};

}  // namespace softap
