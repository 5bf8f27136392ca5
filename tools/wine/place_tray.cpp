// Moves Wine's stand-alone tray window to the bottom right corner of the screen. Without a
// window manager it opens at the top left, over the caption of whatever opened first, and
// tools/run's screenshots would show it there. Waits up to ten seconds for the window.
#include <windows.h>

int main() {
    for (int i = 0; i < 100; ++i) {
        if (HWND tray = FindWindowA("__winex11_standalone_tray", nullptr)) {
            RECT r{};
            GetWindowRect(tray, &r);
            const int x = GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left);
            const int y = GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top);
            SetWindowPos(tray, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
