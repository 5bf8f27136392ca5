#include "framework/wnd.h"

#include <commctrl.h>

#include <unordered_set>

namespace fw {
namespace {

const char kObjectProp[] = "fw.CWnd";

// Every live framework object: lets the dispatcher tell whether an object it counted
// was deleted by a handler behind its back.
std::unordered_set<const CWnd*>& LiveObjects() {
  static std::unordered_set<const CWnd*> objects;
  return objects;
}

bool IsCtlColor(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }

bool Matches(const MsgMapEntry& e, UINT msg, WPARAM wp, LPARAM lp, bool reflected) {
  UINT key = IsCtlColor(msg) ? detail::kCtlColorAny : msg;
  if (reflected) key |= detail::kReflect;
  if (e.message != key) return false;
  if (msg == WM_COMMAND) {
    UINT code = HIWORD(wp);
    if (reflected) return e.code == code;
    UINT id = LOWORD(wp);
    if (id < e.idFirst || id > e.idLast) return false;
    // Code 1 with no control is an accelerator: a command like a menu item.
    return e.code == code || (e.code == 0 && code == 1 && lp == 0);
  }
  if (msg == WM_NOTIFY) {
    const NMHDR* n = reinterpret_cast<const NMHDR*>(lp);
    if (n == nullptr || e.code != n->code) return false;
    if (reflected) return true;
    UINT id = static_cast<UINT>(n->idFrom);
    return id >= e.idFirst && id <= e.idLast;
  }
  return true;
}

bool SearchMap(CWnd* self, const MessageMap* map, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result,
               bool reflected) {
  for (; map != nullptr; map = map->base ? map->base() : nullptr) {
    for (const MsgMapEntry* e = map->entries; e->thunk != nullptr; ++e) {
      if (Matches(*e, msg, wp, lp, reflected)) return e->thunk(self, msg, wp, lp, result);
    }
  }
  return false;
}

// The child a notification comes from, for reflection.
HWND NotifyingChild(UINT msg, WPARAM, LPARAM lp) {
  if (lp == 0) return nullptr;
  if (msg == WM_NOTIFY) return reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
  if (msg == WM_COMMAND || IsCtlColor(msg) || msg == WM_HSCROLL || msg == WM_VSCROLL)
    return reinterpret_cast<HWND>(lp);
  return nullptr;
}

}  // namespace

namespace detail {

bool IsAlive(const CWnd* w) { return w != nullptr && LiveObjects().count(w) != 0; }

DispatchScope::DispatchScope(CWnd* w) {
  m_objs[m_count++] = w;
  ++w->m_nDepth;
  HWND h = w->m_hWnd;
  while (h != nullptr && m_count < kMax && (GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) {
    h = GetAncestor(h, GA_PARENT);
    if (CWnd* p = CWnd::FromHandle(h)) {
      m_objs[m_count++] = p;
      ++p->m_nDepth;
    }
  }
}

DispatchScope::~DispatchScope() {
  for (int i = 0; i < m_count; ++i)
    if (IsAlive(m_objs[i])) --m_objs[i]->m_nDepth;
  // Innermost first: releasing a parent may delete its children's objects.
  for (int i = 0; i < m_count; ++i)
    if (IsAlive(m_objs[i])) m_objs[i]->ReleaseIfIdle();
}

LRESULT CallWindowProcOf(CWnd* w, UINT msg, WPARAM wp, LPARAM lp) {
  UINT oldMsg = w->m_curMsg;
  WPARAM oldWp = w->m_curWp;
  LPARAM oldLp = w->m_curLp;
  w->m_curMsg = msg;
  w->m_curWp = wp;
  w->m_curLp = lp;
  LRESULT r = w->WindowProc(msg, wp, lp);
  if (IsAlive(w)) {
    w->m_curMsg = oldMsg;
    w->m_curWp = oldWp;
    w->m_curLp = oldLp;
  }
  return r;
}

void AfterNcDestroy(CWnd* w) {
  if (!IsAlive(w)) return;
  w->Detach();
  w->m_bPostNcPending = true;
}

}  // namespace detail

CWnd::CWnd() { LiveObjects().insert(this); }

CWnd::~CWnd() {
  // Unbind first: the destroy messages must not reach a half-destroyed object.
  HWND h = m_hWnd;
  bool owns = m_bOwnsWindow;
  if (h != nullptr) Detach();
  LiveObjects().erase(this);
  if (owns && h != nullptr && ::IsWindow(h)) ::DestroyWindow(h);
}

CWnd* CWnd::FromHandle(HWND h) {
  if (h == nullptr) return nullptr;
  auto* w = static_cast<CWnd*>(GetPropA(h, kObjectProp));
  return detail::IsAlive(w) && w->m_hWnd == h ? w : nullptr;
}

void CWnd::Attach(HWND h) {
  m_hWnd = h;
  SetPropA(h, kObjectProp, this);
}

void CWnd::Detach() {
  if (m_hWnd == nullptr) return;
  if (m_bSubclassed) RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, 1);
  m_bSubclassed = false;
  RemovePropA(m_hWnd, kObjectProp);
  m_hWnd = nullptr;
  m_bOwnsWindow = false;
}

std::string CWnd::GetWindowText() const {
  int n = GetWindowTextLengthA(m_hWnd);
  if (n <= 0) return {};
  std::string s(static_cast<size_t>(n) + 1, '\0');
  int got = ::GetWindowTextA(m_hWnd, s.data(), n + 1);
  s.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return s;
}

std::string CWnd::GetDlgItemText(int id) const {
  HWND item = GetDlgItem(id);
  if (item == nullptr) return {};
  int n = GetWindowTextLengthA(item);
  if (n <= 0) return {};
  std::string s(static_cast<size_t>(n) + 1, '\0');
  int got = ::GetWindowTextA(item, s.data(), n + 1);
  s.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return s;
}

RECT CWnd::GetWindowRect() const {
  RECT r{};
  ::GetWindowRect(m_hWnd, &r);
  return r;
}

RECT CWnd::GetClientRect() const {
  RECT r{};
  ::GetClientRect(m_hWnd, &r);
  return r;
}

BOOL CWnd::DestroyWindow() { return m_hWnd != nullptr && ::DestroyWindow(m_hWnd); }

BOOL CWnd::SubclassWindow(HWND h) {
  if (h == nullptr || m_hWnd != nullptr || FromHandle(h) != nullptr) return FALSE;
  if (!SetWindowSubclass(h, &CWnd::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this))) return FALSE;
  m_bSubclassed = true;
  Attach(h);
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(int id, CWnd* parent) {
  return parent != nullptr && SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

HWND CWnd::UnsubclassWindow() {
  if (!m_bSubclassed) return nullptr;
  HWND h = m_hWnd;
  Detach();
  return h;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  auto* w = reinterpret_cast<CWnd*>(ref);
  if (!detail::IsAlive(w) || w->m_hWnd != h) return DefSubclassProc(h, msg, wp, lp);
  detail::DispatchScope scope(w);
  LRESULT r = detail::CallWindowProcOf(w, msg, wp, lp);
  if (msg == WM_NCDESTROY) detail::AfterNcDestroy(w);
  return r;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT r = 0;
  // The default teardown always runs, whatever a handler did.
  if (msg == WM_DESTROY || msg == WM_NCDESTROY) {
    OnWndMsg(msg, wp, lp, &r);
    return DefWindowProc(msg, wp, lp);
  }
  if (OnWndMsg(msg, wp, lp, &r)) return r;
  return DefWindowProc(msg, wp, lp);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (m_bSubclassed) return DefSubclassProc(m_hWnd, msg, wp, lp);
  if (m_hWnd != nullptr) return ::DefWindowProcA(m_hWnd, msg, wp, lp);
  return 0;
}

LRESULT CWnd::Default() { return m_curMsg == WM_NULL ? 0 : DefWindowProc(m_curMsg, m_curWp, m_curLp); }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  HWND child = NotifyingChild(msg, wp, lp);
  if (child != nullptr && child != m_hWnd && GetAncestor(child, GA_PARENT) == m_hWnd) {
    if (CWnd* c = FromHandle(child)) {
      detail::DispatchScope scope(c);
      // The child may be inside its own handler (an edit sends EN_KILLFOCUS while it
      // processes WM_KILLFOCUS): a Default() in the reflected handler must not replay that.
      UINT oldMsg = c->m_curMsg;
      WPARAM oldWp = c->m_curWp;
      LPARAM oldLp = c->m_curLp;
      c->m_curMsg = WM_NULL;
      c->m_curWp = 0;
      c->m_curLp = 0;
      BOOL handled = c->OnChildNotify(msg, wp, lp, result);
      if (detail::IsAlive(c)) {
        c->m_curMsg = oldMsg;
        c->m_curWp = oldWp;
        c->m_curLp = oldLp;
      }
      if (handled) return TRUE;
    }
  }
  return SearchMap(this, GetMessageMap(), msg, wp, lp, result, false);
}

BOOL CWnd::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  return SearchMap(this, GetMessageMap(), msg, wp, lp, result, true);
}

const MessageMap* CWnd::GetThisMessageMap() {
  static const MsgMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
  static const MessageMap map = {nullptr, entries};
  return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

void CWnd::ReleaseIfIdle() {
  if (m_nDepth != 0) return;
  if (m_bDestroyPending) {
    m_bDestroyPending = false;
    // The scope's end comes back here and deletes: the teardown must not delete midway.
    detail::DispatchScope scope(this);
    if (m_hWnd != nullptr) DestroyWindow();
    return;
  }
  bool del = m_bDeletePending;
  m_bDeletePending = false;
  if (m_bPostNcPending) {
    m_bPostNcPending = false;
    PostNcDestroy();
    if (!detail::IsAlive(this)) return;
  }
  if (del) delete this;
}

void DeleteLater(CWnd* w) {
  if (!detail::IsAlive(w)) return;
  w->m_bDeletePending = true;
  detail::DispatchScope scope(w);  // releases w on leaving, unless a handler still runs
  if (w->m_hWnd != nullptr) w->DestroyWindow();
}

void DeleteWhenIdle(CWnd* w) {
  if (!detail::IsAlive(w)) return;
  if (w->m_nDepth == 0 || w->m_hWnd == nullptr) {
    DeleteLater(w);
    return;
  }
  w->m_bDeletePending = true;
  w->m_bDestroyPending = true;
  w->ShowWindow(SW_HIDE);
}

}  // namespace fw
