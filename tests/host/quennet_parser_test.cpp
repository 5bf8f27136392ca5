// The connection listing Quennet.bat writes, in the Windows XP layout of the full IP
// configuration listing: which connections are offered as WAN, and which is the soft AP.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "icsselect/adapter_descriptions.h"
#include "icsselect/quennet_parser.h"

namespace {

const std::string kHead =
    "\n"
    "Windows IP Configuration\n"
    "\n"
    "        Host Name . . . . . . . . . . . . : harbor-pc\n"
    "        Primary Dns Suffix  . . . . . . . : \n"
    "        Node Type . . . . . . . . . . . . : Unknown\n"
    "        IP Routing Enabled. . . . . . . . : No\n"
    "        WINS Proxy Enabled. . . . . . . . : No\n"
    "\n";

const std::string kWiredDhcp =
    "Ethernet adapter Local Area Connection:\n"
    "\n"
    "        Connection-specific DNS Suffix  . : harbor.lan\n"
    "        Description . . . . . . . . . . . : Fenmoor FE-100 Network Connection\n"
    "        Physical Address. . . . . . . . . : 00-0C-29-4A-7B-10\n"
    "        Dhcp Enabled. . . . . . . . . . . : Yes\n"
    "        Autoconfiguration Enabled . . . . : Yes\n"
    "        IP Address. . . . . . . . . . . . : 192.168.1.33\n"
    "        Subnet Mask . . . . . . . . . . . : 255.255.255.0\n"
    "        Default Gateway . . . . . . . . . : 192.168.1.1\n"
    "        DHCP Server . . . . . . . . . . . : 192.168.1.1\n"
    "        DNS Servers . . . . . . . . . . . : 192.168.1.1\n"
    "\n";

const std::string kWiredStatic =
    "Ethernet adapter Office Link:\n"
    "\n"
    "        Connection-specific DNS Suffix  . : \n"
    "        Description . . . . . . . . . . . : Fenmoor Gigabit Adapter #2\n"
    "        Physical Address. . . . . . . . . : 00-0C-29-4A-7B-11\n"
    "        Dhcp Enabled. . . . . . . . . . . : No\n"
    "        IP Address. . . . . . . . . . . . : 10.20.30.40\n"
    "        Subnet Mask . . . . . . . . . . . : 255.0.0.0\n"
    "        Default Gateway . . . . . . . . . : 10.0.0.1\n"
    "\n";

const std::string kDisconnected =
    "Ethernet adapter Spare Port:\n"
    "\n"
    "        Media State . . . . . . . . . . . : Media disconnected\n"
    "        Description . . . . . . . . . . . : Fenmoor Fast Ethernet\n"
    "        Physical Address. . . . . . . . . : 00-0C-29-4A-7B-12\n"
    "\n";

const std::string kSoftAp =
    "Ethernet adapter Wireless Network Connection:\n"
    "\n"
    "        Connection-specific DNS Suffix  . : \n"
    "        Description . . . . . . . . . . . : Norvane ZQ-4402 Wireless LAN Card\n"
    "        Physical Address. . . . . . . . . : 02-E1-F0-51-01-07\n"
    "        Dhcp Enabled. . . . . . . . . . . : No\n"
    "        IP Address. . . . . . . . . . . . : 192.168.0.1\n"
    "        Subnet Mask . . . . . . . . . . . : 255.255.255.0\n"
    "        Default Gateway . . . . . . . . . : \n"
    "\n";

const std::string kSecondSoftAp =
    "Ethernet adapter Wireless Network Connection 2:\n"
    "\n"
    "        Media State . . . . . . . . . . . : Media disconnected\n"
    "        Description . . . . . . . . . . . : Tesmar 802.11n USB Wireless LAN Card - Packet Scheduler Miniport\n"
    "        Physical Address. . . . . . . . . : 02-E1-F0-81-01-02\n"
    "\n";

const std::string kPpp =
    "PPP adapter Harbor Dial-up:\n"
    "\n"
    "        Connection-specific DNS Suffix  . : \n"
    "        Description . . . . . . . . . . . : WAN (PPP/SLIP) Interface\n"
    "        Physical Address. . . . . . . . . : 00-53-45-00-00-00\n"
    "        Dhcp Enabled. . . . . . . . . . . : No\n"
    "        IP Address. . . . . . . . . . . . : 10.64.64.64\n"
    "        Subnet Mask . . . . . . . . . . . : 255.255.255.255\n"
    "        Default Gateway . . . . . . . . . : 10.64.64.64\n"
    "        NetBIOS over Tcpip. . . . . . . . : Disabled\n"
    "\n";

// A dial-up whose description names a soft-AP card: dial-up blocks are never taken as the
// soft AP.
const std::string kPppOnCard =
    "PPP adapter Card Dial-up:\n"
    "\n"
    "        Connection-specific DNS Suffix  . : \n"
    "        Description . . . . . . . . . . . : Norvane ZQ-4402 Wireless LAN Card\n"
    "        Physical Address. . . . . . . . . : 00-53-45-00-00-02\n"
    "        Dhcp Enabled. . . . . . . . . . . : No\n"
    "        IP Address. . . . . . . . . . . . : 10.64.64.65\n"
    "\n";

// Only seen while the dial-up is not connected: no "Connection-specific" line.
const std::string kPppNotDialled =
    "PPP adapter Quay Dial-up:\n"
    "\n"
    "        Media State . . . . . . . . . . . : Media disconnected\n"
    "        Description . . . . . . . . . . . : WAN (PPP/SLIP) Interface\n"
    "        Physical Address. . . . . . . . . : 00-53-45-00-00-01\n"
    "\n";

std::string WiredNumbered(int i) {
    std::string n = std::to_string(i);
    return "Ethernet adapter Port " + n + ":\n\n"
           "        Connection-specific DNS Suffix  . : \n"
           "        Description . . . . . . . . . . . : Fenmoor Port Adapter #" + n + "\n"
           "        Physical Address. . . . . . . . . : 00-0C-29-00-00-" + (i < 10 ? "0" : "") + n + "\n"
           "        Dhcp Enabled. . . . . . . . . . . : No\n"
           "        IP Address. . . . . . . . . . . . : 10.0.0." + n + "\n\n";
}

std::string Crlf(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

const ConnectionRecord kWiredDhcpRecord{"Local Area Connection", "Fenmoor FE-100 Network Connection",
                                        "00-0C-29-4A-7B-10", "192.168.1.33"};
const ConnectionRecord kWiredStaticRecord{"Office Link", "Fenmoor Gigabit Adapter #2", "00-0C-29-4A-7B-11",
                                          "10.20.30.40"};
const ConnectionRecord kDisconnectedRecord{"Spare Port", "Fenmoor Fast Ethernet", "00-0C-29-4A-7B-12", ""};
const ConnectionRecord kPppRecord{"Harbor Dial-up", "WAN (PPP/SLIP) Interface", "00-53-45-00-00-00", "10.64.64.64"};

}  // namespace

bool operator==(const ConnectionRecord& a, const ConnectionRecord& b) {
    return a.name == b.name && a.description == b.description && a.macAddress == b.macAddress &&
           a.ipAddress == b.ipAddress;
}

void PrintTo(const ConnectionRecord& r, std::ostream* os) {
    *os << "{" << r.name << " | " << r.description << " | " << r.macAddress << " | " << r.ipAddress << "}";
}

namespace {

TEST(QuennetListing, ListingsOfTheWindowsXpLayout) {
    const struct {
        const char* what;
        std::string text;
        std::vector<ConnectionRecord> records;
        std::string softAp;
    } cases[] = {
        {"wired DHCP: the Autoconfiguration line is skipped", kHead + kWiredDhcp, {kWiredDhcpRecord}, ""},
        {"static address", kHead + kWiredStatic, {kWiredStaticRecord}, ""},
        {"disconnected: listed without an address", kHead + kDisconnected, {kDisconnectedRecord}, ""},
        {"dial-up", kHead + kPpp, {kPppRecord}, ""},
        {"dial-up not connected is left out", kHead + kPppNotDialled + kWiredStatic, {kWiredStaticRecord}, ""},
        {"a dial-up is listed whatever its description",
         kHead + kPppOnCard,
         {{"Card Dial-up", "Norvane ZQ-4402 Wireless LAN Card", "00-53-45-00-00-02", "10.64.64.65"}},
         ""},
        {"the soft-AP card is not offered",
         kHead + kWiredDhcp + kSoftAp + kPpp,
         {kWiredDhcpRecord, kPppRecord},
         "Wireless Network Connection"},
        {"of two soft-AP cards the later wins",
         kHead + kSoftAp + kWiredStatic + kSecondSoftAp,
         {kWiredStaticRecord},
         "Wireless Network Connection 2"},
        {"CRLF line ends", Crlf(kHead + kWiredDhcp + kDisconnected + kSoftAp),
         {kWiredDhcpRecord, kDisconnectedRecord}, "Wireless Network Connection"},
        {"empty file", "", {}, ""},
        {"no adapters", kHead, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QuennetListing l = ParseQuennetListing(c.text);
        EXPECT_EQ(l.records, c.records);
        EXPECT_EQ(l.softApName, c.softAp);
    }
}

TEST(QuennetListing, EveryConnectionIsKeptInOrderBeyondTen) {
    std::string text = kHead;
    for (int i = 1; i <= 14; ++i) text += WiredNumbered(i);
    text += kSoftAp;
    QuennetListing l = ParseQuennetListing(text);
    ASSERT_EQ(l.records.size(), 14u);
    for (int i = 1; i <= 14; ++i) {
        EXPECT_EQ(l.records[i - 1].name, "Port " + std::to_string(i));
        EXPECT_EQ(l.records[i - 1].ipAddress, "10.0.0." + std::to_string(i));
    }
    EXPECT_EQ(l.softApName, "Wireless Network Connection");
}

// The batch file may still be writing when the listing is read.
TEST(QuennetListing, AListingCutInsideABlockReadsTheMissingLinesAsEmpty) {
    const std::string full = kHead + kWiredStatic + kWiredDhcp;
    const std::size_t at = full.find("        IP Address. . . . . . . . . . . . : 192.168.1.33");
    const std::size_t inAddress = full.find("192.168.1.33") + 5;
    struct Case {
        const char* what;
        std::string text;
        ConnectionRecord last;
    } cases[] = {
        {"before the address line", full.substr(0, at), {"Local Area Connection", kWiredDhcpRecord.description,
                                                         kWiredDhcpRecord.macAddress, ""}},
        {"inside the address line", full.substr(0, inAddress),
         {"Local Area Connection", kWiredDhcpRecord.description, kWiredDhcpRecord.macAddress, "192.1"}},
        {"right after the header", full.substr(0, full.find("Local Area Connection:") + 22),
         {"Local Area Connection", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QuennetListing l = ParseQuennetListing(c.text);
        ASSERT_EQ(l.records.size(), 2u);
        EXPECT_EQ(l.records[0], kWiredStaticRecord);
        EXPECT_EQ(l.records[1], c.last);
    }
    // A soft-AP block cut before its description line is an ordinary connection.
    QuennetListing l = ParseQuennetListing(kSoftAp.substr(0, kSoftAp.find("        Description")));
    ASSERT_EQ(l.records.size(), 1u);
    EXPECT_EQ(l.softApName, "");
}

TEST(QuennetListing, HeaderNames) {
    const struct {
        const char* header;
        const char* name;
    } cases[] = {
        {"Ethernet adapter Local Area Connection:", "Local Area Connection"},
        {"Ethernet adapter Local Area Connection:   \t\r", "Local Area Connection"},
        {"Ethernet adapter eth0", "eth0"},  // no colon: nothing is dropped
        {"Ethernet adapter Link: 2:", "Link: 2"},
        {"Ethernet adapter ", ""},
        {"Ethernet adapter", ""},
        {"Ethernet adapter :", ""},
        {"PPP adapter Dial:", "Dial"},
        {"no word here", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ConnectionNameOf(c.header), c.name) << c.header;

    QuennetListing l = ParseQuennetListing("Ethernet adapter \n\n        Media State . : x\n        Description . : D\n");
    ASSERT_EQ(l.records.size(), 1u);
    EXPECT_EQ(l.records[0].name, "");
    EXPECT_EQ(l.records[0].description, "D");
}

TEST(QuennetListing, LineValues) {
    const struct {
        const char* line;
        const char* value;
    } cases[] = {
        {"        IP Address. . . . . . . . . . . . : 10.0.0.1", "10.0.0.1"},
        {"        IP Address. . . . . . . . . . . . : 10.0.0.1  \t\r", "10.0.0.1"},
        {"        Default Gateway . . . . . . . . . : ", ""},
        {"        Default Gateway . . . . . . . . . :", ""},
        {"        Link-local IPv6 Address . . . . . : fe80::1%4", "fe80::1%4"},
        {"no colon", "o colon"},
        {"", ""},
        {":", ""},
        {":x", ""},
        {": x", "x"},
    };
    for (const auto& c : cases) EXPECT_EQ(LineValueOf(c.line), c.value) << c.line;
}

TEST(QuennetListing, FindsAreCaseSensitive) {
    std::string lower = kWiredDhcp;
    lower.replace(0, 8, "ethernet");
    EXPECT_TRUE(ParseQuennetListing(lower).records.empty());

    std::string dhcpLower = kWiredDhcp;
    dhcpLower.replace(dhcpLower.find(": Yes"), 5, ": yes");
    // "yes" is not "Yes": the Autoconfiguration line is taken as the address line.
    EXPECT_EQ(ParseQuennetListing(dhcpLower).records.at(0).ipAddress, "Yes");

    std::string softAp = kSoftAp;
    softAp.replace(softAp.find("Norvane"), 7, "NORVANE");
    EXPECT_EQ(ParseQuennetListing(softAp).softApName, "");
}

TEST(AdapterDescriptions, OwnCardsComeFirstAndTheTableIsFull) {
    EXPECT_EQ(g_AdapterDescriptions.count, kAdapterDescriptionCount);
    EXPECT_EQ(FindAdapterDescription("        Description . . . : Norvane ZQ-4402 Wireless LAN Card"), 0);
    EXPECT_EQ(FindAdapterDescription("Norvane ZQ-4402 Wireless LAN PCI Card #2"), 1);
    EXPECT_GE(FindAdapterDescription("Tesmar KV40 Wireless LAN Card"), 0);
    EXPECT_EQ(FindAdapterDescription("Fenmoor FE-100 Network Connection"), -1);
    EXPECT_EQ(FindAdapterDescription(""), -1);
    for (std::size_t i = 0; i < kAdapterDescriptionCount; ++i)
        EXPECT_EQ(FindAdapterDescription(g_AdapterDescriptions.entries[i]) <= static_cast<int>(i), true) << i;
}

}  // namespace
