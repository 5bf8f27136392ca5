#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "identity_globals.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/system/os_code.h"

namespace {

using ChipPredicates = IdentityGlobals;

TEST_F(ChipPredicates, HtOnlyForChips6To8AboveOsCode6)
{
    for (int os : {0, 2, 4, 5, 6, 7, 8, 10, 11, 13}) {
        g_OsCode = os;
        for (int chip = -1; chip <= 9; ++chip) {
            SCOPED_TRACE(testing::Message() << "os " << os << " chip " << chip);
            const bool ht = os > 6 && chip >= 6 && chip <= 8;
            EXPECT_EQ(IsHtChip(chip), ht ? 1 : 0);
            EXPECT_EQ(HtChipIndex(chip), ht ? chip - 5 : 0);
            EXPECT_EQ(IsNoWpsChip(chip), chip == 0 || chip == 1 ? 1 : 0);
        }
    }
}

TEST_F(ChipPredicates, SetChipFlagsFollowsTheSelectedChip)
{
    g_OsCode = 11;
    SetChipFlags(7);
    EXPECT_EQ(g_IsHtChip, 1);
    EXPECT_EQ(g_HtChipIndex, 2);
    EXPECT_EQ(g_NoWpsChip, 0);

    SetChipFlags(1);
    EXPECT_EQ(g_IsHtChip, 0);
    EXPECT_EQ(g_HtChipIndex, 0);
    EXPECT_EQ(g_NoWpsChip, 1);

    g_OsCode = 5;  // the 9x driver of an 11n chip does no 11n
    SetChipFlags(8);
    EXPECT_EQ(g_IsHtChip, 0);
    EXPECT_EQ(g_HtChipIndex, 0);
}

TEST(IdentityDefaults, NoAdapterUntilDiscovery)
{
    EXPECT_EQ(g_ChipIndex, -1);
    EXPECT_EQ(sizeof(g_HardwareId), 22u);
    EXPECT_EQ(std::string(g_HardwareId, sizeof(g_HardwareId)), std::string(22, '\0'));
}

constexpr const char* kDriver = "{4d36e972-e325-11ce-bfc1-08002be10318}\\0007";
constexpr const char* kInstance = "{6A0B6C3E-1F59-4F62-9C6D-3A8E2B1D4F70}";

TEST(DriverKeyPath, RootFollowsOsCode)
{
    char out[512];
    for (int os : {7, 8, 10, 11, 13}) {
        ASSERT_TRUE(BuildDriverKeyPath(os, kDriver, out));
        EXPECT_EQ(std::string(out), std::string("System\\CurrentControlSet\\Control\\Class\\") + kDriver);
    }
    for (int os : {0, 2, 4, 5, 6}) {
        ASSERT_TRUE(BuildDriverKeyPath(os, "Net\\0002", out));
        EXPECT_STREQ(out, "System\\CurrentControlSet\\Services\\Class\\Net\\0002");
    }
}

TEST(DriverKeyPath, TooLongOrMissingNameLeavesItEmpty)
{
    char out[48];
    std::memset(out, 'x', sizeof(out));
    EXPECT_FALSE(BuildDriverKeyPath(8, kDriver, out));
    EXPECT_STREQ(out, "");
    std::memset(out, 'x', sizeof(out));
    EXPECT_FALSE(BuildDriverKeyPath(8, nullptr, out));
    EXPECT_STREQ(out, "");
}

struct DevicePathCase {
    int os;
    int chip;
    const char* expected;  // nullptr: no path
};

class DevicePath : public ::testing::TestWithParam<DevicePathCase> {};

TEST_P(DevicePath, PrefixAndTailByOsCode)
{
    char out[256];
    std::memset(out, 'x', sizeof(out));
    const DevicePathCase& c = GetParam();
    EXPECT_EQ(BuildDevicePath(c.os, kInstance, c.chip, out), c.expected != nullptr);
    EXPECT_STREQ(out, c.expected != nullptr ? c.expected : "");
}

const std::string kNtPath = std::string("\\\\.\\") + kInstance;

INSTANTIATE_TEST_SUITE_P(
    Codes, DevicePath,
    ::testing::Values(DevicePathCase{7, 5, kNtPath.c_str()}, DevicePathCase{11, 0, kNtPath.c_str()},
                      DevicePathCase{13, -1, kNtPath.c_str()},
                      DevicePathCase{4, 6, "\\\\.\\KV40_A"}, DevicePathCase{5, 0, "\\\\.\\KV10"},
                      DevicePathCase{5, 8, "\\\\.\\KV41"},
                      // No adapter can be reached on these systems.
                      DevicePathCase{0, 5, nullptr}, DevicePathCase{2, 5, nullptr},
                      DevicePathCase{3, 5, nullptr}, DevicePathCase{6, 5, nullptr},
                      // A chip index that is no table row gives no path, not a stray read.
                      DevicePathCase{4, -1, nullptr}, DevicePathCase{5, 9, nullptr}));

TEST(DevicePathLimits, TooLongOrMissingIdLeavesItEmpty)
{
    char small[20];
    std::memset(small, 'x', sizeof(small));
    EXPECT_FALSE(BuildDevicePath(8, kInstance, 5, small));
    EXPECT_STREQ(small, "");

    char out[256];
    std::memset(out, 'x', sizeof(out));
    EXPECT_FALSE(BuildDevicePath(8, nullptr, 5, out));
    EXPECT_STREQ(out, "");
}

}  // namespace
