#include <gtest/gtest.h>

#include "shared/system/os_code.h"

namespace {

struct OsCase {
    const char* name;
    OsVersionRecord version;
    int expected;
};

OsVersionRecord Nine(uint32_t major, uint32_t minor, uint32_t build)
{
    return {kPlatformWin9x, major, minor, build, 0, true};
}
OsVersionRecord Nt(uint32_t major, uint32_t minor, uint8_t productType, bool extended = true)
{
    return {kPlatformWinNt, major, minor, 2600, productType, extended};
}

constexpr uint8_t kWorkstation = kProductWorkstation;
constexpr uint8_t kDomainController = 2;
constexpr uint8_t kServer = 3;

const OsCase kCases[] = {
    {"Win95", Nine(4, 0, 950), 2},
    {"Win98", Nine(4, 10, 1998), 3},
    // 9x keeps major.minor in the high word of the build number.
    {"Win98HighWordIgnored", Nine(4, 10, 0x040A07CE), 3},
    {"Win98SE", Nine(4, 10, 2222), 4},
    {"Win98SEHighWord", Nine(4, 10, 0x040A08AE), 4},
    {"WinMe", Nine(4, 90, 3000), 5},
    {"NineOtherMinor", Nine(4, 3, 1), 0},
    {"NineOtherMajor", Nine(5, 0, 1), 0},
    {"Win32s", {kPlatformWin32s, 3, 10, 0, 0, true}, 0},
    {"UnknownPlatform", {3, 5, 1, 0, kWorkstation, true}, 0},
    {"Nt351", Nt(3, 51, 0), 6},
    {"Nt4", Nt(4, 0, kWorkstation), 6},
    {"Win2000", Nt(5, 0, kWorkstation), 7},
    {"WinXp", Nt(5, 1, kWorkstation), 8},
    {"Server2003", Nt(5, 2, kServer), 9},
    {"Server2003DomainController", Nt(5, 2, kDomainController), 9},
    {"XpX64", Nt(5, 2, kWorkstation), 10},
    {"Vista", Nt(6, 0, kWorkstation), 11},
    {"Server2008", Nt(6, 0, kServer), 11},
    {"Win7", Nt(6, 1, kWorkstation), 11},
    {"Nt53Workstation", Nt(5, 3, kWorkstation), 12},
    {"Nt10Workstation", Nt(10, 0, kWorkstation), 12},
    {"Nt53Server", Nt(5, 3, kServer), 13},
    {"Nt7Server", Nt(7, 0, kDomainController), 13},
    // Only the basic structure answered: the product type reads as 0, whatever is in the record.
    {"BasicXpX64CountsAsServer", Nt(5, 2, kWorkstation, false), 9},
    {"BasicNewerCountsAsServer", Nt(10, 0, kWorkstation, false), 13},
    {"BasicXp", Nt(5, 1, 0, false), 8},
    {"BasicVista", Nt(6, 0, 0, false), 11},
};

class OsCodeTable : public ::testing::TestWithParam<OsCase> {};

TEST_P(OsCodeTable, Classifies)
{
    EXPECT_EQ(OsCodeFromVersion(GetParam().version), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Versions, OsCodeTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
