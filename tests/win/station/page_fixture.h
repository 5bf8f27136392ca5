#pragma once
// One page of the station in a sheet of its own, against a simulated world.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver_key_util.h"
#include "framework/app.h"
#include "framework/message_loop.h"
#include "framework/property_sheet.h"
#include "station_fixture.h"
#include "tests/win/layout_check.h"

template <class Page>
class PageInSheetTest : public StationTest {
protected:
    // Creates a new sheet: the page initialises against the world and identity in place now.
    void Open() {
        Close();
        fw::CWinApp::InitCommonControls();
        parts_ = std::make_unique<Parts>();
        sheet = &parts_->sheet;
        page = &parts_->page;
        other = &parts_->other;
        sheet->AddPage(page);
        sheet->AddPage(other);
        ASSERT_TRUE(sheet->Create());
        fw::PumpMessages(20);
        ASSERT_TRUE(page->IsWindow());
    }
    void Close() {
        if (!parts_) return;
        if (sheet->IsWindow()) sheet->DestroyWindow();
        fw::PumpMessages(20);
        parts_.reset();
        sheet = nullptr;
        page = nullptr;
        other = nullptr;
    }
    void TearDown() override {
        Close();
        StationTest::TearDown();
    }
    std::string Text(int id) const { return page->GetDlgItemText(id); }
    bool Visible(int id) const { return IsWindowVisible(page->GetDlgItem(id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(page->GetDlgItem(id)) != FALSE; }
    void SetText(int id, const std::string& text) { page->SetDlgItemText(id, text); }
    void Click(int id) {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(page->GetDlgItem(id)));
    }

    fw::CPropertySheet* sheet = nullptr;
    Page* page = nullptr;
    // A second page to switch to, so that the page under test is left and entered again.
    fw::CPropertyPage* other = nullptr;

private:
    struct Parts {
        fw::CPropertySheet sheet{"Test sheet"};
        Page page;
        fw::CPropertyPage other{IDD_PENDING_PAGE};
    };
    std::unique_ptr<Parts> parts_;
};

namespace testutil {

// Holds the page on screen for a look (PAGE_SHOW_MS, 0 by default).
inline void ShowForScreenshot() {
    char env[32] = {};
    if (GetEnvironmentVariableA("PAGE_SHOW_MS", env, sizeof env) == 0) return;
    fw::PumpMessages(static_cast<DWORD>(atoi(env)));
}

}  // namespace testutil
