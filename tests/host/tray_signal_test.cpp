// The soft-AP tray icon's own percent table and the picture a percent selects; the help
// file's name by language.
#include <gtest/gtest.h>

#include <string>

#include "softap/core/help_path.h"
#include "softap/core/tray_signal.h"
#include "resources/softap/resource.h"

namespace {

TEST(TraySignal, RssiToPercentByHavixsTable) {
    const struct {
        int rssi;
        int percent;
    } cases[] = {{0, 100}, {-40, 100}, {-41, 98}, {-60, 60}, {-70, 40}, {-80, 20},
                 {-81, 15}, {-82, 10}, {-84, 0},  {-85, 0},  {-200, 0}};
    for (const auto& c : cases) EXPECT_EQ(softap::RssiToPercent(c.rssi), c.percent) << c.rssi << " dBm";
}

TEST(TraySignal, PercentChoosesTheIcon) {
    const struct {
        int percent;
        unsigned icon;
    } cases[] = {{100, IDI_TRAY_GOOD}, {71, IDI_TRAY_GOOD}, {70, IDI_TRAY_NORMAL}, {41, IDI_TRAY_NORMAL},
                 {40, IDI_TRAY_WEAK},  {0, IDI_TRAY_WEAK}};
    for (const auto& c : cases) EXPECT_EQ(softap::TrayIconForPercent(c.percent), c.icon) << c.percent << " %";
}

TEST(HelpPath, LanguageChoosesTheFileBesideTheProgram) {
    EXPECT_EQ(softap::HelpFilePath("C:\\Program Files\\Tesmar\\Havix.exe", 0x0404),
              "C:\\Program Files\\Tesmar\\SorvelCHN.HLP");
    EXPECT_EQ(softap::HelpFilePath("C:\\Program Files\\Tesmar\\Havix.exe", 0x0409),
              "C:\\Program Files\\Tesmar\\SorvelENG.HLP");
    EXPECT_EQ(softap::HelpFilePath("C:\\Program Files\\Tesmar\\Havix.exe", 0x0804), "C:\\Program Files\\Tesmar\\SorvelENG.HLP")
        << "only Chinese (Taiwan)";
    // A folder of its own with .HLP in its name keeps it.
    EXPECT_EQ(softap::HelpFilePath("D:\\Help.HLP\\Havix.exe", 0x0409), "D:\\Help.HLP\\SorvelENG.HLP");
}

}  // namespace
