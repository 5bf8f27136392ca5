// The real sharing configuration under Wine, which lacks "HNetCfg.HNetShare.1": both
// operations end quietly and leave the thread's COM as they found it.
#include <gtest/gtest.h>

#include <objbase.h>

#include "platform/ics_sharing.h"
#include "platform/win32/real.h"

TEST(RealIcsSharing, WithoutTheSharingObjectsBothOperationsEndQuietly) {
    platform::IcsSharing& ics = platform::win32::RealSharing();
    EXPECT_EQ(ics.DisableAllIcs(), 1);
    EXPECT_EQ(ics.EnableIcsOnConnection("Local Area Connection", platform::kIcsSharingPublic, 0), 0);
    EXPECT_EQ(ics.EnableIcsOnConnection(nullptr, platform::kIcsSharingPrivate, 1), 0);
    // Each operation uninitialised what it initialised.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    CoUninitialize();
}

TEST(RealIcsSharing, AThreadInTheOtherApartmentKeepsItsCom) {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    platform::IcsSharing& ics = platform::win32::RealSharing();
    EXPECT_EQ(ics.DisableAllIcs(), 1);
    EXPECT_EQ(ics.EnableIcsOnConnection("x", platform::kIcsSharingPublic, 0), 0);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "still initialised";
    CoUninitialize();
    CoUninitialize();
}
