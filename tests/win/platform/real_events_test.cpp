// The real WMI subscription under Wine, whose WMI accepts it and never delivers: what
// matters is the round trip and that the sink is let go.
#include <gtest/gtest.h>

#include "platform/driver_events.h"
#include "platform/win32/real.h"
#include "recording_sink.h"

TEST(RealDriverEvents, ConnectAndDisconnect) {
    platform::DriverEvents& e = platform::win32::RealEvents();
    RecordingSink sink;
    EXPECT_EQ(e.Connect(nullptr), 0);
    ASSERT_EQ(e.Connect(&sink), 1);
    EXPECT_TRUE(e.IsConnected());
    EXPECT_EQ(e.Connect(&sink), 0) << "one subscription at a time";
    e.Disconnect();
    EXPECT_FALSE(e.IsConnected());
    e.Disconnect();
    EXPECT_EQ(e.Connect(&sink), 1) << "a second subscription in the same process works too";
    e.Disconnect();
    // Wine's WMI may keep a reference of its own; ours is back.
    EXPECT_GE(sink.refs, 1);
    // Each subscription balanced its COM initialisation.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    CoUninitialize();
}

// The subscription's apartment is not the caller's: the user-interface thread can still get
// the single-threaded apartment the file dialogs and the shell need, while subscribed and
// after, and a thread already in one can subscribe.
TEST(RealDriverEvents, CallersThreadKeepsItsApartment) {
    platform::DriverEvents& e = platform::win32::RealEvents();
    RecordingSink sink;
    ASSERT_EQ(e.Connect(&sink), 1);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK) << "no apartment joined here";
    CoUninitialize();
    e.Disconnect();

    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(e.Connect(&sink), 1);
    e.Disconnect();
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK) << "the thread's own balanced";
    CoUninitialize();
}
