// Prints what one poll tick of Havix's tray window costs on an access point with associated
// stations and a filling event table, with its sheet closed and open on each of its pages.
// A program, not a test: run it under Wine (docs/benchmarks.md).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "softap/tray/havix_app.h"
#include "softap/tray/qel_prop_sheet.h"
#include "softap/tray/tray_wnd.h"
#include "framework/app.h"
#include "framework/message_loop.h"
#include "platform/platform.h"
#include "platform/sim/world.h"
#include "poll_ticks.h"
#include "resources/softap/resource.h"

namespace {

int g_ticks = 500;
softap::CTrayWnd* g_window = nullptr;

void CALLBACK RunOnce(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    softap::CTrayWnd& window = *g_window;
    fw::PumpMessages(1500);  // started, configuration pushed
    bench::PrintHeader(g_ticks);  // after what the start prints
    bench::PrintRow("Havix", "closed", bench::MeasureTicks(window.m_hWnd, softap::kPollTimerId, g_ticks));
    window.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
    fw::PumpMessages(1000);
    if (softap::CQelPropSheet* sheet = window.m_pSheet) {
        const HWND tabs = sheet->GetTabControl();
        for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
            PropSheet_SetCurSel(sheet->m_hWnd, nullptr, i);
            fw::PumpMessages(300);
            const std::string state = "open: " + bench::TabText(tabs, i);
            bench::PrintRow("Havix", state.c_str(), bench::MeasureTicks(window.m_hWnd, softap::kPollTimerId, g_ticks));
        }
    } else {
        std::printf("the sheet did not open\n");
    }
    window.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_ticks = std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : g_ticks;
    fw::CWinApp::InitCommonControls();
    platform::sim::World world;
    if (!world.LoadText(bench::ScenarioText("soft-ap.scn"))) {
        std::printf("scenario line %d: %s\n", world.LoadError().line, world.LoadError().message.c_str());
        return 1;
    }
    world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    platform::sim::Install(&world);
    softap::CTrayWnd window;
    window.m_bOpenSheet = 0;
    g_window = &window;
    SetTimer(nullptr, 0, 10, RunOnce);
    window.DoModal();
    platform::sim::Uninstall();
    return 0;
}
