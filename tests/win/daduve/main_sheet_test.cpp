// Havix's main sheet as the tray window opens it: its pages, the WDS and 11n Setting pages
// that come and go, the buttons, and every way it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/win/layout_check.h"
#include "tray_fixture.h"

namespace {

class MainSheetTest : public TrayTest {};

TEST_F(MainSheetTest, ButtonLayout) {
    LoadSoftAp();
    Run([&] {
        ASSERT_TRUE(SheetShown());
        for (int id : {IDOK, IDCANCEL, 0x3021, IDHELP}) {
            HWND b = Sheet()->GetDlgItem(id);
            RECT r{};
            if (b) GetWindowRect(b, &r);
            std::printf("%d: %p vis=%d en=%d %ld,%ld,%ld,%ld\n", id, (void*)b, b ? IsWindowVisible(b) : -1,
                        b ? IsWindowEnabled(b) : -1, r.left, r.top, r.right, r.bottom);
        }
    });
}

}  // namespace
