// The About page in a sheet of its own: version texts from the program's version record and
// from a stand-in driver file, EEPROM and firmware rows, the MAC, the IP rows from the
// simulated adapter list and their refresh on the timer, and the web-page button.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "page_fixture.h"
#include "resources/station/resource.h"
#include "shared/adapter_identity.h"
#include "shared/driver_file.h"
#include "shared/os_code.h"
#include "station/pages/about_page.h"
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

class AboutPageTest : public PageInSheetTest<CAboutPage> {
protected:
    void Start(const std::string& extra, int chipIndex = 5) {
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

    const std::pair<int, const char*> labels[] = {
        {IDC_ABOUT_UTILITY_LABEL, "Utility Version :"}, {IDC_ABOUT_UTILITY_DATE_LABEL, "Date :"},
        {IDC_ABOUT_DRIVER_LABEL, "Driver Version :"},   {IDC_ABOUT_DRIVER_DATE_LABEL, "Date :"},
        {IDC_ABOUT_EEPROM_LABEL, "EEPROM Version :"},   {IDC_ABOUT_MAC_LABEL, "Phy_Address :"},
        {IDC_ABOUT_IP_LABEL, "IP Address :"},           {IDC_ABOUT_MASK_LABEL, "Sub Mask :"},
        {IDC_ABOUT_GATEWAY_LABEL, "Default Gateway :"},
    };
    for (const auto& [id, text] : labels) EXPECT_EQ(Text(id), text) << id;
}

TEST_F(AboutPageTest, NoDriverFileLeavesTheDriverRowEmpty) {
    DriverFile driver(5);  // moved aside, nothing placed
    Start("");
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_VERSION), "");
    EXPECT_EQ(Text(IDC_ABOUT_DRIVER_DATE), "");
    EXPECT_EQ(Text(IDC_ABOUT_UTILITY_VERSION), "1.0.0.1\n");
}

// EEPROM bytes read major first, firmware bytes minor first; a failed query hides the row,
// and only chips 4 to 8 have firmware to ask for.
TEST_F(AboutPageTest, EepromAndFirmwareRows) {
    const struct {
        const char* name;
        int chip;
        const char* oids;
        const char* eeprom;  // null: row hidden
        const char* firmware;
    } cases[] = {
        {"both answer", 5, "oid 0xFF0C0004 = 03 01 00 00\noid 0xFF0C0005 = 03 01 00 00\n", "3.1\n", "1.3\n"},
        {"neither answers", 5, "", nullptr, nullptr},
        {"firmware only", 8, "oid 0xFF0C0005 = 02 07 00 00\n", nullptr, "7.2\n"},
        {"chip without firmware", 1, "oid 0xFF0C0004 = 01 00 00 00\noid 0xFF0C0005 = 03 01 00 00\n", "1.0\n", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.oids, c.chip);
        EXPECT_EQ(Visible(IDC_ABOUT_EEPROM), c.eeprom != nullptr);
        EXPECT_EQ(Visible(IDC_ABOUT_EEPROM_LABEL), c.eeprom != nullptr);
        if (c.eeprom) {
            EXPECT_EQ(Text(IDC_ABOUT_EEPROM), c.eeprom);
        }
        EXPECT_EQ(Visible(IDC_ABOUT_FIRMWARE), c.firmware != nullptr);
        EXPECT_EQ(Visible(IDC_ABOUT_FIRMWARE_LABEL), c.firmware != nullptr);
        if (c.firmware) {
            EXPECT_EQ(Text(IDC_ABOUT_FIRMWARE), c.firmware);
            EXPECT_EQ(Text(IDC_ABOUT_FIRMWARE_LABEL), "Firmware Version :");
        }
        bool askedFirmware = false;
        for (const auto& e : world.Journal()) askedFirmware |= e.oid == 0xFF0C0005;
        EXPECT_EQ(askedFirmware, c.chip >= 4);
        Close();
    }
}

TEST_F(AboutPageTest, AddressRowsFollowTheAdapterListOnEveryTick) {
    Start("ip = 192.168.10.20 255.255.255.0 192.168.10.1\n");
    EXPECT_EQ(Text(IDC_ABOUT_IP), "192.168.10.20");
    EXPECT_EQ(Text(IDC_ABOUT_MASK), "255.255.255.0");
    EXPECT_EQ(Text(IDC_ABOUT_GATEWAY), "192.168.10.1");

    world.SetIpConfig(0, true, "10.9.8.7", "255.255.0.0", "10.9.0.1");
    EXPECT_EQ(Text(IDC_ABOUT_IP), "192.168.10.20");  // until the timer comes
    page->SendMessage(WM_TIMER, CAboutPage::kAddressTimerId);
    EXPECT_EQ(Text(IDC_ABOUT_IP), "10.9.8.7");
    EXPECT_EQ(Text(IDC_ABOUT_MASK), "255.255.0.0");
    EXPECT_EQ(Text(IDC_ABOUT_GATEWAY), "10.9.0.1");

    // Unbound now: the old address must not stay on show.
    world.SetIpConfig(0, false);
    page->SendMessage(WM_TIMER, CAboutPage::kAddressTimerId);
    EXPECT_EQ(Text(IDC_ABOUT_IP), "");
    EXPECT_EQ(Text(IDC_ABOUT_MASK), "");
    EXPECT_EQ(Text(IDC_ABOUT_GATEWAY), "");
}

TEST_F(AboutPageTest, NoAddressesWhenNoAdapterIsBound) {
    Load(Adapter("").substr(0, Adapter("").find("[adapter]", 1)));  // the wireless adapter alone
    testutil::BindAdapter(world, 5);
    Open();
    EXPECT_EQ(Text(IDC_ABOUT_IP), "");
    EXPECT_EQ(Text(IDC_ABOUT_GATEWAY), "");
}

// The refresh timer has a non-zero id, runs while the page is active and is killed when
// the page is left.
TEST_F(AboutPageTest, TimerRunsOnlyWhileThePageIsActive) {
    Start("");
    ASSERT_EQ(page->TimerId(), CAboutPage::kAddressTimerId);
    ASSERT_NE(page->TimerId(), 0u);
    sheet->SetActivePage(other);
    fw::PumpMessages(20);
    EXPECT_EQ(page->TimerId(), 0u);
    EXPECT_FALSE(KillTimer(page->m_hWnd, CAboutPage::kAddressTimerId));  // already gone
    sheet->SetActivePage(page);
    fw::PumpMessages(20);
    EXPECT_EQ(page->TimerId(), CAboutPage::kAddressTimerId);
    EXPECT_TRUE(KillTimer(page->m_hWnd, CAboutPage::kAddressTimerId));
}

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
