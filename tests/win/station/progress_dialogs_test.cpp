// The run-loop form and the ICS notice: their fields, the check that keeps a run-loop form
// with a field that is no number open, and where the notice places itself.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialog_steps.h"
#include "page_fixture.h"
#include "resources/station/resource.h"
#include "station/pages/proceeding_ics_dlg.h"
#include "station/pages/run_loop_dlg.h"
#include "station_fixture.h"

namespace {

class ProgressDialogsTest : public StationTest {
protected:
    void SetUp() override {
        StationTest::SetUp();
        Load(testutil::Scenario("no-adapter.scn"));
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    }
};

TEST_F(ProgressDialogsTest, IcsNoticeSitsAThirdIntoTheScreenAtItsOwnSize) {
    CProceedingICSDlg notice;
    EXPECT_TRUE(notice.m_strText.empty());
    RECT at{};
    std::string text;
    testutil::WithModal("ICS Proceeding", [&] { return notice.DoModal(); },
                        [&](HWND box) {
                            GetWindowRect(box, &at);
                            char buffer[128] = {};
                            GetDlgItemTextA(box, IDC_ICS_TEXT, buffer, sizeof(buffer));
                            text = buffer;
                            testutil::ExpectTidyLayout(box);
                            notice.EndDialog(IDCANCEL);
                        });
    EXPECT_EQ(at.left, GetSystemMetrics(SM_CXSCREEN) / 3);
    EXPECT_EQ(at.top, GetSystemMetrics(SM_CYSCREEN) / 3);
    // The size is the template's, not a third of the screen.
    EXPECT_LT(at.right - at.left, GetSystemMetrics(SM_CXSCREEN) / 3);
    EXPECT_EQ(text, "Internet Connection Sharing(ICS) is proceeding...");
}

TEST_F(ProgressDialogsTest, RunLoopFormExchangesItsFieldsAndRefusesTextThatIsNoNumber) {
    CRunLoopDlg form;
    form.m_nTxLimit = 5;
    int disabled = 0;
    INT_PTR first = testutil::WithModal("Dialog", [&] { return form.DoModal(); },
                                        [&](HWND box) {
                                            for (int id : {IDC_RUNLOOP_PERIOD, IDC_RUNLOOP_LOG_RUNS, IDC_RUNLOOP_LINE_RUNS,
                                                           IDC_RUNLOOP_CPU, IDC_RUNLOOP_USE_LINE, IDC_RUNLOOP_USE_LOG})
                                                disabled += !IsWindowEnabled(GetDlgItem(box, id));
                                            char text[16] = {};
                                            GetDlgItemTextA(box, IDC_RUNLOOP_TX_LIMIT, text, sizeof(text));
                                            EXPECT_STREQ(text, "5");
                                            testutil::ExpectTidyLayout(box);
                                            SetDlgItemTextA(box, IDC_RUNLOOP_RX_LIMIT, "many");
                                            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                                            SetDlgItemTextA(box, IDC_RUNLOOP_RX_LIMIT, "-40");
                                            SetDlgItemTextA(box, IDC_RUNLOOP_TXRX_LIMIT, "1200");
                                            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                                        });
    EXPECT_EQ(disabled, 6);
    EXPECT_EQ(first, IDOK);
    EXPECT_EQ(form.m_nRxLimit, -40);
    EXPECT_EQ(form.m_nTxRxLimit, 1200);
    auto boxes = world.MessageBoxCalls();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please enter an integer.");
}

}  // namespace
