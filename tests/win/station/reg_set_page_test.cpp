// The Setting Register page in a sheet of its own: one read and one write per register kind
// with the records the driver saw, texts that are not hex refused before anything is sent,
// and the RF row only on USB adapters.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "page_fixture.h"
#include "resources/station/resource.h"
#include "station/pages/reg_set_page.h"
#include "tests/win/common/reg_set_page_checks.h"

namespace {

using platform::sim::Bytes;

const char* kAdapter =
    "[adapter]\n"
    "hardware_id = USB\\VID_F0E1&PID_5101\n"
    "description = Norvane ZQ-4402 Wireless LAN Card\n"
    "instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}\n"
    "driver      = {4d36e972-e325-11ce-bfc1-08002be10318}\\0007\n"
    "mac         = 02-E1-F0-51-01-07\n"
    "register mac 0x1000 = 0x12345678\n"
    "register bbp 255 = 0x1A5\n"
    "register eeprom 0x36 = 0xBEEF\n"
    "oid 0x0D710109 = 05 40 20 7f\n";

constexpr auto* Words = &testutil::RegisterWords;

class RegSetPageTest : public testutil::RegSetPageChecks<PageInSheetTest<CRegSetPage>> {
protected:
    void Start(int usb = 1) {
        Load(kAdapter);
        testutil::BindAdapter(world);
        g_IsUsbAdapter = usb;
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
        Open();
        world.ClearJournal();
    }
};

TEST_F(RegSetPageTest, StartsWithZerosAndBothTuningChecksOn) {
    Start();
    for (int id : {IDC_REGSET_MAC_OFFSET, IDC_REGSET_MAC_VALUE, IDC_REGSET_EEPROM_OFFSET, IDC_REGSET_EEPROM_VALUE,
                   IDC_REGSET_RF_R1, IDC_REGSET_RF_R4})
        EXPECT_EQ(Text(id), "00000000") << id;
    EXPECT_EQ(Text(IDC_REGSET_BBP_VALUE), "00");
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_REGSET_BBP_TUNING), BST_CHECKED);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_REGSET_RF_TUNING), BST_CHECKED);
    EXPECT_FALSE(Visible(IDC_REGSET_R17_QUERY));
    EXPECT_FALSE(Visible(IDC_REGSET_R17_BYTE0));
}

TEST_F(RegSetPageTest, ReadsSendTheKindAndOffsetAndShowTheValue) {
    Start();
    CheckReads(testutil::CommonRegisterReads(), 0xFF0C0008);
}

TEST_F(RegSetPageTest, WritesSendTheirRecords) {
    const std::vector<testutil::RegisterWrite> cases = {
        {"MAC", {{IDC_REGSET_MAC_OFFSET, "1000"}, {IDC_REGSET_MAC_VALUE, "FFFFFFFF"}}, IDC_REGSET_MAC_SET, 0xFF8C0008,
         Words({0, 0x1000, 0xFFFFFFFF})},
        {"BBP", {{IDC_REGSET_BBP_ID, "66"}, {IDC_REGSET_BBP_VALUE, "3c"}}, IDC_REGSET_BBP_SET, 0xFF8C0008,
         Words({1, 66, 0x3C})},
        {"EEPROM", {{IDC_REGSET_EEPROM_OFFSET, "0036"}, {IDC_REGSET_EEPROM_VALUE, "a1b2"}}, IDC_REGSET_EEPROM_SET,
         0xFF8C0008, Words({3, 0x36, 0xA1B2})},
        {"RF",
         {{IDC_REGSET_RF_R1, "1"}, {IDC_REGSET_RF_R2, "22"}, {IDC_REGSET_RF_R3, "333"}, {IDC_REGSET_RF_R4, "4444"}},
         IDC_REGSET_RF_SET, 0x0DF10120, Words({1, 0x22, 0x333, 0x4444, 1})},
        {"R17",
         {{IDC_REGSET_R17_BYTE0, "5"}, {IDC_REGSET_R17_BYTE1, "64"}, {IDC_REGSET_R17_BYTE2, "255"},
          {IDC_REGSET_R17_MAX, "7F"}},
         IDC_REGSET_R17_SET, 0x0DF10109, Bytes{5, 64, 255, 0x7F}},
        {"BBP tuning", {}, IDC_REGSET_BBP_TUNING_SET, 0x0DF10121, Words({1})},
    };
    Start();
    CheckWrites(cases);
    EXPECT_EQ(world.Adapter(0).registers.at({0, 0x1000}), 0xFFFFFFFFu);

    // The checks go with their records.
    page->CheckDlgButton(IDC_REGSET_BBP_TUNING, BST_UNCHECKED);
    page->CheckDlgButton(IDC_REGSET_RF_TUNING, BST_UNCHECKED);
    world.ClearJournal();
    Click(IDC_REGSET_BBP_TUNING_SET);
    Click(IDC_REGSET_RF_SET);
    EXPECT_EQ(Calls(0x0DF10121).at(0).in, Words({0}));
    EXPECT_EQ(Calls(0x0DF10120).at(0).in, Words({1, 0x22, 0x333, 0x4444, 0}));
}

TEST_F(RegSetPageTest, R17QueryShowsTheFourBytes) {
    Start();
    CheckR17QueryShowsTheFourBytes();
}

TEST_F(RegSetPageTest, FailedReadShowsZeroNotTheLastValue) {
    Start();
    CheckFailedReadShowsZero(0xFF0C0008);
}

// Pasted text skips the edits' character filter: it is checked before anything is sent.
TEST_F(RegSetPageTest, TextThatIsNotANumberIsRefusedAndNothingSent) {
    const std::vector<testutil::RegisterRefusal> cases = {
        {IDC_REGSET_MAC_OFFSET, "12G4", IDC_REGSET_MAC_QUERY, "Please enter 1 to 8 hexadecimal digits (0-9, A-F)."},
        {IDC_REGSET_MAC_VALUE, "0x10", IDC_REGSET_MAC_SET, "Please enter 1 to 8 hexadecimal digits (0-9, A-F)."},
        {IDC_REGSET_EEPROM_OFFSET, "", IDC_REGSET_EEPROM_QUERY, "Please enter 1 to 8 hexadecimal digits (0-9, A-F)."},
        {IDC_REGSET_EEPROM_VALUE, "123456789", IDC_REGSET_EEPROM_SET,
         "Please enter 1 to 8 hexadecimal digits (0-9, A-F)."},
        {IDC_REGSET_BBP_VALUE, "100", IDC_REGSET_BBP_SET, "Please enter 1 or 2 hexadecimal digits (0-9, A-F)."},
        {IDC_REGSET_BBP_ID, "256", IDC_REGSET_BBP_QUERY, "Please enter a number from 0 to 255."},
        {IDC_REGSET_RF_R3, " 12", IDC_REGSET_RF_SET, "Please enter 1 to 8 hexadecimal digits (0-9, A-F)."},
        {IDC_REGSET_R17_BYTE1, "-1", IDC_REGSET_R17_SET, "Please enter a number from 0 to 255."},
        {IDC_REGSET_R17_MAX, "g", IDC_REGSET_R17_SET, "Please enter 1 or 2 hexadecimal digits (0-9, A-F)."},
    };
    Start();
    CheckRefusals(cases);
}

TEST_F(RegSetPageTest, RfRowOnlyOnUsbAdapters) {
    Start(0);
    for (int id : {IDC_REGSET_RF_GROUP, IDC_REGSET_RF_LABEL, IDC_REGSET_RF_R1_LABEL, IDC_REGSET_RF_TUNING,
                   IDC_REGSET_RF_SET})
        EXPECT_FALSE(Visible(id)) << id;
    for (int id : {IDC_REGSET_RF_R1, IDC_REGSET_RF_R2, IDC_REGSET_RF_R3, IDC_REGSET_RF_R4})
        EXPECT_FALSE(Enabled(id)) << id;
    Start(1);
    EXPECT_TRUE(Visible(IDC_REGSET_RF_SET));
    EXPECT_TRUE(Enabled(IDC_REGSET_RF_R1));
}

TEST_F(RegSetPageTest, LayoutKeepsEveryTextWhole) {
    Start();
    testutil::ExpectTidyLayout(page->m_hWnd);
    testutil::ShowForScreenshot();
    // The hidden R17 row too, for the day it is shown.
    for (HWND c = GetWindow(page->m_hWnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ShowWindow(c, SW_SHOW);
    testutil::ExpectTidyLayout(page->m_hWnd);
    testutil::ShowForScreenshot();
}

}  // namespace
