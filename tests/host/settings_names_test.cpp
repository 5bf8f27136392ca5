// Settings-file names: folder, chip prefix, adapter name, kind suffix.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "station/core/settings/settings_names.h"
#include "station/profiles/profile_keys.h"

namespace {

constexpr const char* kAdapter = "{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}";

TEST(SettingsNames, PrefixPerChipAndSuffixPerKind) {
    struct Case {
        int chip;
        int kind;
        const char* expected;
    };
    const Case cases[] = {
        {0, kSettingsStation, "KV10PCI_"},
        {1, kSettingsAp, "KV10USB_"},
        {2, kSettingsProfiles, "KV20PCI_"},
        {3, kSettingsWps, "KV20USB_"},
        {4, kSettingsStation, "KV30_"},
        {5, kSettingsProfiles, "KV31_"},
        {6, kSettingsWps, "KV40_"},
        {7, kSettingsWps, "KV40_"},  // shares 6's files
        {8, kSettingsAp, "KV41_"},
    };
    const char* suffixes[] = {"_sta", "_ap", "_prof", "_wsc"};
    for (const Case& c : cases)
        EXPECT_EQ(SettingsFileName("C:\\data\\", c.chip, kAdapter, c.kind),
                  std::string("C:\\data\\") + c.expected + kAdapter + suffixes[c.kind])
            << "chip " << c.chip;
}

TEST(SettingsNames, UnknownKindGetsNoSuffixAndUnknownChipNoPrefix) {
    EXPECT_EQ(SettingsFileName(".\\", 5, "A", 4), ".\\KV31_A");
    EXPECT_EQ(SettingsFileName(".\\", 5, "A", -1), ".\\KV31_A");
    EXPECT_EQ(SettingsFileName(".\\", -1, "A", kSettingsProfiles), ".\\A_prof");
    EXPECT_EQ(SettingsFileName(".\\", 9, "A", kSettingsProfiles), ".\\A_prof");
}

TEST(ProfileKeys, FortyNineDistinctKeysThenActiveTime) {
    std::set<std::string> seen;
    for (size_t i = 0; i < kProfileKeyCount; ++i) {
        ASSERT_NE(kProfileKeys[i], nullptr) << i;
        EXPECT_TRUE(seen.insert(kProfileKeys[i]).second) << kProfileKeys[i];
    }
    EXPECT_EQ(seen.size(), 49u);
    EXPECT_STREQ(kProfileKeys[kProfileKeyCount], "ActiveTime");
    EXPECT_EQ(seen.count("ActiveTime"), 0u);
    EXPECT_EQ(seen.count("PACFilePath"), 1u);
}

}  // namespace
