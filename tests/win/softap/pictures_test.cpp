// Not run by default: a picture of every page of Havix's sheet, of its tray menu and of the 11n
// Setting page's dialogs, on the soft-AP scenario with the 11n Setting page shown, for the
// README (tools/pictures).
//   havix_window_tests --gtest_also_run_disabled_tests --gtest_filter='HavixPictures.*'
// writes havix-<page>.bmp and havix-tray-menu.bmp into SHOTS_DIR (default C:\).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "resources/softap/resource.h"
#include "tests/win/common/modal_steps.h"
#include "tests/win/common/picture_names.h"
#include "tests/win/station/window_shot.h"
#include "tray_fixture.h"

namespace {

class HavixPictures : public TrayTest {};

TEST_F(HavixPictures, DISABLED_Pictures) {
    LoadSoftAp();
    Run([&] {
        ASSERT_TRUE(SheetShown());
        softap::CQelPropSheet& sheet = *Sheet();
        SetText(DriverKey(), "bCheckBuild", "1");
        // Stations associate and the event table fills as the scenario's clock runs.
        for (int i = 0; i < 3; ++i) {
            fw::PumpMessages(400);
            Poll();
        }
        const HWND tabs = sheet.GetTabControl();
        for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
            PropSheet_SetCurSel(sheet.m_hWnd, nullptr, i);
            fw::PumpMessages(2200);  // the pages refresh every 2 s
            Poll();
            testutil::SaveWindowShot(sheet.m_hWnd, testutil::PictureName("havix", tabs, i).c_str());
        }
        testutil::SaveTrayMenu([&] { window.ShowTrayMenu(); }, "havix-tray-menu");
        // The 11n Setting page's dialogs, opened from its buttons.
        PropSheet_SetCurSel(sheet.m_hWnd, nullptr, TabCtrl_GetItemCount(tabs) - 1);
        const HWND page = PropSheet_GetCurrentPageHwnd(sheet.m_hWnd);
        ASSERT_EQ(page, sheet.BlockAckPage()->m_hWnd) << "the 11n Setting page is the last";
        const struct {
            int button;
            const char* caption;
            const char* picture;
        } dialogs[] = {{IDC_BA_ORIGINATOR_ADD, "Add MPDU Aggregation", "havix-11n-add"},
                       {IDC_BA_RECIPIENT_DELETE, "Delete Block Ack", "havix-11n-delete"}};
        for (const auto& d : dialogs)
            testutil::WithModal(d.caption, [&] { return SendMessageA(page, WM_COMMAND, d.button, 0); }, [&](HWND dialog) {
                testutil::SaveWindowShot(dialog, d.picture);
                SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            });
    });
}

}  // namespace
