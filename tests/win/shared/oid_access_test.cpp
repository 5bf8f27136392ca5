#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/driver_port.h"
#include "platform/sim/world.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_version.h"
#include "shared/driver/oid_access.h"
#include "shared/system/os_code.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const char kScenario[] = R"(
[adapter]
hardware_id    = USB\VID_F0E1&PID_5101&REV_0001
description    = Norvane ZQ-4402 Wireless LAN Card
instance_id    = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}
driver         = {4d36e972-e325-11ce-bfc1-08002be10318}\0007
driver_version = 0x0301
oid 0xFF0C001A = 01 00 00 00
register eeprom 54 = 0x1234
)";

constexpr const char* kNowhere = "\\\\.\\{00000000-0000-0000-0000-000000000000}";

// Runs the thread's message loop, as the main window's does, for about `ms`.
void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    UINT_PTR wake = SetTimer(nullptr, 0, 20, nullptr);
    MSG msg;
    while (GetTickCount() - start < ms && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(nullptr, wake);
}

class OidAccess : public ::testing::Test {
protected:
    OidAccess() { std::memcpy(savedPath_, g_DevicePath, sizeof(g_DevicePath)); }

    void SetUp() override
    {
        ASSERT_TRUE(world_.LoadText(kScenario)) << world_.LoadError().Text();
        platform::sim::Install(&world_);
        std::snprintf(g_DevicePath, sizeof(g_DevicePath), "%s", world_.DevicePath(0).c_str());
        g_OsCode = 11;
    }
    void TearDown() override
    {
        DrainSetOidQueue();
        SetOidDriverOverride(nullptr);
        EXPECT_EQ(world_.OpenDriverHandles(), 0u) << "a device handle was left open";
        platform::sim::Uninstall();
        g_OsCode = savedOsCode_;
        std::memcpy(g_DevicePath, savedPath_, sizeof(g_DevicePath));
    }

    std::vector<platform::sim::JournalEntry> JournalOf(DWORD oid) const
    {
        std::vector<platform::sim::JournalEntry> calls;
        for (const auto& e : world_.Journal())
            if (e.oid == oid)
                calls.push_back(e);
        return calls;
    }

    platform::sim::World world_;

private:
    int savedOsCode_ = g_OsCode;
    char savedPath_[sizeof(g_DevicePath)];
};

struct SetBitsCase {
    const char* name;
    bool ex;
    int setFlag;
    DWORD oid;
    DWORD sent;
};

class OidSetBits : public OidAccess, public ::testing::WithParamInterface<SetBitsCase> {};

TEST_P(OidSetBits, ReachTheDriverAsSent)
{
    const SetBitsCase& c = GetParam();
    const Bytes request{0x11, 0x22, 0x33, 0x44};
    Bytes data = request;
    DWORD returned = 0xDEAD;
    const BOOLEAN ok = c.ex ? SetOidEx(c.oid, data.data(), 4, &returned, c.setFlag, 3)
                            : SetOid(c.oid, data.data(), 4, &returned, 3);
    EXPECT_TRUE(ok);
    EXPECT_EQ(returned, 4u);
    const auto journal = world_.Journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].oid, c.sent);
    EXPECT_EQ(journal[0].in, request);
    EXPECT_EQ(SetOidQueueSize(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Oids, OidSetBits,
    ::testing::Values(SetBitsCase{"SetStandard", false, 1, 0x0D01020A, 0x0D81020A},
                      SetBitsCase{"SetPrivateAlreadySet", false, 1, 0x0DF10111, 0x0DF10111},
                      SetBitsCase{"ExStandard", true, 1, 0x0D01031A, 0xFF81031A},
                      SetBitsCase{"ExPrivateAlreadySet", true, 1, 0xFF8C0002, 0xFF8C0002},
                      SetBitsCase{"ExWithoutFlagIsSentAsGiven", true, 0, 0xFF0C001A, 0xFF0C001A}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OidAccess, QueryFillsTheBufferAndSetThenQueryRoundTrips)
{
    std::uint32_t mode = 0xEEEEEEEE;
    DWORD returned = 0;
    ASSERT_TRUE(QueryOid(0xFF0C001A, &mode, sizeof(mode), &returned));
    EXPECT_EQ(mode, 1u);
    EXPECT_EQ(returned, 4u);

    std::uint32_t value = 0;
    ASSERT_TRUE(SetOid(0xFF0C001A, &value, sizeof(value), &returned, 3));
    mode = 0xEEEEEEEE;
    ASSERT_TRUE(QueryOid(0xFF0C001A, &mode, sizeof(mode), &returned));
    EXPECT_EQ(mode, 0u);
}

TEST_F(OidAccess, UnopenableDeviceFailsAtOnceAndTouchesNothing)
{
    for (bool unplugged : {false, true}) {
        SCOPED_TRACE(unplugged ? "adapter unplugged" : "path of no device");
        if (unplugged)
            world_.Unplug(0);
        else
            std::snprintf(g_DevicePath, sizeof(g_DevicePath), "%s", kNowhere);

        std::uint32_t buffer = 0x5A5A5A5A;
        DWORD returned = 0xDEAD;
        EXPECT_FALSE(QueryOid(0xFF0C001A, &buffer, sizeof(buffer), &returned));
        EXPECT_EQ(returned, 0xDEADu);
        EXPECT_EQ(buffer, 0x5A5A5A5Au);
        EXPECT_FALSE(SetOid(0x0D01020A, &buffer, sizeof(buffer), &returned, 3));
        EXPECT_FALSE(SetOidEx(0x0D01031A, &buffer, sizeof(buffer), &returned, 1, 3));
        EXPECT_EQ(returned, 0xDEADu);
        EXPECT_EQ(SetOidQueueSize(), 0u);
        EXPECT_TRUE(world_.Journal().empty());
        std::snprintf(g_DevicePath, sizeof(g_DevicePath), "%s", world_.DevicePath(0).c_str());
    }
}

TEST_F(OidAccess, NullBufferWithLengthIsRefusedBeforeTheDriver)
{
    DWORD returned = 0;
    EXPECT_FALSE(QueryOid(0xFF0C001A, nullptr, 4, &returned));
    EXPECT_FALSE(SetOid(0x0D01020A, nullptr, 4, &returned, 3));
    EXPECT_TRUE(world_.Journal().empty());
    EXPECT_EQ(SetOidQueueSize(), 0u);
}

TEST_F(OidAccess, RefusedSetIsRetriedEvery500msUntilItSucceeds)
{
    world_.FailOid(0x0D81020A, 2);
    std::uint32_t value = 0x01020304;
    DWORD returned = 0xDEAD;
    EXPECT_FALSE(SetOid(0x0D01020A, &value, sizeof(value), &returned, 3));
    EXPECT_EQ(returned, 0u);
    ASSERT_EQ(SetOidQueueSize(), 1u);
    const _SET_INFORMATION_DATA* entry = SetOidQueueEntry(0);
    EXPECT_EQ(entry->Oid, 0x0D81020Au);
    EXPECT_EQ(entry->Length, 4u);
    EXPECT_EQ(entry->RetriesLeft, 2);
    ASSERT_NE(entry->pData, nullptr);
    EXPECT_EQ(std::memcmp(entry->pData, &value, 4), 0);

    value = 0;  // the caller's buffer is its own again: the retry keeps the request
    Pump(1500);
    const auto calls = JournalOf(0x0D81020A);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_FALSE(calls[0].result);
    EXPECT_FALSE(calls[1].result);
    EXPECT_TRUE(calls[2].result);
    for (size_t i = 1; i < calls.size(); ++i) {
        const auto gap = calls[i].timeMs - calls[i - 1].timeMs;
        EXPECT_GE(gap, 400u) << i;
        EXPECT_LE(gap, 900u) << i;
        EXPECT_EQ(calls[i].in, (Bytes{0x04, 0x03, 0x02, 0x01}));
    }
    EXPECT_EQ(SetOidQueueSize(), 0u);
    EXPECT_EQ(world_.LastSet(0, 0x0D01020A), (Bytes{0x04, 0x03, 0x02, 0x01}));

    Pump(700);  // its timer died with the entry
    EXPECT_EQ(JournalOf(0x0D81020A).size(), 3u);
}

TEST_F(OidAccess, AttemptsBoundTheTries)
{
    struct Case {
        int attempts;
        size_t tries;
    };
    for (const Case c : {Case{1, 1}, Case{0, 1}, Case{2, 2}, Case{3, 3}}) {
        SCOPED_TRACE(c.attempts);
        world_.ClearJournal();
        world_.FailOid(0xFF810003, 10);
        std::uint32_t value = 5;
        DWORD returned = 0;
        EXPECT_FALSE(SetOidEx(0x0D010003, &value, sizeof(value), &returned, 1, c.attempts));
        EXPECT_EQ(SetOidQueueSize(), c.tries > 1 ? 1u : 0u);
        Pump(static_cast<DWORD>(500 * c.tries + 300));
        EXPECT_EQ(JournalOf(0xFF810003).size(), c.tries);
        EXPECT_EQ(SetOidQueueSize(), 0u);
    }
}

TEST_F(OidAccess, UnpluggedAdapterDropsEveryPendingRetryOnTheNextTick)
{
    world_.FailOid(0x0D81020A, 5);
    world_.FailOid(0xFF8C001A, 5);
    std::uint32_t a = 1, b = 2;
    DWORD returned = 0;
    EXPECT_FALSE(SetOid(0x0D01020A, &a, sizeof(a), &returned, 3));
    EXPECT_FALSE(SetOid(0xFF0C001A, &b, sizeof(b), &returned, 3));
    ASSERT_EQ(SetOidQueueSize(), 2u);
    world_.ClearJournal();
    world_.Unplug(0);

    Pump(700);
    EXPECT_EQ(SetOidQueueSize(), 0u);
    world_.Replug(0);
    Pump(1100);  // no timer is left to try again
    EXPECT_TRUE(world_.Journal().empty());
}

TEST_F(OidAccess, EmptySetIsRetriedWithANullBuffer)
{
    world_.FailOid(0xFF8C0030, 1);
    DWORD returned = 0;
    EXPECT_FALSE(SetOidEx(0xFF8C0030, nullptr, 0, &returned, 1, 3));
    ASSERT_EQ(SetOidQueueSize(), 1u);
    EXPECT_EQ(SetOidQueueEntry(0)->pData, nullptr);
    EXPECT_EQ(SetOidQueueEntry(0)->Length, 0u);
    Pump(800);
    const auto calls = JournalOf(0xFF8C0030);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[1].result);
    EXPECT_TRUE(calls[1].in.empty());
    EXPECT_EQ(SetOidQueueSize(), 0u);
}

TEST_F(OidAccess, DrainFreesEntriesAndStopsTheirTimers)
{
    world_.FailOid(0x0D81020A, 5);
    std::uint32_t value = 1;
    DWORD returned = 0;
    EXPECT_FALSE(SetOid(0x0D01020A, &value, sizeof(value), &returned, 3));
    EXPECT_FALSE(SetOid(0x0D01020A, nullptr, 0, &returned, 3));
    ASSERT_EQ(SetOidQueueSize(), 2u);
    DrainSetOidQueue();
    EXPECT_EQ(SetOidQueueSize(), 0u);
    world_.ClearJournal();
    Pump(700);
    EXPECT_TRUE(world_.Journal().empty());
}

TEST_F(OidAccess, RetryTimerWithoutEntryKillsItself)
{
    const UINT_PTR orphan = SetTimer(nullptr, 0, 30, SetOidRetryTimerProc);
    ASSERT_NE(orphan, 0u);
    Pump(200);
    EXPECT_FALSE(KillTimer(nullptr, orphan)) << "the orphan timer was still alive";
    EXPECT_TRUE(world_.Journal().empty());
}

TEST_F(OidAccess, OsCode10NeverWritesTheCallersBuffer)
{
    // The EEPROM query answers in the third word of the buffer it is given.
    struct Case {
        int osCode;
        std::uint32_t answer;
    };
    for (const Case c : {Case{10, 0}, Case{8, 0x1234}, Case{11, 0x1234}}) {
        SCOPED_TRACE(c.osCode);
        g_OsCode = c.osCode;
        world_.ClearJournal();
        std::uint32_t request[3] = {3, 54, 0};
        DWORD returned = 0;
        EXPECT_TRUE(SetOidEx(0xFF0C0008, request, sizeof(request), &returned, 0, 3));
        EXPECT_EQ(request[2], c.answer);
        const auto journal = world_.Journal();
        ASSERT_EQ(journal.size(), 1u);
        ASSERT_EQ(journal[0].out.size(), 12u);
        EXPECT_EQ(journal[0].out[8], 0x34);  // the driver did answer, into the copy
    }
}

TEST_F(OidAccess, DriverVersionFromTheDriverAndZeroOnFailure)
{
    g_DriverVersion = 0x7777;
    EXPECT_EQ(QueryDriverVersion(), 1);
    EXPECT_EQ(g_DriverVersion, 0x0301);

    world_.FailOid(0x00010110, 1);
    EXPECT_EQ(QueryDriverVersion(), 0);
    EXPECT_EQ(g_DriverVersion, 0);
}

// A driver that misbehaves in ways the simulated one does not.
class RogueDriver : public platform::DriverPort {
public:
    HANDLE Open(const char*) override { return reinterpret_cast<HANDLE>(0x1234); }
    BOOL Ioctl(HANDLE, DWORD, void* buffer, DWORD length, DWORD* bytesReturned) override
    {
        ++calls;
        buffers.push_back(buffer);
        sent.emplace_back(static_cast<std::uint8_t*>(buffer),
                          static_cast<std::uint8_t*>(buffer) + (buffer ? length : 0));
        if (buffer != nullptr)
            std::memset(buffer, 0xFF, length);  // scribbles over whatever it is given
        *bytesReturned = length + 4096;        // and claims far more than fits
        return calls > failFirst;
    }
    void Close(HANDLE) override {}

    int calls = 0;
    int failFirst = 0;
    std::vector<void*> buffers;
    std::vector<Bytes> sent;
};

TEST_F(OidAccess, LengthsFromTheDriverAreNotBelieved)
{
    RogueDriver rogue;
    SetOidDriverOverride(&rogue);
    std::uint8_t buffer[6] = {};
    DWORD returned = 0;
    EXPECT_TRUE(QueryOid(0x0D010702, buffer, sizeof(buffer), &returned));
    EXPECT_EQ(returned, sizeof(buffer));

    rogue.failFirst = rogue.calls + 1;
    EXPECT_FALSE(SetOid(0x0D01020A, buffer, sizeof(buffer), &returned, 3));
    EXPECT_EQ(returned, sizeof(buffer));
    ASSERT_EQ(SetOidQueueSize(), 1u);
    EXPECT_LE(SetOidQueueEntry(0)->BytesReturned, SetOidQueueEntry(0)->Length);
}

TEST_F(OidAccess, RetrySendsTheRequestNotWhatARefusingDriverLeftInIt)
{
    RogueDriver rogue;
    rogue.failFirst = 2;
    SetOidDriverOverride(&rogue);
    std::uint8_t value[4] = {1, 2, 3, 4};
    DWORD returned = 0;
    EXPECT_FALSE(SetOid(0x0D01020A, value, sizeof(value), &returned, 3));
    Pump(1300);
    ASSERT_EQ(rogue.calls, 3);
    for (const Bytes& s : rogue.sent)
        EXPECT_EQ(s, (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(SetOidQueueSize(), 0u);
}

TEST_F(OidAccess, EmptyRetryPassesNullToTheDriver)
{
    RogueDriver rogue;
    rogue.failFirst = 1;
    SetOidDriverOverride(&rogue);
    std::uint8_t unused = 0;
    DWORD returned = 0;
    EXPECT_FALSE(SetOid(0x0D01020A, &unused, 0, &returned, 2));
    Pump(800);
    ASSERT_EQ(rogue.calls, 2);
    EXPECT_EQ(rogue.buffers[1], nullptr);
}

}  // namespace
