// Prints how long the Site Survey page takes to rebuild its list after one scan-complete
// relay, for 5, 50 and 200 networks in the air. A program, not a test: run it under Wine
// (docs/benchmarks.md).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/message_loop.h"
#include "platform/platform.h"
#include "platform/sim/world.h"
#include "resources/station/resource.h"
#include "shared/system/os_version.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/station_globals.h"
#include "station/core/wlan/wlan_messages.h"

namespace {

std::string DefaultScenario() {
    std::ifstream in(std::string("Z:") + WL_SOURCE_DIR + "/scenarios/default.scn");
    std::stringstream text;
    text << in.rdbuf();
    std::string scenario = text.str();
    // The default scenario's own networks go; scans answer at once.
    scenario = scenario.substr(0, scenario.find("[network]"));
    const std::string radio = "radio  = on\n";
    size_t at = scenario.find(radio);
    if (at != std::string::npos) scenario.insert(at + radio.size(), "scan_delay = 0\n");
    return scenario;
}

std::string Networks(int count) {
    static const char* kSecurity[] = {"open", "wep", "wpa-psk", "wpa2-psk", "wpa2"};
    static const int kChannels[] = {1, 6, 11, 36, 44, 149};
    std::string text;
    for (int i = 0; i < count; ++i) {
        char section[256];
        std::snprintf(section, sizeof(section),
                      "\n[network]\nssid = \"Bench %03d\"\nbssid = 02:42:00:00:%02X:%02X\nchannel = %d\n"
                      "rssi = %d\nsecurity = %s\n",
                      i, i / 256, i % 256, kChannels[i % 6], -40 - i % 50, kSecurity[i % 5]);
        text += section;
    }
    return text;
}

void CALLBACK RunOnce(HWND, UINT, UINT_PTR timer, DWORD);

struct Bench {
    CHideDlg* dialog = nullptr;
    int networks = 0;
    double rebuild = 0, painted = 0;  // medians: the relay's handling, and until the list has painted
    size_t rows = 0;
};
Bench* g_bench = nullptr;

void Measure(Bench& b) {
    CSiteSurvPage* page = b.dialog->m_pSheet ? b.dialog->m_pSheet->SiteSurveyPage() : nullptr;
    if (!page || !page->IsWindow()) return;
    // The first scan of the page fills the display list; then every relay rebuilds.
    fw::RunLoopUntil([&] { return g_ScanPending == 0 && page->Rows().size() >= static_cast<size_t>(b.networks); });
    std::vector<double> rebuild, painted;
    for (int round = 0; round < 9; ++round) {
        fw::PumpPending();
        const auto start = std::chrono::steady_clock::now();
        page->SendMessage(kMsgWlanScanComplete, 0, 0);
        const auto handled = std::chrono::steady_clock::now();
        // What the user waits for: the new rows on the screen.
        UpdateWindow(page->GetDlgItem(IDC_SITE_LIST));
        const auto shown = std::chrono::steady_clock::now();
        rebuild.push_back(std::chrono::duration<double, std::milli>(handled - start).count());
        painted.push_back(std::chrono::duration<double, std::milli>(shown - start).count());
    }
    std::sort(rebuild.begin(), rebuild.end());
    std::sort(painted.begin(), painted.end());
    b.rebuild = rebuild[rebuild.size() / 2];
    b.painted = painted[painted.size() / 2];
    b.rows = page->Rows().size();
}

void CALLBACK RunOnce(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Measure(*g_bench);
    g_bench->dialog->SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    DetectOsVersion();
    std::printf("Site Survey after one scan-complete relay, median of 9 (ms)\n");
    std::printf("networks   rebuild   rebuilt and painted\n");
    for (int networks : {5, 50, 200}) {
        platform::sim::World world;
        if (!world.LoadText(DefaultScenario() + Networks(networks))) {
            std::printf("scenario line %d: %s\n", world.LoadError().line, world.LoadError().message.c_str());
            return 1;
        }
        platform::sim::Install(&world);
        CHideDlg dialog;
        Bench bench;
        bench.dialog = &dialog;
        bench.networks = networks;
        g_bench = &bench;
        SetTimer(nullptr, 0, 10, RunOnce);
        dialog.DoModal();
        platform::sim::Uninstall();
        std::printf("%8d %9.1f %21.1f   (%zu rows)\n", networks, bench.rebuild, bench.painted, bench.rows);
    }
    return 0;
}
