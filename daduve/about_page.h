#pragma once
// The "About" page of Havix's sheet: the utility's and the driver file's versions and dates,
// the adapter's EEPROM and firmware versions and MAC, the IP configuration of its connection
// (refreshed every 5 seconds while the page is active), and a button to the vendor's web site.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/property_page.h"

namespace daduve {

class CAboutPage : public fw::CPropertyPage {
public:
    CAboutPage();

    static constexpr UINT_PTR kAddressTimerId = 1;  // id 0 could not be killed on every system
    static constexpr UINT kAddressTimerMs = 5000;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

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
    void RefreshAddressInfo();
    void ShowRow(int labelId, int valueId, bool show);
    void StopTimer();

    uint8_t m_Mac[6] = {};
    std::string m_strUtilityVersion, m_strUtilityDate, m_strCopyright;
    std::string m_strDriverVersion, m_strDriverDate;
    std::string m_strEepromVersion, m_strFirmwareVersion, m_strMac;
    std::string m_strIpAddress, m_strSubnetMask, m_strGateway;
    UINT_PTR m_nTimerId = 0;
};

}  // namespace daduve
