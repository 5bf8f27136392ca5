#pragma once
// What both utilities' "About" pages share: the utility's and the driver file's versions and
// dates, the adapter's EEPROM and firmware versions and MAC, the IP configuration of its
// connection (refreshed every 5 seconds while the page is active), and the button to the
// vendor's web page. Each program numbers the controls and strings, names its OIDs, and
// reads the MAC, chooses the driver file and opens the web page its way.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/property_page.h"

struct DriverFileChoice;

class CAboutPageBase : public fw::CPropertyPage {
public:
    static constexpr UINT_PTR kAddressTimerId = 1;  // id 0 could not be killed on every system
    static constexpr UINT kAddressTimerMs = 5000;

    struct Row {
        int label, value;
    };
    struct LabelText {
        int control;
        UINT text;
    };
    static constexpr size_t kLabelCount = 9;
    // The program's numbers for the page's controls and strings (about_page_ids.h).
    struct Ids {
        UINT page, caption;
        int utilityVersion, utilityDate, copyright, driverVersion, driverDate, mac, ip, mask, gateway;
        Row eeprom, firmware;
        UINT firmwareText;
        int web;
        LabelText labels[kLabelCount];
    };
    struct Oids {
        uint32_t eepromVersion, firmwareVersion;
    };

    CAboutPageBase(const Ids& ids, const Oids& oids);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    // The address, mask and gateway of the adapter whose MAC the page read, or empty texts.
    void RefreshAddressInfo();

    UINT_PTR TimerId() const { return m_nTimerId; }

protected:
    virtual void ReadMac(uint8_t mac[6]) = 0;
    virtual bool ChooseDriver(DriverFileChoice* choice) = 0;
    virtual void OnWebButton() = 0;

    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    void ReadUtilityVersion();
    void ReadDriverVersion();
    void ShowRow(const Row& row, bool show);
    void StopTimer();

    const Ids& m_Ids;
    const Oids m_Oids;
    uint8_t m_Mac[6] = {};
    std::string m_strUtilityVersion, m_strUtilityDate, m_strCopyright;
    std::string m_strDriverVersion, m_strDriverDate;
    std::string m_strEepromVersion, m_strFirmwareVersion, m_strMac;
    std::string m_strIpAddress, m_strSubnetMask, m_strGateway;
    UINT_PTR m_nTimerId = 0;
};
