#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/sim/scenario.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

const char* kHeader =
    "[adapter]\n"
    "hardware_id = USB\\VID_F0E1&PID_5101\n"
    "description = Card\n"
    "instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}\n"
    "driver = {4d36e972-e325-11ce-bfc1-08002be10318}\\0007\n";  // lines 1-5

}  // namespace

TEST(Scenario, DefaultFileReadsAsWritten) {
    Scenario sc;
    ParseError err;
    ASSERT_TRUE(ParseScenario(ReadFile(ScenarioPath("default.scn")), &sc, &err)) << err.Text();
    ASSERT_EQ(sc.adapters.size(), 1u);
    const AdapterSpec& a = sc.adapters[0];
    ASSERT_EQ(a.hardwareIds.size(), 2u);
    EXPECT_EQ(a.hardwareIds[0], "USB\\VID_F0E1&PID_5101&REV_0001");
    EXPECT_EQ(a.hardwareIds[0].substr(0, 21), "USB\\VID_F0E1&PID_5101");
    EXPECT_EQ(a.driver, "{4d36e972-e325-11ce-bfc1-08002be10318}\\0007");
    EXPECT_FALSE(a.hasFriendlyName);
    EXPECT_TRUE(a.supports5GHz);
    EXPECT_EQ(a.signalCount, 2);
    EXPECT_EQ(a.signal[0], -55);
    EXPECT_EQ(a.signal[1], -60);
    EXPECT_TRUE(a.connected);
    EXPECT_EQ(a.linkSsid, "Harbor Open");
    EXPECT_EQ(a.linkBssid, (Mac{0x02, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(a.oidAnswers.at(0xFF0C001A), (Bytes{0, 0, 0, 0}));
    ASSERT_EQ(a.values.size(), 6u);
    EXPECT_EQ(a.values[0].name, "WirelessMode");
    EXPECT_EQ(a.values[0].text, "9");

    ASSERT_EQ(sc.networks.size(), 5u);
    EXPECT_EQ(sc.networks[0].rates.front(), 0x82);  // 1 Mbit/s, basic
    EXPECT_EQ(sc.networks[2].security, Security::Wpa2Psk);
    EXPECT_EQ(sc.networks[2].cipher, Cipher::Aes);
    EXPECT_TRUE(sc.networks[3].ssid.empty());
    EXPECT_EQ(sc.networks[4].channel, 36);
}

TEST(Scenario, ShippedFilesParse) {
    for (const char* name : {"default.scn", "two-adapters.scn", "no-adapter.scn", "ht-link.scn", "wps.scn"}) {
        Scenario sc;
        ParseError err;
        EXPECT_TRUE(ParseScenario(ReadFile(ScenarioPath(name)), &sc, &err)) << name << ": " << err.Text();
    }
    Scenario two;
    ASSERT_TRUE(ParseScenario(ReadFile(ScenarioPath("two-adapters.scn")), &two, nullptr));
    ASSERT_EQ(two.adapters.size(), 2u);
    EXPECT_EQ(two.adapters[1].hardwareIds[0].substr(0, 21), "PCI\\VEN_F0E1&DEV_7001");
    EXPECT_TRUE(two.adapters[1].hasFriendlyName);
}

TEST(Scenario, QuotedTextCommentsAndEscapes) {
    Scenario sc;
    ParseError err;
    std::string text = std::string(kHeader) +
                       "  # a comment line\n"
                       "friendly_name = \"Card # two \\\"B\\\"\"\n"
                       "location = Port #2\n"
                       "link = connected \"a\\x00b\\\\\" 02-00-00-00-00-01\n"
                       "signal = -70\n"
                       "fail 0xFF8C0002 3\n"
                       "oid 0x0D010101 =\n";
    ASSERT_TRUE(ParseScenario(text, &sc, &err)) << err.Text();
    const AdapterSpec& a = sc.adapters[0];
    EXPECT_EQ(a.friendlyName, "Card # two \"B\"");
    EXPECT_EQ(a.location, "Port #2") << "a '#' inside a value is not a comment";
    EXPECT_EQ(a.linkSsid, std::string("a\0b\\", 4));
    EXPECT_EQ(a.signalCount, 1);
    ASSERT_EQ(a.faults.size(), 1u);
    EXPECT_EQ(a.faults[0].oid, 0xFF8C0002u);
    EXPECT_EQ(a.faults[0].count, 3u);
    EXPECT_TRUE(a.oidAnswers.at(0x0D010101).empty());
}

struct BadLine {
    const char* text;   // appended after the five header lines
    int line;
    const char* message;  // part of the message
};

class ScenarioErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScenarioErrors, NamesTheLine) {
    const BadLine& b = GetParam();
    ParseError err;
    Scenario sc;
    ASSERT_FALSE(ParseScenario(std::string(kHeader) + b.text, &sc, &err));
    EXPECT_EQ(err.line, b.line) << err.Text();
    EXPECT_NE(err.message.find(b.message), std::string::npos) << err.Text();
    EXPECT_EQ(err.Text().rfind("line " + std::to_string(b.line) + ": ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScenarioErrors,
    ::testing::Values(
        BadLine{"colour = red\n", 6, "unknown key 'colour'"},
        BadLine{"\n\nmac = 02-11-22\n", 8, "MAC address"},
        BadLine{"mac = 02:11:22:33:44:GG\n", 6, "MAC address"},
        BadLine{"description = again\n", 6, "given twice"},
        BadLine{"signal = loud\n", 6, "signal"},
        BadLine{"signal = -50 -60 -70 -80\n", 6, "one to three"},
        BadLine{"link_speed = 5.2\n", 6, "0.5 Mbit/s"},
        BadLine{"link_quality = 101\n", 6, "link_quality out of range"},
        BadLine{"tx_rate = ht 15 80mhz\n", 6, "40mhz or short_gi"},
        BadLine{"rx_rate = ofdm 128\n", 6, "rate index"},
        BadLine{"rx_rate = fast\n", 6, "rate word"},
        BadLine{"snr = 1 2 3\n", 6, "one or two"},
        BadLine{"counter tx_bytes = 1 2 3 4\n", 6, "swing"},
        BadLine{"counter tx_frames = 0 10 101\n", 6, "counter swing"},
        BadLine{"counter tx_bits = 0\n", 6, "unknown counter 'tx_bits'"},
        BadLine{"counter rx_frames = 0\ncounter RX_FRAMES = 5\n", 7, "given twice"},
        BadLine{"[network]\nssid = x\nchannel = J9\n", 8, "channel"},
        BadLine{"oid FF0C001A = 00\n", 6, "hex"},
        BadLine{"oid 0xFF0C001A = 0 1\n", 6, "hex byte"},
        BadLine{"oid 0xFF8C001A = 00\n", 6, "query OID"},
        BadLine{"fail 0xFF8C0002\n", 6, "fail <oid> <count>"},
        BadLine{"fail 0xFF8C0002 0\n", 6, "fail count"},
        BadLine{"supports_5ghz = maybe\n", 6, "yes or no"},
        BadLine{"link = connected Harbor 02:11:22:33:44:55\n", 6, "link"},
        BadLine{"link = connected \"0123456789abcdef0123456789abcdefX\" 02:11:22:33:44:55\n", 6, "32 bytes"},
        BadLine{"friendly_name = \"open\n", 6, "unterminated"},
        BadLine{"friendly_name = \"Card\" # note\n", 6, "after the closing quote"},
        BadLine{"unplug_at = -5\n", 6, "unplug_at"},
        BadLine{"unplug_at = 100\nreplug_at = 100\n", 1, "equal"},
        BadLine{"register flash 1 = 2\n", 6, "register kind"},
        BadLine{"ip = 192.168.1.256 255.255.255.0\n", 6, "IPv4 address"},
        BadLine{"ip = 192.168.1 255.255.255.0\n", 6, "IPv4 address"},
        BadLine{"ip = 192.168.1.2\n", 6, "ip = <address> <mask>"},
        BadLine{"[bogus]\n", 6, "unknown section"},
        BadLine{"[network]\nssid = x\nchannel = 15\n", 8, "channel 15"},
        BadLine{"[network]\nssid = x\nchannel = 6\n", 6, "lacks bssid"},
        BadLine{"[network]\nssid = x\nbssid = 02:00:00:00:00:01\nchannel = 6\nsecurity = wpa3\n", 10, "security"},
        BadLine{"[network]\nssid = x\nbssid = 02:00:00:00:00:01\nchannel = 6\nie = dd 05 01\n", 10, "ie"},
        BadLine{"[network]\nssid = x\nbssid = 02:00:00:00:00:01\nchannel = 6\nrates = 1 2.3\n", 10, "0.5"},
        // A key of the form the network's security takes (reported at the section's header).
        BadLine{"[network]\nssid = x\nbssid = 02:00:00:00:00:01\nchannel = 6\nsecurity = wpa2-psk\nkey = short\n", 6,
                "8 to 63"},
        BadLine{"[network]\nssid = x\nbssid = 02:00:00:00:00:01\nchannel = 6\nsecurity = wep\nkey = 12345\n"
                "key_index = 4\n", 12, "key_index"},
        BadLine{"[network]\nssid = x\nbssid = 02:00:00:00:00:01\nchannel = 6\nsecurity = wep\nkey = 123456789G\n", 6,
                "10 or 26 hex"},
        BadLine{"[network]\nssid = x\nbssid = 02:00:00:00:00:01\nchannel = 6\nkey = password\n", 6, "key is for"},
        BadLine{"[adapter]\nhardware_id = X\ndescription = Y\ninstance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}\n"
                "driver = {4d36e972-e325-11ce-bfc1-08002be10318}\\0008\n",
                6, "instance_id used by two"}));

TEST(Scenario, StructuralErrors) {
    struct Case {
        const char* text;
        int line;
        const char* message;
    } cases[] = {
        {"description = x\n", 1, "outside a section"},
        {"# note\n[adapter]\ndescription = x\n", 2, "lacks hardware_id"},
        {"[adapter]\nhardware_id = X\ndescription = Y\ninstance_id = 6F2A9C14\n", 4, "GUID"},
        {"[adapter]\nhardware_id = X\ndescription = Y\ninstance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}\n"
         "driver = {4d36e972-e325-11ce-bfc1-08002be10318}\\7\n",
         5, "NNNN"},
        {"[adapter\n", 1, "']'"},
    };
    for (const Case& c : cases) {
        ParseError err;
        EXPECT_FALSE(ParseScenario(c.text, nullptr, &err)) << c.text;
        EXPECT_EQ(err.line, c.line) << c.text << " -> " << err.Text();
        EXPECT_NE(err.message.find(c.message), std::string::npos) << err.Text();
    }
}

TEST(Scenario, LinkStatisticsKeys) {
    Scenario sc;
    ParseError err;
    std::string text = std::string(kHeader) +
                       "signal = -50 -61 -72\n"
                       "link_speed = 121.5\n"
                       "link_quality = 77\n"
                       "central_channel = 38\n"
                       "tx_rate = ht 15 40mhz short_gi\n"
                       "rx_rate = 0x4085\n"
                       "noise = -90\n"
                       "snr = 25 44\n"
                       "counter tx_bytes = 0xFFFFFF00 150000 40\n"
                       "counter RX_FRAMES = 5000000000\n"
                       "[network]\nssid = j\nbssid = 02:00:00:00:00:08\nchannel = J8\n";
    ASSERT_TRUE(ParseScenario(text, &sc, &err)) << err.Text();
    const AdapterSpec& a = sc.adapters[0];
    EXPECT_EQ(a.signalCount, 3);
    EXPECT_EQ(a.signal[2], -72);
    const LinkStatsSpec& l = a.linkStats;
    EXPECT_EQ(l.speed, 243u);
    EXPECT_EQ(l.quality, 77u);
    EXPECT_EQ(l.centralChannel, 38u);
    EXPECT_EQ(l.txRate, (2u << 14) | 0x100u | 0x80u | 15u);
    EXPECT_EQ(l.rxRate, 0x4085u);
    EXPECT_EQ(l.noise, -90);
    EXPECT_EQ(l.snrCount, 2);
    EXPECT_EQ(l.snr[1], 44u);
    const LinkCounterSpec& tx = l.counters[kCounterTxBytes];
    EXPECT_TRUE(tx.given);
    EXPECT_EQ(tx.start, 0xFFFFFF00u);
    EXPECT_EQ(tx.perSecond, 150000u);
    EXPECT_EQ(tx.swingPercent, 40u);
    EXPECT_EQ(l.counters[kCounterRxFrames].start, 5000000000u);
    EXPECT_EQ(l.counters[kCounterRxFrames].perSecond, 0u);
    EXPECT_FALSE(l.counters[kCounterTxFrames].given);
    EXPECT_EQ(sc.networks[0].channel, 208);
}

TEST(Scenario, LoadFileReportsMissingFile) {
    World w;
    EXPECT_FALSE(w.LoadFile(ScenarioPath("no-such-file.scn")));
    EXPECT_EQ(w.LoadError().line, 0);
    EXPECT_NE(w.LoadError().Text().find("no-such-file.scn"), std::string::npos);
}

TEST(Scenario, SetOidsMapToTheirQueries) {
    struct {
        std::uint32_t sent, query;
        bool set;
    } cases[] = {
        {0xFF8C001A, 0xFF0C001A, true}, {0x0DF10111, 0x0D710111, true}, {0x0D810102, 0x0D010102, true},
        {0xFF81031A, 0x0D01031A, true}, {0xFF820105, 0x0D020105, true}, {0xFF0C000F, 0xFF0C000F, false},
        {0x0D010102, 0x0D010102, false}, {0x00010110, 0x00010110, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QueryOidOf(c.sent), c.query) << std::hex << c.sent;
        EXPECT_EQ(IsSetOid(c.sent), c.set) << std::hex << c.sent;
    }
}
