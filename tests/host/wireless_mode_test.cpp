#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "identity_globals.h"
#include "shared/radio/wireless_mode.h"

namespace {

struct NormalizeCase {
    int mode;
    int supports5GHz;
    int isHt;
    int expected;
};

class NormalizeMode : public IdentityGlobals, public ::testing::WithParamInterface<NormalizeCase> {
};

TEST_P(NormalizeMode, FoldsOntoAdapterAbilities)
{
    const NormalizeCase& c = GetParam();
    g_Supports5GHz = c.supports5GHz;
    g_IsHtChip = c.isHt;

    int mode = c.mode;
    NormalizeWirelessMode(mode);
    EXPECT_EQ(mode, c.expected);

    char text[16];
    std::snprintf(text, sizeof(text), "%d", c.mode);
    NormalizeWirelessModeText(text);
    EXPECT_EQ(std::string(text), std::to_string(c.expected));
}

// {mode, 5 GHz, 11n, result}
INSTANTIATE_TEST_SUITE_P(
    Modes, NormalizeMode,
    ::testing::Values(
        // 5: neither ability gives 9 then 0; 5 GHz only gives 3; both keep 5; 11n only gives 9.
        NormalizeCase{5, 0, 0, 0}, NormalizeCase{5, 1, 0, 3}, NormalizeCase{5, 1, 1, 5},
        NormalizeCase{5, 0, 1, 9},
        // Legacy numbers fold first, then meet the ability rules.
        NormalizeCase{7, 1, 1, 4}, NormalizeCase{7, 0, 0, 4}, NormalizeCase{8, 1, 1, 2},
        NormalizeCase{10, 1, 1, 2}, NormalizeCase{8, 0, 1, 0}, NormalizeCase{10, 0, 0, 0},
        // A-band modes need 5 GHz.
        NormalizeCase{2, 0, 1, 0}, NormalizeCase{3, 0, 1, 0}, NormalizeCase{2, 1, 0, 2},
        NormalizeCase{3, 1, 0, 3},
        // 11n modes need an 11n chip.
        NormalizeCase{6, 1, 0, 0}, NormalizeCase{9, 1, 0, 0}, NormalizeCase{6, 1, 1, 6},
        NormalizeCase{9, 0, 1, 9},
        // Always kept.
        NormalizeCase{0, 0, 0, 0}, NormalizeCase{1, 0, 0, 1}, NormalizeCase{4, 0, 0, 4},
        NormalizeCase{11, 0, 0, 11}, NormalizeCase{-1, 1, 1, -1}));

using NormalizeModeText = IdentityGlobals;

TEST_F(NormalizeModeText, LeavesTextThatNeedsNoChangeOrIsNoNumber)
{
    g_Supports5GHz = 0;
    g_IsHtChip = 0;
    for (const char* kept : {"", "abc", "1", "4", " 11", "99999999999999999999", "+1"}) {
        char text[32];
        std::strcpy(text, kept);
        NormalizeWirelessModeText(text);
        EXPECT_STREQ(text, kept);
    }
    NormalizeWirelessModeText(nullptr);
}

TEST_F(NormalizeModeText, RewritesWithinTheTextItReplaces)
{
    g_Supports5GHz = 0;
    g_IsHtChip = 0;
    // Exactly sized: "10" -> "0" and "7" -> "4" must stay inside the buffer (ASan).
    char* ten = new char[3];
    std::memcpy(ten, "10", 3);
    NormalizeWirelessModeText(ten);
    EXPECT_STREQ(ten, "0");
    delete[] ten;

    char* seven = new char[2];
    std::memcpy(seven, "7", 2);
    NormalizeWirelessModeText(seven);
    EXPECT_STREQ(seven, "4");
    delete[] seven;
}

TEST(WirelessModeMaps, InverseOnTheTableAndZeroOutside)
{
    const int values[] = {0, 1, 2, 3, 4, 5, 6, 9};
    const int positions[] = {1, 0, 3, 4, 2, 5, 6, 9};
    for (size_t i = 0; i < std::size(values); ++i) {
        int position = -7;
        ASSERT_EQ(MapWirelessModeIndex(values[i], position), 1);
        EXPECT_EQ(position, positions[i]) << values[i];
        int back = -7;
        ASSERT_EQ(MapWirelessModeValue(position, back), 1);
        EXPECT_EQ(back, values[i]);
    }
    for (int outside : {-1, 7, 8, 10, 100}) {
        int out = 42;
        EXPECT_EQ(MapWirelessModeIndex(outside, out), 0);
        EXPECT_EQ(MapWirelessModeValue(outside, out), 0);
        EXPECT_EQ(out, 42);
    }
}

}  // namespace
