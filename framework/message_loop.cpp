#include "framework/message_loop.h"

#include <vector>

#include "framework/wnd.h"

namespace fw {
namespace {

struct ModalEntry {
  HWND hwnd;
  bool isSheet;
};

std::vector<ModalEntry>& ModalStack() {
  static std::vector<ModalEntry> stack;
  return stack;
}

bool PreTranslate(MSG& msg) {
  constexpr int kMaxDepth = 32;
  HWND chain[kMaxDepth];
  int n = 0;
  for (HWND h = msg.hwnd; h != nullptr && n < kMaxDepth; h = GetAncestor(h, GA_PARENT)) {
    chain[n++] = h;
    if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) break;
  }
  // Looked up one by one: an earlier handler may have destroyed a later window.
  for (int i = 0; i < n; ++i) {
    CWnd* w = CWnd::FromHandle(chain[i]);
    if (w == nullptr) continue;
    detail::DispatchScope scope(w);
    if (w->PreTranslateMessage(&msg)) return true;
  }
  return false;
}

}  // namespace

namespace detail {

void PushModal(HWND h, bool isSheet) { ModalStack().push_back({h, isSheet}); }

void PopModal(HWND h) {
  auto& s = ModalStack();
  for (auto it = s.end(); it != s.begin();) {
    --it;
    if (it->hwnd == h) {
      s.erase(it);
      return;
    }
  }
}

}  // namespace detail

void DispatchLoopMessage(MSG& msg) {
  if (msg.message == WM_TIMER && msg.hwnd == nullptr) {
    DispatchMessageA(&msg);
    return;
  }
  if (msg.hwnd != nullptr && PreTranslate(msg)) return;
  auto& modal = ModalStack();
  if (!modal.empty()) {
    const ModalEntry top = modal.back();
    if (!top.isSheet && IsWindow(top.hwnd) && IsDialogMessageA(top.hwnd, &msg)) return;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

bool RunLoopUntil(const std::function<bool()>& done) {
  while (!done()) {
    MSG msg;
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (got == -1) return false;
    DispatchLoopMessage(msg);
  }
  return true;
}

int RunMessageLoop() {
  MSG msg;
  for (;;) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return -1;
    DispatchLoopMessage(msg);
  }
}

bool PumpMessages(DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
      }
      DispatchLoopMessage(msg);
      if (GetTickCount() - start >= ms) return true;
    }
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= ms) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
  }
}

bool PumpPending() {
  // Bounded: a window that never validates itself would repaint forever.
  for (int i = 0; i < 10000; ++i) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return true;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    DispatchLoopMessage(msg);
  }
  return true;
}

}  // namespace fw
