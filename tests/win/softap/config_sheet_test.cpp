// The Config page as Havix's sheet holds it: the first page, open on the stored
// configuration, and its security dialog open while the tray window exits, the adapter
// goes or the sheet is asked for again; the 11n Setting page's dialogs likewise.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "softap/pages/block_ack/block_ack_page.h"
#include "softap/pages/config/config_page.h"
#include "tests/win/softap/tray_fixture.h"
#include "tests/win/window_steps.h"

namespace {

class ConfigSheetTest : public TrayTest {
protected:
    void TearDown() override {
        KillTimer(nullptr, testutil::PendingTick::Timer());
        testutil::PendingTick::Work() = nullptr;
        TrayTest::TearDown();
    }
};

TEST_F(ConfigSheetTest, TheSheetOpensOnTheConfigPage) {
    LoadSoftAp();
    Run([&] {
        ASSERT_TRUE(SheetShown());
        softap::CConfigPage* page = Sheet()->ConfigPage();
        EXPECT_EQ(Sheet()->GetActivePage(), page);
        EXPECT_EQ(page->GetDlgItemText(IDC_CFG_SSID), "DaduVE-21");
        EXPECT_EQ(page->GetDlgItemText(IDC_CFG_MODE), "802.11 B/G/N mix");
    });
}

enum class WhileOpen { kExit, kAdapterGone, kOpenAgain };

class SecurityUnderTheTrayTest : public ConfigSheetTest, public ::testing::WithParamInterface<WhileOpen> {};

// The dialog is ended with the sheet; the page under it goes only once its loop returned.
TEST_P(SecurityUnderTheTrayTest, TheDialogEndsWithTheSheetAndThePageOutlivesIt) {
    const WhileOpen what = GetParam();
    LoadSoftAp();
    bool dialogSeen = false;
    bool dialogLeft = false;
    HWND dialog = nullptr;
    Run([&] {
        ASSERT_TRUE(SheetShown());
        softap::CConfigPage* page = Sheet()->ConfigPage();
        testutil::AtNextTick([&] {
            dialog = testutil::FindThreadWindow("Security Setting");
            dialogSeen = dialog != nullptr;
            switch (what) {
            case WhileOpen::kExit:
                window.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
                break;
            case WhileOpen::kAdapterGone:
                world.Unplug(0);
                Poll();
                break;
            case WhileOpen::kOpenAgain:
                window.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
                EXPECT_TRUE(SheetShown());
                EXPECT_TRUE(IsWindow(dialog));
                if (IsWindow(dialog)) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                break;
            }
        });
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CFG_SECURITY, BN_CLICKED),
                          reinterpret_cast<LPARAM>(page->GetDlgItem(IDC_CFG_SECURITY)));
        dialogLeft = dialog && !IsWindow(dialog);
        // Back from the dialog's loop inside the page's handler: the page is still there.
        if (what == WhileOpen::kOpenAgain) {
            EXPECT_TRUE(SheetShown());
            EXPECT_EQ(page->Settings().SSID, "DaduVE-21");
        } else {
            EXPECT_EQ(window.m_pSheet, nullptr);
        }
    });
    EXPECT_TRUE(dialogSeen);
    EXPECT_TRUE(dialogLeft);
}

INSTANTIATE_TEST_SUITE_P(Cases, SecurityUnderTheTrayTest,
                         ::testing::Values(WhileOpen::kExit, WhileOpen::kAdapterGone, WhileOpen::kOpenAgain));

// The 11n Setting page's Add and Delete dialogs open while the sheet goes: the dialog ends
// with it and no session request reaches the driver.
enum class SheetGoes { kExit, kAdapterGone, kStationMode };

struct BlockAckDialogCase {
    const char* name;
    int button;
    const char* caption;
    SheetGoes way;
};

class BlockAckDialogUnderTheTrayTest : public ConfigSheetTest, public ::testing::WithParamInterface<BlockAckDialogCase> {};

TEST_P(BlockAckDialogUnderTheTrayTest, TheDialogEndsWithTheSheetAndSendsNothing) {
    const BlockAckDialogCase& c = GetParam();
    LoadSoftAp();
    HWND dialog = nullptr;
    bool dialogLeft = false;
    Run([&] {
        ASSERT_TRUE(SheetShown());
        SetText(DriverKey(), "bCheckBuild", "1");
        Poll();
        fw::CPropertyPage* page = Sheet()->BlockAckPage();
        ASSERT_GE(Sheet()->GetPageIndex(page), 0);
        Sheet()->SetActivePage(page);
        world.ClearJournal();
        testutil::AtNextTick([&] {
            dialog = testutil::FindThreadWindow(c.caption);
            switch (c.way) {
            case SheetGoes::kExit:
                window.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
                break;
            case SheetGoes::kAdapterGone:
                world.Unplug(0);
                Poll();
                break;
            case SheetGoes::kStationMode:
                window.SendMessage(WM_COMMAND, IDM_TRAY_STATION_MODE, 0);
                break;
            }
        });
        page->SendMessage(WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), reinterpret_cast<LPARAM>(page->GetDlgItem(c.button)));
        dialogLeft = dialog && !IsWindow(dialog);
        EXPECT_EQ(window.m_pSheet, nullptr);
    });
    EXPECT_NE(dialog, nullptr) << "the dialog was open";
    EXPECT_TRUE(dialogLeft);
    for (DWORD request : {0x0DF10138u, 0x0DF1013Au}) {
        for (const auto& e : world.Journal()) EXPECT_FALSE(e.set && e.oid == request) << std::hex << request;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockAckDialogUnderTheTrayTest,
    ::testing::Values(BlockAckDialogCase{"AddExit", IDC_BA_ORIGINATOR_ADD, "Add MPDU Aggregation", SheetGoes::kExit},
                      BlockAckDialogCase{"AddAdapterGone", IDC_BA_RECIPIENT_ADD, "Add MPDU Aggregation",
                                         SheetGoes::kAdapterGone},
                      BlockAckDialogCase{"AddStationMode", IDC_BA_ORIGINATOR_ADD, "Add MPDU Aggregation",
                                         SheetGoes::kStationMode},
                      BlockAckDialogCase{"DeleteExit", IDC_BA_ORIGINATOR_DELETE, "Delete Block Ack", SheetGoes::kExit},
                      BlockAckDialogCase{"DeleteAdapterGone", IDC_BA_RECIPIENT_DELETE_ALL, "Delete Block Ack",
                                         SheetGoes::kAdapterGone},
                      BlockAckDialogCase{"DeleteStationMode", IDC_BA_RECIPIENT_DELETE, "Delete Block Ack",
                                         SheetGoes::kStationMode}),
    [](const ::testing::TestParamInfo<BlockAckDialogCase>& info) { return std::string(info.param.name); });

}  // namespace
