// The per-OID driver operations against the simulated driver: the OID each set reaches the
// driver as, the records they build, and what the queries hand back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "station/core/driver/driver_oid_ops.h"
#include "station/core/wps/wps_config_record.h"
#include "driver_key_util.h"
#include "station_fixture.h"

namespace {

using platform::sim::Bytes;
using testutil::U32;

// Driver answers added to the default adapter.
std::string WithOidAnswers(const std::string& lines) {
    std::string text = testutil::Scenario("default.scn");
    const std::string section = "[adapter]\n";
    text.insert(text.find(section) + section.size(), lines);
    return text;
}

class DriverOidOpsTest : public StationTest {
protected:
    void Bind(const std::string& scenario) {
        Load(scenario);
        testutil::BindAdapter(world);
        world.ClearJournal();
    }
    platform::sim::JournalEntry Last() const {
        auto journal = world.Journal();
        return journal.empty() ? platform::sim::JournalEntry{} : journal.back();
    }
    DriverOidOps ops;
};

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}
Bytes Zeros(size_t n) { return Bytes(n, 0); }

struct SetCase {
    const char* name;
    std::function<BOOLEAN(DriverOidOps&)> call;
    DWORD sentAs;
    size_t length;
    Bytes data;  // empty: not checked
};

TEST_F(DriverOidOpsTest, EverySetReachesTheDriverInItsPrivateFormWithItsRecord) {
    // An 802.11n adapter with DLS on, linked to an 802.11n network: the driver takes the
    // block-ack and direct-link records below.
    std::string scenario = WithOidAnswers("supports_11n = yes\nvalue DLSCapable = 1\n");
    const std::string harbor = "ssid     = \"Harbor Open\"\n";
    scenario.insert(scenario.find(harbor) + harbor.size(), "ht = yes\n");
    Bind(scenario);
    const Bytes baAdd = {0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 3, 32, 0, 0, 0, 0, 0};
    const Bytes baDelete = {0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 0, 0, 0, 0, 0, 1, 0};
    const Bytes dlsLink = {0x2C, 0x01, 0, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x66, 0, 1};
    const uint8_t mac[6] = {0x02, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE};
    const Bytes macBytes(mac, mac + 6);
    const Bytes nativeHeader16 = {0x80, 1, 16, 0};
    const Bytes nativeHeader20 = {0x80, 1, 20, 0};
    uint8_t record[1000] = {};
    for (int i = 0; i < 1000; ++i) record[i] = static_cast<uint8_t>(i);
    // The driver checks the WPS start record and credential table, so these two get well-formed ones.
    WpsConfigRecord wpsStart = MakePbcStartRecord(1);
    uint8_t wpsTable[996] = {};
    uint8_t ssid[36] = {5, 0, 0, 0, 'H', 'a', 'r', 'b', 'o'};
    const uint8_t key[5] = {9, 8, 7, 6, 5};

    const SetCase cases[] = {
        {"SetOid0002", [](DriverOidOps& o) { return o.SetOid0002(9); }, 0xFF8C0002, 4, U32(9)},
        {"SetOid0003", [](DriverOidOps& o) { return o.SetOid0003(0x0705); }, 0xFF8C0003, 4, U32(0x0705)},
        {"SetOid031A", [&](DriverOidOps& o) { return o.SetOid031A(record); }, 0xFF81031A, 132,
         Bytes(record, record + 132)},
        {"SetOid0028", [&](DriverOidOps& o) { return o.SetOid0028(record); }, 0xFF8C0028, 12, {}},
        {"SetOid0025", [&](DriverOidOps& o) { return o.SetOid0025(baAdd.data()); }, 0xFF8C0025, 14, baAdd},
        {"SetOid0027", [&](DriverOidOps& o) { return o.SetOid0027(baDelete.data()); }, 0xFF8C0027, 14, baDelete},
        {"SetOid0026", [&](DriverOidOps& o) { return o.SetOid0026(record); }, 0xFF8C0026, 8, {}},
        {"SetOid0008", [&](DriverOidOps& o) { return o.SetOid0008(record); }, 0xFF8C0008, 12, {}},
        {"SetOid002A", [&](DriverOidOps& o) { return o.SetOid002A(&wpsStart); }, 0xFF8C002A, 56, {}},
        {"SetOid002B", [](DriverOidOps& o) { return o.SetOid002B(2); }, 0xFF8C002B, 4, U32(2)},
        {"SetOid002C", [](DriverOidOps& o) { return o.SetOid002C(3); }, 0xFF8C002C, 4, U32(3)},
        {"SetOid0030", [](DriverOidOps& o) { return o.SetOid0030(1); }, 0xFF8C0030, 4, U32(1)},
        {"SetApsdFlags", [](DriverOidOps& o) { return o.SetApsdFlags(0xF); }, 0xFF8C0032, 4, U32(0xF)},
        {"SetOid0033", [](DriverOidOps& o) { return o.SetOid0033(4); }, 0xFF8C0033, 4, U32(4)},
        {"SetOid0034", [](DriverOidOps& o) { return o.SetOid0034(5); }, 0xFF8C0034, 4, U32(5)},
        {"SetOid0031", [&](DriverOidOps& o) { return o.SetOid0031(dlsLink.data()); }, 0xFF8C0031, 12, dlsLink},
        {"SetOid0049", [&](DriverOidOps& o) { return o.SetOid0049(wpsTable); }, 0xFF8C0049, 996,
         Bytes(wpsTable, wpsTable + 996)},
        {"SetOid031F", [](DriverOidOps& o) { return o.SetOid031F(7); }, 0xFF81031F, 4, U32(7)},
        {"SetOid0322", [](DriverOidOps& o) { return o.SetOid0322(8); }, 0xFF810322, 4, U32(8)},
        {"SetOid030B", [](DriverOidOps& o) { return o.SetOid030B(); }, 0xFF81030B, 60,
         Concat({U32(3), Bytes(6, 0xFF), Zeros(2), U32(3), U32(0), U32(0), U32(1), Zeros(32)})},
        {"SetOid0310", [](DriverOidOps& o) { return o.SetOid0310(); }, 0xFF810310, 12,
         Concat({U32(3), {0x02, 0xE1, 0xF0, 0x51, 0x01, 0x07}, Zeros(2)})},
        {"SetOid032F", [](DriverOidOps& o) { return o.SetOid032F(1); }, 0xFF81032F, 4, U32(1)},
        {"SetOid0342", [](DriverOidOps& o) { return o.SetOid0342(2); }, 0xFF810342, 4, U32(2)},
        {"SetOid017E", [&](DriverOidOps& o) { return o.SetOid017E(mac); }, 0xFF81017E, 20,
         Concat({nativeHeader20, U32(1), U32(1), macBytes, Zeros(2)})},
        {"SetOid017C", [&](DriverOidOps& o) { return o.SetOid017C(ssid); }, 0xFF81017C, 48,
         Concat({{0x80, 1, 48, 0}, U32(1), U32(1), U32(5), {'H', 'a', 'r', 'b', 'o'}, Zeros(27)})},
        {"SetOid0185", [](DriverOidOps& o) { return o.SetOid0185(6); }, 0xFF810185, 16,
         Concat({nativeHeader16, U32(1), U32(1), U32(6)})},
        {"SetOid0187", [](DriverOidOps& o) { return o.SetOid0187(7); }, 0xFF810187, 16,
         Concat({nativeHeader16, U32(1), U32(1), U32(7)})},
        {"SetOid0189", [](DriverOidOps& o) { return o.SetOid0189(8); }, 0xFF810189, 16,
         Concat({nativeHeader16, U32(1), U32(1), U32(8)})},
        {"SetOid0184 one", [&](DriverOidOps& o) { return o.SetOid0184(0, mac); }, 0xFF810184, 20,
         Concat({nativeHeader20, U32(1), U32(1), macBytes, Zeros(2)})},
        {"SetOid017D all", [&](DriverOidOps& o) { return o.SetOid017D(1, mac); }, 0xFF81017D, 20,
         Concat({nativeHeader20, Zeros(16)})},
        {"SetOid018B", [&](DriverOidOps& o) { return o.SetOid018B(2, 1, key, 5); }, 0xFF81018B, 276,
         Concat({{0x80, 1, 24, 0}, U32(2), U32(1), Zeros(6), {0, 0}, {5, 0}, {9, 8, 7, 6, 5}, Zeros(249)})},
        {"SetOid0192 1", [](DriverOidOps& o) { return o.SetOid0192(1); }, 0xFF810192, 4, U32(5)},
        {"SetOid0192 2", [](DriverOidOps& o) { return o.SetOid0192(2); }, 0xFF810192, 4, U32(4)},
        {"SetOid0192 4", [](DriverOidOps& o) { return o.SetOid0192(4); }, 0xFF810192, 4, U32(6)},
        {"SetOid0192 3", [](DriverOidOps& o) { return o.SetOid0192(3); }, 0xFF810192, 4, U32(0)},
        {"SetOid0178 1", [](DriverOidOps& o) { return o.SetOid0178(1); }, 0xFF810178, 4, U32(3)},
        {"SetOid0178 2", [](DriverOidOps& o) { return o.SetOid0178(2); }, 0xFF810178, 4, U32(0)},
        {"SetOid017B", [](DriverOidOps& o) { return o.SetOid017B(1); }, 0xFF81017B, 4, U32(1)},
        {"SetOid017F", [](DriverOidOps& o) { return o.SetOid017F(2); }, 0xFF81017F, 4, U32(2)},
        {"SetOid018A", [](DriverOidOps& o) { return o.SetOid018A(3); }, 0xFF81018A, 4, U32(3)},
        {"SetOid0182", [](DriverOidOps& o) { return o.SetOid0182(4); }, 0xFF810182, 4, U32(4)},
        {"SetOid0181", [](DriverOidOps& o) { return o.SetOid0181(); }, 0xFF810181, 0, {}},
        {"SetOid018E", [](DriverOidOps& o) { return o.SetOid018E(); }, 0xFF81018E, 0, {}},
        // Last: as an access point the driver takes block-ack sessions only with its stations.
        {"SetOpMode", [](DriverOidOps& o) { return o.SetOpMode(1); }, 0xFF8C001A, 4, U32(1)},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.name);
        world.ClearJournal();
        EXPECT_EQ(c.call(ops), 1);
        const auto last = Last();
        EXPECT_TRUE(last.set);
        EXPECT_EQ(last.oid, c.sentAs) << std::hex << last.oid;
        EXPECT_EQ(last.in.size(), c.length);
        if (!c.data.empty()) {
            EXPECT_EQ(last.in, c.data);
        }
        // Exactly one set per operation, and only SetOid0310/SetOid0178 query first.
        size_t sets = 0;
        for (const auto& e : world.Journal()) sets += e.set;
        EXPECT_EQ(sets, 1u);
    }
}

TEST_F(DriverOidOpsTest, TxPowerByLevelAndOutOfRangeLevelsSendMinusOne) {
    Bind(testutil::Scenario("default.scn"));
    const struct {
        int level;
        uint32_t sent;
    } cases[] = {{0, 0xFFFFFFFFu}, {1, 100}, {2, 75}, {3, 50}, {4, 25}, {5, 10}, {6, 6},
                 {7, 0xFFFFFFFFu}, {-1, 0xFFFFFFFFu}, {1000, 0xFFFFFFFFu}};
    for (const auto& c : cases) {
        world.ClearJournal();
        EXPECT_EQ(ops.SetTxPower(c.level), 1);
        EXPECT_EQ(Last().oid, 0xFF8C0007u);
        EXPECT_EQ(Last().in, U32(c.sent)) << "level " << c.level;
    }
}

TEST_F(DriverOidOpsTest, FailedQueriesLeaveTheBufferAndOpModeIsZeroedFirst) {
    Bind(testutil::Scenario("default.scn"));
    world.FailOid(0xFF0C001A, 1);
    DWORD mode = 7;
    EXPECT_EQ(ops.QueryOpMode(&mode), 0);
    EXPECT_EQ(mode, 0u);  // zeroed first: a failed query never reads as access-point mode
    mode = 7;
    EXPECT_EQ(ops.QueryOpMode(&mode), 1);
    EXPECT_EQ(mode, 0u);  // the scenario's answer

    world.FailOid(0xFF0C0002, 1);
    DWORD wireless = 0x55;
    EXPECT_EQ(ops.QueryOid0002(&wireless), 0);
    EXPECT_EQ(wireless, 0x55u);

    uint8_t mac[6] = {1, 1, 1, 1, 1, 1};
    world.FailOid(0x0D010702, 1);
    EXPECT_EQ(ops.QueryOid0702(mac), 0);
    EXPECT_EQ(mac[0], 1);
    // Without the adapter's own address SetOid0310 sends nothing.
    world.FailOid(0x0D010702, 1);
    world.ClearJournal();
    EXPECT_EQ(ops.SetOid0310(), 0);
    for (const auto& e : world.Journal()) EXPECT_FALSE(e.set);
}

TEST_F(DriverOidOpsTest, QueriesUnpackTheirRecordsAndDoNotTrustTheDriversLengths) {
    Bind(WithOidAnswers(
        "oid 0x0E010192 = 04 00 00 00\n"
        "oid 0x0E01017C = 80 01 30 00 01 00 00 00 01 00 00 00 28 00 00 00 41 42 43\n"
        "oid 0x0E010187 = 80 01 10 00 01 00 00 00 01 00 00 00 2A 00 00 00\n"
        "oid 0x0E01017E = 80 01 14 00 01 00 00 00 01 00 00 00 02 11 22 33 44 55 00 00\n"
        "oid 0x0D010326 = 09 00 00 00 41 42\n"));

    DWORD mapped = 99;
    EXPECT_EQ(ops.QueryOid0192(&mapped), 1);
    EXPECT_EQ(mapped, 2u);

    uint8_t ssid[36] = {};
    EXPECT_EQ(ops.QueryOid017C(ssid), 1);
    uint32_t length = 0;
    std::memcpy(&length, ssid, 4);
    EXPECT_EQ(length, 32u);  // the driver said 40
    EXPECT_EQ(std::string(reinterpret_cast<char*>(ssid + 4), 3), "ABC");

    DWORD value = 0;
    EXPECT_EQ(ops.QueryOid0187(&value), 1);
    EXPECT_EQ(value, 42u);

    uint8_t mac[6] = {};
    EXPECT_EQ(ops.QueryOid017E(mac), 1);
    EXPECT_EQ(Bytes(mac, mac + 6), (Bytes{0x02, 0x11, 0x22, 0x33, 0x44, 0x55}));

    DWORD first = 0;
    uint8_t rest[256] = {};
    EXPECT_EQ(ops.QueryOid0326(&first, rest), 1);
    EXPECT_EQ(first, 9u);
    EXPECT_EQ(rest[0], 'A');
    EXPECT_EQ(rest[1], 'B');
}

TEST_F(DriverOidOpsTest, QueryOid0192LeavesUnknownAnswersUnchanged) {
    Bind(WithOidAnswers("oid 0x0E010192 = 07 00 00 00\n"));
    DWORD mapped = 99;
    EXPECT_EQ(ops.QueryOid0192(&mapped), 1);
    EXPECT_EQ(mapped, 99u);
}

TEST_F(DriverOidOpsTest, LinkInfoCopiesOnlyTheCounters) {
    std::string answer = "oid 0xFF0C000B =";
    for (int i = 0; i < 184; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof(byte), " %02X", i);
        answer += byte;
    }
    Bind(WithOidAnswers(answer + "\n"));
    uint8_t record[kLinkInfoRecordSize];
    std::memset(record, 0xEE, sizeof(record));
    uint64_t extra = 0;
    EXPECT_EQ(ops.QueryLinkInfo(record, &extra), 1);
    for (int i = 0; i < 184; ++i) {
        const bool copied = (i >= 8 && i < 80) || (i >= 88 && i < 104);
        EXPECT_EQ(record[i], copied ? i : 0xEE) << "offset " << i;
    }
    uint64_t expected = 0;
    for (int i = 0; i < 8; ++i) expected |= static_cast<uint64_t>(176 + i) << (8 * i);
    EXPECT_EQ(extra, expected);
}

}  // namespace
