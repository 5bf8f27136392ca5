// The driver's WMI events in the simulated world: batches of event objects reach the
// subscribed sink on a thread of their own, at the scenario's times or when a test raises
// them, and never after the subscription ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/driver_events.h"
#include "recording_sink.h"
#include "sim_fixture.h"

namespace {

using Batches = std::vector<std::vector<std::string>>;
using SimDriverEventsTest = SimWorldTest;

TEST_F(SimDriverEventsTest, BatchesArriveAtScenarioTimesWhileSubscribed) {
    std::string text = kOneAdapter;
    text.insert(text.find("signal"),
                "driver_event_at = 100\n"
                "driver_event_at = 500 QelWLANMessageEvent - QelWLANMessageEvent\n"
                "driver_event_at = 700 QelWLANMessageEventEx\n"
                "driver_event_at = 900\n");
    Load(text);
    RecordingSink sink;
    world_.clock().Advance(200);  // the event at 100 fires with nobody listening
    ASSERT_EQ(platform::Events().Connect(&sink), 1);
    EXPECT_TRUE(platform::Events().IsConnected());
    EXPECT_EQ(sink.refs, 2) << "the subscription holds the sink";
    EXPECT_EQ(platform::Events().Connect(&sink), 0) << "one subscription at a time";

    world_.clock().Advance(600);  // 800: the batches at 500 and 700
    ASSERT_TRUE(world_.WaitDriverEventsDelivered());
    world_.RaiseDriverEvent({"", "QelWLANMessageEvent"});
    ASSERT_TRUE(world_.WaitDriverEventsDelivered());
    EXPECT_EQ(sink.Batches(), (Batches{{"QelWLANMessageEvent", "", "QelWLANMessageEvent"},
                                       {"QelWLANMessageEventEx"},
                                       {"", "QelWLANMessageEvent"}}));
    for (DWORD t : sink.threads) EXPECT_NE(t, GetCurrentThreadId()) << "delivered from the event thread";

    platform::Events().Disconnect();
    EXPECT_FALSE(platform::Events().IsConnected());
    EXPECT_EQ(sink.refs, 1) << "let go";
    world_.clock().Advance(400);
    world_.RaiseDriverEvent();
    world_.ApplySchedule();
    EXPECT_EQ(sink.Batches().size(), 3u);
    EXPECT_EQ(world_.DriverEventsDelivered(), 3u);
    platform::Events().Disconnect();
}

TEST_F(SimDriverEventsTest, EventsOfAnUnpluggedCardAreNotHeard) {
    std::string text = kOneAdapter;
    text.insert(text.find("signal"), "driver_event_at = 300\nunplug_at = 200\n");
    Load(text);
    RecordingSink sink;
    ASSERT_EQ(platform::Events().Connect(&sink), 1);
    world_.clock().Advance(400);
    ASSERT_TRUE(world_.WaitDriverEventsDelivered());
    EXPECT_TRUE(sink.Batches().empty());
    platform::Events().Disconnect();
}

TEST(SimDriverEventsScenario, BatchesAreClassNamesOrADash) {
    const std::string head = std::string(kOneAdapter).substr(0, std::string(kOneAdapter).find("[network]"));
    platform::sim::Scenario sc;
    platform::sim::ParseError err;
    ASSERT_TRUE(platform::sim::ParseScenario(head + "driver_event_at = 5 A_1 - b\ndriver_event_at = 6\n", &sc, &err))
        << err.Text();
    ASSERT_EQ(sc.adapters[0].driverEvents.size(), 2u);
    EXPECT_EQ(sc.adapters[0].driverEvents[0].objects, (std::vector<std::string>{"A_1", "", "b"}));
    EXPECT_EQ(sc.adapters[0].driverEvents[1].objects, (std::vector<std::string>{"QelWLANMessageEvent"}));
    for (const char* bad : {"driver_event_at =\n", "driver_event_at = 5 Qel.Event\n", "driver_event_at = 5 9Class\n",
                            "driver_event_at = soon\n"})
        EXPECT_FALSE(platform::sim::ParseScenario(head + bad, nullptr, &err)) << bad;
}

}  // namespace
