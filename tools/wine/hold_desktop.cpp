// Keeps Wine's desktop process up for a whole test run. That process (explorer) starts with
// the first program that needs the desktop and keeps that program's standard error open; a
// test program that starts it under ctest then seems to hang, as ctest waits for the pipe
// to close, until the other tests leave the desktop idle. Started before the run with its
// output in a file, this program starts it instead, and holds it until it is ended.
#include <windows.h>

int main() {
    HWND holder = CreateWindowExA(0, "STATIC", "desktop holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!holder || !FindWindowA("Shell_TrayWnd", nullptr)) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
