// The framework's message loop: DoModal, the application and the tests all run this one.
#pragma once

#include <windows.h>

#include <functional>

namespace fw {

// One message through the framework: a window-less WM_TIMER is dispatched at once;
// otherwise every framework window from msg.hwnd up to its top-level window gets a
// PreTranslateMessage chance, then IsDialogMessage of the innermost modal dialog,
// then TranslateMessage/DispatchMessage.
void DispatchLoopMessage(MSG& msg);

// Runs the loop until done() is true. Returns false when WM_QUIT arrived; the quit
// message is posted again so that every enclosing loop ends too.
bool RunLoopUntil(const std::function<bool()>& done);

// Runs the loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

// For tests and waits: dispatch for ms milliseconds, or until the queue is empty.
// Both return false when WM_QUIT arrived (posted again).
bool PumpMessages(DWORD ms);
bool PumpPending();

namespace detail {
// The innermost modal window gets IsDialogMessage in the loop (sheets do their own).
void PushModal(HWND h, bool isSheet);
void PopModal(HWND h);
}  // namespace detail

}  // namespace fw
