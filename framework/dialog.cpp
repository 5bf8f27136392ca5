#include "framework/dialog.h"

#include "framework/ddx.h"
#include "framework/message_loop.h"
#include "framework/resources.h"

namespace fw {

FW_BEGIN_MESSAGE_MAP(CDialog, CWnd)
  FW_ON_COMMAND(IDOK, OnOK)
  FW_ON_COMMAND(IDCANCEL, OnCancel)
FW_END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
  if (m_hWnd != nullptr) return -1;
  // Counts the loop as a handler of this dialog: DeleteLater waits until it returns.
  detail::DispatchScope scope(this);
  HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  HWND owner = parent != nullptr ? GetAncestor(parent, GA_ROOT) : nullptr;
  m_bEnded = false;
  m_nModalResult = -1;
  m_bInModal = true;
  HWND h = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(m_nIDTemplate), owner, &CDialog::DialogProc,
                              reinterpret_cast<LPARAM>(this));
  if (h == nullptr) {
    m_bInModal = false;
    return -1;
  }
  bool disabledOwner = false;
  if (owner != nullptr && ::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, FALSE);
    disabledOwner = true;
  }
  detail::PushModal(h, false);
  // Shown like a system modal dialog, whatever the template says (unless already ended).
  if (!m_bEnded && ::IsWindow(h)) {
    ::ShowWindow(h, SW_SHOWNORMAL);
    ::UpdateWindow(h);
  }
  RunLoopUntil([&] { return m_bEnded || !::IsWindow(h); });
  detail::PopModal(h);
  if (disabledOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
  // Activation goes back to the owner before the dialog disappears.
  if (owner != nullptr && ::IsWindow(owner) && ::GetActiveWindow() == h) ::SetActiveWindow(owner);
  if (::IsWindow(h)) ::DestroyWindow(h);
  m_bInModal = false;
  return m_bEnded ? m_nModalResult : -1;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  if (m_hWnd != nullptr) return FALSE;
  m_nIDTemplate = templateId;
  m_pParentWnd = parent;
  m_bEnded = false;
  HWND h = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId),
                              parent != nullptr ? parent->m_hWnd : nullptr, &CDialog::DialogProc,
                              reinterpret_cast<LPARAM>(this));
  return h != nullptr;
}

void CDialog::EndDialog(int result) {
  m_nModalResult = result;
  m_bEnded = true;
  if (m_hWnd == nullptr) return;
  if (m_bInModal)
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop if it waits in GetMessage
  else
    ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  if (m_hWnd == nullptr) return FALSE;
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.HasFailed();
}

void CDialog::NextDlgCtrl() { SendMessage(WM_NEXTDLGCTL, 0, FALSE); }
void CDialog::PrevDlgCtrl() { SendMessage(WM_NEXTDLGCTL, 1, FALSE); }
void CDialog::GotoDlgCtrl(HWND ctrl) { SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ctrl), TRUE); }

void CDialog::EnableDlgItem(int id, BOOL enable) {
  HWND item = GetDlgItem(id);
  if (!item) return;
  if (!enable && ::GetFocus() == item) {
    // A disabled window keeps the focus it had, and then no key reaches anything.
    HWND next = ::GetNextDlgTabItem(m_hWnd, item, FALSE);
    ::EnableWindow(item, FALSE);
    if (next && next != item && ::IsWindowEnabled(next)) GotoDlgCtrl(next);
    else if (HWND root = ::GetAncestor(m_hWnd, GA_ROOT)) ::SendMessageA(root, WM_NEXTDLGCTL, 0, FALSE);
    return;
  }
  ::EnableWindow(item, enable);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) return OnInitDialog();
  return CWnd::WindowProc(msg, wp, lp);
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM) {
  if (m_pUnhandled != nullptr) *m_pUnhandled = true;
  return 0;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  // A modal dialog gets IsDialogMessage from the loop itself.
  return !m_bInModal && m_hWnd != nullptr && IsDialogMessageA(m_hWnd, msg);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  CDialog* d = nullptr;
  if (msg == WM_INITDIALOG) {
    d = reinterpret_cast<CDialog*>(lp);
    if (!detail::IsAlive(d) || d->m_hWnd != nullptr) return FALSE;
    d->Attach(h);
    d->m_bOwnsWindow = true;
  } else {
    d = dynamic_cast<CDialog*>(FromHandle(h));
  }
  if (d == nullptr) return FALSE;
  return RunDialogProc(d, h, msg, wp, lp);
}

INT_PTR CDialog::RunDialogProc(CDialog* d, HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  // Declared first, released last: a DeleteLater in a handler waits for this call.
  detail::DispatchScope scope(d);
  bool unhandled = false;
  bool* outer = d->m_pUnhandled;
  d->m_pUnhandled = &unhandled;
  LRESULT r = detail::CallWindowProcOf(d, msg, wp, lp);
  if (detail::IsAlive(d)) d->m_pUnhandled = outer;
  if (msg == WM_NCDESTROY) detail::AfterNcDestroy(d);

  // Teardown always gets the system's default as well.
  if (unhandled || msg == WM_DESTROY || msg == WM_NCDESTROY) return FALSE;
  switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return static_cast<INT_PTR>(r);
    default:
      if (::IsWindow(h)) SetWindowLongPtrA(h, DWLP_MSGRESULT, r);
      return TRUE;
  }
}

}  // namespace fw
