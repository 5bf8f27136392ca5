// The simulated adapter as an access point (its RSSI, station table and event table) and
// the simulated bridge driver, with the scenario lines that describe them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bridge_port.h"
#include "platform/driver_port.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kRssi = 0x0D010206, kEvents = 0x0D71010A, kStations = 0x0D71010B;
constexpr std::uint32_t kSetOpMode = 0x0DF10126;

std::uint32_t U32At(const Bytes& b, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

const char* kAdapterHead = R"(
[adapter]
hardware_id = PCI\VEN_F0E1&DEV_7001
description = Norvane ZQ-4402 Wireless LAN PCI Card
instance_id = {A3C05E77-91D4-4B6A-8E20-5F1D7C94B0E8}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0008
oid 0xFF0C001A = 01 00 00 00
)";

class SimAccessPoint : public SimWorldTest {
protected:
    void LoadAp(const std::string& lines) { Load(std::string(kAdapterHead) + lines); }
    DWORD Query(std::uint32_t oid, Bytes& buf, DWORD* returned = nullptr) {
        platform::DriverPort& d = platform::Driver();
        HANDLE h = d.Open(world_.DevicePath(0).c_str());
        if (h == INVALID_HANDLE_VALUE) return GetLastError();
        DWORD r = 0;
        const BOOL ok = d.Ioctl(h, oid, buf.data(), static_cast<DWORD>(buf.size()), &r);
        const DWORD error = ok ? ERROR_SUCCESS : GetLastError();
        d.Close(h);
        if (returned) *returned = r;
        return error;
    }
    // The count and the station bytes of each event the next table query hands out.
    std::vector<std::pair<std::uint16_t, std::uint8_t>> TakeEvents() {
        Bytes table(168, 0);
        DWORD returned = 0;
        EXPECT_EQ(Query(kEvents, table, &returned), static_cast<DWORD>(ERROR_SUCCESS));
        const std::uint32_t count = U32At(table, 0);
        EXPECT_LE(count, 10u);
        EXPECT_EQ(returned, 8 + 16 * count);
        std::vector<std::pair<std::uint16_t, std::uint8_t>> out;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* r = table.data() + 8 + 16 * i;
            out.emplace_back(static_cast<std::uint16_t>(r[14] | r[15] << 8), r[13]);
        }
        return out;
    }
};

TEST_F(SimAccessPoint, EventTableHandsOutEachRecordOnceTenAtATimeInTimeOrder) {
    std::string lines = "ap_station = 02:00:00:00:00:AA 1 join 500 leave 900\n";
    for (int i = 0; i < 11; ++i) lines += "ap_event_at = 100 3 02:00:00:00:00:" + std::to_string(10 + i) + "\n";
    lines += "ap_event_at = 0 0\nap_event_at = 5000 5 02:00:00:00:00:99\n";
    LoadAp(lines);
    world_.clock().SetManual(1000);

    auto first = TakeEvents();
    ASSERT_EQ(first.size(), 10u);
    EXPECT_EQ(first[0], std::make_pair(std::uint16_t{0}, std::uint8_t{0}));  // the restart at 0
    EXPECT_EQ(first[1].first, 3);
    auto second = TakeEvents();
    ASSERT_EQ(second.size(), 4u);
    EXPECT_EQ(second[1], std::make_pair(std::uint16_t{3}, std::uint8_t{0x20}));
    EXPECT_EQ(second[2], std::make_pair(std::uint16_t{1}, std::uint8_t{0xAA})) << "joined";
    EXPECT_EQ(second[3], std::make_pair(std::uint16_t{2}, std::uint8_t{0xAA})) << "left";
    EXPECT_TRUE(TakeEvents().empty()) << "the one at 5 s is not due";
    world_.clock().Advance(4000);
    auto last = TakeEvents();
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0].first, 5);
}

TEST_F(SimAccessPoint, AStationAgedOutLeavesTheTableWithItsOwnRecord) {
    LoadAp("ap_station = 02:00:00:00:00:01 1\nap_station = 02:00:00:00:00:02 2 join 1000 aged_out 3000\n");
    world_.clock().SetManual(2000);
    Bytes table(260, 0);
    ASSERT_EQ(Query(kStations, table), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(U32At(table, 0), 2u);
    EXPECT_EQ(TakeEvents(), (std::vector<std::pair<std::uint16_t, std::uint8_t>>{{1, 2}}));
    world_.clock().Advance(1000);
    ASSERT_EQ(Query(kStations, table), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(U32At(table, 0), 1u);
    EXPECT_EQ(table[4 + 5], 1) << "the one that stays";
    EXPECT_EQ(TakeEvents(), (std::vector<std::pair<std::uint16_t, std::uint8_t>>{{3, 2}})) << "aged out, not left";
}

TEST_F(SimAccessPoint, EventTimesAreWallClockTimesOfTheirMoment) {
    LoadAp("ap_event_at = 0 1 02:00:00:00:00:01\n");
    world_.clock().SetManual(60000);
    Bytes table(168, 0);
    ASSERT_EQ(Query(kEvents, table), static_cast<DWORD>(ERROR_SUCCESS));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const std::uint64_t wall = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const std::uint64_t at = static_cast<std::uint64_t>(U32At(table, 8)) | static_cast<std::uint64_t>(U32At(table, 12)) << 32;
    EXPECT_NEAR(static_cast<double>(wall - at) / 1e7, 60.0, 2.0) << "a minute ago";
}

TEST_F(SimAccessPoint, StationTableListsTheAssociatedStationsInTheAdaptersLayout) {
    const std::string stations =
        "ap_station = 02:00:00:00:00:01 1 rate ht 7 40mhz short_gi\n"
        "ap_station = 02:00:00:00:00:02 2 power_save rate ofdm 7\n"
        "ap_station = 02:00:00:00:00:03 3 join 2000\n";
    for (bool ht : {false, true}) {
        SCOPED_TRACE(ht ? "802.11n" : "802.11g");
        LoadAp(std::string(ht ? "supports_11n = yes\n" : "") + stations);
        world_.clock().SetManual(1000);
        const std::size_t entry = ht ? 10 : 8, size = 4 + 32 * entry;
        Bytes table(size, 0xEE);
        DWORD returned = 0;
        ASSERT_EQ(Query(kStations, table, &returned), static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(returned, size);
        EXPECT_EQ(U32At(table, 0), 2u) << "the third joins later";
        const std::uint8_t* second = table.data() + 4 + entry;
        EXPECT_EQ(second[5], 2);
        EXPECT_EQ(second[6], 2) << "AID";
        EXPECT_EQ(second[7], 1) << "power save";
        if (ht) {
            EXPECT_EQ(second[8] | second[9] << 8, 0x4007);
            EXPECT_EQ(table[4 + 8] | table[4 + 9] << 8, 0x8000 | 0x180 | 7);
        }
        EXPECT_EQ(table[4 + 2 * entry], 0) << "the rest of the table is zeros";
        Bytes small(size - 1, 0);
        EXPECT_EQ(Query(kStations, small), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        world_.clock().Advance(1000);
        ASSERT_EQ(Query(kStations, table), static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(U32At(table, 0), 3u);
    }
}

TEST_F(SimAccessPoint, TablesExistOnlyInAccessPointModeAndRssiFollowsItsSchedule) {
    LoadAp("rssi = -52\nrssi_at = 3000 -66\nrssi_at = 6000 -80\nap_event_at = 0 0\n");
    world_.clock().SetManual(0);
    Bytes rssi(4, 0);
    ASSERT_EQ(Query(kRssi, rssi), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(static_cast<std::int32_t>(U32At(rssi, 0)), -52);
    world_.clock().Advance(3000);
    Query(kRssi, rssi);
    EXPECT_EQ(static_cast<std::int32_t>(U32At(rssi, 0)), -66);
    world_.clock().Advance(3000);
    Query(kRssi, rssi);
    EXPECT_EQ(static_cast<std::int32_t>(U32At(rssi, 0)), -80);

    // Station mode: no tables, and the event waits.
    Bytes mode = {0, 0, 0, 0};
    platform::DriverPort& d = platform::Driver();
    HANDLE h = d.Open(world_.DevicePath(0).c_str());
    DWORD r = 0;
    ASSERT_TRUE(d.Ioctl(h, kSetOpMode, mode.data(), 4, &r));
    d.Close(h);
    Bytes table(168, 0);
    EXPECT_EQ(Query(kEvents, table), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    Bytes stations(260, 0);
    EXPECT_EQ(Query(kStations, stations), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    Bytes small(100, 0);
    mode[0] = 1;
    h = d.Open(world_.DevicePath(0).c_str());
    ASSERT_TRUE(d.Ioctl(h, kSetOpMode, mode.data(), 4, &r));
    d.Close(h);
    EXPECT_EQ(Query(kEvents, small), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER)) << "and takes nothing";
    EXPECT_EQ(TakeEvents().size(), 1u);

    LoadAp("");
    EXPECT_EQ(Query(kRssi, rssi), static_cast<DWORD>(ERROR_NOT_SUPPORTED)) << "without rssi lines";
}

struct ParseCase {
    const char* name;
    const char* lines;
    const char* error;  // nullptr: parses
};

class AccessPointParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AccessPointParseTest, LinesOfTheAccessPointAndTheBridge) {
    Scenario sc;
    ParseError err;
    const bool ok = ParseScenario(std::string(kAdapterHead) + GetParam().lines, &sc, &err);
    if (!GetParam().error) {
        EXPECT_TRUE(ok) << err.Text();
        return;
    }
    EXPECT_FALSE(ok);
    EXPECT_NE(err.message.find(GetParam().error), std::string::npos) << err.Text();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccessPointParseTest,
    ::testing::Values(
        ParseCase{"Station", "ap_station = 02:00:00:00:00:01 7 power_save rate ht 15 40mhz join 10 leave 20\n", nullptr},
        ParseCase{"GroupStation", "ap_station = 03:00:00:00:00:01 1\n", "unicast"},
        ParseCase{"StationWithoutAid", "ap_station = 02:00:00:00:00:01\n", "ap_station ="},
        ParseCase{"AidZero", "ap_station = 02:00:00:00:00:01 0\n", "aid out of range"},
        ParseCase{"LeaveBeforeJoin", "ap_station = 02:00:00:00:00:01 1 join 20 leave 10\n", "leave must come after join"},
        ParseCase{"AgedOutStation", "ap_station = 02:00:00:00:00:01 1 rate ofdm 3 join 10 aged_out 20\n", nullptr},
        ParseCase{"AgedOutBeforeJoin", "ap_station = 02:00:00:00:00:01 1 join 20 aged_out 20\n",
                  "aged_out must come after join"},
        ParseCase{"LeavesTwice", "ap_station = 02:00:00:00:00:01 1 leave 20 aged_out 30\n", "leaves once"},
        ParseCase{"UnknownStationWord", "ap_station = 02:00:00:00:00:01 1 sleeping\n", "ap_station ="},
        ParseCase{"RateTooWide", "ap_station = 02:00:00:00:00:01 1 rate 0x10000\n", "16 bits"},
        ParseCase{"SameAddressTwice", "ap_station = 02:00:00:00:00:01 1\nap_station = 02:00:00:00:00:01 2\n",
                  "address given twice"},
        ParseCase{"SameAidTwice", "ap_station = 02:00:00:00:00:01 1\nap_station = 02:00:00:00:00:02 1\n",
                  "aid given twice"},
        ParseCase{"Event", "ap_event_at = 100 4 02:00:00:00:00:01\nap_event_at = 0 0\n", nullptr},
        ParseCase{"EventWithoutCode", "ap_event_at = 100\n", "ap_event_at ="},
        ParseCase{"RssiTooHigh", "rssi = 5\n", "rssi out of range"},
        ParseCase{"RssiAt", "rssi_at = 100 -70\nrssi_at = 200 -75\n", nullptr},
        ParseCase{"Bridge", "[bridge]\nversion = 1\nbridging = on\npending = later\n", nullptr},
        ParseCase{"BridgePending", "[bridge]\npending = sometimes\n", "pending must be"},
        ParseCase{"TwoBridges", "[bridge]\n[bridge]\n", "only one [bridge]"},
        ParseCase{"BridgeKey", "[bridge]\nspeed = 100\n", "unknown key 'speed' in [bridge]"}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

class SimBridge : public SimWorldTest {
protected:
    void LoadBridge(const std::string& section) { Load(std::string(kAdapterHead) + "[bridge]\n" + section); }
    platform::BridgePort& port() { return platform::Bridge(); }
};

TEST_F(SimBridge, AnswersItsThreeRequestsAndRefusesWhatItDoesNotKnow) {
    LoadBridge("version = 2\n");
    HANDLE h = port().Open("\\\\.\\VLDX", FILE_FLAG_OVERLAPPED);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    OVERLAPPED ov{};
    ov.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::uint32_t version = 0xFFFFFFFF, state = 7, on = 1;
    DWORD returned = 0;
    ASSERT_TRUE(port().Control(h, 0x80000000, &version, 4, &version, 4, &returned, &ov));
    EXPECT_EQ(version, 2u);
    EXPECT_EQ(WaitForSingleObject(ov.hEvent, 0), static_cast<DWORD>(WAIT_OBJECT_0)) << "the request ended";
    ASSERT_TRUE(port().Control(h, 0x80000008, nullptr, 0, &state, 4, &returned, &ov));
    EXPECT_EQ(state, 0u);
    ASSERT_TRUE(port().Control(h, 0x80000004, &on, 4, nullptr, 0, &returned, &ov));
    EXPECT_TRUE(world_.Bridging());
    EXPECT_FALSE(port().Control(h, 0x80000004, &on, 2, nullptr, 0, &returned, &ov));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_FALSE(port().Control(h, 0x8000000C, nullptr, 0, nullptr, 0, &returned, &ov));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FUNCTION));
    EXPECT_FALSE(port().Control(h, 0x80000000, &version, 4, &version, 4, &returned, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << "overlapped device, no OVERLAPPED";
    port().Close(h);
    CloseHandle(ov.hEvent);
    EXPECT_EQ(world_.OpenBridgeHandles(), 0u);
    EXPECT_EQ(port().Open("\\\\.\\VLDY", FILE_FLAG_OVERLAPPED), INVALID_HANDLE_VALUE);

    LoadBridge("version = 1\nbridging = on\n");
    h = port().Open("\\\\.\\vldx", FILE_FLAG_OVERLAPPED);
    ov.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    EXPECT_FALSE(port().Control(h, 0x80000008, nullptr, 0, &state, 4, &returned, &ov)) << "version 1 does not bridge";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FUNCTION));
    port().Close(h);
    CloseHandle(ov.hEvent);

    Load(kAdapterHead);
    EXPECT_EQ(port().Open("\\\\.\\VLDX", FILE_FLAG_OVERLAPPED), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(SimBridge, PendingRequestsEndWhenWaitedForOrCancelledAndClosingLosesThem) {
    LoadBridge("pending = later\n");
    HANDLE h = port().Open("\\\\.\\VLDX", FILE_FLAG_OVERLAPPED);
    OVERLAPPED ov{};
    ov.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::uint32_t version = 0xFFFFFFFF;
    DWORD returned = 0;
    EXPECT_FALSE(port().Control(h, 0x80000000, &version, 4, &version, 4, &returned, &ov));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_IO_PENDING));
    EXPECT_EQ(version, 0xFFFFFFFFu) << "written only when it ends";
    ASSERT_TRUE(port().WaitResult(h, &ov, &returned, 100));
    EXPECT_EQ(version, 2u);
    EXPECT_EQ(returned, 4u);
    // Left pending and the handle closed: the driver would write into whatever is there then.
    port().Control(h, 0x80000000, &version, 4, &version, 4, &returned, &ov);
    port().Close(h);
    EXPECT_EQ(world_.AbandonedBridgeRequests(), 1u);

    LoadBridge("pending = never\n");
    h = port().Open("\\\\.\\VLDX", FILE_FLAG_OVERLAPPED);
    EXPECT_FALSE(port().Control(h, 0x80000000, &version, 4, &version, 4, &returned, &ov));
    EXPECT_FALSE(port().WaitResult(h, &ov, &returned, 100));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(WAIT_TIMEOUT));
    ASSERT_TRUE(port().Cancel(h));
    EXPECT_FALSE(port().WaitResult(h, &ov, &returned, INFINITE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_OPERATION_ABORTED));
    port().Close(h);
    EXPECT_EQ(world_.AbandonedBridgeRequests(), 0u);
    const auto calls = world_.BridgeCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].pended);
    EXPECT_EQ(calls[0].error, static_cast<DWORD>(ERROR_OPERATION_ABORTED));
    CloseHandle(ov.hEvent);
}

}  // namespace
