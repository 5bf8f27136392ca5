#pragma once
// Helpers of the tests that drive real windows: this thread's windows, and steps run from
// inside whatever modal loop is running.
#include <windows.h>

#include <functional>
#include <string>

namespace testutil {

// Runs fn on every top-level window of this thread (parallel tests share one desktop).
template <class Fn>
BOOL CALLBACK CallForWindow(HWND w, LPARAM p) {
    (*reinterpret_cast<Fn*>(p))(w);
    return TRUE;
}

template <class Fn>
void ForEachThreadWindow(Fn fn) {
    EnumThreadWindows(GetCurrentThreadId(), CallForWindow<Fn>, reinterpret_cast<LPARAM>(&fn));
}

inline HWND FindThreadWindow(const char* caption) {
    HWND found = nullptr;
    ForEachThreadWindow([&](HWND w) {
        char text[256] = {};
        GetWindowTextA(w, text, sizeof(text));
        if (!found && std::string(text) == caption && IsWindowVisible(w)) found = w;
    });
    return found;
}

// Runs fn once from a window-less timer, i.e. from inside whatever modal loop is running then.
struct PendingTick {
    static std::function<void()>& Work() {
        static std::function<void()> work;
        return work;
    }
    static UINT_PTR& Timer() {
        static UINT_PTR timer = 0;
        return timer;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
        KillTimer(nullptr, Timer());
        auto run = std::move(Work());
        Work() = nullptr;
        if (run) run();
    }
};

inline void AtNextTick(std::function<void()> fn, UINT delayMs = 10) {
    PendingTick::Work() = std::move(fn);
    PendingTick::Timer() = SetTimer(nullptr, 0, delayMs, PendingTick::Fire);
}

}  // namespace testutil
