// The simulated driver's own tables: block-ack sessions set up and ended by requests, and
// the WMM/DLS switches with their direct links; what it refuses and when sessions end.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sim_fixture.h"

using namespace platform::sim;

namespace {

using Buf = std::vector<std::uint8_t>;

constexpr std::uint32_t kAdd = 0xFF8C0025, kTable = 0xFF0C0025, kDelete = 0xFF8C0027;
constexpr std::uint32_t kSetCapability = 0xFF8C0026, kCapability = 0xFF0C0026, kPeers = 0xFF0C0029;
constexpr std::uint32_t kSetLink = 0xFF8C0031, kLinks = 0xFF0C0031, kSetWmm = 0xFF8C0033, kSetDls = 0xFF8C0034;

const Buf kAp = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};

// An 802.11n adapter linked to an 802.11n network with two stations that take direct links,
// and a legacy network beside it.
std::string Scenario(const std::string& adapterExtra = "", bool htNetwork = true) {
    return std::string(R"(
[adapter]
hardware_id = PCI\VEN_F0E1&DEV_7001
description = Norvane ZQ-4402 Wireless LAN Card
instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0007
mac = 02-E1-F0-51-01-07
supports_11n = yes
link = connected "Harbor N" 02:11:22:33:44:55
)") + adapterExtra + R"(
[network]
ssid = "Harbor N"
bssid = 02:11:22:33:44:55
channel = 6
ht = )" + (htNetwork ? "yes" : "no") + R"(
dls_peer = 02:11:22:33:44:66
dls_peer = 02:11:22:33:44:67

[network]
ssid = "Quay"
bssid = 02:11:22:33:44:99
channel = 1
)";
}

Buf Request(int direction, const Buf& peer, int tid, int window, int all = 0) {
    Buf r(14, 0);
    r[0] = static_cast<std::uint8_t>(direction);
    std::copy(peer.begin(), peer.end(), r.begin() + 1);
    r[7] = static_cast<std::uint8_t>(tid);
    r[8] = static_cast<std::uint8_t>(window);
    r[12] = static_cast<std::uint8_t>(all);
    return r;
}

Buf Link(const Buf& peer, int timeout, int valid) {
    Buf e(12, 0);
    e[0] = static_cast<std::uint8_t>(timeout);
    e[1] = static_cast<std::uint8_t>(timeout >> 8);
    std::copy(peer.begin(), peer.end(), e.begin() + 4);
    e[11] = static_cast<std::uint8_t>(valid);
    return e;
}

class SimDriverTables : public SimWorldTest {
protected:
    DWORD Set(std::uint32_t oid, Buf data) {
        DWORD error = 0;
        DriverCall(world_, oid, data, nullptr, &error);
        return error;
    }
    Buf Query(std::uint32_t oid, size_t size, DWORD* error = nullptr) {
        Buf b(size, 0);
        DWORD e = 0;
        DriverCall(world_, oid, b, nullptr, &e);
        if (error) *error = e;
        return b;
    }
    // {count, bitmap of slot 0, window of TID t at slot 0} of one direction.
    struct Half {
        int count, bitmap;
        Buf peer, windows;
    };
    Half Sessions(int direction) {
        Buf t = Query(kTable, 3076);
        const size_t at = direction ? 1536 : 0;
        return {t[3072 + direction], t[at + 6], Buf(t.begin() + at, t.begin() + at + 6),
                Buf(t.begin() + at + 8, t.begin() + at + 16)};
    }
};

TEST_F(SimDriverTables, RequestsAddAndEndSessionsWithTheAssociatedPeer) {
    Load(Scenario());
    // Window 0 takes the limit; a window above the limit is cut to it.
    EXPECT_EQ(Set(kAdd, Request(0, kAp, 0, 16)), 0u);
    EXPECT_EQ(Set(kAdd, Request(0, kAp, 5, 200)), 0u);
    EXPECT_EQ(Set(kAdd, Request(1, kAp, 7, 0)), 0u);
    Half o = Sessions(0), r = Sessions(1);
    EXPECT_EQ(o.count, 1);
    EXPECT_EQ(o.bitmap, 0x21);
    EXPECT_EQ(o.peer, kAp);
    EXPECT_EQ(o.windows, (Buf{16, 0, 0, 0, 0, 32, 0, 0}));
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.bitmap, 0x80);
    EXPECT_EQ(r.windows[7], 32);

    EXPECT_EQ(Set(kDelete, Request(0, kAp, 0, 0)), 0u);
    EXPECT_EQ(Sessions(0).bitmap, 0x20);
    EXPECT_EQ(Set(kDelete, Request(0, kAp, 0, 0, 1)), 0u);
    EXPECT_EQ(Sessions(0).count, 0);
    EXPECT_EQ(Sessions(0).peer, Buf(6, 0));
    // Ending what is not there does nothing.
    EXPECT_EQ(Set(kDelete, Request(0, kAp, 3, 0)), 0u);

    // The capability's own window limits apply once it is set; aggregation off ends everything.
    EXPECT_EQ(Set(kSetCapability, {8, 64, 1, 0, 1, 0, 3, 1}), 0u);
    EXPECT_EQ(Query(kCapability, 8), (Buf{8, 64, 1, 0, 1, 0, 3, 1}));
    EXPECT_EQ(Set(kAdd, Request(0, kAp, 2, 100)), 0u);
    EXPECT_EQ(Sessions(0).windows[2], 8);
    EXPECT_EQ(Set(kSetCapability, {8, 64, 2, 0, 1, 0, 3, 1}), 0u);
    EXPECT_EQ(Sessions(0).count, 0);
    EXPECT_EQ(Sessions(1).count, 0);
    EXPECT_EQ(Set(kAdd, Request(0, kAp, 2, 100)), static_cast<DWORD>(ERROR_GEN_FAILURE));
}

TEST_F(SimDriverTables, RefusedRequests) {
    const Buf other = {0x02, 0x11, 0x22, 0x33, 0x44, 0x99};
    const struct {
        const char* name;
        bool htNetwork;
        std::uint32_t oid;
        Buf data;
        DWORD error;
    } cases[] = {
        {"a legacy network", false, kAdd, Request(0, kAp, 0, 32), ERROR_GEN_FAILURE},
        {"not the associated peer", true, kAdd, Request(0, other, 0, 32), ERROR_GEN_FAILURE},
        {"direction 2", true, kAdd, Request(2, kAp, 0, 32), ERROR_INVALID_PARAMETER},
        {"TID 8", true, kAdd, Request(0, kAp, 8, 32), ERROR_INVALID_PARAMETER},
        {"a short request", true, kAdd, Buf(13, 0), ERROR_INVALID_PARAMETER},
        {"a short delete", true, kDelete, Buf(10, 0), ERROR_INVALID_PARAMETER},
        {"a delete flag of 2", true, kDelete, Request(0, kAp, 0, 0, 2), ERROR_INVALID_PARAMETER},
        {"a short capability", true, kSetCapability, Buf(7, 1), ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        Load(Scenario("", c.htNetwork));
        EXPECT_EQ(Set(c.oid, c.data), c.error) << c.name;
        EXPECT_EQ(Sessions(0).count + Sessions(1).count, 0) << c.name;
        Uninstall();
    }
    // An adapter without 802.11n knows none of it.
    std::string legacy = Scenario();
    legacy.replace(legacy.find("supports_11n = yes"), 18, "supports_11n = no");
    Load(legacy);
    DWORD error = 0;
    Query(kTable, 3076, &error);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(Set(kAdd, Request(0, kAp, 0, 32)), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
}

TEST_F(SimDriverTables, SessionsEndWithTheLinkAndAGivenTableStaysAsGiven) {
    // Slot 4 of the originators holds a session the scenario gives, with a count of 9.
    Buf given(3076, 0);
    const Buf peer = {0x02, 0xAA, 0, 0, 0, 1};
    std::copy(peer.begin(), peer.end(), given.begin() + 4 * 48);
    given[4 * 48 + 6] = 0x01;
    given[3072] = 9;
    std::string hex;
    for (std::uint8_t b : given) hex += "0123456789ABCDEF"[b >> 4], hex += "0123456789ABCDEF"[b & 15], hex += ' ';
    Load(Scenario("oid 0xFF0C0025 = " + hex + "\n"));
    EXPECT_EQ(Query(kTable, 3076), given);

    EXPECT_EQ(Set(kAdd, Request(1, kAp, 1, 32)), 0u);
    EXPECT_EQ(Sessions(1).count, 1);
    EXPECT_EQ(Sessions(0).count, 1);  // counted again from the entries
    world_.SetLink(0, false);
    EXPECT_EQ(Sessions(1).count, 0);
    Buf t = Query(kTable, 3076);
    EXPECT_EQ(Buf(t.begin() + 4 * 48, t.begin() + 4 * 48 + 6), peer);

    DWORD error = 0;
    Query(kTable, 3075, &error);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST_F(SimDriverTables, PeersAreTheAssociatedBssid) {
    Load(Scenario());
    Buf peers = Query(kPeers, 324);
    EXPECT_EQ(peers[0], 1);
    EXPECT_EQ(Buf(peers.begin() + 4, peers.begin() + 10), kAp);
    world_.SetLink(0, false);
    EXPECT_EQ(Query(kPeers, 324), Buf(324, 0));
}

// Links: {timeout, link number, peer, status, valid}.
TEST_F(SimDriverTables, DirectLinksComeUpWithTheirPeersAndEndWithWmmDlsOrTheBss) {
    Load(Scenario("value DLSCapable = 1\n"));
    const Buf answering = {0x02, 0x11, 0x22, 0x33, 0x44, 0x66}, silent = {0x02, 0x11, 0x22, 0x33, 0x44, 0x70};
    EXPECT_EQ(Set(kSetLink, Link(answering, 300, 1)), 0u);
    EXPECT_EQ(Set(kSetLink, Link(silent, 65535, 1)), 0u);
    Buf links = Query(kLinks, 48);
    EXPECT_EQ(Buf(links.begin(), links.begin() + 12), (Buf{0x2C, 0x01, 1, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x66, 2, 1}));
    EXPECT_EQ(Buf(links.begin() + 12, links.begin() + 24),
              (Buf{0xFF, 0xFF, 2, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x70, 1, 1}));

    EXPECT_EQ(Set(kSetLink, Link(answering, 0, 0)), 0u);
    EXPECT_EQ(Query(kLinks, 48)[11], 0);
    EXPECT_EQ(Set(kSetLink, Link(answering, 0, 0)), 0u);  // nothing left to tear down

    const struct {
        const char* name;
        Buf entry;
        DWORD error;
    } refused[] = {
        {"group address", Link({0x03, 0, 0, 0, 0, 1}, 1, 1), ERROR_INVALID_PARAMETER},
        {"zero address", Link(Buf(6, 0), 1, 1), ERROR_INVALID_PARAMETER},
        {"the adapter itself", Link({0x02, 0xE1, 0xF0, 0x51, 0x01, 0x07}, 1, 1), ERROR_INVALID_PARAMETER},
        {"valid 2", Link(answering, 1, 2), ERROR_INVALID_PARAMETER},
        {"short entry", Buf(11, 0), ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : refused) EXPECT_EQ(Set(kSetLink, c.entry), c.error) << c.name;

    // Four links fill the table.
    for (std::uint8_t i = 0; i < 3; ++i) EXPECT_EQ(Set(kSetLink, Link({0x02, 0, 0, 0, 1, i}, 10, 1)), 0u);
    EXPECT_EQ(Set(kSetLink, Link({0x02, 0, 0, 0, 2, 0}, 10, 1)), static_cast<DWORD>(ERROR_GEN_FAILURE));

    EXPECT_EQ(Set(kSetWmm, {0, 0, 0, 0}), 0u);
    EXPECT_EQ(Query(kLinks, 48), Buf(48, 0));
    EXPECT_EQ(Set(kSetLink, Link(answering, 300, 1)), static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_EQ(Set(kSetWmm, {1, 0, 0, 0}), 0u);
    EXPECT_EQ(Set(kSetLink, Link(answering, 300, 1)), 0u);
    EXPECT_EQ(Set(kSetDls, {0, 0, 0, 0}), 0u);
    EXPECT_EQ(Query(kLinks, 48), Buf(48, 0));
    EXPECT_EQ(Set(kSetDls, {1, 0, 0, 0}), 0u);
    EXPECT_EQ(Set(kSetLink, Link(answering, 300, 1)), 0u);
    world_.SetLink(0, false);
    EXPECT_EQ(Query(kLinks, 48), Buf(48, 0));
    EXPECT_EQ(Set(kSetLink, Link(answering, 300, 1)), static_cast<DWORD>(ERROR_GEN_FAILURE));
}

TEST_F(SimDriverTables, DlsIsOffUnlessTheDriverKeySaysOnAndPeersMustBeUnicast) {
    Load(Scenario());
    EXPECT_EQ(Set(kSetLink, Link({0x02, 0x11, 0x22, 0x33, 0x44, 0x66}, 300, 1)), static_cast<DWORD>(ERROR_GEN_FAILURE));
    World other;
    std::string bad = Scenario();
    bad.replace(bad.find("dls_peer = 02"), 13, "dls_peer = 03");
    EXPECT_FALSE(other.LoadText(bad));
    EXPECT_EQ(other.LoadError().message, "dls_peer must be a unicast MAC address");
}

}  // namespace
