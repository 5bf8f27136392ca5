#pragma once
// One Havix page in a sheet of its own with a second page to switch to, against the soft-AP
// scenario with the test's own lines; the world's clock stands still until the test moves it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/win/softap/pending_page.h"
#include "framework/app.h"
#include "havix_fixture.h"
#include "resources/softap/resource.h"
#include "tests/win/common/sheet_page_test.h"

template <class Page>
class HavixPageTest : public SheetPageTest<HavixTest, Page, softap::CPendingPage, IDS_CONFIG> {
protected:
    void SetUp() override {
        HavixTest::SetUp();
        fw::CWinApp::InitCommonControls();
    }
    // The soft-AP scenario with extra lines for its adapter and texts replaced, the adapter
    // bound as chip index chip.
    void Bind(const std::string& extra = "", const std::vector<std::pair<std::string, std::string>>& changes = {},
              int chip = 7) {
        this->Close();
        platform::sim::Uninstall();
        std::string text = testutil::Scenario("soft-ap.scn");
        text.insert(text.find("signal = -60\n"), extra);
        for (const auto& [from, to] : changes) {
            const size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        }
        this->Load(text);
        this->world.clock().SetManual(0);
        HavixTest::Bind(chip, false);
        this->world.ClearJournal();
        this->world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    }
    void ShowOther() { this->sheet->SetActivePage(this->other); }
    void ShowPage() { this->sheet->SetActivePage(this->page); }
    HWND SheetWindow() const { return this->sheet->m_hWnd; }
};
