#pragma once
// One page in a sheet of its own, with a second page to switch to, over a program's own test
// fixture (Base: its simulated world and identity). Other is the second page's class and
// OtherId what it is made from.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/message_loop.h"
#include "framework/property_sheet.h"
#include "platform/sim/world.h"
#include "tests/win/common/screen_picture.h"

namespace testutil {

// Holds the page on screen for a look (PAGE_SHOW_MS, 0 by default).
inline void ShowForScreenshot() {
    char env[32] = {};
    if (GetEnvironmentVariableA("PAGE_SHOW_MS", env, sizeof env) == 0) return;
    fw::PumpMessages(static_cast<DWORD>(atoi(env)));
}

}  // namespace testutil

template <class Base, class Page, class Other, UINT OtherId>
class SheetPageTest : public Base {
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
        Base::TearDown();
    }
    std::string Text(int id) const { return page->GetDlgItemText(id); }
    bool Visible(int id) const { return IsWindowVisible(page->GetDlgItem(id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(page->GetDlgItem(id)) != FALSE; }
    void SetText(int id, const std::string& text) { page->SetDlgItemText(id, text); }
    void Click(int id) {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(page->GetDlgItem(id)));
    }
    std::vector<platform::sim::JournalEntry> Calls(DWORD oid) const {
        std::vector<platform::sim::JournalEntry> out;
        for (const auto& e : this->world.Journal())
            if (e.oid == oid) out.push_back(e);
        return out;
    }
    // For a look at the page: saved as <PAGE_SHOT_DIR>\<name>.bmp when that is set, and held on
    // screen for PAGE_SHOW_MS (0 by default).
    void ShowForScreenshot(const std::string& name = "page") {
        char dir[MAX_PATH] = {};
        if (GetEnvironmentVariableA("PAGE_SHOT_DIR", dir, sizeof dir) != 0) {
            SetWindowPos(sheet->m_hWnd, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE);
            fw::PumpMessages(200);
            testutil::SaveWindowPicture(sheet->m_hWnd, std::string(dir) + "\\" + name + ".bmp");
        }
        testutil::ShowForScreenshot();
    }

    fw::CPropertySheet* sheet = nullptr;
    Page* page = nullptr;
    // A second page to switch to, so that the page under test is left and entered again.
    fw::CPropertyPage* other = nullptr;

private:
    struct Parts {
        fw::CPropertySheet sheet{"Test sheet"};
        Page page;
        Other other{OtherId};
    };
    std::unique_ptr<Parts> parts_;
};
