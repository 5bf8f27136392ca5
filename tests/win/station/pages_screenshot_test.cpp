// Not run by default: opens the main sheet on a scenario with a live link and shows one page
// while its values move, for a look at it.
//   LUMORA_SHOT_SCENARIO=ht-link.scn LUMORA_SHOT_PAGE=statistics|about|link main_window_tests
//       --gtest_also_run_disabled_tests --gtest_filter='*PagesScreenshot*'
// and take pictures while it waits (LUMORA_SHOW_MS, 10000 by default).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "station/core/qel_prop_sheet.h"
#include "station_fixture.h"

namespace {

const char* Env(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

class PagesScreenshot : public MainWindowFixture {};

TEST_F(PagesScreenshot, DISABLED_Show) {
    Load(testutil::Scenario(Env("LUMORA_SHOT_SCENARIO", "default.scn")));
    const std::string page = Env("LUMORA_SHOT_PAGE", "link");
    const DWORD ms = static_cast<DWORD>(std::atoi(Env("LUMORA_SHOW_MS", "10000")));
    Run([&] {
        ASSERT_NE(dialog.m_pSheet, nullptr);
        CQelPropSheet* sheet = dialog.m_pSheet;
        // Clear of Wine's tray window, which sits at the top left.
        SetWindowPos(sheet->m_hWnd, nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        fw::PumpMessages(1500);  // the first scan fills the display list
        if (page == "statistics") sheet->SetActivePage(sheet->StatisticPage());
        else if (page == "about") sheet->SetActivePage(sheet->AboutPage());
        else sheet->SetActivePage(sheet->LinkStatusPage());
        fw::PumpMessages(ms);
    });
}

}  // namespace
