// Shared helpers of the framework tests.
#pragma once

#include <windows.h>

#include "framework/app.h"
#include "framework/message_loop.h"

namespace fwtest {

inline void InitControls() { fw::CWinApp::InitCommonControls(); }

// Clicks a button the way a user's click arrives: through the button itself.
inline void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

// Leaves no posted message or quit request behind for the next test.
inline void DrainQueue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace fwtest
