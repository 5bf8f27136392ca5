#include <gtest/gtest.h>

#include "shared/driver/driver_file.h"

namespace {

TEST(DriverFile, NameAndFolderFollowTheOsCode)
{
    const struct {
        int osCode, wow64, chip;
        const char* path;
        bool redirect;
    } cases[] = {
        {11, 0, 5, "\\drivers\\kv31v.sys", false},
        {11, 1, 5, "\\drivers\\kv31v64.sys", true},
        {10, 1, 5, "\\drivers\\kv31xp.sys", true},
        {10, 0, 5, "\\drivers\\kv31xp.sys", false},
        {8, 0, 7, "\\drivers\\kv40xp.sys", false},
        {7, 0, 0, "\\drivers\\kv10w2k.sys", false},
        {5, 0, 1, "\\kv11.sys", false},
        {3, 0, 4, "\\kv30.sys", false},
        {9, 0, 4, "\\kv30.sys", false},  // every other code above 2 looks for the oldest file
    };
    for (const auto& c : cases) {
        DriverFileChoice choice;
        ASSERT_TRUE(ChooseDriverFile(c.osCode, c.wow64, c.chip, &choice)) << c.osCode;
        EXPECT_EQ(choice.relativePath, c.path) << c.osCode;
        EXPECT_EQ(choice.redirectionOff, c.redirect) << c.osCode;
    }
}

TEST(DriverFile, NoFileWithoutANameForThisSystem)
{
    DriverFileChoice choice;
    EXPECT_FALSE(ChooseDriverFile(2, 0, 5, &choice));
    EXPECT_FALSE(ChooseDriverFile(0, 0, 5, &choice));
    EXPECT_FALSE(ChooseDriverFile(11, 0, -1, &choice));
    EXPECT_FALSE(ChooseDriverFile(11, 0, 9, &choice));
    EXPECT_FALSE(ChooseDriverFile(4, 0, 8, &choice));  // the last chip has no 9x driver
    EXPECT_TRUE(ChooseDriverFile(7, 0, 8, &choice));
}

// The soft-AP utility looks for the Windows XP file on every system from XP on, and turns
// redirection off only from code 10 on.
TEST(DriverFile, SoftApNameAndFolderFollowItsOsCode)
{
    const struct {
        int osCode, wow64, chip;
        const char* path;  // null: no file
        bool redirect;
    } cases[] = {
        {12, 1, 5, "\\drivers\\kv31xp.sys", true},
        {11, 1, 7, "\\drivers\\kv40xp.sys", true},
        {11, 0, 7, "\\drivers\\kv40xp.sys", false},
        {10, 1, 5, "\\drivers\\kv31xp.sys", true},
        {9, 1, 5, "\\drivers\\kv31xp.sys", false},
        {8, 1, 4, "\\drivers\\kv30xp.sys", false},
        {7, 0, 0, "\\drivers\\kv10w2k.sys", false},
        {6, 0, 1, "\\kv11.sys", false},
        {3, 0, 4, "\\kv30.sys", false},
        {4, 0, 8, nullptr, false},  // the last chip has no 9x driver
        {2, 0, 5, nullptr, false},
        {11, 0, 9, nullptr, false},
        {11, 0, -1, nullptr, false},
    };
    for (const auto& c : cases) {
        DriverFileChoice choice;
        const bool found = ChooseSoftApDriverFile(c.osCode, c.wow64, c.chip, &choice);
        ASSERT_EQ(found, c.path != nullptr) << c.osCode << " " << c.chip;
        if (!found) continue;
        EXPECT_EQ(choice.relativePath, c.path) << c.osCode;
        EXPECT_EQ(choice.redirectionOff, c.redirect) << c.osCode;
    }
}

}  // namespace
