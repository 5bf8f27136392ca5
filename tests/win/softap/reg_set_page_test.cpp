// Havix's Setting Register page in a sheet of its own: one read and one write per register
// kind with the records the driver saw, the R17 record, texts refused before anything is sent,
// and the three error-MIC requests on their timers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "softap/pages/reg_set_page.h"
#include "sheet_page_fixture.h"
#include "tests/win/common/reg_set_page_checks.h"

namespace {

using platform::sim::Bytes;

constexpr DWORD kQueryRegister = 0x0D710105;
constexpr DWORD kSetRegister = 0x0DF10105;
constexpr DWORD kSetErrorMic = 0x0DF10115;

const char* kAdapter =
    "[adapter]\n"
    "hardware_id = PCI\\VEN_F0E1&DEV_7001\n"
    "description = Norvane ZQ-4402 Wireless LAN PCI Card\n"
    "instance_id = {A3C05E77-91D4-4B6A-8E20-5F1D7C94B0E8}\n"
    "driver      = {4d36e972-e325-11ce-bfc1-08002be10318}\\0008\n"
    "oid 0xFF0C001A = 01 00 00 00\n"
    "register mac 0x1000 = 0x12345678\n"
    "register bbp 255 = 0x1A5\n"
    "register eeprom 0x36 = 0xBEEF\n"
    "oid 0x0D710109 = 05 40 20 7f\n";

constexpr auto* Words = &testutil::RegisterWords;

class ApRegSetPageTest : public testutil::RegSetPageChecks<HavixSheetPageTest<softap::CRegSetPage>> {
protected:
    void SetUp() override {
        HavixSheetPageTest::SetUp();
        Load(kAdapter);
        Bind(7, false);
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
        Open();
        world.ClearJournal();
    }
};

TEST_F(ApRegSetPageTest, ReadsSendTheKindAndOffsetAndShowTheValue) {
    auto cases = testutil::CommonRegisterReads();
    // Nothing stored there: the driver answers 0, shown in full width.
    cases.push_back({"MAC unset", IDC_REGSET_MAC_OFFSET, "2000", IDC_REGSET_MAC_QUERY, Words({0, 0x2000, 0}),
                     IDC_REGSET_MAC_VALUE, "00000000"});
    CheckReads(cases, kQueryRegister);
}

TEST_F(ApRegSetPageTest, WritesSendTheirRecords) {
    const std::vector<testutil::RegisterWrite> cases = {
        {"MAC", {{IDC_REGSET_MAC_OFFSET, "1000"}, {IDC_REGSET_MAC_VALUE, "FFFFFFFF"}}, IDC_REGSET_MAC_SET, kSetRegister,
         Words({0, 0x1000, 0xFFFFFFFF})},
        {"BBP", {{IDC_REGSET_BBP_ID, "66"}, {IDC_REGSET_BBP_VALUE, "3c"}}, IDC_REGSET_BBP_SET, kSetRegister,
         Words({1, 66, 0x3C})},
        {"RF", {{IDC_REGSET_RF_VALUE, "00c4a5f1"}}, IDC_REGSET_RF_SET, kSetRegister, Words({2, 0, 0xC4A5F1})},
        {"EEPROM", {{IDC_REGSET_EEPROM_OFFSET, "0036"}, {IDC_REGSET_EEPROM_VALUE, "a1b2"}}, IDC_REGSET_EEPROM_SET,
         kSetRegister, Words({3, 0x36, 0xA1B2})},
        {"R17",
         {{IDC_REGSET_R17_BYTE0, "5"}, {IDC_REGSET_R17_BYTE1, "64"}, {IDC_REGSET_R17_BYTE2, "255"},
          {IDC_REGSET_R17_MAX, "7F"}},
         IDC_REGSET_R17_SET, 0x0DF10109, Bytes{5, 64, 255, 0x7F}},
    };
    CheckWrites(cases);
    // What was written reads back.
    SetText(IDC_REGSET_MAC_VALUE, "0");
    Click(IDC_REGSET_MAC_QUERY);
    EXPECT_EQ(Text(IDC_REGSET_MAC_VALUE), "FFFFFFFF");
}

TEST_F(ApRegSetPageTest, R17QueryShowsTheFourBytes) { CheckR17QueryShowsTheFourBytes(); }

TEST_F(ApRegSetPageTest, FailedReadShowsZeroNotTheLastValue) { CheckFailedReadShowsZero(kQueryRegister); }

// Pasted text skips the edits' character filter: it is checked before anything is sent. The
// number fields are checked on every action, as the page's data exchange does.
TEST_F(ApRegSetPageTest, TextThatIsNotANumberIsRefusedAndNothingSent) {
    const char* hex8 = "Please enter 1 to 8 hexadecimal digits (0-9, A-F).";
    const char* hex2 = "Please enter 1 or 2 hexadecimal digits (0-9, A-F).";
    const char* byteRange = "Please enter an integer between 0 and 255.";
    const std::vector<testutil::RegisterRefusal> cases = {
        {IDC_REGSET_MAC_OFFSET, "12G4", IDC_REGSET_MAC_QUERY, hex8},
        {IDC_REGSET_MAC_VALUE, "0x10", IDC_REGSET_MAC_SET, hex8},
        {IDC_REGSET_EEPROM_OFFSET, "", IDC_REGSET_EEPROM_QUERY, hex8},
        {IDC_REGSET_EEPROM_VALUE, "123456789", IDC_REGSET_EEPROM_SET, hex8},
        {IDC_REGSET_RF_VALUE, " 12", IDC_REGSET_RF_SET, hex8},
        {IDC_REGSET_BBP_VALUE, "100", IDC_REGSET_BBP_SET, hex2},
        {IDC_REGSET_R17_MAX, "g", IDC_REGSET_R17_SET, hex2},
        {IDC_REGSET_BBP_ID, "256", IDC_REGSET_BBP_QUERY, byteRange},
        {IDC_REGSET_R17_BYTE1, "300", IDC_REGSET_MAC_QUERY, byteRange},
        {IDC_REGSET_R17_BYTE2, "-1", IDC_REGSET_R17_SET, "Please enter an integer."},
        {IDC_REGSET_MIC_DELAY, "60", IDC_REGSET_ERROR_MIC, "Please enter an integer between 0 and 59."},
    };
    CheckRefusals(cases);
    EXPECT_TRUE(Enabled(IDC_REGSET_ERROR_MIC));
}

// A delay of d seconds: the first request at once, the second after d + 60 seconds, the third
// after 120; the button waits for the third.
TEST_F(ApRegSetPageTest, ErrorMicRequestsFollowTheirTimers) {
    for (const char* delay : {"0", "59"}) {
        SCOPED_TRACE(delay);
        SetText(IDC_REGSET_MIC_DELAY, delay);
        world.ClearJournal();
        Click(IDC_REGSET_ERROR_MIC);
        auto calls = Calls(kSetErrorMic);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_TRUE(calls[0].in.empty()) << "no data";
        EXPECT_FALSE(Enabled(IDC_REGSET_ERROR_MIC));

        page->SendMessage(WM_TIMER, softap::CRegSetPage::kSecondMicTimerId);
        EXPECT_EQ(Calls(kSetErrorMic).size(), 2u);
        EXPECT_FALSE(KillTimer(page->m_hWnd, softap::CRegSetPage::kSecondMicTimerId)) << "the second fires once";
        EXPECT_FALSE(Enabled(IDC_REGSET_ERROR_MIC));

        page->SendMessage(WM_TIMER, softap::CRegSetPage::kThirdMicTimerId);
        EXPECT_EQ(Calls(kSetErrorMic).size(), 3u);
        EXPECT_FALSE(KillTimer(page->m_hWnd, softap::CRegSetPage::kThirdMicTimerId));
        EXPECT_TRUE(Enabled(IDC_REGSET_ERROR_MIC));
    }
}

// The error-MIC request is tried once: a refusal is not queued for another try.
TEST_F(ApRegSetPageTest, ErrorMicRequestIsNotRetried) {
    world.FailOid(kSetErrorMic, 1);
    Click(IDC_REGSET_ERROR_MIC);
    EXPECT_EQ(SetOidQueueSize(), 0u);
    world.FailOid(kSetRegister, 1);
    SetText(IDC_REGSET_RF_VALUE, "1");
    Click(IDC_REGSET_RF_SET);
    EXPECT_EQ(SetOidQueueSize(), 1u) << "register writes get their retries";
}

// The R17 lines read as sentences: "Inc/Dec R17 by " byte 0 ", if FALSE CCA >=" byte 1
// " / <=" byte 2, then "within 1 second. Max R17 value is 0x" and the maximum.
TEST_F(ApRegSetPageTest, TheR17LinesReadInTheirOrder) {
    struct Child {
        HWND h;
        RECT r;
    };
    std::vector<Child> children;
    // The page's controls are all its direct children.
    for (HWND h = GetWindow(page->m_hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(h, &r);
        children.push_back({h, r});
    }
    std::sort(children.begin(), children.end(), [](const Child& a, const Child& b) { return a.r.left < b.r.left; });
    // The controls whose middle lies on the line of the given edit, left to right: texts as
    // they read, edits by id.
    auto line = [&](int edit) {
        RECT e{};
        GetWindowRect(page->GetDlgItem(edit), &e);
        std::vector<std::string> out;
        for (const Child& c : children) {
            const LONG middle = (c.r.top + c.r.bottom) / 2;
            // Group boxes span several lines.
            if (middle <= e.top || middle >= e.bottom || c.r.bottom - c.r.top > 2 * (e.bottom - e.top)) continue;
            char cls[16] = {};
            GetClassNameA(c.h, cls, sizeof cls);
            char text[64] = {};
            GetWindowTextA(c.h, text, sizeof text);
            out.push_back(_stricmp(cls, "Edit") == 0 ? "#" + std::to_string(GetDlgCtrlID(c.h)) : std::string(text));
        }
        return out;
    };
    EXPECT_EQ(line(IDC_REGSET_R17_BYTE0),
              (std::vector<std::string>{"Inc/Dec R17 by ", "#1101", ", if FALSE CCA >=", "#1103", " / <=", "#1099"}));
    EXPECT_EQ(line(IDC_REGSET_R17_MAX),
              (std::vector<std::string>{"within 1 second. Max R17 value is 0x", "#1102", "Query", "Set"}));
}

TEST_F(ApRegSetPageTest, LayoutKeepsEveryTextWhole) {
    testutil::ExpectTidyLayout(page->m_hWnd);
    ShowForScreenshot("havix-setting-register");
}

}  // namespace
