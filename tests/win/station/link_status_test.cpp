// The Link Status page inside the main window's sheet: driver records in, texts out, for
// adapters with and without 802.11n; the OIDs of one tick; throughput and link quality over
// several ticks; the chain layout; the states without a link; polling only while active.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "framework/property_sheet.h"
#include "resources/station/resource.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/station_globals.h"
#include "station/pages/link_status_page.h"
#include "station/pages/site_surv_page.h"
#include "station_fixture.h"

namespace {

using platform::sim::Bytes;
using platform::sim::Mac;

constexpr UINT_PTR kPollTimer = 1;
const Mac kHarbor = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
const Mac kKaido = {0x02, 0x11, 0x22, 0x33, 0x44, 0xBC};
const Mac kEdge144 = {0x02, 0x11, 0x22, 0x33, 0x44, 0xEE};

constexpr uint32_t kHt = 2u << 14, kGreenfield = 3u << 14, kOfdm = 1u << 14, kBw40 = 1u << 7, kShortGi = 1u << 8;

// No link statistics of its own: every test gives the driver's answers itself.
std::string Scenario(bool ht) {
    return std::string("[adapter]\n") +
           (ht ? "hardware_id = PCI\\VEN_F0E1&DEV_7001\nsupports_11n = yes\n" : "hardware_id = USB\\VID_F0E1&PID_5101\n") +
           "description = Norvane ZQ-4402 Wireless LAN Card\n"
           "instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}\n"
           "driver = {4d36e972-e325-11ce-bfc1-08002be10318}\\0007\n"
           "mac = 02-E1-F0-51-01-07\n"
           "supports_5ghz = yes\n"
           "value WirelessMode = 9\n"
           "oid 0xFF0C001A = 00 00 00 00\n"
           "signal = -50 -61 -85\n"
           "link = connected \"Harbor Open\" 02:11:22:33:44:55\n"
           "scan_delay = 0\n"
           "\n[network]\nssid = \"Harbor Open\"\nbssid = 02:11:22:33:44:55\nchannel = 6\nrssi = -50\nht = yes\n"
           "\n[network]\nssid = \"Kaido J12\"\nbssid = 02:11:22:33:44:BC\nchannel = J12\nrssi = -60\n"
           // In the air and 802.11n, but on a channel the channel table lacks.
           "\n[network]\nssid = \"Edge 144\"\nbssid = 02:11:22:33:44:EE\nchannel = 144\nrssi = -60\nht = yes\n";
}

Bytes U32(uint32_t v) {
    Bytes b(4);
    std::memcpy(b.data(), &v, 4);
    return b;
}

Bytes Record(const LinkInfoRecord& r, bool ht) {
    Bytes b(ht ? sizeof(r) : kLinkInfoLegacySize);
    std::memcpy(b.data(), &r, b.size());
    return b;
}

using Texts = std::vector<std::pair<int, std::string>>;

class LinkStatusTest : public MainWindowFixture {
protected:
    CLinkStatusPage* Page() { return dialog.m_pSheet ? dialog.m_pSheet->LinkStatusPage() : nullptr; }

    // The sheet with the display list scanned and the Link Status page active.
    CLinkStatusPage* ActivePage() {
        if (!dialog.m_pSheet) return nullptr;
        CSiteSurvPage* survey = dialog.m_pSheet->SiteSurveyPage();
        PumpUntil([&] { return g_ScanPending == 0 && !survey->Rows().empty(); });
        dialog.m_pSheet->SetActivePage(Page());
        return Page()->IsWindow() ? Page() : nullptr;
    }

    void Tick() { Page()->SendMessage(WM_TIMER, kPollTimer, 0); }
    std::string Text(int id) { return Page()->GetDlgItemText(id); }
    int Bar(int id) { return static_cast<int>(SendMessageA(Page()->GetDlgItem(id), PBM_GETPOS, 0, 0)); }
    bool Visible(int id) { return IsWindowVisible(Page()->GetDlgItem(id)) != FALSE; }
    RECT Rect(int id) {
        RECT r{};
        GetWindowRect(Page()->GetDlgItem(id), &r);
        MapWindowPoints(nullptr, Page()->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    void ExpectTexts(const Texts& texts, const std::string& what) {
        for (const auto& [id, text] : texts) EXPECT_EQ(Text(id), text) << what << ", control " << id;
    }

    void Answer(uint32_t oid, uint32_t value) { world.SetOidAnswer(0, oid, U32(value)); }
    void NoAnswer(uint32_t oid) { world.ClearOidAnswer(0, oid); }
    void Chains(int count, const int32_t rssi[3]) {
        if (count == 3) world.SetSignal(0, rssi[0], rssi[1], rssi[2]);
        else if (count == 2) world.SetSignal(0, rssi[0], rssi[1]);
        else if (count == 1) world.SetSignal(0, rssi[0]);
        else world.ClearSignal(0);
    }
    void Dbm(bool on) { Page()->CheckDlgButton(IDC_LS_DBM, on ? BST_CHECKED : BST_UNCHECKED); }
};

// What one tick shows for one set of driver answers.
struct LinkCase {
    const char* what;
    Mac bssid;
    const char* ssid;
    uint32_t rxWord, txWord;  // on adapters without 802.11n: rx rate index; tx unused
    uint32_t linkSpeed;       // 500 kbit/s
    int chains;
    int32_t rssi[3];
    int snrs;  // SNR OIDs answering
    uint32_t snr[2];
    int32_t txPower;
    int extraCode;  // -1: the query fails
    uint32_t noiseValue;
    bool dbm;
    Texts expected;
};

TEST_F(LinkStatusTest, DriverRecordsOfAnHtAdapterBecomeTheTexts) {
    const LinkCase cases[] = {
        {"40 MHz short GI MCS 15, three chains", kHarbor, "Harbor Open", kHt | kBw40 | 7, kHt | kBw40 | kShortGi | 15,
         0, 3, {-50, -61, -85}, 2, {30, 44}, 100, 0, 0, false,
         {{IDC_LS_CHANNEL, "6 <--> 2437 KHz; central channel : 8"},
          {IDC_LS_STATUS, "Harbor Open <--> 02-11-22-33-44-55"},
          {IDC_LS_TX_SPEED, "300.0"}, {IDC_LS_RX_SPEED, "135.0"},
          {IDC_LS_HT_BW, "BW: 40"}, {IDC_LS_HT_GI, "GI: short"}, {IDC_LS_HT_MCS, "MCS: 15"},
          {IDC_LS_HT_SNR0, "SNR0: 30"}, {IDC_LS_HT_SNR1, "SNR1: n/a"},
          {IDC_LS_SIGNAL1_VALUE, "100%"}, {IDC_LS_SIGNAL1_WORD, "Good"},
          {IDC_LS_SIGNAL2_VALUE, "73%"}, {IDC_LS_SIGNAL2_WORD, "Good"},
          {IDC_LS_SIGNAL3_VALUE, "13%"}, {IDC_LS_SIGNAL3_WORD, "Weak"},
          // The strongest chain is above -70 dBm: the noise floor is taken as -92.
          {IDC_LS_NOISE_VALUE, "26%"}, {IDC_LS_NOISE_WORD, "Low"},
          {IDC_LS_EXTRA_INFO, "Link is Up [TxPower:100%]"}}},
        {"greenfield MCS 0 at 20 MHz, MCS 32 at 20 MHz has no rate, two chains in dBm", kHarbor, "Harbor Open",
         kHt | 32, kGreenfield | 0, 0, 2, {-80, -82, 0}, 2, {20, 25}, -1, 6, 0, true,
         {{IDC_LS_TX_SPEED, "6.5"}, {IDC_LS_RX_SPEED, "0.0"},
          {IDC_LS_HT_BW, "BW: 20"}, {IDC_LS_HT_GI, "GI: long"}, {IDC_LS_HT_MCS, "MCS: 0"},
          {IDC_LS_SIGNAL1_VALUE, "-80 dBm"}, {IDC_LS_SIGNAL1_WORD, "Weak"},
          {IDC_LS_SIGNAL2_VALUE, "-82 dBm"}, {IDC_LS_SIGNAL2_WORD, "Weak"},
          {IDC_LS_SIGNAL3_VALUE, ""}, {IDC_LS_SIGNAL3_WORD, ""},
          // Below -70 dBm: the strongest chain minus the smaller SNR.
          {IDC_LS_NOISE_VALUE, "-100 dBm"}, {IDC_LS_NOISE_WORD, "Low"},
          {IDC_LS_EXTRA_INFO, "Association failed [TxPower:100%]"}}},
        {"an OFDM rate: the 802.11n group says n/a; one chain", kHarbor, "Harbor Open", 9, kOfdm | 7, 0, 1,
         {-60, 0, 0}, 2, {44, 44}, 5, 11, 0, false,
         {{IDC_LS_TX_SPEED, "54.0"}, {IDC_LS_RX_SPEED, "2.0"},
          {IDC_LS_HT_BW, "BW: n/a"}, {IDC_LS_HT_GI, "GI: n/a"}, {IDC_LS_HT_MCS, "MCS: n/a"},
          {IDC_LS_HT_SNR0, "SNR0: n/a"}, {IDC_LS_HT_SNR1, "SNR1: n/a"},
          {IDC_LS_SIGNAL1_VALUE, "76%"}, {IDC_LS_SIGNAL2_VALUE, ""}, {IDC_LS_SIGNAL3_VALUE, ""},
          {IDC_LS_NOISE_VALUE, "26%"},
          // Code 11 is no code: the transmit power still follows.
          {IDC_LS_EXTRA_INFO, " [TxPower:Lowest]"}}},
        {"a J channel without the 802.11n element; MCS 7 short GI and MCS 33; a chain reported absent",
         kKaido, "Kaido J12", kHt | kBw40 | kShortGi | 33, kHt | kShortGi | 7, 0, 3, {-40, -200, -70}, 0, {}, 75, -1,
         0, false,
         {{IDC_LS_CHANNEL, "J12 <--> 5060 KHz"}, {IDC_LS_STATUS, "Kaido J12 <--> 02-11-22-33-44-BC"},
          {IDC_LS_TX_SPEED, "72.2"}, {IDC_LS_RX_SPEED, "43.3"}, {IDC_LS_HT_MCS, "MCS: 7"},
          {IDC_LS_SIGNAL1_VALUE, "100%"}, {IDC_LS_SIGNAL2_VALUE, ""}, {IDC_LS_SIGNAL2_WORD, ""},
          {IDC_LS_SIGNAL3_VALUE, "50%"}, {IDC_LS_SIGNAL3_WORD, "Normal"},
          // SNR queries that fail read as 0.
          {IDC_LS_HT_SNR0, "SNR0: 0"}, {IDC_LS_HT_SNR1, "SNR1: 0"},
          {IDC_LS_EXTRA_INFO, " [TxPower:75%]"}}},
        {"MCS 127 and a CCK index out of range read 0; the smaller SNR by unsigned compare", kHarbor,
         "Harbor Open", 5, kHt | kBw40 | 0x7F, 0, 3, {-72, -75, -79}, 2, {0xFFFFFFF0u, 25}, 7, 10, 0, false,
         {{IDC_LS_TX_SPEED, "0.0"}, {IDC_LS_RX_SPEED, "0.0"}, {IDC_LS_HT_MCS, "MCS: 127"},
          {IDC_LS_SIGNAL1_VALUE, "44%"}, {IDC_LS_SIGNAL1_WORD, "Normal"},
          {IDC_LS_NOISE_VALUE, "10%"}, {IDC_LS_NOISE_WORD, "Low"},
          {IDC_LS_EXTRA_INFO, "EAP succeed [TxPower:7%]"}}},
    };
    Load(Scenario(true));
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        for (int id : {IDC_LS_HT_GROUP, IDC_LS_HT_BW, IDC_LS_HT_GI, IDC_LS_HT_MCS, IDC_LS_HT_SNR0, IDC_LS_HT_SNR1})
            EXPECT_TRUE(Visible(id)) << id;
        for (const LinkCase& c : cases) {
            world.SetLink(0, true, c.ssid, c.bssid);
            LinkInfoRecord record{};
            record.Quality = 50;
            record.CentralChannel = 8;
            world.SetOidAnswer(0, 0xFF0C0009, Record(record, true));
            Answer(0xFF0C000E, c.rxWord);
            Answer(0xFF0C0021, c.txWord);
            Chains(c.chains, c.rssi);
            NoAnswer(0xFF0C0023);
            NoAnswer(0xFF0C0024);
            if (c.snrs > 0) Answer(0xFF0C0023, c.snr[0]);
            if (c.snrs > 1) Answer(0xFF0C0024, c.snr[1]);
            Answer(0xFF0C0007, static_cast<uint32_t>(c.txPower));
            if (c.extraCode >= 0) Answer(0xFF0C000D, static_cast<uint32_t>(c.extraCode));
            else NoAnswer(0xFF0C000D);
            Dbm(c.dbm);
            Tick();
            ExpectTexts(c.expected, c.what);
        }
    });
}

TEST_F(LinkStatusTest, DriverRecordsOfALegacyAdapterBecomeTheTexts) {
    const LinkCase cases[] = {
        {"54 Mbit/s link, rate index 3, an address", kHarbor, "Harbor Open", 3, 0, 108, 2, {-55, -60, 0}, 0, {},
         100, 0, 53, false,
         {{IDC_LS_STATUS, "Harbor Open <--> 02-11-22-33-44-55 [192.168.1.23]"},
          {IDC_LS_CHANNEL, "6 <--> 2437 KHz"},  // no central channel without 802.11n
          {IDC_LS_TX_SPEED, "54.0"}, {IDC_LS_RX_SPEED, "11.0"},
          {IDC_LS_SIGNAL1_VALUE, "89%"}, {IDC_LS_SIGNAL2_VALUE, "76%"}, {IDC_LS_SIGNAL3_VALUE, ""},
          // The driver's noise value is dBm + 143.
          {IDC_LS_NOISE_VALUE, "33%"}, {IDC_LS_NOISE_WORD, "Low"},
          {IDC_LS_EXTRA_INFO, "Link is Up [TxPower:100%]"}}},
        {"5.5 Mbit/s, index 12 reads as 1 Mbit/s, strong noise in dBm", kHarbor, "Harbor Open", 12, 0, 11, 2,
         {-55, -60, 0}, 0, {}, 6, 2, 83, true,
         {{IDC_LS_STATUS, "Harbor Open <--> 02-11-22-33-44-55"},  // an address of zeros is none
          {IDC_LS_TX_SPEED, "5.5"}, {IDC_LS_RX_SPEED, "1.0"}, {IDC_LS_SIGNAL1_VALUE, "-55 dBm"},
          {IDC_LS_NOISE_VALUE, "-60 dBm"}, {IDC_LS_NOISE_WORD, "Strong"},
          {IDC_LS_EXTRA_INFO, "Hardware radio off [TxPower:Lowest]"}}},
    };
    Load(Scenario(false));
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        for (int id : {IDC_LS_HT_GROUP, IDC_LS_HT_BW, IDC_LS_HT_MCS, IDC_LS_HT_SNR1}) EXPECT_FALSE(Visible(id)) << id;
        for (const LinkCase& c : cases) {
            LinkInfoRecord record{};
            record.LinkSpeed = c.linkSpeed;
            world.SetOidAnswer(0, 0xFF0C0009, Record(record, false));
            world.SetOidAnswer(0, 0x0D71011F, c.dbm ? Bytes{0, 0, 0, 0} : Bytes{192, 168, 1, 23});
            Answer(0xFF0C000E, c.rxWord);
            Answer(0xFF0C000A, c.noiseValue);
            Chains(c.chains, c.rssi);
            Answer(0xFF0C0007, static_cast<uint32_t>(c.txPower));
            Answer(0xFF0C000D, static_cast<uint32_t>(c.extraCode));
            Dbm(c.dbm);
            Tick();
            ExpectTexts(c.expected, c.what);
        }
        // Every query of the tick failing: zeros, never what the last tick showed.
        for (uint32_t oid : {0xFF0C0009u, 0xFF0C000Eu, 0xFF0C000Au, 0xFF0C0007u, 0xFF0C000Du, 0x0D71011Fu}) NoAnswer(oid);
        world.ClearSignal(0);
        Dbm(false);
        g_KeyErrorFlag = 1;
        Tick();
        g_KeyErrorFlag = 0;
        ExpectTexts({{IDC_LS_STATUS, "Harbor Open <--> 02-11-22-33-44-55"}, {IDC_LS_TX_SPEED, "0.0"},
                     {IDC_LS_RX_SPEED, "1.0"}, {IDC_LS_TX_THROUGHPUT, "0.0"}, {IDC_LS_RX_THROUGHPUT, "0.0"},
                     {IDC_LS_SIGNAL1_VALUE, ""}, {IDC_LS_SIGNAL2_VALUE, ""},
                     {IDC_LS_NOISE_VALUE, "0%"}, {IDC_LS_NOISE_WORD, "Low"},
                     {IDC_LS_EXTRA_INFO, " -- ICV Error  [TxPower:Lowest]"}},
                    "every query failing, ICV error");
        EXPECT_EQ(Bar(IDC_LS_SIGNAL1_BAR), 0);
        EXPECT_EQ(Bar(IDC_LS_NOISE_BAR), 0);
    });
}

// The OIDs of activation and of one tick, in order, on both kinds of adapter.
class LinkStatusOids : public LinkStatusTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LinkStatusOids, OneTickQueriesTheDriverInOrder) {
    const bool ht = GetParam();
    Load(Scenario(ht));
    Run([&] {
        CSiteSurvPage* survey = dialog.m_pSheet->SiteSurveyPage();
        ASSERT_TRUE(PumpUntil([&] { return g_ScanPending == 0 && !survey->Rows().empty(); }));
        auto oids = [&] {
            std::vector<uint32_t> sent;
            for (const auto& e : world.Journal()) {
                sent.push_back(e.oid);
                EXPECT_FALSE(e.set) << std::hex << e.oid;
                if (e.oid == 0xFF0C0009) {
                    EXPECT_EQ(e.in.size(), ht ? 20u : 16u) << "the record's length";
                }
            }
            world.ClearJournal();
            return sent;
        };
        world.ClearJournal();
        dialog.m_pSheet->SetActivePage(Page());
        EXPECT_EQ(oids(), (std::vector<uint32_t>{0xFF0C0009, 0xFF0C0010, 0xFF0C0022})) << "activation";
        Tick();
        const std::vector<uint32_t> expected =
            ht ? std::vector<uint32_t>{0x0D71011F, 0xFF0C0007, 0xFF0C000D, 0xFF0C0009, 0xFF0C000E, 0xFF0C0021,
                                       0xFF0C000F, 0xFF0C0010, 0xFF0C0022, 0xFF0C0023, 0xFF0C0024, 0xFF0C0021}
               : std::vector<uint32_t>{0x0D71011F, 0xFF0C0007, 0xFF0C000D, 0xFF0C0009, 0xFF0C000E, 0xFF0C000F,
                                       0xFF0C0010, 0xFF0C0022, 0xFF0C0023, 0xFF0C0024, 0xFF0C000A, 0xFF0C0021};
        EXPECT_EQ(oids(), expected);
    });
}

INSTANTIATE_TEST_SUITE_P(Adapters, LinkStatusOids, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Ht" : "Legacy"; });

TEST_F(LinkStatusTest, ThroughputFromCounterDifferencesEvenAcrossTheWrap) {
    Load(Scenario(false));
    LinkInfoRecord record{};
    auto counters = [&](uint32_t tx, uint32_t rx) {
        record.TxBytes = tx;
        record.RxBytes = rx;
        world.SetOidAnswer(0, 0xFF0C0009, Record(record, false));
    };
    auto throughput = [&] { return std::make_pair(Text(IDC_LS_TX_THROUGHPUT), Text(IDC_LS_RX_THROUGHPUT)); };
    using P = std::pair<std::string, std::string>;
    Run([&] {
        counters(0xFFFFF000u, 1000);
        ASSERT_NE(ActivePage(), nullptr);  // the counters of the activation are the first reading
        counters(0x00000E10u, 251000);     // 0x1000 + 0xE10 bytes sent across the wrap
        Tick();
        EXPECT_EQ(throughput(), (P{"30.8", "1000.0"}));
        Tick();
        EXPECT_EQ(throughput(), (P{"0.0", "0.0"}));

        // A failed read shows 0.0; the next one has nothing to compare with and starts over.
        NoAnswer(0xFF0C0009);
        Tick();
        EXPECT_EQ(throughput(), (P{"0.0", "0.0"}));
        counters(500000, 900000);
        Tick();
        EXPECT_EQ(throughput(), (P{"0.0", "0.0"})) << "not the whole counter as two seconds' worth";
        counters(525000, 950000);
        Tick();
        EXPECT_EQ(throughput(), (P{"100.0", "200.0"}));

        // The same after a disconnect.
        world.SetLink(0, false);
        Tick();
        world.SetLink(0, true, "Harbor Open", kHarbor);
        counters(900000, 1900000);
        Tick();
        EXPECT_EQ(throughput(), (P{"0.0", "0.0"}));
    });
}

TEST_F(LinkStatusTest, LinkQualityIsScaledThenAveragedWithThePreviousTick) {
    Load(Scenario(false));
    struct {
        uint32_t raw;
        const char* value;
        const char* word;
    } steps[] = {
        {75, "100%", "Good"},          // 75 x 1.2 + 10, at most 100
        {42, "80%", "Good"},           // 60 with 100
        {0, "45%", "Normal"},          // 10 with 80
        {0xFFFFFFFFu, "73%", "Good"},  // a wild value is held to 100 first; 72.5 rounds up
        {25, "57%", "Normal"},         // 40 with 73
        {0, "34%", "Weak"},            // 10 with 57: 33.5 rounds up
    };
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        for (const auto& step : steps) {
            LinkInfoRecord record{};
            record.Quality = step.raw;
            world.SetOidAnswer(0, 0xFF0C0009, Record(record, false));
            Tick();
            EXPECT_EQ(Text(IDC_LS_QUALITY_VALUE), step.value) << step.raw;
            EXPECT_EQ(Text(IDC_LS_QUALITY_WORD), step.word) << step.raw;
            EXPECT_EQ(Bar(IDC_LS_QUALITY_BAR), std::atoi(step.value)) << step.raw;
        }
    });
}

TEST_F(LinkStatusTest, NoiseRowTakesThePlaceOfTheFirstMissingChain) {
    Load(Scenario(true));
    const int chain2[] = {IDC_LS_SIGNAL2_LABEL, IDC_LS_SIGNAL2_BAR, IDC_LS_SIGNAL2_WORD, IDC_LS_SIGNAL2_VALUE};
    const int chain3[] = {IDC_LS_SIGNAL3_LABEL, IDC_LS_SIGNAL3_BAR, IDC_LS_SIGNAL3_WORD, IDC_LS_SIGNAL3_VALUE};
    const int noise[] = {IDC_LS_NOISE_LABEL, IDC_LS_NOISE_BAR, IDC_LS_NOISE_WORD, IDC_LS_NOISE_VALUE};
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        RECT home[4], slot2[4], slot3[4];
        for (int i = 0; i < 4; ++i) {
            home[i] = Rect(noise[i]);
            slot2[i] = Rect(chain2[i]);
            slot3[i] = Rect(chain3[i]);
            EXPECT_TRUE(Visible(chain2[i]) && Visible(chain3[i]) && Visible(noise[i])) << "three chains, control " << i;
            EXPECT_GT(home[i].top, slot3[i].top) << "the noise row sits under the third chain";
        }
        CSiteSurvPage* survey = dialog.m_pSheet->SiteSurveyPage();
        struct {
            int chains;
            bool show2, show3;
            const RECT* place;
        } steps[] = {{2, true, false, slot3}, {1, false, false, slot2}, {3, true, true, home}};
        for (const auto& step : steps) {
            dialog.m_pSheet->SetActivePage(survey);
            const int32_t rssi[3] = {-50, -60, -70};
            Chains(step.chains, rssi);
            dialog.m_pSheet->SetActivePage(Page());
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(Visible(chain2[i]), step.show2) << step.chains << " chains, control " << i;
                EXPECT_EQ(Visible(chain3[i]), step.show3) << step.chains << " chains, control " << i;
                EXPECT_TRUE(Visible(noise[i])) << step.chains << " chains, control " << i;
                const RECT now = Rect(noise[i]);
                EXPECT_TRUE(EqualRect(&now, &step.place[i])) << step.chains << " chains, control " << i;
            }
        }
    });
}

TEST_F(LinkStatusTest, WithoutALinkTheValuesGoAndTheStateIsSaid) {
    Load(Scenario(true));
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        Tick();
        ASSERT_FALSE(Text(IDC_LS_SIGNAL1_VALUE).empty());
        ASSERT_GT(Bar(IDC_LS_SIGNAL1_BAR), 0);
        const int values[] = {IDC_LS_CHANNEL,         IDC_LS_TX_SPEED,      IDC_LS_RX_SPEED,     IDC_LS_TX_THROUGHPUT,
                              IDC_LS_RX_THROUGHPUT,   IDC_LS_QUALITY_WORD,  IDC_LS_QUALITY_VALUE, IDC_LS_SIGNAL1_VALUE,
                              IDC_LS_SIGNAL1_WORD,    IDC_LS_SIGNAL3_VALUE, IDC_LS_NOISE_WORD,   IDC_LS_NOISE_VALUE};
        const int bars[] = {IDC_LS_QUALITY_BAR, IDC_LS_SIGNAL1_BAR, IDC_LS_SIGNAL2_BAR, IDC_LS_SIGNAL3_BAR,
                            IDC_LS_NOISE_BAR};
        auto expectCleared = [&](const char* what) {
            for (int id : values) EXPECT_EQ(Text(id), "") << what << ", control " << id;
            for (int id : bars) EXPECT_EQ(Bar(id), 0) << what << ", bar " << id;
        };

        world.SetLink(0, false);
        Tick();
        expectCleared("disconnected");
        ExpectTexts({{IDC_LS_STATUS, "Disconnected"}, {IDC_LS_EXTRA_INFO, "Link is Down"}, {IDC_LS_HT_BW, "BW: "},
                     {IDC_LS_HT_GI, "GI: "}, {IDC_LS_HT_MCS, "MCS: "}, {IDC_LS_HT_SNR0, "SNR0:"},
                     {IDC_LS_HT_SNR1, "SNR1:"}},
                    "disconnected");

        g_RadioOn = 0;
        Tick();
        g_RadioOn = 1;
        EXPECT_EQ(Text(IDC_LS_STATUS), "RF OFF");

        // Connected but with no BSSID yet counts as not connected.
        world.SetLink(0, true, "Harbor Open", Mac{});
        Tick();
        EXPECT_EQ(Text(IDC_LS_STATUS), "Disconnected");

        world.SetLink(0, true, "Harbor Open", kHarbor);
        Tick();
        ASSERT_FALSE(Text(IDC_LS_NOISE_VALUE).empty());
        world.Unplug(0);
        Tick();
        expectCleared("no interface");
        ExpectTexts({{IDC_LS_STATUS, "NIC or driver not ready"}, {IDC_LS_EXTRA_INFO, ""}, {IDC_LS_HT_BW, ""}},
                    "no interface");
    });
}

TEST_F(LinkStatusTest, PollsOnlyWhileItIsTheActivePage) {
    Load(Scenario(false));
    auto ticked = [&] {
        world.ClearJournal();
        fw::PumpMessages(2400);
        for (const auto& e : world.Journal())
            if (e.oid == 0xFF0C000D) return true;  // only this page asks for the extra info
        return false;
    };
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        EXPECT_TRUE(Page()->Polling());
        EXPECT_TRUE(ticked());
        dialog.m_pSheet->SetActivePage(dialog.m_pSheet->SiteSurveyPage());
        EXPECT_FALSE(Page()->Polling());
        EXPECT_FALSE(KillTimer(Page()->m_hWnd, kPollTimer)) << "no timer left behind";
        EXPECT_FALSE(ticked());
    });
}

// A BSSID whose channel the display list cannot tell.
TEST_F(LinkStatusTest, AnUnknownChannelAsksTheSiteSurveyPageForOneScanAndKeepsTheText) {
    Load(Scenario(true));
    Run([&] {
        ASSERT_NE(ActivePage(), nullptr);
        CSiteSurvPage* survey = dialog.m_pSheet->SiteSurveyPage();
        // Its status tick ends the start-up scan; after that the tick is stopped, or it would
        // end the next rescan state at any moment.
        survey->SendMessage(WM_TIMER, 1, 0);
        KillTimer(survey->m_hWnd, 1);
        ASSERT_FALSE(survey->RescanPending());
        Tick();
        const std::string channel = Text(IDC_LS_CHANNEL);
        ASSERT_EQ(channel, "6 <--> 2437 KHz; central channel : 0");

        auto rescanPosted = [&] {
            MSG msg;
            return PeekMessageA(&msg, survey->m_hWnd, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) &&
                   msg.wParam == IDC_SITE_RESCAN;
        };
        world.SetLink(0, true, "Edge 144", kEdge144);
        Tick();
        EXPECT_TRUE(rescanPosted());
        EXPECT_EQ(Text(IDC_LS_CHANNEL), channel);
        world.ClearWlanCalls();
        ASSERT_TRUE(PumpUntil([&] { return survey->RescanPending(); }));
        EXPECT_EQ(Text(IDC_LS_STATUS), "Edge 144 <--> 02-11-22-33-44-EE");

        // While that scan is under way, no second request; the kept text does not grow.
        Tick();
        EXPECT_FALSE(rescanPosted());
        EXPECT_EQ(Text(IDC_LS_CHANNEL), channel);
    });
}

}  // namespace
