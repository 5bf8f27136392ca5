// Havix's About page in a sheet of its own: version texts from the program's version record
// and from a stand-in driver file, EEPROM and firmware rows, the MAC, the IP rows from the
// simulated adapter list and their refresh on the timer, and the web site.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "softap/pages/about_page.h"
#include "sheet_page_fixture.h"
#include "shared/driver/driver_file.h"
#include "shared/system/os_code.h"
#include "shared/pages/vendor_web.h"
#include "tests/win/common/about_page_checks.h"
#include "tests/win/common/stand_in_driver_file.h"

namespace {

std::string Adapter(const std::string& extra) {
    return "[adapter]\n"
           "hardware_id = PCI\\VEN_F0E1&DEV_7001\n"
           "description = Norvane ZQ-4402 Wireless LAN PCI Card\n"
           "instance_id = {A3C05E77-91D4-4B6A-8E20-5F1D7C94B0E8}\n"
           "driver      = {4d36e972-e325-11ce-bfc1-08002be10318}\\0008\n"
           "mac         = 02-E1-F0-70-01-21\n"
           "oid 0xFF0C001A = 01 00 00 00\n" +
           extra +
           // Another adapter of the machine, bound to its own network.
           "[adapter]\n"
           "hardware_id = PCI\\VEN_8086&DEV_1234\n"
           "description = Wired Ethernet\n"
           "instance_id = {11111111-2222-3333-4444-555555555555}\n"
           "driver      = {4d36e972-e325-11ce-bfc1-08002be10318}\\0009\n"
           "mac         = 00-1B-21-0A-0B-0C\n"
           "ip          = 10.1.2.3 255.0.0.0 10.0.0.1\n";
}

std::string DriverPath(int chipIndex) {
    DriverFileChoice choice;
    return ChooseSoftApDriverFile(g_OsCode, g_IsWow64, chipIndex, &choice) ? choice.relativePath : std::string();
}

class ApAboutPageTest : public testutil::AboutPageChecks<HavixSheetPageTest<softap::CAboutPage>> {
protected:
    void Start(const std::string& extra, int chipIndex = 7) override {
        Load(Adapter(extra));
        Bind(chipIndex, false);
        Open();
    }
};

TEST_F(ApAboutPageTest, ShowsTheProgramAndDriverVersionRecords) {
    ASSERT_FALSE(DriverPath(7).empty());
    testutil::StandInDriverFile driver(DriverPath(7));
    ASSERT_TRUE(driver.Place(FAKE_DRIVER, 2008, 5, 14));
    Start("oid 0x0D710119 = 03 01 00 00\n");

    EXPECT_EQ(Text(IDC_ABOUT_UTILITY_VERSION), "1.0.0.1\n");
    EXPECT_EQ(Text(IDC_ABOUT_COPYRIGHT), "Copyright (C) Tesmar");
    EXPECT_EQ(Text(IDC_ABOUT_UTILITY_DATE), testutil::ModuleDate());
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_VERSION), "3.1.0.12\n");
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_DATE), "05-14-2008");
    EXPECT_EQ(Text(IDC_ABOUT_MAC), "02-E1-F0-70-01-21");
    EXPECT_EQ(Calls(0x01010102).size(), 1u) << "the MAC from OID_802_3_CURRENT_ADDRESS";
    EXPECT_EQ(Text(IDC_ABOUT_WEB), kVendorWebAddress);

    ExpectLabels();
}

TEST_F(ApAboutPageTest, NoDriverFileLeavesTheDriverRowEmpty) {
    testutil::StandInDriverFile driver(DriverPath(7));  // moved aside, nothing placed
    Start("");
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_VERSION), "");
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_DATE), "");
    EXPECT_EQ(Text(IDC_ABOUT_UTILITY_VERSION), "1.0.0.1\n");
}

TEST_F(ApAboutPageTest, EepromAndFirmwareRows) { CheckEepromAndFirmwareRows(0x0D710119, 0x0D710129, 7); }

TEST_F(ApAboutPageTest, AddressRowsFollowTheAdapterListOnEveryTick) {
    CheckAddressRowsFollowTheAdapterListOnEveryTick(7);
}

TEST_F(ApAboutPageTest, TimerRunsOnlyWhileThePageIsActive) { CheckTimerRunsOnlyWhileThePageIsActive(7); }

TEST_F(ApAboutPageTest, WebButtonOpensTheVendorSiteDirectly) {
    Start("");
    Click(IDC_ABOUT_WEB);
    const auto opens = world.ShellOpens();
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].verb, "open");
    EXPECT_EQ(opens[0].file, kVendorWebAddress);
    EXPECT_EQ(opens[0].show, SW_SHOWNORMAL);
    EXPECT_EQ(opens[0].threadId, GetCurrentThreadId());
}

TEST_F(ApAboutPageTest, LayoutKeepsEveryTextWhole) {
    testutil::StandInDriverFile driver(DriverPath(7));
    ASSERT_TRUE(driver.Place(FAKE_DRIVER, 2008, 12, 31));
    Start("oid 0x0D710119 = 03 01 00 00\noid 0x0D710129 = 03 01 00 00\n"
          "ip = 192.168.100.200 255.255.255.255 192.168.100.254\n");
    testutil::ExpectTidyLayout(page->m_hWnd);
    ShowForScreenshot("havix-about");
}

}  // namespace
