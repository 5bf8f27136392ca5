#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/driver_port.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

class SimDriver : public SimWorldTest {
protected:
    bool Call(std::uint32_t oid, std::vector<std::uint8_t>& buf, DWORD* returned = nullptr, DWORD* error = nullptr) {
        return DriverCall(world_, oid, buf, returned, error);
    }
    static std::vector<std::uint8_t> U32(std::uint32_t v) {
        return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
                static_cast<std::uint8_t>(v >> 24)};
    }
    static std::int32_t I32(const std::vector<std::uint8_t>& b) {
        return static_cast<std::int32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24);
    }
};

TEST_F(SimDriver, QueryAnswersFromTheScenario) {
    Load(kOneAdapter);
    std::vector<std::uint8_t> buf(8, 0xEE);
    DWORD returned = 0;
    ASSERT_TRUE(Call(0xFF0C001A, buf, &returned));
    EXPECT_EQ(returned, 4u);
    EXPECT_EQ(buf, (std::vector<std::uint8_t>{1, 0, 0, 0, 0xEE, 0xEE, 0xEE, 0xEE}));  // the rest untouched

    std::vector<std::uint8_t> mac(6);
    ASSERT_TRUE(Call(0x0D010702, mac));
    EXPECT_EQ(mac, (std::vector<std::uint8_t>{0x02, 0xE1, 0xF0, 0x51, 0x01, 0x07}));
    EXPECT_EQ(world_.OpenDriverHandles(), 0u);
}

TEST_F(SimDriver, QueryFailuresLeaveTheBufferAlone) {
    Load(kOneAdapter);
    std::vector<std::uint8_t> small(3, 0xEE), unknown(4, 0xEE);
    DWORD error = 0, returned = 0;
    EXPECT_FALSE(Call(0xFF0C001A, small, &returned, &error));  // answer is 4 bytes
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(small, std::vector<std::uint8_t>(3, 0xEE));
    EXPECT_FALSE(Call(0xFF0C0077, unknown, nullptr, &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(unknown, std::vector<std::uint8_t>(4, 0xEE));
}

TEST_F(SimDriver, SetThenQueryRoundTrips) {
    Load(kOneAdapter);
    struct {
        std::uint32_t set, query;
    } cases[] = {{0xFF8C001A, 0xFF0C001A}, {0x0DF10111, 0x0D710111}, {0xFF81031A, 0x0D01031A},
                 {0xFF820105, 0x0D020105}, {0x0D81020A, 0x0D01020A}};
    std::uint32_t value = 0x11223300;
    for (const auto& c : cases) {
        std::vector<std::uint8_t> in = U32(++value), out(4);
        DWORD returned = 0;
        ASSERT_TRUE(Call(c.set, in, &returned)) << std::hex << c.set;
        EXPECT_EQ(returned, 4u);
        ASSERT_TRUE(Call(c.query, out)) << std::hex << c.query;
        EXPECT_EQ(out, U32(value)) << std::hex << c.query;
        EXPECT_EQ(world_.LastSet(0, c.query), U32(value));
    }
}

TEST_F(SimDriver, JournalRecordsEachCallAsSent) {
    Load(kOneAdapter);
    world_.clock().Advance(250);
    std::vector<std::uint8_t> set = U32(0), query(4, 0xAA);
    ASSERT_TRUE(Call(0xFF8C001A, set));
    world_.clock().Advance(10);
    ASSERT_TRUE(Call(0xFF0C001A, query));
    std::vector<std::uint8_t> bad(4, 0xBB);
    EXPECT_FALSE(Call(0xFF0C0077, bad));

    std::vector<JournalEntry> j = world_.Journal();
    ASSERT_EQ(j.size(), 3u);
    EXPECT_EQ(j[0].timeMs, 250u);
    EXPECT_EQ(j[0].devicePath, "\\\\.\\{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}");
    EXPECT_EQ(j[0].oid, 0xFF8C001Au);
    EXPECT_TRUE(j[0].set);
    EXPECT_EQ(j[0].in, U32(0));
    EXPECT_TRUE(j[0].result);

    EXPECT_EQ(j[1].timeMs, 260u);
    EXPECT_FALSE(j[1].set);
    EXPECT_EQ(j[1].in, std::vector<std::uint8_t>(4, 0xAA));
    EXPECT_EQ(j[1].out, U32(0));
    EXPECT_EQ(j[1].bytesReturned, 4u);

    EXPECT_FALSE(j[2].result);
    EXPECT_EQ(j[2].error, static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    world_.ClearJournal();
    EXPECT_TRUE(world_.Journal().empty());
}

TEST_F(SimDriver, FailsTheNextNCallsOfTheOidAsSent) {
    Load(std::string(kOneAdapter).insert(std::string(kOneAdapter).find("signal"), "fail 0xFF8C0002 2\n"));
    world_.FailOid(0xFF0C001A, 1);
    std::vector<std::uint8_t> v = U32(7);
    EXPECT_FALSE(Call(0xFF8C0002, v));
    EXPECT_FALSE(Call(0xFF8C0002, v));
    EXPECT_TRUE(Call(0xFF8C0002, v));
    std::vector<std::uint8_t> q(4);
    EXPECT_TRUE(Call(0xFF0C0002, q)) << "a fault of the set OID leaves its query alone";
    EXPECT_FALSE(Call(0xFF0C001A, q));
    EXPECT_TRUE(Call(0xFF0C001A, q));
    std::vector<JournalEntry> j = world_.Journal();
    ASSERT_EQ(j.size(), 6u);
    EXPECT_FALSE(j[0].result);
    EXPECT_EQ(j[0].error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_EQ(world_.LastSet(0, 0xFF0C0002), U32(7)) << "a failed set stores nothing, the good one does";
}

TEST_F(SimDriver, SignalReadingsAreSigned) {
    Load(kOneAdapter);
    std::vector<std::uint8_t> a(4), b(4);
    ASSERT_TRUE(Call(0xFF0C000F, a));
    ASSERT_TRUE(Call(0xFF0C0010, b));
    EXPECT_EQ(I32(a), -55);
    EXPECT_EQ(I32(b), -60);
    world_.SetSignal(0, -81);
    ASSERT_TRUE(Call(0xFF0C000F, a));
    EXPECT_EQ(I32(a), -81);
    EXPECT_FALSE(Call(0xFF0C0010, b));
    world_.ClearSignal(0);
    EXPECT_FALSE(Call(0xFF0C000F, a));
}

// While linked, chain 0 hears the joined network as the scan does and the other chains keep
// their distance to it; without a link, or with fixed readings, they read as given.
TEST_F(SimDriver, ChainSignalsFollowTheJoinedNetworkUnlessFixed) {
    const std::string lantern = "\n[network]\nssid = \"Lantern Home\"\nbssid = 02:11:22:33:44:77\nchannel = 11\nrssi = -72\n";
    const Mac harbor = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55}, home = {0x02, 0x11, 0x22, 0x33, 0x44, 0x77};
    auto chains = [&] {
        std::vector<std::uint8_t> a(4), b(4);
        EXPECT_TRUE(Call(0xFF0C000F, a));
        EXPECT_TRUE(Call(0xFF0C0010, b));
        return std::pair<int, int>(I32(a), I32(b));
    };
    std::string text = std::string(kOneAdapter) + lantern;
    text.replace(text.find("signal = -55 -60"), 16, "signal = -50 -58");
    Load(text);
    EXPECT_EQ(chains(), std::make_pair(-55, -63)) << "the link to Harbor Open at -55";
    world_.SetLink(0, true, "Lantern Home", home);
    EXPECT_EQ(chains(), std::make_pair(-72, -80));
    world_.SetLink(0, false);
    EXPECT_EQ(chains(), std::make_pair(-50, -58)) << "no link: as given";
    world_.SetLink(0, true, "Lantern Home", home);
    world_.SetRadio(0, false);
    EXPECT_EQ(chains(), std::make_pair(-50, -58)) << "radio off: no link";

    text.replace(text.find("signal = -50 -58"), 16, "signal = fixed -50 -58");
    Load(text);
    EXPECT_EQ(chains(), std::make_pair(-50, -58));
    world_.SetLink(0, true, "Lantern Home", home);
    EXPECT_EQ(chains(), std::make_pair(-50, -58));
    world_.SetSignal(0, -81, -85);
    world_.SetLink(0, true, "Harbor Open", harbor);
    EXPECT_EQ(chains(), std::make_pair(-81, -85)) << "a test's readings are fixed";
}

TEST_F(SimDriver, RegisterWordComesBackInTheThirdField) {
    Load(kOneAdapter);
    std::vector<std::uint8_t> rec = U32(3);
    for (std::uint32_t v : {54u, 0xDEADu}) {
        std::vector<std::uint8_t> w = U32(v);
        rec.insert(rec.end(), w.begin(), w.end());
    }
    std::vector<std::uint8_t> q = rec;
    ASSERT_TRUE(Call(0xFF0C0008, q));
    EXPECT_EQ(std::vector<std::uint8_t>(q.begin() + 8, q.end()), U32(0x0203));
    EXPECT_EQ(std::vector<std::uint8_t>(q.begin(), q.begin() + 8), std::vector<std::uint8_t>(rec.begin(), rec.begin() + 8));

    std::vector<std::uint8_t> set = rec;
    set[8] = 0x34;
    set[9] = 0x12;
    set[10] = set[11] = 0;
    ASSERT_TRUE(Call(0xFF8C0008, set));
    q = rec;
    ASSERT_TRUE(Call(0xFF0C0008, q));
    EXPECT_EQ(std::vector<std::uint8_t>(q.begin() + 8, q.end()), U32(0x1234));

    std::vector<std::uint8_t> shortRec(8);
    EXPECT_FALSE(Call(0xFF0C0008, shortRec)) << "a record shorter than 12 bytes is refused, not overrun";
}

TEST_F(SimDriver, UnplugAndReplugFollowTheClock) {
    std::string text = std::string(kOneAdapter);
    text.insert(text.find("signal"), "unplug_at = 1000\nreplug_at = 3000\n");
    Load(text);
    platform::DriverPort& d = platform::Driver();
    std::string path = world_.DevicePath(0);
    std::vector<std::uint8_t> q(4);

    world_.clock().Advance(999);
    HANDLE h = d.Open(path.c_str());
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    world_.clock().Advance(1);
    DWORD r;
    EXPECT_FALSE(d.Ioctl(h, 0xFF0C001A, q.data(), 4, &r)) << "an open handle dies with the device";
    d.Close(h);
    EXPECT_EQ(d.Open(path.c_str()), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(world_.IsPresent(0));

    world_.clock().Advance(1999);
    EXPECT_FALSE(Call(0xFF0C001A, q));
    world_.clock().Advance(1);
    EXPECT_TRUE(Call(0xFF0C001A, q));

    world_.Unplug(0);
    EXPECT_FALSE(Call(0xFF0C001A, q));
    world_.Replug(0);
    EXPECT_TRUE(Call(0xFF0C001A, q));
    EXPECT_EQ(world_.OpenDriverHandles(), 0u);
}

TEST_F(SimDriver, PathOpensOnlyForAPresentRespondingAdapter) {
    std::string text = std::string(kOneAdapter);
    text.insert(text.find("signal"), "responds = no\n");
    Load(text);
    platform::DriverPort& d = platform::Driver();
    EXPECT_EQ(d.Open(world_.DevicePath(0).c_str()), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    world_.SetResponds(0, true);
    HANDLE h = d.Open("\\\\.\\{6f2a9c14-3b7e-4d21-9a58-0c4e1b7d3f92}");  // case does not matter
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    d.Close(h);
    EXPECT_EQ(d.Open("\\\\.\\KV31"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(d.Open(nullptr), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(world_.Journal().empty());

    DWORD r;
    std::uint32_t v;
    EXPECT_FALSE(d.Ioctl(reinterpret_cast<HANDLE>(0x1234), 0xFF0C001A, &v, 4, &r));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

}  // namespace

namespace {

// An adapter whose driver reports link statistics; counters move at a steady rate (no
// swing) so that their values can be worked out.
std::string LinkStatsScenario(bool ht, const std::string& extra = "") {
    return std::string("[adapter]\n"
                       "hardware_id = PCI\\VEN_F0E1&DEV_7001\n"
                       "description = Card\n"
                       "instance_id = {A3C05E77-91D4-4B6A-8E20-5F1D7C94B0E8}\n"
                       "driver = {4d36e972-e325-11ce-bfc1-08002be10318}\\0008\n"
                       "link = connected \"Harbor Open\" 02:11:22:33:44:55\n"
                       "link_speed = 54\n"
                       "link_quality = 80\n"
                       "central_channel = 38\n"
                       "counter tx_bytes = 0xFFFFFF00 1000\n"
                       "counter rx_bytes = 100 500\n"
                       "counter tx_frames = 5000000000 100\n"
                       "counter tx_retried = 7 10\n"
                       "counter rx_frames = 0x1FFFFFFFF 1\n") +
           (ht ? "supports_11n = yes\n" : "") + extra;
}

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

std::uint64_t U64At(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint64_t v;
    std::memcpy(&v, b.data() + at, 8);
    return v;
}

}  // namespace

TEST_F(SimDriver, LinkRecordIsSixteenBytesOrTwentyWithTheCentralChannel) {
    for (bool ht : {false, true}) {
        Load(LinkStatsScenario(ht));
        std::vector<std::uint8_t> record(20, 0xEE);
        DWORD returned = 0;
        ASSERT_TRUE(Call(0xFF0C0009, record, &returned)) << ht;
        EXPECT_EQ(returned, ht ? 20u : 16u);
        EXPECT_EQ(U32At(record, 0), 108u) << "54 Mbit/s in 500 kbit/s units";
        EXPECT_EQ(U32At(record, 4), 80u);
        EXPECT_EQ(U32At(record, 8), 0xFFFFFF00u);
        EXPECT_EQ(U32At(record, 12), 100u);
        EXPECT_EQ(U32At(record, 16), ht ? 38u : 0xEEEEEEEEu);
        std::vector<std::uint8_t> legacy(16);
        DWORD error = 0;
        EXPECT_EQ(Call(0xFF0C0009, legacy, nullptr, &error), !ht);
        if (ht) {
            EXPECT_EQ(error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        }
        platform::sim::Uninstall();
    }
}

TEST_F(SimDriver, CountersMoveOnlyWhileTheLinkIsUpAndByteCountersWrap) {
    Load(LinkStatsScenario(false));
    std::vector<std::uint8_t> record(16), stats(184);
    world_.clock().Advance(2000);
    ASSERT_TRUE(Call(0xFF0C0009, record));
    EXPECT_EQ(U32At(record, 8), 0x6D0u) << "0xFFFFFF00 + 2000 in 32 bits";
    EXPECT_EQ(U32At(record, 12), 1100u);
    ASSERT_TRUE(Call(0xFF0C000B, stats));
    EXPECT_EQ(U64At(stats, 8), 5000000200u);
    EXPECT_EQ(U64At(stats, 32), 27u);
    EXPECT_EQ(U64At(stats, 176), 0x200000001u) << "64 bits";
    EXPECT_EQ(U64At(stats, 24), 0u) << "not given";

    world_.SetLink(0, false);
    world_.clock().Advance(5000);
    ASSERT_TRUE(Call(0xFF0C0009, record));
    EXPECT_EQ(U32At(record, 12), 1100u) << "no traffic without a link";
    world_.SetLink(0, true, "Harbor Open", Mac{0x02, 0x11, 0x22, 0x33, 0x44, 0x55});
    world_.clock().Advance(1000);
    ASSERT_TRUE(Call(0xFF0C0009, record));
    EXPECT_EQ(U32At(record, 12), 1600u);
}

TEST_F(SimDriver, ResetClearsTheStatisticsRecordOnly) {
    Load(LinkStatsScenario(false));
    world_.clock().Advance(3000);
    std::vector<std::uint8_t> none;
    DWORD returned = 0xDEAD;
    ASSERT_TRUE(Call(0xFF8C000C, none, &returned));
    EXPECT_EQ(returned, 0u);
    std::vector<std::uint8_t> stats(184), record(16);
    ASSERT_TRUE(Call(0xFF0C000B, stats));
    EXPECT_EQ(stats, std::vector<std::uint8_t>(184, 0));
    ASSERT_TRUE(Call(0xFF0C0009, record));
    EXPECT_EQ(U32At(record, 12), 1600u) << "byte counters keep counting";
    world_.clock().Advance(1000);
    ASSERT_TRUE(Call(0xFF0C000B, stats));
    EXPECT_EQ(U64At(stats, 8), 100u) << "and the reset counters start again";
    EXPECT_EQ(U64At(stats, 32), 10u);
}

// A swinging rate: the throughput differs from one poll to the next, the counter never
// runs backwards.
TEST_F(SimDriver, SwingingCountersVaryButNeverRunBackwards) {
    Load(LinkStatsScenario(false, "counter rx_duplicate = 0 100000 100\n"));
    std::vector<std::uint8_t> stats(184);
    std::uint64_t last = 0;
    std::vector<std::uint64_t> steps;
    for (int i = 0; i < 20; ++i) {
        world_.clock().Advance(2000);
        ASSERT_TRUE(Call(0xFF0C000B, stats));
        const std::uint64_t now = U64At(stats, 72);
        ASSERT_GE(now, last);
        steps.push_back(now - last);
        last = now;
    }
    EXPECT_NEAR(static_cast<double>(last), 4000000.0, 200000.0) << "on average the given rate";
    EXPECT_NE(*std::min_element(steps.begin(), steps.end()), *std::max_element(steps.begin(), steps.end()));
}

TEST_F(SimDriver, RateWordsNoiseSnrAndThirdChain) {
    Load(LinkStatsScenario(true, "signal = -50 -61 -72\ntx_rate = ht 15 40mhz short_gi\nrx_rate = 0x4007\n"
                                 "noise = -90\nsnr = 25\ncounter rx_no_buffer = 0x1FFFFFF00 8\n"));
    world_.clock().Advance(2000);
    struct {
        std::uint32_t oid;
        bool answers;
        std::uint32_t value;
    } cases[] = {
        {0xFF0C0022, true, static_cast<std::uint32_t>(-72)},
        {0xFF0C0021, true, 0x818F},
        {0xFF0C000E, true, 0x4007},
        {0xFF0C000A, true, 53},  // dBm + 143
        {0xFF0C0023, true, 25},
        {0xFF0C0024, false, 0},
        {0x00020105, true, 0xFFFFFF10u},  // the low 32 bits
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> v(4, 0xEE);
        DWORD error = 0;
        ASSERT_EQ(Call(c.oid, v, nullptr, &error), c.answers) << std::hex << c.oid;
        if (c.answers) {
            EXPECT_EQ(U32At(v, 0), c.value) << std::hex << c.oid;
        } else {
            EXPECT_EQ(error, static_cast<DWORD>(ERROR_NOT_SUPPORTED)) << std::hex << c.oid;
        }
    }
    world_.SetSignal(0, -40, -50);
    std::vector<std::uint8_t> third(4);
    EXPECT_FALSE(Call(0xFF0C0022, third)) << "two readings: the third chain is absent";
}
