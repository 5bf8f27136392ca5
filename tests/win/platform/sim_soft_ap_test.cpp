// What the simulated world adds for the soft-AP utility: the records the driver refuses,
// the OIDs that share one driver state, the network types of the adapter, and the service
// control manager of the scenario's [service] sections.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/driver_port.h"
#include "platform/service_control.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes U32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}
Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}
Bytes Zeros(std::size_t n) { return Bytes(n, 0); }

class SimSoftAp : public SimWorldTest {
protected:
    DWORD Call(std::uint32_t oid, Bytes& buf, DWORD* returned = nullptr) {
        platform::DriverPort& d = platform::Driver();
        HANDLE h = d.Open(world_.DevicePath(0).c_str());
        if (h == INVALID_HANDLE_VALUE) return GetLastError();
        DWORD r = 0;
        const BOOL ok = d.Ioctl(h, oid, buf.empty() ? nullptr : buf.data(), static_cast<DWORD>(buf.size()), &r);
        const DWORD error = ok ? ERROR_SUCCESS : GetLastError();
        d.Close(h);
        if (returned) *returned = r;
        return error;
    }
};

struct RecordCase {
    const char* name;
    std::uint32_t oid;  // as sent
    Bytes record;
    DWORD error;
};

class SimRecordTest : public SimSoftAp, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(SimRecordTest, DriverRefusesMalformedRecordsAndKeepsNothingOfThem) {
    Load(kOneAdapter);
    Bytes record = GetParam().record;
    EXPECT_EQ(Call(GetParam().oid, record), GetParam().error);
    if (GetParam().error != ERROR_SUCCESS) {
        EXPECT_TRUE(world_.LastSet(0, QueryOidOf(GetParam().oid)).empty());
    } else {
        EXPECT_EQ(world_.LastSet(0, QueryOidOf(GetParam().oid)), GetParam().record);
    }
}

Bytes Key(std::uint32_t length, std::uint32_t keyLength, std::size_t size) {
    Bytes k = Cat({U32(length), U32(0x80000000u), U32(keyLength)});
    k.resize(size, 0);
    return k;
}

INSTANTIATE_TEST_SUITE_P(
    Records, SimRecordTest,
    ::testing::Values(
        RecordCase{"SsidWhole", 0x0D810102, Cat({U32(4), Bytes{'T', 'e', 's', 't'}, Zeros(28)}), ERROR_SUCCESS},
        RecordCase{"SsidShort", 0x0D810102, U32(4), ERROR_INSUFFICIENT_BUFFER},
        RecordCase{"SsidTooLong", 0x0D810102, Cat({U32(33), Zeros(32)}), ERROR_INVALID_PARAMETER},
        RecordCase{"SsidThroughTheExtendedSet", 0xFF810102, Cat({U32(40), Zeros(32)}), ERROR_INVALID_PARAMETER},
        RecordCase{"AuthenticationMixed", 0x0D810118, U32(9), ERROR_SUCCESS},
        RecordCase{"AuthenticationUnknown", 0x0D810118, U32(10), ERROR_INVALID_PARAMETER},
        RecordCase{"EncryptionBoth", 0x0D81011B, U32(8), ERROR_SUCCESS},
        RecordCase{"EncryptionUnknown", 0x0D81011B, U32(9), ERROR_INVALID_PARAMETER},
        RecordCase{"PskKey", 0x0D81011D, Key(71, 32, 71), ERROR_SUCCESS},
        RecordCase{"WepKey", 0x0D81011D, Key(44, 5, 44), ERROR_SUCCESS},
        RecordCase{"KeyWithoutKey", 0x0D81011D, Key(39, 0, 39), ERROR_INVALID_PARAMETER},
        RecordCase{"KeyLongerThanItsBuffer", 0x0D81011D, Key(71, 32, 60), ERROR_INVALID_PARAMETER},
        RecordCase{"KeyLengthBeyondItsRecord", 0x0D81011D, Key(40, 13, 40), ERROR_INVALID_PARAMETER},
        RecordCase{"KeyHeaderOnly", 0x0D81011D, Key(16, 5, 16), ERROR_INSUFFICIENT_BUFFER},
        RecordCase{"RemoveKeyShort", 0x0D81011E, U32(16), ERROR_INSUFFICIENT_BUFFER},
        RecordCase{"ConfigurationWhole", 0x0D810211, Cat({U32(32), Zeros(28)}), ERROR_SUCCESS},
        RecordCase{"ConfigurationWithoutLength", 0x0D810211, Zeros(32), ERROR_INVALID_PARAMETER},
        RecordCase{"RatesEmpty", 0x0D810210, Bytes{}, ERROR_INVALID_PARAMETER},
        RecordCase{"AccessControlWhole", 0x0DF10110, Cat({U32(1), U32(32), Zeros(256)}), ERROR_SUCCESS},
        RecordCase{"AccessControl33", 0x0DF10110, Cat({U32(1), U32(33), Zeros(256)}), ERROR_INVALID_PARAMETER},
        RecordCase{"AccessControlPolicy3", 0x0DF10110, Cat({U32(3), U32(0), Zeros(256)}), ERROR_INVALID_PARAMETER},
        RecordCase{"AccessControlShort", 0x0DF10110, Cat({U32(0), U32(0)}), ERROR_INVALID_PARAMETER},
        RecordCase{"WdsWhole", 0x0DF10112, Cat({U32(3), Zeros(20), U32(32), Zeros(32)}), ERROR_SUCCESS},
        RecordCase{"WdsFourPeers", 0x0DF10112, Cat({U32(4), Zeros(56)}), ERROR_INVALID_PARAMETER},
        RecordCase{"WdsKeyLength16", 0x0DF10112, Cat({U32(1), Zeros(20), U32(16), Zeros(32)}), ERROR_INVALID_PARAMETER}),
    [](const ::testing::TestParamInfo<RecordCase>& info) { return std::string(info.param.name); });

TEST_F(SimSoftAp, SoftApOpModeAndRegionOidsShareTheStationsState) {
    Load(kOneAdapter);  // answers 0xFF0C001A with 1
    Bytes mode(4);
    ASSERT_EQ(Call(0x0D710126, mode), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(mode, U32(1));
    Bytes zero = U32(0);
    ASSERT_EQ(Call(0x0DF10126, zero), static_cast<DWORD>(ERROR_SUCCESS));
    Bytes station(4);
    ASSERT_EQ(Call(0xFF0C001A, station), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(station, U32(0));

    Bytes region = U32(0x0305);
    ASSERT_EQ(Call(0xFF8C0003, region), static_cast<DWORD>(ERROR_SUCCESS));
    Bytes seen(4);
    ASSERT_EQ(Call(0x0D710107, seen), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(seen, U32(0x0305));
    EXPECT_EQ(world_.LastSet(0, 0x0D710107), U32(0x0305));
}

TEST_F(SimSoftAp, NetworkTypesFollowTheAdaptersBands) {
    for (bool fiveGhz : {false, true}) {
        SCOPED_TRACE(fiveGhz);
        Load(std::string(kOneAdapter).replace(std::string(kOneAdapter).find("value WirelessMode"), 0,
                                              std::string("supports_5ghz = ") + (fiveGhz ? "yes\n" : "no\n")));
        Bytes types(20);
        DWORD returned = 0;
        ASSERT_EQ(Call(0x0D010203, types, &returned), static_cast<DWORD>(ERROR_SUCCESS));
        const Bytes expected = fiveGhz ? Cat({U32(3), U32(1), U32(3), U32(2)}) : Cat({U32(2), U32(1), U32(3)});
        EXPECT_EQ(returned, expected.size());
        EXPECT_EQ(Bytes(types.begin(), types.begin() + static_cast<long>(expected.size())), expected);
    }
}

// ---- service control manager

TEST_F(SimSoftAp, ServicesAnswerAsTheServiceControlManagerDoes) {
    Load(std::string(kOneAdapter) + "\n[service]\nname = WZCSVC\n\n[service]\nname = Other\nstate = stopped\n");
    platform::ServiceControl& scm = platform::Services();
    SC_HANDLE manager = scm.OpenManager(SC_MANAGER_ALL_ACCESS);
    ASSERT_NE(manager, nullptr);

    EXPECT_EQ(scm.OpenService(manager, "Missing", SERVICE_QUERY_STATUS), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST));

    SC_HANDLE query = scm.OpenService(manager, "wzcsvc", SERVICE_QUERY_STATUS);
    ASSERT_NE(query, nullptr);
    SERVICE_STATUS status{};
    ASSERT_TRUE(scm.QueryStatus(query, &status));
    EXPECT_EQ(status.dwCurrentState, static_cast<DWORD>(SERVICE_RUNNING));
    // Stopping needs SERVICE_STOP.
    EXPECT_FALSE(scm.Control(query, SERVICE_CONTROL_STOP, &status));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

    SC_HANDLE stop = scm.OpenService(manager, "WZCSVC", SERVICE_STOP);
    ASSERT_NE(stop, nullptr);
    EXPECT_FALSE(scm.QueryStatus(stop, &status));  // and querying SERVICE_QUERY_STATUS
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(scm.Control(stop, SERVICE_CONTROL_STOP, &status));
    EXPECT_FALSE(world_.ServiceRunning("WZCSVC"));
    EXPECT_FALSE(scm.Control(stop, SERVICE_CONTROL_STOP, &status));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SERVICE_NOT_ACTIVE));
    EXPECT_EQ(world_.ServiceStops("WZCSVC"), 1u);

    SC_HANDLE other = scm.OpenService(manager, "Other", SERVICE_QUERY_STATUS);
    ASSERT_TRUE(scm.QueryStatus(other, &status));
    EXPECT_EQ(status.dwCurrentState, static_cast<DWORD>(SERVICE_STOPPED));

    for (SC_HANDLE h : {query, stop, other, manager}) EXPECT_TRUE(scm.Close(h));
    EXPECT_FALSE(scm.Close(manager));
    EXPECT_EQ(world_.OpenServiceHandles(), 0u);
}

struct ServiceParseCase {
    const char* text;
    int line;
    const char* message;
};

class ServiceParseTest : public ::testing::TestWithParam<ServiceParseCase> {};

TEST_P(ServiceParseTest, MalformedServiceSectionsNameTheirLine) {
    Scenario scenario;
    ParseError error;
    EXPECT_FALSE(ParseScenario(GetParam().text, &scenario, &error));
    EXPECT_EQ(error.line, GetParam().line);
    EXPECT_EQ(error.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ServiceParseTest,
    ::testing::Values(ServiceParseCase{"[service]\nstate = running\n", 1, "[service] lacks name"},
                      ServiceParseCase{"[service]\nname = WZCSVC\nstate = paused\n", 3, "state must be running or stopped"},
                      ServiceParseCase{"[service]\nname = A\n[service]\nname = a\n", 3, "service a given twice"},
                      ServiceParseCase{"[service]\nname = A\nport = 1\n", 3, "unknown key 'port' in [service]"}));

}  // namespace
