#pragma once
// One Havix page in a sheet of its own with a second page to switch to, against the soft-AP
// scenario with the test's own lines; the world's clock stands still until the test moves it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "daduve/pending_page.h"
#include "framework/app.h"
#include "framework/message_loop.h"
#include "framework/property_sheet.h"
#include "havix_fixture.h"
#include "resources/daduve/resource.h"

template <class Page>
class HavixPageTest : public HavixTest {
protected:
    void SetUp() override {
        HavixTest::SetUp();
        fw::CWinApp::InitCommonControls();
    }
    void TearDown() override {
        Close();
        HavixTest::TearDown();
    }
    // The soft-AP scenario with extra lines for its adapter and texts replaced, the adapter
    // bound as chip index chip.
    void Bind(const std::string& extra = "", const std::vector<std::pair<std::string, std::string>>& changes = {},
              int chip = 7) {
        Close();
        platform::sim::Uninstall();
        std::string text = testutil::Scenario("soft-ap.scn");
        text.insert(text.find("signal = -60\n"), extra);
        for (const auto& [from, to] : changes) {
            const size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        }
        Load(text);
        world.clock().SetManual(0);
        HavixTest::Bind(chip, false);
        world.ClearJournal();
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    }
    void Open() {
        Close();
        parts_ = std::make_unique<Parts>();
        page = &parts_->page;
        parts_->sheet.AddPage(page);
        parts_->sheet.AddPage(&parts_->other);
        ASSERT_TRUE(parts_->sheet.Create());
        fw::PumpMessages(20);
        ASSERT_TRUE(page->IsWindow());
    }
    void Close() {
        if (!parts_) return;
        if (parts_->sheet.IsWindow()) parts_->sheet.DestroyWindow();
        fw::PumpMessages(20);
        parts_.reset();
        page = nullptr;
    }
    void ShowOther() { parts_->sheet.SetActivePage(&parts_->other); }
    void ShowPage() { parts_->sheet.SetActivePage(page); }
    HWND SheetWindow() const { return parts_->sheet.m_hWnd; }
    std::string Text(int id) const { return page->GetDlgItemText(id); }
    bool Visible(int id) const { return IsWindowVisible(page->GetDlgItem(id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(page->GetDlgItem(id)) != FALSE; }

    Page* page = nullptr;

private:
    struct Parts {
        fw::CPropertySheet sheet{"Test sheet"};
        Page page;
        daduve::CPendingPage other{IDS_CONFIG};
    };
    std::unique_ptr<Parts> parts_;
};
