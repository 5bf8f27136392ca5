#pragma once
// The cost of a utility's poll tick: the poll timer's message sent to its main window a
// number of times, timed by the clock and by the process's CPU time.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/message_loop.h"

namespace bench {

struct TickCost {
    double wallUs = 0;  // per tick
    double cpuUs = 0;   // per tick: this process's user and kernel time
};

inline double ProcessCpuUs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto us = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10.0;
    };
    return us(kernel) + us(user);
}

// ticks polls of window, each followed by the messages it left (repaints, posted work), as
// the message loop would handle them before the next tick.
inline TickCost MeasureTicks(HWND window, UINT_PTR timerId, int ticks) {
    fw::PumpPending();
    const double cpu0 = ProcessCpuUs();
    const auto wall0 = std::chrono::steady_clock::now();
    for (int i = 0; i < ticks; ++i) {
        SendMessageA(window, WM_TIMER, timerId, 0);
        fw::PumpPending();
    }
    const auto wall1 = std::chrono::steady_clock::now();
    const double cpu1 = ProcessCpuUs();
    TickCost cost;
    cost.wallUs = std::chrono::duration<double, std::micro>(wall1 - wall0).count() / ticks;
    cost.cpuUs = (cpu1 - cpu0) / ticks;
    return cost;
}

inline std::string ScenarioText(const char* name) {
    std::ifstream in(std::string("Z:") + WL_SOURCE_DIR + "/scenarios/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string TabText(HWND tabs, int i) {
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    TabCtrl_GetItem(tabs, i, &item);
    return text;
}

inline void PrintRow(const char* utility, const char* state, const TickCost& cost) {
    std::printf("%-8s %-24s %8.0f %8.0f\n", utility, state, cost.cpuUs, cost.wallUs);
}

inline void PrintHeader(int ticks) {
    std::printf("poll tick, mean of %d ticks (us)\n", ticks);
    std::printf("%-8s %-24s %8s %8s\n", "utility", "sheet", "cpu", "wall");
}

}  // namespace bench
