#include <windows.h>
#include <gtest/gtest.h>

// Turns a missing X display or tray into one clear failure instead of many odd ones.
TEST(Display, WindowsAndTrayExist) {
  HWND w = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(w, nullptr) << "no X display for Wine";
  DestroyWindow(w);
  EXPECT_NE(FindWindowA("Shell_TrayWnd", nullptr), nullptr) << "no notification area";
}
