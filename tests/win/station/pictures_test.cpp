// Not run by default: a picture of every page of Lumora's sheet, of its tray menu and of the
// Hidden SSID prompt, on the default scenario with its settings files, for the README
// (tools/pictures).
//   main_window_tests --gtest_also_run_disabled_tests --gtest_filter='LumoraPictures.*'
// writes lumora-<window>.bmp into SHOTS_DIR (default C:\).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "station/core/action_data.h"
#include "resources/station/resource.h"
#include "station/core/qel_prop_sheet.h"
#include "station/pages/hidden_ssid_dlg.h"
#include "dialog_steps.h"
#include "station_fixture.h"
#include "tests/win/common/picture_names.h"
#include "window_shot.h"

namespace {

class LumoraPictures : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        data_ = std::make_unique<testutil::TempDataDirectory>("lumora-pictures");
        ASSERT_TRUE(data_->Made());
        // The settings files the default scenario comes with, as tools/run starts from them.
        const std::string from = std::string("Z:") + WL_SOURCE_DIR + "\\scenarios\\default.settings\\";
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((from + "*").c_str(), &found);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            files_.push_back(data_->Path() + found.cFileName);
            CopyFileA((from + found.cFileName).c_str(), files_.back().c_str(), FALSE);
        } while (FindNextFileA(h, &found));
        FindClose(h);
        FreeCurrentAction();
    }
    void TearDown() override {
        // Out of the profile cache before the files go.
        for (const std::string& file : files_) WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
        data_.reset();
        FreeCurrentAction();
        MainWindowFixture::TearDown();
    }

    std::unique_ptr<testutil::TempDataDirectory> data_;
    std::vector<std::string> files_;
};

TEST_F(LumoraPictures, DISABLED_Pictures) {
    Load(testutil::Scenario("default.scn"));
    Run([&] {
        // The stored profile connects at start; the first scan fills the Site Survey list.
        PumpUntil([&] { return world.Adapter(0).connected; });
        fw::PumpMessages(1500);
        Poll();
        CQelPropSheet* sheet = dialog.m_pSheet;
        ASSERT_NE(sheet, nullptr);
        const HWND tabs = sheet->GetTabControl();
        for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
            PropSheet_SetCurSel(sheet->m_hWnd, nullptr, i);
            fw::PumpMessages(2200);  // the pages refresh every 2 s
            Poll();
            testutil::SaveWindowShot(sheet->m_hWnd, testutil::PictureName("lumora", tabs, i).c_str());
        }
        testutil::SaveTrayMenu([&] { dialog.ShowTrayMenu(); }, "lumora-tray-menu");
        // The prompt of the Site Survey page for a network that hides its name.
        testutil::WithModal(" ", [&] { return CHiddenSsidDlg(sheet->SiteSurveyPage()).DoModal(); }, [](HWND d) {
            SetDlgItemTextA(d, IDC_HIDDEN_SSID, "Secret Cove");
            testutil::SaveWindowShot(d, "lumora-hidden-ssid");
            SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        });
    });
}

}  // namespace
