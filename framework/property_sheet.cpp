#include "framework/property_sheet.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/message_loop.h"
#include "framework/resources.h"

namespace fw {
namespace {

// The sheet whose PropertySheetA call runs: its callback has no other way to find it.
CPropertySheet* g_creatingSheet = nullptr;

UINT EndCheckMessage() {
  static const UINT msg = RegisterWindowMessageA("fw.PropertySheet.EndCheck");
  return msg;
}

}  // namespace

// ---- CPropertyPage ----

CPropertyPage::CPropertyPage(UINT templateId, UINT captionStringId) : CDialog(templateId) {
  m_psp = {};
  m_psp.dwSize = sizeof m_psp;
  if (captionStringId != 0) m_strCaption = LoadStr(captionStringId);
}

CPropertyPage::~CPropertyPage() {
  // Unbound first: the page window's teardown must not reach this half-destroyed object.
  Detach();
  if (m_pSheet != nullptr) m_pSheet->RemovePage(this);
}

HPROPSHEETPAGE CPropertyPage::CreatePageHandle() {
  m_psp.dwSize = sizeof m_psp;
  m_psp.dwFlags &= ~(PSP_DLGINDIRECT | PSP_USEICONID | PSP_USEHICON);
  if (!m_strCaption.empty()) {
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strCaption.c_str();
  }
  m_psp.hInstance = ResourceInstance();
  m_psp.pszTemplate = MAKEINTRESOURCEA(m_nIDTemplate);
  m_psp.pfnDlgProc = &CPropertyPage::PageProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  m_bFirstSetActive = true;
  return CreatePropertySheetPageA(&m_psp);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  CPropertyPage* p = nullptr;
  if (msg == WM_INITDIALOG) {
    const auto* psp = reinterpret_cast<const PROPSHEETPAGEA*>(lp);
    p = psp != nullptr ? reinterpret_cast<CPropertyPage*>(psp->lParam) : nullptr;
    if (!detail::IsAlive(p) || p->m_hWnd != nullptr) return FALSE;
    p->Attach(h);  // the sheet owns and destroys the page window
  } else {
    p = dynamic_cast<CPropertyPage*>(FromHandle(h));
  }
  if (p == nullptr) return FALSE;
  return RunDialogProc(p, h, msg, wp, lp);
}

LRESULT CPropertyPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NOTIFY && lp != 0) {
    const auto* n = reinterpret_cast<const NMHDR*>(lp);
    if (n->hwndFrom == ::GetParent(m_hWnd)) {
      switch (n->code) {
        case PSN_SETACTIVE:
          return OnSetActive() ? 0 : -1;
        case PSN_KILLACTIVE:
          return OnKillActive() ? FALSE : TRUE;
        case PSN_APPLY:
          return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        case PSN_RESET:
          OnReset();
          return 0;
        case PSN_QUERYCANCEL:
          return OnQueryCancel() ? FALSE : TRUE;
        default:
          break;
      }
    }
  }
  return CDialog::WindowProc(msg, wp, lp);
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive)
    m_bFirstSetActive = false;
  else
    UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

void CPropertyPage::SetModified(BOOL changed) {
  if (m_hWnd == nullptr || m_pSheet == nullptr || m_pSheet->m_hWnd == nullptr) return;
  ::SendMessageA(m_pSheet->m_hWnd, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

// ---- CPropertySheet ----

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT startPage)
    : m_pParentWnd(parent), m_strCaption(caption != nullptr ? caption : "") {
  m_psh = {};
  m_psh.dwSize = sizeof m_psh;
  m_psh.nStartPage = startPage;
}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT startPage)
    : CPropertySheet(LoadStr(captionId).c_str(), parent, startPage) {}

CPropertySheet::~CPropertySheet() {
  for (CPropertyPage* p : m_pages)
    if (detail::IsAlive(p)) p->m_pSheet = nullptr;
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  auto it = std::find(m_pages.begin(), m_pages.end(), page);
  return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (page == nullptr || GetPageIndex(page) >= 0 || page->m_pSheet != nullptr) return;
  if (m_hWnd != nullptr) {
    HPROPSHEETPAGE h = page->CreatePageHandle();
    if (h == nullptr) return;
    if (!PropSheet_AddPage(m_hWnd, h)) {
      DestroyPropertySheetPage(h);
      return;
    }
  }
  m_pages.push_back(page);
  page->m_pSheet = this;
}

void CPropertySheet::RemovePage(CPropertyPage* page) { RemovePage(GetPageIndex(page)); }

void CPropertySheet::RemovePage(int index) {
  CPropertyPage* page = GetPage(index);
  if (page == nullptr) return;
  // Out of the list first: the removal destroys the page window, which may call back.
  m_pages.erase(m_pages.begin() + index);
  page->m_pSheet = nullptr;
  if (m_hWnd != nullptr) PropSheet_RemovePage(m_hWnd, index, nullptr);
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

int CPropertySheet::GetActiveIndex() const {
  if (m_hWnd == nullptr) return static_cast<int>(m_psh.nStartPage);
  HWND current = PropSheet_GetCurrentPageHwnd(m_hWnd);
  if (current == nullptr) return -1;
  for (size_t i = 0; i < m_pages.size(); ++i)
    if (m_pages[i]->m_hWnd == current) return static_cast<int>(i);
  return -1;
}

BOOL CPropertySheet::SetActivePage(int index) {
  if (GetPage(index) == nullptr) return FALSE;
  if (m_hWnd == nullptr) {
    m_psh.nStartPage = static_cast<UINT>(index);
    return TRUE;
  }
  return PropSheet_SetCurSel(m_hWnd, nullptr, index) ? TRUE : FALSE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

HWND CPropertySheet::GetTabControl() const {
  return m_hWnd != nullptr ? PropSheet_GetTabControl(m_hWnd) : nullptr;
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle) {
  if (m_hWnd != nullptr) return FALSE;
  if (parent != nullptr) m_pParentWnd = parent;
  m_bModal = false;
  return CreateSheetWindow(style, exStyle);
}

BOOL CPropertySheet::CreateSheetWindow(DWORD style, DWORD exStyle) {
  m_dwStyle = style == static_cast<DWORD>(-1) ? kDefaultStyle : style;
  m_dwExStyle = exStyle;
  m_handles.clear();
  for (CPropertyPage* p : m_pages) {
    HPROPSHEETPAGE h = p->CreatePageHandle();
    if (h == nullptr) {
      for (HPROPSHEETPAGE made : m_handles) DestroyPropertySheetPage(made);
      m_handles.clear();
      return FALSE;
    }
    m_handles.push_back(h);
  }
  PROPSHEETHEADERA psh = m_psh;
  psh.dwSize = sizeof psh;
  psh.dwFlags = (psh.dwFlags & ~(PSH_PROPSHEETPAGE | PSH_USEPSTARTPAGE)) | PSH_MODELESS | PSH_USECALLBACK;
  HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  psh.hwndParent = m_bModal && parent != nullptr ? GetAncestor(parent, GA_ROOT) : parent;
  psh.hInstance = ResourceInstance();
  psh.pszCaption = m_strCaption.c_str();
  psh.nPages = static_cast<UINT>(m_handles.size());
  if (psh.nStartPage >= psh.nPages) psh.nStartPage = 0;
  psh.phpage = m_handles.data();
  psh.pfnCallback = &CPropertySheet::SheetCallback;

  CPropertySheet* outer = g_creatingSheet;
  g_creatingSheet = this;
  INT_PTR r = PropertySheetA(&psh);
  g_creatingSheet = outer;
  m_handles.clear();  // the sheet owns them now
  if (r <= 0 || m_hWnd == nullptr) {
    if (r > 0 && ::IsWindow(reinterpret_cast<HWND>(r))) ::DestroyWindow(reinterpret_cast<HWND>(r));
    return FALSE;
  }
  return TRUE;
}

int CALLBACK CPropertySheet::SheetCallback(HWND h, UINT msg, LPARAM lp) {
  CPropertySheet* s = g_creatingSheet;
  if (s == nullptr) return 0;
  if (msg == PSCB_PRECREATE && lp != 0) {
    // The font flags describe the template's layout and must stay.
    const DWORD keep = DS_SETFONT | DS_FIXEDSYS;
    auto* words = reinterpret_cast<WORD*>(lp);
    if (words[0] == 1 && words[1] == 0xFFFF) {  // DLGTEMPLATEEX: helpID, exStyle, style
      auto* ex = reinterpret_cast<DWORD*>(words + 4);
      ex[0] = s->m_dwExStyle;
      ex[1] = s->m_dwStyle | (ex[1] & keep);
    } else {
      auto* t = reinterpret_cast<DLGTEMPLATE*>(lp);
      t->dwExtendedStyle = s->m_dwExStyle;
      t->style = s->m_dwStyle | (t->style & keep);
    }
  } else if (msg == PSCB_INITIALIZED && s->m_hWnd == nullptr) {
    if (!s->SubclassWindow(h)) return 0;
    s->m_bOwnsWindow = true;
    detail::DispatchScope scope(s);
    s->OnInitDialog();
  }
  return 0;
}

BOOL CPropertySheet::OnInitDialog() {
  if (!m_bModal) {
    for (int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP}) {
      HWND b = GetDlgItem(id);
      if (b == nullptr) continue;
      ::ShowWindow(b, SW_HIDE);
      ::EnableWindow(b, FALSE);
    }
  }
  return TRUE;
}

bool CPropertySheet::CheckEnded() {
  if (m_hWnd == nullptr) return true;
  if (PropSheet_GetCurrentPageHwnd(m_hWnd) != nullptr) return false;
  if (!m_bModal) DestroyWindow();  // the DoModal loop destroys a modal one
  return true;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* msg) {
  if (m_hWnd == nullptr) return FALSE;
  if (CheckEnded()) return TRUE;
  if (!PropSheet_IsDialogMessage(m_hWnd, msg)) return FALSE;
  // Enter or Esc may have ended the sheet.
  if (m_hWnd != nullptr && PropSheet_GetCurrentPageHwnd(m_hWnd) == nullptr)
    ::PostMessageA(m_hWnd, EndCheckMessage(), 0, 0);
  return TRUE;
}

LRESULT CPropertySheet::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == EndCheckMessage()) {
    CheckEnded();
    return 0;
  }
  // Remember which way the user is leaving; a veto is followed by another try.
  if (msg == PSM_PRESSBUTTON) {
    if (wp == PSBTN_OK || wp == PSBTN_FINISH) m_nResult = IDOK;
    if (wp == PSBTN_CANCEL) m_nResult = IDCANCEL;
  } else if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
    if (LOWORD(wp) == IDOK) m_nResult = IDOK;
    if (LOWORD(wp) == IDCANCEL) m_nResult = IDCANCEL;
  } else if (msg == WM_CLOSE || (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE)) {
    m_nResult = IDCANCEL;
  }
  LRESULT r = CWnd::WindowProc(msg, wp, lp);
  // Not destroyed here: the button that ended the sheet is still in its click. The
  // loop's next turn does it (PSM_PRESSBUTTON does not always pass WM_COMMAND).
  if ((msg == WM_COMMAND || msg == WM_SYSCOMMAND || msg == PSM_PRESSBUTTON || msg == WM_CLOSE) &&
      m_hWnd != nullptr && PropSheet_GetCurrentPageHwnd(m_hWnd) == nullptr)
    ::PostMessageA(m_hWnd, EndCheckMessage(), 0, 0);
  return r;
}

INT_PTR CPropertySheet::DoModal() {
  if (m_hWnd != nullptr) return -1;
  detail::DispatchScope scope(this);
  m_bModal = true;
  m_nResult = IDCANCEL;
  if (!CreateSheetWindow(static_cast<DWORD>(-1), 0)) {
    m_bModal = false;
    return -1;
  }
  HWND h = m_hWnd;
  HWND owner = GetWindow(h, GW_OWNER);
  bool disabledOwner = false;
  if (owner != nullptr && ::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, FALSE);
    disabledOwner = true;
  }
  detail::PushModal(h, true);
  RunLoopUntil([&] { return !::IsWindow(h) || PropSheet_GetCurrentPageHwnd(h) == nullptr; });
  detail::PopModal(h);
  if (disabledOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
  if (owner != nullptr && ::IsWindow(owner) && ::GetActiveWindow() == h) ::SetActiveWindow(owner);
  int result = ::IsWindow(h) ? m_nResult : IDCANCEL;
  if (::IsWindow(h)) ::DestroyWindow(h);
  m_bModal = false;
  return result;
}

}  // namespace fw
