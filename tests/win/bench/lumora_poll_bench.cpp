// Prints what one poll tick of Lumora's main window costs on a live 802.11n link, with its
// sheet closed and open on each of its pages. A program, not a test: run it under Wine
// (docs/benchmarks.md).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/message_loop.h"
#include "platform/platform.h"
#include "platform/sim/world.h"
#include "poll_ticks.h"
#include "resources/station/resource.h"
#include "shared/system/os_version.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"

namespace {

constexpr UINT_PTR kPollTimerId = 1;
int g_ticks = 500;
CHideDlg* g_dialog = nullptr;

void CALLBACK RunOnce(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    CHideDlg& dialog = *g_dialog;
    fw::PumpMessages(1500);  // started, connected, first scan answered
    bench::PrintRow("Lumora", "closed", bench::MeasureTicks(dialog.m_hWnd, kPollTimerId, g_ticks));
    dialog.SendMessage(WM_COMMAND, IDM_TRAY_LAUNCH, 0);
    fw::PumpMessages(1000);
    if (CQelPropSheet* sheet = dialog.m_pSheet) {
        const HWND tabs = sheet->GetTabControl();
        for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
            PropSheet_SetCurSel(sheet->m_hWnd, nullptr, i);
            fw::PumpMessages(300);
            const std::string state = "open: " + bench::TabText(tabs, i);
            bench::PrintRow("Lumora", state.c_str(), bench::MeasureTicks(dialog.m_hWnd, kPollTimerId, g_ticks));
        }
    } else {
        std::printf("the sheet did not open\n");
    }
    dialog.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_ticks = std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : g_ticks;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    DetectOsVersion();
    platform::sim::World world;
    if (!world.LoadText(bench::ScenarioText("ht-link.scn"))) {
        std::printf("scenario line %d: %s\n", world.LoadError().line, world.LoadError().message.c_str());
        return 1;
    }
    platform::sim::Install(&world);
    bench::PrintHeader(g_ticks);
    CHideDlg dialog;
    dialog.m_bOpenSheetAtStart = 0;
    g_dialog = &dialog;
    SetTimer(nullptr, 0, 10, RunOnce);
    dialog.DoModal();
    platform::sim::Uninstall();
    return 0;
}
