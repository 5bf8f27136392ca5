// The bridge device against the simulated bridge driver, as the access-point start uses it:
// ask for the bridging state, and turn bridging on through a device of its own when it is
// off. Requests the driver leaves pending are waited for, or cancelled and waited for.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "softap/core/device/bridge_device.h"
#include "havix_fixture.h"

namespace {

class BridgeDeviceTest : public HavixTest {
protected:
    void SetUp() override {
        HavixTest::SetUp();
        softap::g_BridgeSetCount = 0;
    }
    // What StartAccessPoint does with the bridge.
    uint32_t StartSteps() {
        softap::BridgeDevice device;
        device.Open(softap::kBridgeDeviceName);
        const uint32_t state = device.GetBridgingState();
        if (state == 0) softap::EnableBridging();
        device.Close();
        return state;
    }
    std::vector<DWORD> Codes() const {
        std::vector<DWORD> codes;
        for (const auto& call : world.BridgeCalls()) codes.push_back(call.code);
        return codes;
    }
};

constexpr DWORD kVersion = 0x80000000, kSet = 0x80000004, kGet = 0x80000008;

TEST_F(BridgeDeviceTest, BridgingIsTurnedOnOnlyByAVersionTwoDriverThatIsOff) {
    const struct {
        const char* name;
        const char* section;  // empty: no bridge driver
        uint32_t state;
        std::vector<DWORD> codes;
        int sets;
        bool bridgingAfter;
    } cases[] = {
        {"no bridge driver", "", 0, {}, 0, false},
        {"version 1", "[bridge]\nversion = 1\n", 0, {kVersion, kVersion}, 0, false},
        {"version 2, on", "[bridge]\nbridging = on\n", 1, {kVersion, kGet}, 0, true},
        {"version 2, off", "[bridge]\nbridging = off\n", 0, {kVersion, kGet, kVersion, kSet}, 1, true},
        {"version 2, off, requests end later", "[bridge]\npending = later\n", 0, {kVersion, kGet, kVersion, kSet}, 1, true},
        {"requests never end", "[bridge]\npending = never\n", 0, {kVersion, kVersion}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        softap::g_BridgeSetCount = 0;
        Load(testutil::Scenario("no-adapter.scn") + c.section);
        EXPECT_EQ(StartSteps(), c.state);
        EXPECT_EQ(Codes(), c.codes);
        EXPECT_EQ(softap::g_BridgeSetCount, c.sets);
        EXPECT_EQ(world.Bridging(), c.bridgingAfter);
        EXPECT_EQ(world.OpenBridgeHandles(), 0u);
        EXPECT_EQ(world.AbandonedBridgeRequests(), 0u) << "no request outlives its buffers";
        platform::sim::Uninstall();
    }
}

TEST_F(BridgeDeviceTest, RequestsThatNeverEndAreCancelledAndReportFailure) {
    Load(testutil::Scenario("no-adapter.scn") + "[bridge]\npending = never\n");
    softap::BridgeDevice device;
    ASSERT_TRUE(device.Open(softap::kBridgeDeviceName));
    EXPECT_EQ(device.GetBridgeVersion(), softap::kNoBridgeVersion);
    EXPECT_FALSE(device.SetBridging(1));
    for (const auto& call : world.BridgeCalls()) {
        EXPECT_TRUE(call.pended);
        EXPECT_EQ(call.error, static_cast<DWORD>(ERROR_OPERATION_ABORTED));
    }
    device.Close();
    EXPECT_EQ(world.AbandonedBridgeRequests(), 0u);
}

TEST_F(BridgeDeviceTest, ADeviceThatIsNotOpenSendsNothing) {
    Load(testutil::Scenario("no-adapter.scn") + "[bridge]\n");
    softap::BridgeDevice device;
    EXPECT_FALSE(device.IsOpened());
    DWORD returned = 0;
    uint32_t value = 0;
    EXPECT_FALSE(device.Control(kGet, nullptr, 0, &value, sizeof(value), &returned));
    EXPECT_EQ(device.GetBridgingState(), 0u);
    EXPECT_TRUE(world.BridgeCalls().empty());
    ASSERT_TRUE(device.Open(softap::kBridgeDeviceName));
    EXPECT_TRUE(device.IsOpened());
    device.Close();
    EXPECT_FALSE(device.IsOpened());
    EXPECT_EQ(world.OpenBridgeHandles(), 0u);
}

}  // namespace
