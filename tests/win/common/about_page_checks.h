#pragma once
// The checks both programs' About page tests make, over the program's page-in-sheet fixture
// (Text, Visible, Close, page, sheet, other, world). The control ids are those of the
// resource.h the test included before this: both programs name them alike.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/message_loop.h"
#include "framework/resources.h"
#include "shared/pages/about_page_base.h"

#ifndef IDC_ABOUT_WEB
#error "include the program's resource.h before about_page_checks.h"
#endif

namespace testutil {

template <class Fixture>
class AboutPageChecks : public Fixture {
protected:
    // Opens the page on the test's adapter with these scenario lines and that chip.
    virtual void Start(const std::string& extra, int chipIndex) = 0;

    void ExpectLabels() {
        const std::pair<int, const char*> labels[] = {
            {IDC_ABOUT_UTILITY_LABEL, "Utility Version :"}, {IDC_ABOUT_UTILITY_DATE_LABEL, "Date :"},
            {IDC_ABOUT_DRIVER_LABEL, "Driver Version :"},   {IDC_ABOUT_DRIVER_DATE_LABEL, "Date :"},
            {IDC_ABOUT_EEPROM_LABEL, "EEPROM Version :"},   {IDC_ABOUT_MAC_LABEL, "Phy_Address :"},
            {IDC_ABOUT_IP_LABEL, "IP Address :"},           {IDC_ABOUT_MASK_LABEL, "Sub Mask :"},
            {IDC_ABOUT_GATEWAY_LABEL, "Default Gateway :"},
        };
        for (const auto& [id, text] : labels) EXPECT_EQ(this->Text(id), text) << id;
    }

    // EEPROM bytes read major first, firmware bytes minor first; a failed query hides the
    // row, and only chips 4 to 8 have firmware to ask for. bothChip: a chip of the program's
    // with firmware.
    void CheckEepromAndFirmwareRows(uint32_t eepromOid, uint32_t firmwareOid, int bothChip) {
        const std::string eeprom = fw::FormatStr("oid 0x%08X = ", eepromOid);
        const std::string firmware = fw::FormatStr("oid 0x%08X = ", firmwareOid);
        const struct {
            const char* name;
            int chip;
            std::string oids;
            const char* eeprom;  // null: row hidden
            const char* firmware;
        } cases[] = {
            {"both answer", bothChip, eeprom + "03 01 00 00\n" + firmware + "03 01 00 00\n", "3.1\n", "1.3\n"},
            {"neither answers", 5, "", nullptr, nullptr},
            {"firmware only", 8, firmware + "02 07 00 00\n", nullptr, "7.2\n"},
            {"chip without firmware", 1, eeprom + "01 00 00 00\n" + firmware + "03 01 00 00\n", "1.0\n", nullptr},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            Start(c.oids, c.chip);
            EXPECT_EQ(this->Visible(IDC_ABOUT_EEPROM), c.eeprom != nullptr);
            EXPECT_EQ(this->Visible(IDC_ABOUT_EEPROM_LABEL), c.eeprom != nullptr);
            if (c.eeprom) {
                EXPECT_EQ(this->Text(IDC_ABOUT_EEPROM), c.eeprom);
            }
            EXPECT_EQ(this->Visible(IDC_ABOUT_FIRMWARE), c.firmware != nullptr);
            EXPECT_EQ(this->Visible(IDC_ABOUT_FIRMWARE_LABEL), c.firmware != nullptr);
            if (c.firmware) {
                EXPECT_EQ(this->Text(IDC_ABOUT_FIRMWARE), c.firmware);
                EXPECT_EQ(this->Text(IDC_ABOUT_FIRMWARE_LABEL), "Firmware Version :");
            }
            bool askedFirmware = false;
            for (const auto& e : this->world.Journal()) askedFirmware |= e.oid == firmwareOid;
            EXPECT_EQ(askedFirmware, c.chip >= 4);
            this->Close();
        }
    }

    void CheckAddressRowsFollowTheAdapterListOnEveryTick(int chipIndex) {
        Start("ip = 192.168.10.20 255.255.255.0 192.168.10.1\n", chipIndex);
        EXPECT_EQ(this->Text(IDC_ABOUT_IP), "192.168.10.20");
        EXPECT_EQ(this->Text(IDC_ABOUT_MASK), "255.255.255.0");
        EXPECT_EQ(this->Text(IDC_ABOUT_GATEWAY), "192.168.10.1");

        this->world.SetIpConfig(0, true, "10.9.8.7", "255.255.0.0", "10.9.0.1");
        EXPECT_EQ(this->Text(IDC_ABOUT_IP), "192.168.10.20");  // until the timer comes
        this->page->SendMessage(WM_TIMER, CAboutPageBase::kAddressTimerId);
        EXPECT_EQ(this->Text(IDC_ABOUT_IP), "10.9.8.7");
        EXPECT_EQ(this->Text(IDC_ABOUT_MASK), "255.255.0.0");
        EXPECT_EQ(this->Text(IDC_ABOUT_GATEWAY), "10.9.0.1");

        // No connection now: the old address must not stay on show.
        this->world.SetIpConfig(0, false);
        this->page->SendMessage(WM_TIMER, CAboutPageBase::kAddressTimerId);
        EXPECT_EQ(this->Text(IDC_ABOUT_IP), "");
        EXPECT_EQ(this->Text(IDC_ABOUT_MASK), "");
        EXPECT_EQ(this->Text(IDC_ABOUT_GATEWAY), "");
    }

    // The refresh timer has a non-zero id, runs while the page is active and is killed when
    // the page is left.
    void CheckTimerRunsOnlyWhileThePageIsActive(int chipIndex) {
        Start("", chipIndex);
        ASSERT_EQ(this->page->TimerId(), CAboutPageBase::kAddressTimerId);
        ASSERT_NE(this->page->TimerId(), 0u);
        this->sheet->SetActivePage(this->other);
        fw::PumpMessages(20);
        EXPECT_EQ(this->page->TimerId(), 0u);
        EXPECT_FALSE(KillTimer(this->page->m_hWnd, CAboutPageBase::kAddressTimerId));  // already gone
        this->sheet->SetActivePage(this->page);
        fw::PumpMessages(20);
        EXPECT_EQ(this->page->TimerId(), CAboutPageBase::kAddressTimerId);
        EXPECT_TRUE(KillTimer(this->page->m_hWnd, CAboutPageBase::kAddressTimerId));
    }
};

}  // namespace testutil
