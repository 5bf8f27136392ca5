#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "shared/adapter/chip_table.h"

namespace {

std::map<int, int> RowsPerChip(const HardwareIdRow* table, size_t count)
{
    std::map<int, int> rows;
    for (size_t i = 0; i < count; ++i)
        ++rows[table[i].chipIndex];
    return rows;
}

TEST(HardwareIdTables, RowsPerChipIndex)
{
    EXPECT_EQ(RowsPerChip(UsbHardwareIdTable, kUsbHardwareIdCount),
              (std::map<int, int>{{1, 24}, {5, 29}, {8, 19}}));
    EXPECT_EQ(RowsPerChip(PciHardwareIdTable, kPciHardwareIdCount),
              (std::map<int, int>{{0, 1}, {4, 3}, {6, 1}, {7, 4}}));
}

TEST(HardwareIdTables, IdsAreUniqueUpperCaseAndOfTheirBusForm)
{
    std::set<std::string> seen;
    auto check = [&](const HardwareIdRow* table, size_t count, const char* prefix) {
        for (size_t i = 0; i < count; ++i) {
            const std::string id = table[i].id;
            SCOPED_TRACE(id);
            EXPECT_EQ(id.size(), kHardwareIdLength);
            EXPECT_EQ(id.rfind(prefix, 0), 0u);
            for (char c : id)
                EXPECT_FALSE(std::islower(static_cast<unsigned char>(c)));
            for (size_t k = id.size() - 4; k < id.size(); ++k)
                EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(id[k])));
            EXPECT_TRUE(seen.insert(id).second) << "duplicate";
            EXPECT_GE(table[i].chipIndex, 0);
            EXPECT_LT(table[i].chipIndex, kChipCount);
        }
    };
    check(UsbHardwareIdTable, kUsbHardwareIdCount, "USB\\VID_F0E1&PID_");
    check(PciHardwareIdTable, kPciHardwareIdCount, "PCI\\VEN_F0E1&DEV_");
}

TEST(SupportedChipTable, FamiliesInChipOrderWithDriverFiles)
{
    const char* families[kChipCount] = {"KV10", "KV11", "KV20",   "KV21", "KV30",
                                        "KV31", "KV40_A", "KV40", "KV41"};
    for (int chip = 0; chip < kChipCount; ++chip) {
        SCOPED_TRACE(chip);
        EXPECT_STREQ(SupportedChipTable[chip].familyId, families[chip]);
        for (int column = 0; column < 5; ++column) {
            ASSERT_NE(SupportedChipTable[chip].driverFiles[column], nullptr);
            const bool noNineDriver = chip == 8 && column == 0;
            EXPECT_EQ(std::strlen(SupportedChipTable[chip].driverFiles[column]) == 0, noNineDriver);
        }
    }
}

struct LookupCase {
    bool usb;
    const char* id;
    int chip;
};

class ChipLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ChipLookup, FindsChipIndex)
{
    EXPECT_EQ(FindChipIndex(GetParam().usb, GetParam().id), GetParam().chip);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, ChipLookup,
    ::testing::Values(LookupCase{true, "USB\\VID_F0E1&PID_1101", 1},
                      LookupCase{true, "USB\\VID_F0E1&PID_1124", 1},
                      LookupCase{true, "USB\\VID_F0E1&PID_5129", 5},
                      LookupCase{true, "USB\\VID_F0E1&PID_8119", 8},
                      // A revision suffix past the 21 characters still matches.
                      LookupCase{true, "USB\\VID_F0E1&PID_5101&REV_0001", 5},
                      LookupCase{false, "PCI\\VEN_F0E1&DEV_7001&SUBSYS_00000000&REV_01", 7},
                      LookupCase{false, "PCI\\VEN_F0E1&DEV_0001", 0},
                      LookupCase{false, "PCI\\VEN_F0E1&DEV_4003", 4},
                      LookupCase{false, "PCI\\VEN_F0E1&DEV_6001", 6},
                      // Gaps, neighbours, the other table, short and empty ids.
                      LookupCase{true, "USB\\VID_F0E1&PID_1125", -1},
                      LookupCase{true, "USB\\VID_F0E1&PID_5130", -1},
                      LookupCase{true, "USB\\VID_F0E1&PID_510", -1},
                      LookupCase{false, "USB\\VID_F0E1&PID_5101", -1},
                      LookupCase{true, "PCI\\VEN_F0E1&DEV_7001", -1},
                      LookupCase{false, "PCI\\VEN_F0E1&DEV_7005", -1},
                      LookupCase{true, "", -1},
                      LookupCase{true, nullptr, -1}));

TEST(ChipLookup, UsbPrefixComesFromTheUsbTable)
{
    EXPECT_TRUE(IsUsbHardwareId("USB\\VID_F0E1&PID_5101"));
    EXPECT_TRUE(IsUsbHardwareId("USBSTOR\\DISK"));
    EXPECT_FALSE(IsUsbHardwareId("PCI\\VEN_F0E1&DEV_7001"));
    EXPECT_FALSE(IsUsbHardwareId("US"));
    EXPECT_FALSE(IsUsbHardwareId(nullptr));
}

TEST(CopyHardwareId, UpperCasesTheFirst21CharactersZeroFilled)
{
    char out[kHardwareIdLength + 1];
    std::memset(out, 'x', sizeof(out));
    const char raw[] = "usb\\vid_f0e1&pid_5101&rev_0001\0USB\\VID_F0E1&PID_5101";
    CopyHardwareId(raw, sizeof(raw), out);
    EXPECT_STREQ(out, "USB\\VID_F0E1&PID_5101");
    EXPECT_EQ(FindChipIndex(true, out), 5);

    std::memset(out, 'x', sizeof(out));
    CopyHardwareId("pci\\ven", 8, out);
    EXPECT_STREQ(out, "PCI\\VEN");
    for (size_t i = 7; i < sizeof(out); ++i)
        EXPECT_EQ(out[i], '\0') << i;
}

TEST(CopyHardwareId, NeverReadsPastAnUnterminatedBuffer)
{
    // Exactly sized, no terminator: ASan catches a read past the end.
    char* raw = new char[10];
    std::memcpy(raw, "usb\\vid_f0", 10);
    char out[kHardwareIdLength + 1];
    CopyHardwareId(raw, 10, out);
    delete[] raw;
    EXPECT_STREQ(out, "USB\\VID_F0");
}

}  // namespace

namespace {

TEST(ChipLookup, DiscoveryScanSearchesBothTablesAndKeepsOutOnMiss)
{
    int chip = 42;
    EXPECT_EQ(FindChipIndex("USB\\VID_F0E1&PID_8101&REV_0200", &chip), 1);
    EXPECT_EQ(chip, 8);
    EXPECT_EQ(FindChipIndex("PCI\\VEN_F0E1&DEV_4002&SUBSYS_1", &chip), 1);
    EXPECT_EQ(chip, 4);
    chip = 42;
    EXPECT_EQ(FindChipIndex("PCI\\VEN_1234&DEV_4002", &chip), 0);
    EXPECT_EQ(FindChipIndex(nullptr, &chip), 0);
    EXPECT_EQ(chip, 42);
}

}  // namespace
