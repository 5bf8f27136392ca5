// The simulated driver's WSC exchange: runs started by a start record or the adapter's
// button, followed through the status word on the world's clock to "Configured" or a failure.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "sim_fixture.h"

using namespace platform::sim;

namespace {

constexpr std::uint32_t kSetStart = 0xFF8C002A;
constexpr std::uint32_t kSetTable = 0xFF8C0049;
constexpr std::uint32_t kStatus = 0xFF0C002D;
constexpr std::uint32_t kTable = 0xFF0C002E;
constexpr std::uint32_t kButton = 0xFF0C002F;
constexpr std::uint32_t kPinRun = 0x10000000;

const std::string kWorld = std::string(kOneAdapter) + R"(
[network]
ssid = "Lantern Home"
bssid = 02:11:22:33:44:77
channel = 11
security = wpa2-psk
key = lantern-harbour-42
wps = pin
wps_pin = 12345670

[network]
ssid = "Quay"
bssid = 02:11:22:33:44:88
channel = 1
security = wpa-psk
wps = pbc

[network]
ssid = "Old Mill"
bssid = 02:11:22:33:44:99
channel = 3
wps = yes
)";

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Get32(const Bytes& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

Bytes StartRecord(std::uint32_t method, const char* pin, const std::string& ssid, const std::string& bssid,
                  std::uint8_t role) {
    Bytes r(56, 0);
    std::memcpy(r.data(), &method, 4);
    if (pin) std::memcpy(r.data() + 4, pin, 8);
    const std::uint32_t n = static_cast<std::uint32_t>(ssid.size());
    std::memcpy(r.data() + 12, &n, 4);
    std::memcpy(r.data() + 16, ssid.data(), ssid.size());
    std::memcpy(r.data() + 48, bssid.data(), bssid.size());
    r[55] = role;
    return r;
}

const std::string kLantern("\x02\x11\x22\x33\x44\x77", 6);
const std::string kOldMill("\x02\x11\x22\x33\x44\x99", 6);

class SimWps : public SimWorldTest {
protected:
    std::uint32_t Status() {
        Bytes b(4);
        EXPECT_TRUE(DriverCall(world_, kStatus, b));
        return Get32(b, 0);
    }
    // The states the status word shows at every second from now until it stops changing
    // for good or limitMs is over; repeats of one state count once.
    std::vector<std::uint32_t> Follow(std::uint64_t limitMs = 130000) {
        std::vector<std::uint32_t> seen;
        for (std::uint64_t t = 0; t <= limitMs; t += 1000) {
            const std::uint32_t word = Status();
            pinBit = (word & kPinRun) != 0;
            const std::uint32_t state = word & 0x0FFFFFFF;
            if (seen.empty() || seen.back() != state) seen.push_back(state);
            if (state == 15 || state == 516 || state == 513) break;
            world_.clock().Advance(1000);
        }
        return seen;
    }
    Bytes Table() {
        Bytes b(996, 0xEE);
        EXPECT_TRUE(DriverCall(world_, kTable, b));
        return b;
    }
    void Start(const Bytes& record) {
        Bytes b = record;
        DWORD error = 0;
        ASSERT_TRUE(DriverCall(world_, kSetStart, b, nullptr, &error)) << error;
    }
    static bool Has(const std::vector<std::uint32_t>& seen, std::uint32_t state) {
        for (std::uint32_t s : seen)
            if (s == state) return true;
        return false;
    }
    bool pinBit = false;
};

TEST_F(SimWps, PinEnrolleeRunEndsConfiguredWithTheAccessPointsCredential) {
    Load(kWorld);
    EXPECT_EQ(Status(), 0u) << "no run yet";
    Start(StartRecord(kPinRun, "12345670", "Lantern Home", kLantern, 1));
    const std::vector<std::uint32_t> seen = Follow();
    EXPECT_TRUE(pinBit);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 2u) << "Scanning AP first";
    EXPECT_EQ(seen.back(), 15u);
    // In the enrollee's order, whichever states the once-a-second reading catches.
    const std::vector<std::uint32_t> order = {2, 3, 4, 5, 6, 17, 18, 19, 21, 22, 23, 24, 25, 26, 27, 15};
    std::size_t at = 0;
    for (std::uint32_t s : seen) {
        while (at < order.size() && order[at] != s) ++at;
        EXPECT_LT(at, order.size()) << "state " << s << " out of order";
    }

    const Bytes t = Table();
    EXPECT_EQ(Get32(t, 0), 1u);
    EXPECT_EQ(Get32(t, 4), 12u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(t.data() + 8), 12), "Lantern Home");
    EXPECT_EQ(Get32(t, 4 + 36), 0x20u) << "WPA2-PSK";
    EXPECT_EQ(Get32(t, 4 + 40), 0x08u) << "AES";
    EXPECT_EQ(Get32(t, 4 + 48), 18u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(t.data() + 4 + 52), 18), "lantern-harbour-42");
    const std::uint8_t ownMac[6] = {0x02, 0xE1, 0xF0, 0x51, 0x01, 0x07};
    EXPECT_EQ(std::memcmp(t.data() + 4 + 116, ownMac, 6), 0) << "made for this enrollee";
    EXPECT_EQ(Get32(t, 4 + 124), 0u) << "one credential only";
    // The state stays until the next run.
    world_.clock().Advance(60000);
    EXPECT_EQ(Status(), kPinRun | 15u);
}

TEST_F(SimWps, FailingRunsEndInTheirStates) {
    const struct {
        const char* name;
        std::string extra;  // scenario lines appended
        Bytes start;
        std::uint32_t warning;  // seen before the end; 0: none
        std::uint32_t last;
        std::uint64_t notBeforeMs;
    } cases[] = {
        {"wrong PIN", "", StartRecord(kPinRun, "12345671", "Lantern Home", kLantern, 1), 262, 516, 0},
        {"no registrar PIN", "", StartRecord(kPinRun, "12345670", "Old Mill", kOldMill, 1), 20, 516, 120000},
        {"access point not there", "",
         StartRecord(kPinRun, "12345670", "Nowhere", std::string("\x02\x00\x00\x00\x00\x01", 6), 1), 0, 513, 0},
        {"two push-button networks", "\n[network]\nssid = Pier\nbssid = 02:11:22:33:44:AA\nchannel = 6\nwps = pbc\n",
         StartRecord(0x20000000, nullptr, "", "", 1), 257, 516, 0},
        {"no push-button network", "", StartRecord(0x20000000, nullptr, "", "", 1), 258, 516, 120000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = kWorld + c.extra;
        if (std::string(c.name) == "no push-button network") text.replace(text.find("wps = pbc"), 9, "wps = yes");
        Load(text);
        Start(c.start);
        const std::vector<std::uint32_t> seen = Follow();
        ASSERT_GE(seen.size(), 2u);
        EXPECT_EQ(seen.back(), c.last);
        if (c.warning) {
            EXPECT_EQ(seen[seen.size() - 2], c.warning);
        }
        EXPECT_GE(world_.clock().Now(), c.notBeforeMs);
        EXPECT_FALSE(Has(seen, 15));
        EXPECT_EQ(Get32(Table(), 0), 0u) << "no credentials";
    }
}

TEST_F(SimWps, PushButtonNetworkThatComesWithinTheWalkTimeIsJoined) {
    std::string text = kWorld;
    text.replace(text.find("wps = pbc"), 9, "wps = pbc\nappear_at = 20000");
    Load(text);
    Start(StartRecord(0x20000000, nullptr, "", "", 1));
    const std::vector<std::uint32_t> seen = Follow();
    EXPECT_FALSE(pinBit);
    EXPECT_TRUE(Has(seen, 258)) << "no push-button network before it came";
    EXPECT_EQ(seen.back(), 15u);
    const Bytes t = Table();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(t.data() + 8), 4), "Quay");
    EXPECT_EQ(Get32(t, 4 + 36), 0x02u) << "WPA-PSK";
    EXPECT_EQ(Get32(t, 4 + 40), 0x04u) << "TKIP";
    EXPECT_EQ(Get32(t, 4 + 48), 64u) << "a network that takes any key hands out a key of its own";
}

TEST_F(SimWps, AdaptersButtonIsReadOnceAndStartsAPushButtonRun) {
    std::string text = kWorld;
    text.replace(text.find("link = connected"), 0, "wps_button_at = 5000\n");
    Load(text);
    Bytes button(4, 0xEE);
    ASSERT_TRUE(DriverCall(world_, kButton, button));
    EXPECT_EQ(Get32(button, 0), 0u);
    EXPECT_EQ(Status(), 0u);
    world_.clock().Advance(5000);
    ASSERT_TRUE(DriverCall(world_, kButton, button));
    EXPECT_EQ(Get32(button, 0), 1u);
    ASSERT_TRUE(DriverCall(world_, kButton, button));
    EXPECT_EQ(Get32(button, 0), 0u) << "one press is reported once";
    const std::vector<std::uint32_t> seen = Follow();
    EXPECT_FALSE(pinBit);
    EXPECT_EQ(seen.back(), 15u);

    world_.PressWpsButton(0);
    ASSERT_TRUE(DriverCall(world_, kButton, button));
    EXPECT_EQ(Get32(button, 0), 1u);
    EXPECT_EQ(Status(), 2u) << "a new run, its credentials gone";
    EXPECT_EQ(Get32(Table(), 0), 0u);
}

TEST_F(SimWps, RegistrarHandsItsCredentialToTheAccessPoint) {
    std::string text = kWorld;
    text.replace(text.find("wps = yes"), 9, "wps = yes\nwps_pin = 00000017");
    Load(text);
    Bytes table(996, 0);
    table[0] = 1;
    const std::string ssid = "ExRegNW0A1B2C", key(64, 'C');
    table[4] = static_cast<std::uint8_t>(ssid.size());
    std::memcpy(table.data() + 8, ssid.data(), ssid.size());
    table[4 + 36] = 0x20;
    table[4 + 40] = 0x08;
    table[4 + 44] = 1;
    table[4 + 48] = 64;
    std::memcpy(table.data() + 4 + 52, key.data(), 64);
    Start(StartRecord(kPinRun, "00000017", "Old Mill", kOldMill, 2));
    ASSERT_TRUE(DriverCall(world_, kSetTable, table));
    const std::vector<std::uint32_t> seen = Follow();
    EXPECT_TRUE(Has(seen, 34)) << "Received M1";
    EXPECT_EQ(seen.back(), 15u);
    EXPECT_EQ(Table(), table) << "the registrar's own table";
    bool configured = false;
    for (const NetworkSpec& n : world_.Networks())
        if (n.bssid == Mac{0x02, 0x11, 0x22, 0x33, 0x44, 0x99})
            configured = n.ssid == ssid && n.security == Security::Wpa2Psk && n.cipher == Cipher::Aes && n.key == key;
    EXPECT_TRUE(configured);

    // A credential no access point can run with is refused.
    table[4 + 36] = 0x01;
    table[4 + 40] = 0x02;
    table[4 + 48] = 3;  // a WEP key of three characters
    Start(StartRecord(kPinRun, "00000017", ssid, kOldMill, 2));
    ASSERT_TRUE(DriverCall(world_, kSetTable, table));
    const std::vector<std::uint32_t> refused = Follow();
    ASSERT_GE(refused.size(), 2u);
    EXPECT_EQ(refused[refused.size() - 2], 259u);
    EXPECT_EQ(refused.back(), 516u);
}

TEST_F(SimWps, MalformedRecordsAreRefusedAndStartNothing) {
    Load(kWorld);
    Bytes good = StartRecord(kPinRun, "12345670", "Lantern Home", kLantern, 1);
    Bytes shortStart(good.begin(), good.end() - 1), badMethod = good, badRole = good, letter = good, longSsid = good;
    badMethod[3] = 0x30;
    badRole[55] = 3;
    letter[11] = 'O';
    longSsid[12] = 33;
    Bytes table(996, 0), count9 = table, ssid33 = table, key65 = table, shortTable(995, 0);
    count9[0] = 9;
    ssid33[4 + 124] = 33;
    key65[4 + 48] = 65;
    const struct {
        const char* name;
        std::uint32_t oid;
        Bytes record;
        DWORD error;
    } cases[] = {
        {"short start record", kSetStart, shortStart, ERROR_INSUFFICIENT_BUFFER},
        {"unknown method", kSetStart, badMethod, ERROR_INVALID_PARAMETER},
        {"unknown role", kSetStart, badRole, ERROR_INVALID_PARAMETER},
        {"PIN with a letter", kSetStart, letter, ERROR_INVALID_PARAMETER},
        {"SSID beyond 32", kSetStart, longSsid, ERROR_INVALID_PARAMETER},
        {"nine credentials", kSetTable, count9, ERROR_INVALID_PARAMETER},
        {"SSID of 33 bytes", kSetTable, ssid33, ERROR_INVALID_PARAMETER},
        {"key of 65 bytes", kSetTable, key65, ERROR_INVALID_PARAMETER},
        {"short table", kSetTable, shortTable, ERROR_INSUFFICIENT_BUFFER},
    };
    for (const auto& c : cases) {
        Bytes b = c.record;
        DWORD error = 0;
        EXPECT_FALSE(DriverCall(world_, c.oid, b, nullptr, &error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
    EXPECT_EQ(Status(), 0u) << "nothing started";
    Bytes small(3, 0xEE);
    DWORD error = 0;
    EXPECT_FALSE(DriverCall(world_, kStatus, small, nullptr, &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(small, Bytes(3, 0xEE));
}

TEST_F(SimWps, ScenarioRefusesABadPin) {
    platform::sim::World w;
    EXPECT_FALSE(w.LoadText(std::string(kOneAdapter) + "wps = pin\nwps_pin = 12345671\n"));
    EXPECT_NE(w.LoadError().message.find("checksum"), std::string::npos) << w.LoadError().Text();
    EXPECT_FALSE(w.LoadText(std::string(kOneAdapter) + "wps_pin = 12345670\n"));
    EXPECT_NE(w.LoadError().message.find("needs wps"), std::string::npos) << w.LoadError().Text();
}

}  // namespace
