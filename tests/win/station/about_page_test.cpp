// The About page in a sheet of its own: version texts from the program's version record and
// from a stand-in driver file, EEPROM and firmware rows, the MAC, the IP rows from the
// simulated adapter list and their refresh on the timer, and the web-page button.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "page_fixture.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_file.h"
#include "shared/system/os_code.h"
#include "station/pages/about_page.h"
#include "tests/win/common/about_page_checks.h"
#include "tests/win/common/stand_in_driver_file.h"

namespace {

std::string Adapter(const std::string& extra) {
    return "[adapter]\n"
           "hardware_id = USB\\VID_F0E1&PID_5101\n"
           "description = Norvane ZQ-4402 Wireless LAN Card\n"
           "instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}\n"
           "driver      = {4d36e972-e325-11ce-bfc1-08002be10318}\\0007\n"
           "mac         = 02-E1-F0-51-01-07\n" +
           extra +
           // Another adapter of the machine, bound to its own network.
           "[adapter]\n"
           "hardware_id = PCI\\VEN_8086&DEV_1234\n"
           "description = Wired Ethernet\n"
           "instance_id = {11111111-2222-3333-4444-555555555555}\n"
           "driver      = {4d36e972-e325-11ce-bfc1-08002be10318}\\0008\n"
           "mac         = 00-1B-21-0A-0B-0C\n"
           "ip          = 10.1.2.3 255.0.0.0 10.0.0.1\n";
}

// The stand-in driver under the name this page looks for.
class DriverFile : public testutil::StandInDriverFile {
public:
    explicit DriverFile(int chipIndex) : StandInDriverFile(RelativePath(chipIndex)) {}
    bool Place(WORD year, WORD month, WORD day) { return StandInDriverFile::Place(FAKE_DRIVER, year, month, day); }

private:
    static std::string RelativePath(int chipIndex) {
        DriverFileChoice choice;
        return ChooseDriverFile(g_OsCode, g_IsWow64, chipIndex, &choice) ? choice.relativePath : std::string();
    }
};

using testutil::ModuleDate;

class AboutPageTest : public testutil::AboutPageChecks<PageInSheetTest<CAboutPage>> {
protected:
    void Start(const std::string& extra, int chipIndex = 5) override {
        Load(Adapter(extra));
        testutil::BindAdapter(world, chipIndex);
        Open();
    }
};

TEST_F(AboutPageTest, ShowsTheProgramAndDriverVersionRecords) {
    DriverFile driver(5);
    ASSERT_TRUE(driver.Place(2008, 5, 14));
    Start("oid 0xFF0C0004 = 03 01 00 00\n");

    EXPECT_EQ(Text(IDC_ABOUT_UTILITY_VERSION), "1.0.0.1\n");
    EXPECT_EQ(Text(IDC_ABOUT_COPYRIGHT), "Copyright (C) Tesmar");
    EXPECT_EQ(Text(IDC_ABOUT_UTILITY_DATE), ModuleDate());
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_VERSION), "3.1.0.12\n");
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_DATE), "05-14-2008");
    EXPECT_EQ(Text(IDC_ABOUT_MAC), "02-E1-F0-51-01-07");
    EXPECT_EQ(Text(IDC_ABOUT_WEB), kVendorWebAddress);

    ExpectLabels();
}

TEST_F(AboutPageTest, NoDriverFileLeavesTheDriverRowEmpty) {
    DriverFile driver(5);  // moved aside, nothing placed
    Start("");
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_VERSION), "");
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_DATE), "");
    EXPECT_EQ(Text(IDC_ABOUT_UTILITY_VERSION), "1.0.0.1\n");
}

TEST_F(AboutPageTest, EepromAndFirmwareRows) { CheckEepromAndFirmwareRows(0xFF0C0004, 0xFF0C0005, 5); }

TEST_F(AboutPageTest, AddressRowsFollowTheAdapterListOnEveryTick) {
    CheckAddressRowsFollowTheAdapterListOnEveryTick(5);
}

TEST_F(AboutPageTest, NoAddressesWhenNoAdapterIsBound) {
    Load(Adapter("").substr(0, Adapter("").find("[adapter]", 1)));  // the wireless adapter alone
    testutil::BindAdapter(world, 5);
    Open();
    EXPECT_EQ(Text(IDC_ABOUT_IP), "");
    EXPECT_EQ(Text(IDC_ABOUT_GATEWAY), "");
}

TEST_F(AboutPageTest, TimerRunsOnlyWhileThePageIsActive) { CheckTimerRunsOnlyWhileThePageIsActive(5); }

TEST_F(AboutPageTest, WebButtonOpensTheVendorPageFromAWorkerThread) {
    Start("");
    Click(IDC_ABOUT_WEB);
    for (int i = 0; i < 200 && world.ShellOpens().empty(); ++i) Sleep(10);
    const auto opens = world.ShellOpens();
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].verb, "open");
    EXPECT_EQ(opens[0].file, kVendorWebAddress);
    EXPECT_EQ(opens[0].show, SW_SHOWNORMAL);
    EXPECT_NE(opens[0].threadId, GetCurrentThreadId());
}

TEST_F(AboutPageTest, LayoutKeepsEveryTextWhole) {
    DriverFile driver(5);
    ASSERT_TRUE(driver.Place(2008, 12, 31));
    Start("oid 0xFF0C0004 = 03 01 00 00\noid 0xFF0C0005 = 03 01 00 00\n"
          "ip = 192.168.100.200 255.255.255.255 192.168.100.254\n");
    testutil::ExpectTidyLayout(page->m_hWnd);
    testutil::ShowForScreenshot();
}

}  // namespace
