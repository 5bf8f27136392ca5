#pragma once
// The top-level windows of another process of the test, found by their title.
#include <windows.h>

#include <string>
#include <vector>

namespace testutil {

struct WindowSearch {
    DWORD pid;  // 0: any process
    const char* title;
    std::vector<HWND> found;
};

inline BOOL CALLBACK CollectWindow(HWND w, LPARAM p) {
    auto* search = reinterpret_cast<WindowSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char text[128] = {};
    GetWindowTextA(w, text, sizeof(text));
    if ((search->pid == 0 || pid == search->pid) && std::string(text) == search->title) search->found.push_back(w);
    return TRUE;
}

inline std::vector<HWND> Windows(DWORD pid, const char* title) {
    WindowSearch search{pid, title, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline HWND WaitForWindow(DWORD pid, const char* title, DWORD ms) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        auto found = Windows(pid, title);
        if (!found.empty()) return found[0];
        Sleep(50);
    }
    return nullptr;
}

}  // namespace testutil
