// The machine's connections in the simulated world: as the scenario gives them, shared and
// unshared as the home-networking configuration does it, the IP configuration listing the
// world writes for Quennet.bat, and the sharing kept for later programs of a scenario file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/ics_sharing.h"
#include "platform/programs.h"
#include "platform/sim/scenario.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

const char* kConnections = R"(
[connection]
name = Local Area Connection
guid = {8c1b2d3e-4f50-4a61-9b72-83c4d5e6f701}
description = Fenmoor FE-100 Network Connection
mac = 00-0C-29-4A-7B-10
dhcp = yes
ip = 192.168.1.33
gateway = 192.168.1.1
sharing = public

[connection]
name = Wireless Network Connection
guid = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}
description = Norvane ZQ-4402 Wireless LAN Card
mac = 02-E1-F0-51-01-07
sharing = private

[connection]
name = Harbor Dial-up
type = ppp
guid = {1D2E3F40-5162-4738-8A9B-ACBDCEDF0112}
description = WAN (PPP/SLIP) Interface
ip = 10.64.64.64
mask = 255.255.255.255
)";

std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

IcsRole RoleOf(const World& w, const std::string& name) {
    for (const ConnectionSpec& c : w.Connections())
        if (c.name == name) return c.sharing;
    ADD_FAILURE() << "no connection " << name;
    return IcsRole::None;
}

}  // namespace

TEST(ScenarioConnections, ReadAsWritten) {
    Scenario sc;
    ParseError err;
    ASSERT_TRUE(ParseScenario(kConnections, &sc, &err)) << err.Text();
    ASSERT_EQ(sc.connections.size(), 3u);
    const ConnectionSpec& lan = sc.connections[0];
    EXPECT_EQ(lan.name, "Local Area Connection");
    EXPECT_EQ(lan.guid, "{8C1B2D3E-4F50-4A61-9B72-83C4D5E6F701}") << "GUID text as the system gives it";
    EXPECT_TRUE(lan.dhcp);
    EXPECT_EQ(lan.mask, "255.255.255.0");
    EXPECT_EQ(lan.sharing, IcsRole::Public);
    EXPECT_FALSE(lan.ppp);
    EXPECT_TRUE(sc.connections[1].ip.empty());
    EXPECT_EQ(sc.connections[1].sharing, IcsRole::Private);
    EXPECT_TRUE(sc.connections[2].ppp);
    EXPECT_EQ(sc.connections[2].mac, Mac{});

    ASSERT_TRUE(ParseScenario(ReadAll(ScenarioPath("default.scn")), &sc, &err)) << err.Text();
    EXPECT_EQ(sc.connections.size(), 3u);
}

TEST(ScenarioConnections, ErrorsNameTheLine) {
    const std::string head = "[connection]\nname = A\nguid = {8C1B2D3E-4F50-4A61-9B72-83C4D5E6F701}\ndescription = D\n";
    const std::string other = "[connection]\nname = B\nguid = {8C1B2D3E-4F50-4A61-9B72-83C4D5E6F702}\ndescription = E\n";
    const struct {
        std::string text;
        int line;
        const char* message;
    } cases[] = {
        {head + "ip = 192.168.1\n", 5, "IPv4 address"},
        {head + "ip = 192.168.1.256\n", 5, "IPv4 address"},
        {head + "ip = 1.2.3.4.5\n", 5, "IPv4 address"},
        {head + "gateway = 10.0.0.x\n", 5, "IPv4 address"},
        {head + "type = wifi\n", 5, "ethernet or ppp"},
        {head + "sharing = both\n", 5, "none, public or private"},
        {head + "name = again\n", 5, "given twice"},
        {head + "speed = 100\n", 5, "unknown key 'speed'"},
        {"[connection]\nname = A\ndescription = D\n", 1, "lacks guid"},
        {"[connection]\nname = A\nguid = 8C1B2D3E\n", 3, "GUID"},
        {head + "[connection]\nname = a\nguid = {8C1B2D3E-4F50-4A61-9B72-83C4D5E6F702}\ndescription = E\n", 5,
         "name used twice"},
        {head + "sharing = public\n" + other + "sharing = public\n", 6, "one connection"},
    };
    for (const auto& c : cases) {
        ParseError err;
        EXPECT_FALSE(ParseScenario(c.text, nullptr, &err)) << c.text;
        EXPECT_EQ(err.line, c.line) << c.text << " -> " << err.Text();
        EXPECT_NE(err.message.find(c.message), std::string::npos) << err.Text();
    }
}

using SimSharing = SimWorldTest;

TEST_F(SimSharing, DisableAllTurnsOffOnlyWhatIsShared) {
    Load(kConnections);
    EXPECT_EQ(platform::Sharing().DisableAllIcs(), 1);
    for (const ConnectionSpec& c : world_.Connections()) EXPECT_EQ(c.sharing, IcsRole::None) << c.name;
    auto calls = world_.SharingCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].method, "DisableSharing");
    EXPECT_EQ(calls[0].connection, "Local Area Connection");
    EXPECT_EQ(calls[1].connection, "Wireless Network Connection");

    EXPECT_EQ(platform::Sharing().DisableAllIcs(), 1);
    EXPECT_EQ(world_.SharingCalls().size(), 2u) << "nothing left to turn off";
}

TEST_F(SimSharing, EnableTakesTheFirstExactNameAndOneConnectionPerSide) {
    Load(kConnections);
    platform::IcsSharing& ics = platform::Sharing();
    // A new public side replaces the old one; the private side stays.
    EXPECT_EQ(ics.EnableIcsOnConnection("Harbor Dial-up", platform::kIcsSharingPublic, 0), 1);
    EXPECT_EQ(RoleOf(world_, "Harbor Dial-up"), IcsRole::Public);
    EXPECT_EQ(RoleOf(world_, "Local Area Connection"), IcsRole::None);
    EXPECT_EQ(RoleOf(world_, "Wireless Network Connection"), IcsRole::Private);

    const struct {
        const char* name;
        int type;
        int byGuid;
        int result;
    } misses[] = {
        {"harbor dial-up", platform::kIcsSharingPrivate, 0, 0},                   // names compare exactly
        {"Harbor Dial-up ", platform::kIcsSharingPrivate, 0, 0},
        {"", platform::kIcsSharingPrivate, 0, 0},
        {"Harbor Dial-up", 2, 0, 0},                                               // refused: E_INVALIDARG
        {"{1D2E3F40-5162-4738-8A9B-ACBDCEDF0112}", platform::kIcsSharingPrivate, 0, 0},  // a GUID is no name
    };
    for (const auto& m : misses)
        EXPECT_EQ(ics.EnableIcsOnConnection(m.name, m.type, m.byGuid), m.result) << m.name << " " << m.type;
    EXPECT_EQ(ics.EnableIcsOnConnection(nullptr, platform::kIcsSharingPrivate, 0), 0);
    auto calls = world_.SharingCalls();
    ASSERT_EQ(calls.size(), 2u) << "only the call that reached a connection is journaled";
    EXPECT_EQ(calls[1].type, 2);
    EXPECT_EQ(calls[1].result, E_INVALIDARG);
    EXPECT_EQ(RoleOf(world_, "Harbor Dial-up"), IcsRole::Public) << "a refused call changes nothing";

    EXPECT_EQ(ics.EnableIcsOnConnection("{1D2E3F40-5162-4738-8A9B-ACBDCEDF0112}", platform::kIcsSharingPrivate, 1), 1);
    EXPECT_EQ(RoleOf(world_, "Harbor Dial-up"), IcsRole::Private) << "its type changes";
    EXPECT_EQ(RoleOf(world_, "Wireless Network Connection"), IcsRole::None);
}

TEST_F(SimSharing, TheBatchFileWritesTheListingIntoTheCurrentFolder) {
    Load(kConnections);
    char old[MAX_PATH];
    GetCurrentDirectoryA(sizeof old, old);
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "sim-quennet-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    const std::string file = folder + "\\Quennet.txt";

    EXPECT_GT(platform::Outside().WinExec("\"Trelby.exe\" OFF Lumora Havix \"NORVANE ZQ-4402\"", SW_HIDE), 31u);
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << "other programs write nothing";
    for (const char* line : {"\"Quennet.bat\" ", "quennet.BAT", "\"C:\\Tools\\Quennet.bat\""}) {
        DeleteFileA(file.c_str());
        EXPECT_GT(platform::Outside().WinExec(line, SW_HIDE), 31u);
        const std::string text = ReadAll(file);
        EXPECT_EQ(text.rfind("\r\nWindows IP Configuration\r\n", 0), 0u) << line;
        EXPECT_NE(text.find("\r\nEthernet adapter Local Area Connection:\r\n\r\n"
                            "        Connection-specific DNS Suffix  . : \r\n"
                            "        Description . . . . . . . . . . . : Fenmoor FE-100 Network Connection\r\n"
                            "        Physical Address. . . . . . . . . : 00-0C-29-4A-7B-10\r\n"
                            "        Dhcp Enabled. . . . . . . . . . . : Yes\r\n"
                            "        Autoconfiguration Enabled . . . . : Yes\r\n"
                            "        IP Address. . . . . . . . . . . . : 192.168.1.33\r\n"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("Ethernet adapter Wireless Network Connection:\r\n\r\n"
                            "        Media State . . . . . . . . . . . : Media disconnected\r\n"),
                  std::string::npos);
        EXPECT_NE(text.find("PPP adapter Harbor Dial-up:\r\n"), std::string::npos);
    }
    DeleteFileA(file.c_str());
    SetCurrentDirectoryA(old);
    RemoveDirectoryA(folder.c_str());
}

// Havix starts the selector twice ("ICS_DOWN", then the dialog): each a program of its own
// that loads the same scenario file.
TEST(SimSharingRun, ALaterProgramOfTheSameScenarioFileSeesTheSharing) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + "sim-sharing-" + std::to_string(GetCurrentProcessId()) + ".scn";
    {
        std::ofstream f(path, std::ios::binary);
        f << kConnections;
    }
    {
        World first;
        ASSERT_TRUE(first.LoadFile(path)) << first.LoadError().Text();
        platform::sim::Install(&first);
        platform::Sharing().DisableAllIcs();
        platform::Sharing().EnableIcsOnConnection("Harbor Dial-up", platform::kIcsSharingPublic, 0);
        platform::sim::Uninstall();
    }
    World later;
    ASSERT_TRUE(later.LoadFile(path));
    EXPECT_EQ(RoleOf(later, "Harbor Dial-up"), IcsRole::Public);
    EXPECT_EQ(RoleOf(later, "Local Area Connection"), IcsRole::None);
    EXPECT_EQ(RoleOf(later, "Wireless Network Connection"), IcsRole::None);
    EXPECT_TRUE(later.SharingCalls().empty()) << "the journal is each program's own";

    World fromText;
    ASSERT_TRUE(fromText.LoadText(kConnections));
    EXPECT_EQ(RoleOf(fromText, "Local Area Connection"), IcsRole::Public) << "a test's world keeps its own";

    later.DiscardPersistedSharing();
    World fresh;
    ASSERT_TRUE(fresh.LoadFile(path));
    EXPECT_EQ(RoleOf(fresh, "Local Area Connection"), IcsRole::Public) << "a new run starts from the file";
    fresh.DiscardPersistedSharing();
    DeleteFileA(path.c_str());
}

// Havix starts both without waiting: the dialog's program loads the file while the
// "ICS_DOWN" one is still at work, and the two share one machine-wide state.
TEST(SimSharingRun, ProgramsRunningAtTheSameTimeSeeEachOthersChanges) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + "sim-sharing-both-" + std::to_string(GetCurrentProcessId()) + ".scn";
    {
        std::ofstream f(path, std::ios::binary);
        f << kConnections;
    }
    World down, dialog;
    ASSERT_TRUE(down.LoadFile(path)) << down.LoadError().Text();
    ASSERT_TRUE(dialog.LoadFile(path));
    platform::sim::Install(&down);
    platform::Sharing().DisableAllIcs();
    platform::sim::Uninstall();
    EXPECT_EQ(RoleOf(dialog, "Local Area Connection"), IcsRole::None) << "turned off by the other program";

    platform::sim::Install(&dialog);
    platform::Sharing().DisableAllIcs();
    EXPECT_TRUE(dialog.SharingCalls().empty()) << "nothing was left to turn off";
    platform::Sharing().EnableIcsOnConnection("Harbor Dial-up", platform::kIcsSharingPublic, 0);
    platform::sim::Uninstall();
    EXPECT_EQ(RoleOf(down, "Harbor Dial-up"), IcsRole::Public);
    World later;
    ASSERT_TRUE(later.LoadFile(path));
    EXPECT_EQ(RoleOf(later, "Harbor Dial-up"), IcsRole::Public);
    EXPECT_EQ(RoleOf(later, "Local Area Connection"), IcsRole::None);
    EXPECT_EQ(RoleOf(later, "Wireless Network Connection"), IcsRole::None)
        << "the private side the dialog's program started with stays off";

    later.DiscardPersistedSharing();
    DeleteFileA(path.c_str());
}
