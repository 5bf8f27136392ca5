// Message maps: a static table per class, chained to the base class table.
// Every entry holds a thunk instantiated with the handler's member pointer, so a
// handler of the wrong signature fails to compile at the map entry.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <type_traits>

namespace fw {

class CWnd;

namespace detail {

// Returns true when the message was handled; *result is the message's result.
using Thunk = bool (*)(CWnd* self, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

// Pseudo message values: real window messages are below 0x10000.
constexpr UINT kCtlColorAny = 0x10000;  // all seven WM_CTLCOLOR* messages
constexpr UINT kReflect = 0x20000;      // or-ed in: the entry handles a reflected message

}  // namespace detail

struct MsgMapEntry {
  UINT message;  // window message, or a pseudo value above
  UINT code;     // notification code for WM_COMMAND / WM_NOTIFY entries
  UINT idFirst;  // control id range for WM_COMMAND / WM_NOTIFY entries
  UINT idLast;
  detail::Thunk thunk;  // nullptr ends the table
};

struct MessageMap {
  const MessageMap* (*base)();  // nullptr for CWnd
  const MsgMapEntry* entries;
};

namespace detail {

template <class>
struct Member;
template <class C, class Sig>
struct Member<Sig C::*> {
  using Class = C;
  using Type = Sig;
};

template <auto F>
using ClassOf = typename Member<decltype(F)>::Class;

template <auto F, class Sig>
constexpr bool kHasSig = std::is_same_v<typename Member<decltype(F)>::Type, Sig>;

template <auto F>
ClassOf<F>* Self(CWnd* w) {
  static_assert(std::is_base_of_v<CWnd, ClassOf<F>>, "handler must belong to a fw::CWnd class");
  return static_cast<ClassOf<F>*>(w);
}

template <auto F>
bool OnMessage(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, LRESULT(WPARAM, LPARAM)>, "handler must be LRESULT (WPARAM, LPARAM)");
  *r = (Self<F>(w)->*F)(wp, lp);
  return true;
}

template <auto F>
bool OnVoid(CWnd* w, UINT, WPARAM, LPARAM, LRESULT* r) {
  static_assert(kHasSig<F, void()>, "handler must be void ()");
  (Self<F>(w)->*F)();
  *r = 0;
  return true;
}

template <auto F>
bool OnCommandRange(CWnd* w, UINT, WPARAM wp, LPARAM, LRESULT* r) {
  static_assert(kHasSig<F, void(UINT)>, "handler must be void (UINT id)");
  (Self<F>(w)->*F)(LOWORD(wp));
  *r = 0;
  return true;
}

template <auto F>
bool OnNotify(CWnd* w, UINT, WPARAM, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, void(NMHDR*, LRESULT*)>, "handler must be void (NMHDR*, LRESULT*)");
  *r = 0;
  (Self<F>(w)->*F)(reinterpret_cast<NMHDR*>(lp), r);
  return true;
}

template <auto F>
bool OnTimer(CWnd* w, UINT, WPARAM wp, LPARAM, LRESULT* r) {
  static_assert(kHasSig<F, void(UINT_PTR)>, "handler must be void (UINT_PTR id)");
  (Self<F>(w)->*F)(static_cast<UINT_PTR>(wp));
  *r = 0;
  return true;
}

template <auto F>
bool OnScroll(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, void(UINT, UINT, HWND)>, "handler must be void (UINT code, UINT pos, HWND bar)");
  (Self<F>(w)->*F)(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
  *r = 0;
  return true;
}

// A null brush means "not handled": the default colours apply.
template <auto F>
bool OnCtlColor(CWnd* w, UINT msg, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, HBRUSH(HDC, HWND, UINT)>, "handler must be HBRUSH (HDC, HWND ctl, UINT ctlType)");
  HBRUSH b = (Self<F>(w)->*F)(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg - WM_CTLCOLORMSGBOX);
  *r = reinterpret_cast<LRESULT>(b);
  return b != nullptr;
}

template <auto F>
bool OnCtlColorReflect(CWnd* w, UINT msg, WPARAM wp, LPARAM, LRESULT* r) {
  static_assert(kHasSig<F, HBRUSH(HDC, UINT)>, "handler must be HBRUSH (HDC, UINT ctlType)");
  HBRUSH b = (Self<F>(w)->*F)(reinterpret_cast<HDC>(wp), msg - WM_CTLCOLORMSGBOX);
  *r = reinterpret_cast<LRESULT>(b);
  return b != nullptr;
}

template <auto F>
bool OnSetCursor(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, BOOL(HWND, UINT, UINT)>, "handler must be BOOL (HWND, UINT hitTest, UINT message)");
  *r = (Self<F>(w)->*F)(reinterpret_cast<HWND>(wp), LOWORD(lp), HIWORD(lp));
  return true;
}

template <auto F>
bool OnHelpInfo(CWnd* w, UINT, WPARAM, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, BOOL(HELPINFO*)>, "handler must be BOOL (HELPINFO*)");
  *r = (Self<F>(w)->*F)(reinterpret_cast<HELPINFO*>(lp));
  return true;
}

template <auto F>
bool OnSysCommand(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, void(UINT, LPARAM)>, "handler must be void (UINT id, LPARAM)");
  (Self<F>(w)->*F)(static_cast<UINT>(wp), lp);
  *r = 0;
  return true;
}

template <auto F>
bool OnKey(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, void(UINT, UINT, UINT)>, "handler must be void (UINT ch, UINT rep, UINT flags)");
  (Self<F>(w)->*F)(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
  *r = 0;
  return true;
}

template <auto F>
bool OnMouse(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, void(UINT, POINT)>, "handler must be void (UINT flags, POINT)");
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  (Self<F>(w)->*F)(static_cast<UINT>(wp), pt);
  *r = 0;
  return true;
}

template <auto F>
bool OnSize(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, void(UINT, int, int)>, "handler must be void (UINT type, int cx, int cy)");
  (Self<F>(w)->*F)(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
  *r = 0;
  return true;
}

template <auto F>
bool OnDrawItem(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT* r) {
  static_assert(kHasSig<F, void(int, DRAWITEMSTRUCT*)>, "handler must be void (int id, DRAWITEMSTRUCT*)");
  (Self<F>(w)->*F)(static_cast<int>(wp), reinterpret_cast<DRAWITEMSTRUCT*>(lp));
  *r = TRUE;
  return true;
}

}  // namespace detail
}  // namespace fw

// In the class declaration; leaves the access at protected.
#define FW_DECLARE_MESSAGE_MAP()                               \
 protected:                                                    \
  static const ::fw::MessageMap* GetThisMessageMap();          \
  const ::fw::MessageMap* GetMessageMap() const override;

#define FW_BEGIN_MESSAGE_MAP(Class, Base)                                              \
  const ::fw::MessageMap* Class::GetMessageMap() const { return GetThisMessageMap(); } \
  const ::fw::MessageMap* Class::GetThisMessageMap() {                                 \
    using ThisClass = Class;                                                           \
    using TheBase = Base;                                                              \
    static_assert(std::is_base_of_v<TheBase, ThisClass>, "map base is not a base class"); \
    static const ::fw::MsgMapEntry entries[] = {
#define FW_END_MESSAGE_MAP()                                            \
  { 0, 0, 0, 0, nullptr }                                               \
  }                                                                     \
  ;                                                                     \
  static const ::fw::MessageMap map = {&TheBase::GetThisMessageMap, entries}; \
  return &map;                                                          \
  }

#define FW_MAP_ENTRY_(msg, code, first, last, thunk) \
  {(UINT)(msg), (UINT)(code), (UINT)(first), (UINT)(last), &::fw::detail::thunk},

// Handlers are named bare: FW_ON_COMMAND(IDC_SCAN, OnScan). A mapped message skips the
// default processing; a handler that wants it too (WM_SYSCOMMAND, WM_CHAR, WM_SETCURSOR...)
// calls Default(). WM_DESTROY and WM_NCDESTROY always get it.
#define FW_ON_MESSAGE(msg, fn) FW_MAP_ENTRY_(msg, 0, 0, 0, OnMessage<&ThisClass::fn>)
#define FW_ON_COMMAND(id, fn) FW_MAP_ENTRY_(WM_COMMAND, 0, id, id, OnVoid<&ThisClass::fn>)
#define FW_ON_COMMAND_RANGE(first, last, fn) \
  FW_MAP_ENTRY_(WM_COMMAND, 0, first, last, OnCommandRange<&ThisClass::fn>)
#define FW_ON_CONTROL(code, id, fn) FW_MAP_ENTRY_(WM_COMMAND, code, id, id, OnVoid<&ThisClass::fn>)
#define FW_ON_BN_CLICKED(id, fn) FW_ON_CONTROL(BN_CLICKED, id, fn)
#define FW_ON_CBN_SELCHANGE(id, fn) FW_ON_CONTROL(CBN_SELCHANGE, id, fn)
#define FW_ON_EN_CHANGE(id, fn) FW_ON_CONTROL(EN_CHANGE, id, fn)
#define FW_ON_LBN_SELCHANGE(id, fn) FW_ON_CONTROL(LBN_SELCHANGE, id, fn)
#define FW_ON_NOTIFY(code, id, fn) FW_MAP_ENTRY_(WM_NOTIFY, code, id, id, OnNotify<&ThisClass::fn>)
#define FW_ON_NOTIFY_RANGE(code, first, last, fn) \
  FW_MAP_ENTRY_(WM_NOTIFY, code, first, last, OnNotify<&ThisClass::fn>)

#define FW_ON_WM_TIMER(fn) FW_MAP_ENTRY_(WM_TIMER, 0, 0, 0, OnTimer<&ThisClass::fn>)
#define FW_ON_WM_PAINT(fn) FW_MAP_ENTRY_(WM_PAINT, 0, 0, 0, OnVoid<&ThisClass::fn>)
#define FW_ON_WM_DESTROY(fn) FW_MAP_ENTRY_(WM_DESTROY, 0, 0, 0, OnVoid<&ThisClass::fn>)
#define FW_ON_WM_CLOSE(fn) FW_MAP_ENTRY_(WM_CLOSE, 0, 0, 0, OnVoid<&ThisClass::fn>)
#define FW_ON_WM_HSCROLL(fn) FW_MAP_ENTRY_(WM_HSCROLL, 0, 0, 0, OnScroll<&ThisClass::fn>)
#define FW_ON_WM_VSCROLL(fn) FW_MAP_ENTRY_(WM_VSCROLL, 0, 0, 0, OnScroll<&ThisClass::fn>)
#define FW_ON_WM_CTLCOLOR(fn) FW_MAP_ENTRY_(::fw::detail::kCtlColorAny, 0, 0, 0, OnCtlColor<&ThisClass::fn>)
#define FW_ON_WM_SETCURSOR(fn) FW_MAP_ENTRY_(WM_SETCURSOR, 0, 0, 0, OnSetCursor<&ThisClass::fn>)
#define FW_ON_WM_HELPINFO(fn) FW_MAP_ENTRY_(WM_HELP, 0, 0, 0, OnHelpInfo<&ThisClass::fn>)
#define FW_ON_WM_SYSCOMMAND(fn) FW_MAP_ENTRY_(WM_SYSCOMMAND, 0, 0, 0, OnSysCommand<&ThisClass::fn>)
#define FW_ON_WM_CHAR(fn) FW_MAP_ENTRY_(WM_CHAR, 0, 0, 0, OnKey<&ThisClass::fn>)
#define FW_ON_WM_KEYDOWN(fn) FW_MAP_ENTRY_(WM_KEYDOWN, 0, 0, 0, OnKey<&ThisClass::fn>)
#define FW_ON_WM_LBUTTONDOWN(fn) FW_MAP_ENTRY_(WM_LBUTTONDOWN, 0, 0, 0, OnMouse<&ThisClass::fn>)
#define FW_ON_WM_LBUTTONUP(fn) FW_MAP_ENTRY_(WM_LBUTTONUP, 0, 0, 0, OnMouse<&ThisClass::fn>)
#define FW_ON_WM_MOUSEMOVE(fn) FW_MAP_ENTRY_(WM_MOUSEMOVE, 0, 0, 0, OnMouse<&ThisClass::fn>)
#define FW_ON_WM_SIZE(fn) FW_MAP_ENTRY_(WM_SIZE, 0, 0, 0, OnSize<&ThisClass::fn>)
#define FW_ON_WM_DRAWITEM(fn) FW_MAP_ENTRY_(WM_DRAWITEM, 0, 0, 0, OnDrawItem<&ThisClass::fn>)

// Entries in a control's own map, for notifications its parent reflects to it.
#define FW_ON_NOTIFY_REFLECT(code, fn) \
  FW_MAP_ENTRY_(::fw::detail::kReflect | WM_NOTIFY, code, 0, 0, OnNotify<&ThisClass::fn>)
#define FW_ON_CONTROL_REFLECT(code, fn) \
  FW_MAP_ENTRY_(::fw::detail::kReflect | WM_COMMAND, code, 0, 0, OnVoid<&ThisClass::fn>)
#define FW_ON_WM_CTLCOLOR_REFLECT(fn)                                                 \
  FW_MAP_ENTRY_(::fw::detail::kReflect | ::fw::detail::kCtlColorAny, 0, 0, 0, \
                OnCtlColorReflect<&ThisClass::fn>)
#define FW_ON_WM_HSCROLL_REFLECT(fn) \
  FW_MAP_ENTRY_(::fw::detail::kReflect | WM_HSCROLL, 0, 0, 0, OnScroll<&ThisClass::fn>)
