// Dialog data exchange between controls and members.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dlg, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlg) {}

  BOOL m_bSaveAndValidate;  // TRUE: controls to members
  CWnd* m_pDlgWnd;

  // The control, remembered for Fail(); nullptr when the dialog lacks it.
  HWND PrepareCtrl(int id);
  // Marks the exchange as failed and focuses the last prepared control. Shows nothing:
  // the caller tells the user. Later DDX calls of the same exchange do nothing.
  void Fail();
  bool HasFailed() const { return m_bFailed; }

 private:
  HWND m_hLastCtrl = nullptr;
  bool m_bFailed = false;
};

// Edit text. Numbers: saving text that is not a whole number in range fails.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, unsigned& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
// Combo box selection index (-1: none) and text (an exact, case-insensitive item match).
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, std::string& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
// BST_UNCHECKED / BST_CHECKED / BST_INDETERMINATE.
void DDX_Check(CDataExchange* dx, int id, int& value);
// Radio group that starts at id (up to the next WS_GROUP control): index of the checked
// button, -1 when none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// The same, but reading leaves the member as it was when the list has no selection (or the
// group no checked button): a stored value the control cannot show is kept, not lost.
void DDX_CBIndexKept(CDataExchange* dx, int id, int& index);
void DDX_CBStringKept(CDataExchange* dx, int id, std::string& value);
void DDX_RadioKept(CDataExchange* dx, int id, int& value);
// Trackbar position.
void DDX_Slider(CDataExchange* dx, int id, int& value);
// Binds the control to a framework object once (its messages then run that object's map).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

}  // namespace fw
