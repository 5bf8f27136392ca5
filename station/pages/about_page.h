#pragma once
// The "About" page of the main sheet: the utility's and the driver file's versions and dates,
// the adapter's EEPROM and firmware versions and MAC, its IPv4 address, mask and gateway
// (refreshed every 5 seconds while the page is active), and a button to the vendor's web page.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/vendor_web.h"  // the web page the button shows and opens


class CAboutPage : public fw::CPropertyPage {
public:
    CAboutPage();
    ~CAboutPage() override;

    static constexpr UINT_PTR kAddressTimerId = 1;  // id 0 could not be killed on every system
    static constexpr UINT kAddressTimerMs = 5000;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    // The address, mask and gateway of the adapter whose MAC the page read, or empty texts.
    void RefreshAddressInfo();

    UINT_PTR TimerId() const { return m_nTimerId; }

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnWebButton();
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    void ReadUtilityVersion();
    void ReadDriverVersion();
    void ShowRow(int labelId, int valueId, bool show);

    uint8_t m_Mac[6] = {};
    std::string m_strUtilityVersion, m_strUtilityDate, m_strCopyright;
    std::string m_strDriverVersion, m_strDriverDate;
    std::string m_strEepromVersion, m_strFirmwareVersion, m_strMac;
    std::string m_strIpAddress, m_strSubnetMask, m_strGateway;
    UINT_PTR m_nTimerId = 0;
};
