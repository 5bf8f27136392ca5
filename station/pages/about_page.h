#pragma once
// The "About" page of the main sheet: the utility's and the driver file's versions and dates,
// the adapter's EEPROM and firmware versions and MAC, its IPv4 address, mask and gateway
// (refreshed every 5 seconds while the page is active), and a button to the vendor's web page.
#include "shared/pages/about_page_base.h"
#include "shared/pages/vendor_web.h"  // the web page the button shows and opens

class CAboutPage : public CAboutPageBase {
public:
    CAboutPage();
    ~CAboutPage() override;

protected:
    void ReadMac(uint8_t mac[6]) override;
    bool ChooseDriver(DriverFileChoice* choice) override;
    void OnWebButton() override;
    FW_DECLARE_MESSAGE_MAP()
};
