// fw::CWnd: a C++ object bound to one window, with its message map.
#pragma once

#include <windows.h>

#include <string>

#include "framework/message_map.h"

namespace fw {

class CWnd;
namespace detail {
class DispatchScope;
LRESULT CallWindowProcOf(CWnd* w, UINT msg, WPARAM wp, LPARAM lp);
void AfterNcDestroy(CWnd* w);
}  // namespace detail

class CWnd {
 public:
  CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // Destroys a window it created; a subclassed control is only released.
  virtual ~CWnd();

  HWND m_hWnd = nullptr;

  // The framework object bound to h, or nullptr.
  static CWnd* FromHandle(HWND h);

  HWND GetSafeHwnd() const { return m_hWnd; }
  BOOL IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
  BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
  LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return ::SendMessageA(m_hWnd, msg, wp, lp); }
  BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return ::PostMessageA(m_hWnd, msg, wp, lp); }
  // Use non-zero ids: id 0 is not reliable on every system.
  UINT_PTR SetTimer(UINT_PTR id, UINT ms) { return ::SetTimer(m_hWnd, id, ms, nullptr); }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  void SetDlgItemText(int id, const std::string& text) { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
  std::string GetDlgItemText(int id) const;
  UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
  void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
  std::string GetWindowText() const;
  void MoveWindow(int x, int y, int cx, int cy, BOOL repaint = TRUE) { ::MoveWindow(m_hWnd, x, y, cx, cy, repaint); }
  void MoveWindow(const RECT& r, BOOL repaint = TRUE) {
    ::MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
  }
  RECT GetWindowRect() const;
  RECT GetClientRect() const;
  BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
  HICON SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
  }
  HWND GetParentHwnd() const { return ::GetParent(m_hWnd); }
  virtual BOOL DestroyWindow();

  // Binds an existing window (a control) to this object: its messages then run this map.
  BOOL SubclassWindow(HWND h);
  BOOL SubclassDlgItem(int id, CWnd* parent);
  HWND UnsubclassWindow();

  // Runs the message map; unhandled messages go to DefWindowProc.
  virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
  virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
  // Called by the message loop for messages to this window or its children, before dispatch.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // Default processing of the message now being handled. In a handler of a reflected
  // notification it does nothing and returns 0: the control's own message is not replayed.
  LRESULT Default();

 protected:
  // Called by SubclassWindow once the object is bound, before the control's next message.
  virtual void PreSubclassWindow() {}
  // After WM_NCDESTROY, once no handler of this window runs any more; may delete this.
  virtual void PostNcDestroy() {}
  // Searches the map chain; also offers child notifications to the child first.
  BOOL OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
  // A notification the parent reflects: searched among this map's reflect entries.
  virtual BOOL OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

  static const MessageMap* GetThisMessageMap();
  virtual const MessageMap* GetMessageMap() const;

  // Called by derived classes that bind their window themselves (dialogs).
  void Attach(HWND h);
  void Detach();
  // True when the framework made this window (and so destroys it with the object).
  bool m_bOwnsWindow = false;

 private:
  friend class detail::DispatchScope;
  friend LRESULT detail::CallWindowProcOf(CWnd* w, UINT msg, WPARAM wp, LPARAM lp);
  friend void detail::AfterNcDestroy(CWnd* w);
  friend void DeleteLater(CWnd* w);
  friend void DeleteWhenIdle(CWnd* w);
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void ReleaseIfIdle();

  bool m_bSubclassed = false;
  int m_nDepth = 0;  // handlers and modal loops of this window or its children on the stack
  bool m_bDeletePending = false;
  bool m_bDestroyPending = false;
  bool m_bPostNcPending = false;
  UINT m_curMsg = 0;
  WPARAM m_curWp = 0;
  LPARAM m_curLp = 0;
};

// Destroys w's window and deletes w: at once when no handler of w or of its children
// runs, else when the last one returns (for example after a nested modal loop).
void DeleteLater(CWnd* w);
inline void DestroyAndDelete(CWnd* w) { DeleteLater(w); }
// As DeleteLater, but the window too waits while a handler of w or of its children runs (a
// page whose handler is inside a nested modal loop keeps its window); it is hidden meanwhile.
void DeleteWhenIdle(CWnd* w);

// BeginPaint/EndPaint for a WM_PAINT handler.
class CPaintDC {
 public:
  explicit CPaintDC(CWnd* w) : m_hWndOwner(w->m_hWnd) { m_hDC = ::BeginPaint(m_hWndOwner, &m_ps); }
  ~CPaintDC() { ::EndPaint(m_hWndOwner, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
  HDC m_hDC;
  PAINTSTRUCT m_ps;

 private:
  HWND m_hWndOwner;
};

namespace detail {

// Counts a running handler or modal loop on a window and all its framework ancestors
// (up to the top-level window), so a DeleteLater waits for it.
class DispatchScope {
 public:
  explicit DispatchScope(CWnd* w);
  ~DispatchScope();
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;

 private:
  static constexpr int kMax = 16;
  CWnd* m_objs[kMax];
  int m_count = 0;
};

bool IsAlive(const CWnd* w);
// Runs WindowProc with the current message recorded for Default().
LRESULT CallWindowProcOf(CWnd* w, UINT msg, WPARAM wp, LPARAM lp);
// Bookkeeping after WM_NCDESTROY: unbinds the window, queues PostNcDestroy.
void AfterNcDestroy(CWnd* w);

}  // namespace detail
}  // namespace fw
