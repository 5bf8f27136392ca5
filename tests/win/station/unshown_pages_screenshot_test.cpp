// Not run by default: pictures of the pages and dialogs that the main sheet never shows,
// filled in, for a look at them.
//   station_tests --gtest_also_run_disabled_tests --gtest_filter='*UnshownPagesScreenshot*'
// writes one .bmp per window into SHOTS_DIR (default C:\).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "driver_key_util.h"
#include "dialog_steps.h"
#include "page_fixture.h"
#include "resources/station/resource.h"
#include "station/core/driver/driver_oid_ops.h"
#include "station/core/station_globals.h"
#include "station/pages/block_ack_page.h"
#include "station/pages/power_save_dlg.h"
#include "station/pages/proceeding_ics_dlg.h"
#include "station/pages/qos_page.h"
#include "station/pages/run_loop_dlg.h"
#include "window_shot.h"

namespace {

std::string Scenario() {
    return testutil::HtScenario(
        "value WMMCapable = 1\nvalue APSDCapable = 1\nvalue DLSCapable = 1\noid 0xFF0C0032 = 0B 00 00 00\n",
        "dls_peer = 02:11:22:33:44:66\ndls_peer = 02:11:22:33:44:67\n");
}

template <class Page>
class UnshownPagesScreenshotTest : public PageInSheetTest<Page> {
protected:
    void SetUp() override {
        PageInSheetTest<Page>::SetUp();
        this->Load(Scenario());
        testutil::BindAdapter(this->world, 7);
        const uint8_t ap[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
        std::memcpy(g_CurrentBssid, ap, 6);
        this->world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
        this->Open();
    }
    void TearDown() override {
        PageInSheetTest<Page>::TearDown();
        std::memset(g_CurrentBssid, 0, sizeof(g_CurrentBssid));
    }
};
using UnshownPagesScreenshotBlockAck = UnshownPagesScreenshotTest<CBlockAck>;
using UnshownPagesScreenshotQos = UnshownPagesScreenshotTest<CQoSPAGE>;

TEST_F(UnshownPagesScreenshotBlockAck, DISABLED_Screenshot) {
    testutil::Press(page, IDC_BA_MANUAL);
    testutil::Press(page, IDC_BA_APPLY);
    const uint8_t ap[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
    for (int tid : {0, 3, 7}) {
        BaSessionRequest r = MakeBaAddRequest(tid == 3 ? kBaRecipient : kBaOriginator, ap, tid, 64);
        DriverOidOps().SetOid0025(&r);
    }
    page->SendMessage(WM_TIMER, 1, 0);
    testutil::SaveWindowShot(sheet->m_hWnd, "block_ack_page");
    const struct {
        int button;
        const char* caption;
        const char* file;
    } dialogs[] = {{IDC_BA_ORIGINATOR_ADD, "add MPDU Aggregation", "add_block_ack"},
                   {IDC_BA_ORIGINATOR_DELETE, "delete MPDU Aggregation", "delete_block_ack"},
                   {IDC_BA_RECIPIENT_DELETE_ALL, "delete MPDU Aggregation", "delete_block_ack_entry"}};
    for (const auto& d : dialogs)
        testutil::WithModal(d.caption, [&] { return page->SendMessage(WM_COMMAND, d.button, 0); }, [&](HWND w) {
            testutil::SaveWindowShot(w, d.file);
            SendMessageA(w, WM_COMMAND, IDCANCEL, 0);
        });
    CRunLoopDlg runLoop;
    testutil::WithModal("Dialog", [&] { return runLoop.DoModal(); }, [&](HWND d) {
        testutil::SaveWindowShot(d, "run_loop");
        SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
    });
    CProceedingICSDlg ics;
    testutil::WithModal("ICS Proceeding", [&] { return ics.DoModal(); }, [&](HWND d) {
        testutil::SaveWindowShot(d, "proceeding_ics");
        ics.EndDialog(IDCANCEL);
    });
}

TEST_F(UnshownPagesScreenshotQos, DISABLED_Screenshot) {
    const uint8_t link[12] = {0x2C, 0x01, 0, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x66, 0, 1};
    DriverOidOps().SetOid0031(link);
    page->SendMessage(WM_TIMER, 1, 0);
    for (int id : {IDC_QOS_MAC1, IDC_QOS_MAC2, IDC_QOS_MAC3, IDC_QOS_MAC4, IDC_QOS_MAC5}) SetText(id, "02");
    SetText(IDC_QOS_MAC6, "67");
    SetText(IDC_QOS_TIMEOUT, "65535");
    testutil::SaveWindowShot(sheet->m_hWnd, "qos_page");
    testutil::WithModal("Power Save Setting", [&] { return page->SendMessage(WM_COMMAND, IDC_QOS_APSD_SETTING, 0); },
                        [&](HWND d) {
                            testutil::SaveWindowShot(d, "power_save");
                            SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
                        });
}

}  // namespace
