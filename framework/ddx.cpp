#include "framework/ddx.h"

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "framework/wnd.h"

namespace fw {
namespace {

std::string TextOf(HWND h) {
  int n = GetWindowTextLengthA(h);
  if (n <= 0) return {};
  std::string s(static_cast<size_t>(n) + 1, '\0');
  int got = GetWindowTextA(h, s.data(), n + 1);
  s.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return s;
}

// The whole text, blanks around it allowed, must be one number within [lo, hi].
bool ParseNumber(const std::string& text, long long lo, long long hi, long long* out) {
  const char* p = text.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  if (*p == '\0') return false;
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(p, &end, 10);
  if (end == p || errno == ERANGE) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0' || v < lo || v > hi) return false;
  *out = v;
  return true;
}

template <class T>
void TextNumber(CDataExchange* dx, int id, T& value, long long lo, long long hi) {
  HWND h = dx->PrepareCtrl(id);
  if (h == nullptr) return;
  if (dx->m_bSaveAndValidate) {
    long long v = 0;
    if (!ParseNumber(TextOf(h), lo, hi, &v)) {
      dx->Fail();
      return;
    }
    value = static_cast<T>(v);
  } else {
    SetWindowTextA(h, std::to_string(value).c_str());
  }
}

std::string ComboItemText(HWND h, int index) {
  LRESULT len = SendMessageA(h, CB_GETLBTEXTLEN, index, 0);
  if (len == CB_ERR || len <= 0) return {};
  std::string s(static_cast<size_t>(len) + 1, '\0');
  LRESULT got = SendMessageA(h, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(s.data()));
  s.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return s;
}

bool IsRadio(HWND h) { return (SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0; }

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  if (m_bFailed || m_pDlgWnd == nullptr) return nullptr;
  m_hLastCtrl = m_pDlgWnd->GetDlgItem(id);
  return m_hLastCtrl;
}

void CDataExchange::Fail() {
  m_bFailed = true;
  if (m_hLastCtrl == nullptr) return;
  SetFocus(m_hLastCtrl);
  char cls[16] = {};
  GetClassNameA(m_hLastCtrl, cls, sizeof cls);
  if (lstrcmpiA(cls, "Edit") == 0) SendMessageA(m_hLastCtrl, EM_SETSEL, 0, -1);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
  HWND h = dx->PrepareCtrl(id);
  if (h == nullptr) return;
  if (dx->m_bSaveAndValidate)
    value = TextOf(h);
  else
    SetWindowTextA(h, value.c_str());
}

void DDX_Text(CDataExchange* dx, int id, int& value) { TextNumber(dx, id, value, INT_MIN, INT_MAX); }
void DDX_Text(CDataExchange* dx, int id, unsigned& value) { TextNumber(dx, id, value, 0, UINT_MAX); }
void DDX_Text(CDataExchange* dx, int id, long& value) { TextNumber(dx, id, value, LONG_MIN, LONG_MAX); }

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  HWND h = dx->PrepareCtrl(id);
  if (h == nullptr) return;
  if (dx->m_bSaveAndValidate)
    index = static_cast<int>(SendMessageA(h, CB_GETCURSEL, 0, 0));
  else
    SendMessageA(h, CB_SETCURSEL, index, 0);
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value) {
  HWND h = dx->PrepareCtrl(id);
  if (h == nullptr) return;
  if (dx->m_bSaveAndValidate) {
    int sel = static_cast<int>(SendMessageA(h, CB_GETCURSEL, 0, 0));
    value = sel >= 0 ? ComboItemText(h, sel) : TextOf(h);
    return;
  }
  LRESULT found = SendMessageA(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
  SendMessageA(h, CB_SETCURSEL, found == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(found), 0);
  // A drop-down combo keeps text that is not in its list.
  if (found == CB_ERR && (GetWindowLongA(h, GWL_STYLE) & 3) == CBS_DROPDOWN) SetWindowTextA(h, value.c_str());
}

void DDX_CBIndexKept(CDataExchange* dx, int id, int& index) {
  if (dx->m_bSaveAndValidate) {
    HWND h = dx->m_pDlgWnd != nullptr ? dx->m_pDlgWnd->GetDlgItem(id) : nullptr;
    if (h == nullptr || SendMessageA(h, CB_GETCURSEL, 0, 0) == CB_ERR) return;
  }
  DDX_CBIndex(dx, id, index);
}

void DDX_CBStringKept(CDataExchange* dx, int id, std::string& value) {
  if (dx->m_bSaveAndValidate) {
    HWND h = dx->m_pDlgWnd != nullptr ? dx->m_pDlgWnd->GetDlgItem(id) : nullptr;
    if (h == nullptr || SendMessageA(h, CB_GETCURSEL, 0, 0) == CB_ERR) return;
  }
  DDX_CBString(dx, id, value);
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
  HWND h = dx->PrepareCtrl(id);
  if (h == nullptr) return;
  if (dx->m_bSaveAndValidate)
    index = static_cast<int>(SendMessageA(h, LB_GETCURSEL, 0, 0));
  else
    SendMessageA(h, LB_SETCURSEL, index, 0);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND h = dx->PrepareCtrl(id);
  if (h == nullptr) return;
  if (dx->m_bSaveAndValidate)
    value = static_cast<int>(SendMessageA(h, BM_GETCHECK, 0, 0));
  else
    SendMessageA(h, BM_SETCHECK, value, 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
  HWND h = dx->PrepareCtrl(id);
  if (h == nullptr) return;
  if (dx->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (HWND b = h; b != nullptr; b = GetWindow(b, GW_HWNDNEXT)) {
    if (b != h && (GetWindowLongA(b, GWL_STYLE) & WS_GROUP)) break;
    if (!IsRadio(b)) continue;
    if (dx->m_bSaveAndValidate) {
      if (value < 0 && SendMessageA(b, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      SendMessageA(b, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++index;
  }
}

void DDX_RadioKept(CDataExchange* dx, int id, int& value) {
  int read = value;
  DDX_Radio(dx, id, read);
  if (!dx->m_bSaveAndValidate || read >= 0) value = read;
}

void DDX_Slider(CDataExchange* dx, int id, int& value) {
  HWND h = dx->PrepareCtrl(id);
  if (h == nullptr) return;
  if (dx->m_bSaveAndValidate)
    value = static_cast<int>(SendMessageA(h, TBM_GETPOS, 0, 0));
  else
    SendMessageA(h, TBM_SETPOS, TRUE, value);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd != nullptr) return;
  HWND h = dx->PrepareCtrl(id);
  if (h != nullptr) control.SubclassWindow(h);
}

}  // namespace fw
