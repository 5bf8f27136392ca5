// The access point's "Link Status" page in a sheet of its own (the main sheet never adds it):
// the texts it shows for a table of driver answers, the receive chains it lays out, the
// throughput over the poll, and what it shows while the BSS is down.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "softap/pages/link_status_page.h"
#include "framework/resources.h"
#include "journal_steps.h"
#include "page_in_sheet.h"
#include "tests/win/common/screen_picture.h"
#include "tests/win/layout_check.h"

namespace {

using platform::sim::Bytes;

// The access point's SSID as the driver keeps it once the utility set it: a length, 32 bytes.
std::string SsidLine(const std::string& ssid) {
    Bytes record(36, 0);
    record[0] = static_cast<uint8_t>(ssid.size());
    for (size_t i = 0; i < ssid.size(); ++i) record[4 + i] = static_cast<uint8_t>(ssid[i]);
    return "oid 0x0D010102 = " + steps::Hex(record) + "\n";
}

// An 802.11n access point up on channel 6 with one station's worth of link.
std::string Up(const char* ip = "C0 A8 00 01") {
    return SsidLine("Quay AP") + "oid 0x0D71011F = " + ip + "\n" +
                        "link_quality = 75\n"
                        "central_channel = 6\n"
                        "tx_rate = ht 7 40mhz short_gi\n"
                        "rx_rate = ht 15\n"
                        "snr = 30 44\n"
                        "counter tx_bytes = 1000 25000\n"
                        "counter rx_bytes = 4294967000 5000\n";
}
const std::string kUp = Up();

class ApLinkStatusTest : public HavixPageTest<softap::CLinkStatusPage> {
protected:
    // Opens the page, lets the poll's 2 seconds pass on the world's clock and polls once.
    void OpenAndPoll() {
        Open();
        world.clock().Advance(2000);
        Poll();
    }
    void Poll() { page->SendMessage(WM_TIMER, 1, 0); }
    int Bar(int id) const { return static_cast<int>(SendMessageA(page->GetDlgItem(id), PBM_GETPOS, 0, 0)); }
    RECT Place(int id) const {
        RECT r{};
        GetWindowRect(page->GetDlgItem(id), &r);
        MapWindowPoints(nullptr, page->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

struct Expected {
    int id;
    const char* text;
};

TEST_F(ApLinkStatusTest, TextsForTheDriversAnswers) {
    const struct {
        const char* name;
        std::string extra;
        std::vector<std::pair<std::string, std::string>> changes;
        bool dbm;
        std::vector<Expected> texts;
    } cases[] = {
        {"up, one receive chain",
         kUp,
         {},
         false,
         {{IDC_LS_STATUS, "Quay AP <--> 02-E1-F0-70-01-21 [192.168.0.1]"},
          {IDC_LS_EXTRA_INFO, "Link is Up [TxPower:100%]"},
          {IDC_LS_CHANNEL, "6 <--> 2437000 KHz; central channel : 6"},
          {IDC_LS_TX_SPEED, "150.0"},
          {IDC_LS_RX_SPEED, "130.0"},
          {IDC_LS_TX_THROUGHPUT, "200.0"},
          {IDC_LS_RX_THROUGHPUT, "40.0"},
          {IDC_LS_QUALITY_WORD, "Good"},
          {IDC_LS_QUALITY_VALUE, "100%"},
          {IDC_LS_SIGNAL1_WORD, "Good"},
          {IDC_LS_SIGNAL1_VALUE, "76%"},
          {IDC_LS_SIGNAL2_VALUE, ""},
          {IDC_LS_NOISE_WORD, "Low"},
          {IDC_LS_NOISE_VALUE, "26%"},
          {IDC_LS_HT_BW, "BW: 20"},
          {IDC_LS_HT_GI, "GI: long"},
          {IDC_LS_HT_STBC, "STBC: none"},
          {IDC_LS_HT_MCS, "MCS: 15"},
          {IDC_LS_HT_SNR0, "SNR0: 30"},
          {IDC_LS_HT_SNR1, "SNR1: n/a"}}},
        {"three weak chains in dBm: the noise from the strongest and the smaller SNR",
         kUp + "oid 0x0D710118 = 03 00 00 00\n",
         {{"signal = -60\n", "signal = -60 -85 -90\n"}, {"rssi        = -52", "rssi        = -80"}},
         true,
         {{IDC_LS_EXTRA_INFO, "Link is Up [TxPower:Lowest]"},
          {IDC_LS_SIGNAL1_VALUE, "-80 dBm"},
          {IDC_LS_SIGNAL1_WORD, "Weak"},
          {IDC_LS_SIGNAL2_VALUE, "-85 dBm"},
          {IDC_LS_SIGNAL3_VALUE, "-90 dBm"},
          {IDC_LS_SIGNAL3_WORD, "Weak"},
          {IDC_LS_NOISE_VALUE, "-110 dBm"},
          {IDC_LS_NOISE_WORD, "Low"}}},
        {"a receive word that is not HT: the 802.11n group reads n/a",
         Up("00 00 00 00") + "oid 0x0D71011D = 0B 00 00 00\n",
         {{"rx_rate = ht 15", "rx_rate = ofdm 7"}},
         false,
         {{IDC_LS_STATUS, "Quay AP <--> 02-E1-F0-70-01-21"},
          {IDC_LS_EXTRA_INFO, " [TxPower:100%]"},
          {IDC_LS_RX_SPEED, "54.0"},
          {IDC_LS_HT_BW, "BW: n/a"},
          {IDC_LS_HT_GI, "GI: n/a"},
          {IDC_LS_HT_STBC, "STBC: n/a"},
          {IDC_LS_HT_MCS, "MCS: n/a"},
          {IDC_LS_HT_SNR0, "SNR0: n/a"},
          {IDC_LS_HT_SNR1, "SNR1: n/a"}}},
        {"no SSID yet: the BSS is down and the PHY record answers",
         "oid 0x0D710111 = " + steps::Hex(Bytes(32, 0)) + "\nlink_quality = 75\n",
         {},
         false,
         {{IDC_LS_STATUS, "Disconnected"},
          {IDC_LS_EXTRA_INFO, "Link is Down"},
          {IDC_LS_CHANNEL, ""},
          {IDC_LS_TX_SPEED, ""},
          {IDC_LS_QUALITY_VALUE, ""},
          {IDC_LS_SIGNAL1_VALUE, ""},
          {IDC_LS_NOISE_VALUE, ""},
          {IDC_LS_HT_BW, "BW:"},
          {IDC_LS_HT_SNR1, "SNR1:"}}},
        {"radio off", kUp + "radio = off\n", {}, false,
         {{IDC_LS_STATUS, "RF OFF"}, {IDC_LS_EXTRA_INFO, "Software radio off"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bind(c.extra, c.changes);
        Open();
        if (c.dbm) page->CheckDlgButton(IDC_LS_DBM, BST_CHECKED);
        world.clock().Advance(2000);
        Poll();
        for (const Expected& e : c.texts) EXPECT_EQ(Text(e.id), e.text) << e.id;
    }
}

// Each extra-info code shows its text from its own string; the caption's string 354 sits
// between codes 0 and 1.
TEST_F(ApLinkStatusTest, ExtraInfoCodesAndTheCaptionHaveTheirStrings) {
    const struct {
        uint8_t code;
        UINT id;
        const char* text;
    } cases[] = {
        {0, 353, "Link is Up"},
        {1, 355, "Link is Down"},
        {2, 356, "Hardware radio off"},
        {3, 357, "Software radio off"},
        {4, 358, "Open authentication fail"},
        {5, 359, "Shared authentication fail"},
        {6, 360, "Association failed"},
        {7, 361, "Deauthencation because MIC failure"},
        {8, 362, "Deauthencation on 4-way handshake timeout"},
        {9, 363, "Deauthencation on group key handshake timeout"},
        {10, 364, "EAP succeed"},
    };
    EXPECT_EQ(fw::LoadStr(354), "Link Status");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fw::LoadStr(c.id), c.text);
        Bind(kUp + "oid 0x0D71011D = " + steps::Hex(Bytes{c.code, 0, 0, 0}) + "\n");
        OpenAndPoll();
        EXPECT_EQ(Text(IDC_LS_EXTRA_INFO), std::string(c.text) + " [TxPower:100%]");
    }
    char caption[32] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = sizeof(caption);
    SendMessageA(PropSheet_GetTabControl(SheetWindow()), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(caption, "Link Status");
}

TEST_F(ApLinkStatusTest, AnAdapterWithout11nReadsTheLegacyRateAndTheNoiseValue) {
    Bind(kUp + "link_speed = 11\nnoise = -90\n", {{"supports_11n   = yes", "supports_11n   = no"}}, 5);
    // Without 802.11n the transmit OID holds a rate index.
    world.SetOidAnswer(0, 0x0D71011B, {11, 0, 0, 0});
    OpenAndPoll();
    EXPECT_EQ(Text(IDC_LS_TX_SPEED), "54.0");
    EXPECT_EQ(Text(IDC_LS_RX_SPEED), "11.0");
    EXPECT_EQ(Text(IDC_LS_CHANNEL), "6 <--> 2437000 KHz");
    EXPECT_EQ(Text(IDC_LS_NOISE_VALUE), "33%");
    for (int id : {IDC_LS_HT_GROUP, IDC_LS_HT_BW, IDC_LS_HT_SNR0}) EXPECT_FALSE(Visible(id)) << id;
}

// The noise row takes the place of the first chain the adapter lacks.
TEST_F(ApLinkStatusTest, TheNoiseRowTakesThePlaceOfTheFirstMissingChain) {
    Bind("", {{"signal = -60\n", "signal = -60 -61 -62\n"}});
    Open();
    const RECT noise = Place(IDC_LS_NOISE_BAR), chain1 = Place(IDC_LS_SIGNAL2_BAR), chain2 = Place(IDC_LS_SIGNAL3_BAR);
    for (int id : {IDC_LS_SIGNAL2_BAR, IDC_LS_SIGNAL3_BAR, IDC_LS_NOISE_BAR}) EXPECT_TRUE(Visible(id)) << id;
    testutil::ExpectTidyLayout(page->m_hWnd);

    const struct {
        const char* name;
        const char* signal;
        bool chain1, chain2;
        RECT noiseAt;
    } cases[] = {
        {"chain 1 missing", "signal = -60\n", false, false, chain1},
        {"chain 2 missing", "signal = -60 -61\n", true, false, chain2},
        {"all three", "signal = -60 -61 -62\n", true, true, noise},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bind("", {{"signal = -60\n", c.signal}});
        Open();
        EXPECT_EQ(Visible(IDC_LS_SIGNAL2_LABEL), c.chain1);
        EXPECT_EQ(Visible(IDC_LS_SIGNAL3_VALUE), c.chain2);
        EXPECT_TRUE(Visible(IDC_LS_NOISE_LABEL));
        const RECT at = Place(IDC_LS_NOISE_BAR);
        EXPECT_TRUE(EqualRect(&at, &c.noiseAt)) << at.left << "," << at.top;
        testutil::ExpectTidyLayout(page->m_hWnd);
    }
}

// Throughput counts from the page's activation; a counter that wrapped still gives what was
// sent, and the poll runs only while the page is active.
TEST_F(ApLinkStatusTest, ThroughputOverThePollAndOnlyWhileActive) {
    Bind(kUp);
    OpenAndPoll();
    EXPECT_EQ(Text(IDC_LS_RX_THROUGHPUT), "40.0") << "the receive counter wrapped meanwhile";
    EXPECT_TRUE(page->Polling());
    ShowOther();
    EXPECT_FALSE(page->Polling());
    world.clock().Advance(10000);
    ShowPage();
    world.clock().Advance(2000);
    Poll();
    EXPECT_EQ(Text(IDC_LS_TX_THROUGHPUT), "200.0") << "counted from the activation, not from the last poll";
}

// Not run by default: the page with three chains saved as a picture, for a look.
//   HAVIX_SHOT_DIR=Z:\tmp havix_tests --gtest_also_run_disabled_tests --gtest_filter='*ApLinkStatus*Screenshot*'
TEST_F(ApLinkStatusTest, DISABLED_Screenshots) {
    const char* dir = std::getenv("HAVIX_SHOT_DIR");
    const std::string folder = dir && *dir ? dir : ".";
    const struct {
        const char* signal;
        const char* file;
    } shots[] = {{"signal = -60 -58 -75\n", "havix-link-status-3-chains"}, {"signal = -60\n", "havix-link-status-1-chain"}};
    for (const auto& shot : shots) {
        Bind(kUp, {{"signal = -60\n", shot.signal}});
        OpenAndPoll();
        SetWindowPos(SheetWindow(), HWND_TOPMOST, 40, 60, 0, 0, SWP_NOSIZE);
        fw::PumpMessages(300);
        testutil::SaveWindowPicture(SheetWindow(), folder + "\\" + shot.file + ".bmp");
    }
}

}  // namespace
