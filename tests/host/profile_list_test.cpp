// The Profile page's order by last activation and its default names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "station/profiles/profile_list.h"

namespace {

TEST(ProfileList, ActiveTimeFieldsOutOfRangeTakeTheirLeastValue) {
    const struct {
        const char* text;
        ActiveTime expected;
    } cases[] = {
        {"2024, 3, 9, 14, 5, 59", {2024, 3, 9, 14, 5, 59}},
        {"2100, 13, 40, 25, 61, 61", {2100, 1, 1, 0, 0, 0}},
        {" 2024 ,  12 , 31 , 23 , 59 , 0 ", {2024, 12, 31, 23, 59, 0}},
        {"1970, 0, 0, -1, -1, -1", {1971, 1, 1, 0, 0, 0}},
        {"3001, 6", {1971, 6, 1, 0, 0, 0}},
        {"", {1971, 1, 1, 0, 0, 0}},
        {"garbage", {1971, 1, 1, 0, 0, 0}},
        {"2024,,5", {2024, 1, 5, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const ActiveTime t = ParseActiveTime(c.text);
        EXPECT_EQ(FormatActiveTime(t), FormatActiveTime(c.expected)) << c.text;
    }
    EXPECT_EQ(FormatActiveTime({2024, 3, 9, 14, 5, 7}), "2024, 3, 9, 14, 5, 7");
}

TEST(ProfileList, NewestFirstAndEqualTimesInFileOrder) {
    const struct {
        const char* name;
        const char* time;
    } file[] = {
        {"Old", "2020, 1, 1, 0, 0, 0"}, {"Never", ""},  {"New", "2024, 5, 1, 8, 0, 0"},
        {"TieA", "2022, 2, 2, 2, 2, 2"}, {"TieB", "2022, 2, 2, 2, 2, 2"}, {"AlsoNever", "bad"},
        // 31 February runs on into March, as the system's conversion does.
        {"Feb31", "2023, 2, 31, 0, 0, 0"}, {"Mar2", "2023, 3, 2, 0, 0, 0"},
    };
    std::vector<ProfileListEntry> list;
    for (const auto& f : file) {
        ProfileListEntry e;
        e.texts[0] = f.name;
        e.activeSeconds = ActiveTimeSeconds(ParseActiveTime(f.time));
        InsertByActiveTime(list, e);
    }
    std::vector<std::string> order;
    for (const auto& e : list) order.push_back(e.texts[0]);
    EXPECT_EQ(order, (std::vector<std::string>{"New", "Feb31", "Mar2", "TieA", "TieB", "Old", "Never", "AlsoNever"}));
}

TEST(ProfileList, DefaultNameFollowsTheLargestNumber) {
    EXPECT_EQ(NextProfileName({}), "PROF1");
    EXPECT_EQ(NextProfileName({"PROF1", "prof7", "Home"}), "PROF8");
    EXPECT_EQ(NextProfileName({"PROFILE", "Prof3x", "PRO9"}), "PROF4");
    EXPECT_EQ(NextProfileName({"PROF"}), "PROF1");
}

TEST(ProfileList, NamesCompareWithoutCase) {
    EXPECT_TRUE(SameProfileName("prof1", "PROF1"));
    EXPECT_FALSE(SameProfileName("prof1", "prof10"));
    EXPECT_EQ(TrimProfileName("  Home \t"), "Home");
}

}  // namespace
