// fw::CDialog: modal (through the framework's loop) and modeless dialogs.
#pragma once

#include <windows.h>

#include "framework/message_map.h"
#include "framework/wnd.h"

namespace fw {

class CDataExchange;

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);

  // Creates the dialog modeless, disables its owner and runs the framework's loop until
  // EndDialog. Returns the EndDialog code, or -1 when the dialog could not be created,
  // was destroyed without EndDialog, or WM_QUIT arrived.
  virtual INT_PTR DoModal();
  // Modeless. The parent's window is the owner (or the parent, for a child dialog).
  BOOL Create(UINT templateId, CWnd* parent = nullptr);
  // Modal: leaves DoModal. Modeless: hides the window, as the system does.
  void EndDialog(int result);

  virtual BOOL OnInitDialog();  // UpdateData(FALSE); TRUE: the system sets the focus
  virtual void OnOK();          // UpdateData(TRUE), then EndDialog(IDOK)
  virtual void OnCancel();      // EndDialog(IDCANCEL)
  virtual void DoDataExchange(CDataExchange*) {}
  // Runs DoDataExchange; FALSE when a DDX routine failed (its control then has the focus).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  void NextDlgCtrl();
  void PrevDlgCtrl();
  void GotoDlgCtrl(HWND ctrl);
  // EnableWindow on a control; a control that has the focus passes it to the next control
  // before it is disabled, so the keyboard keeps working.
  void EnableDlgItem(int id, BOOL enable);
  bool IsInModalLoop() const { return m_bInModal; }
  // EndDialog ran since the dialog was created.
  bool HasEnded() const { return m_bEnded; }

  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
  // Unhandled: the dialog procedure returns FALSE and the system's default runs.
  LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
  BOOL PreTranslateMessage(MSG* msg) override;

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 protected:
  static INT_PTR CALLBACK DialogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
  // The one rule for a dialog procedure's result; shared with property pages.
  static INT_PTR RunDialogProc(CDialog* d, HWND h, UINT msg, WPARAM wp, LPARAM lp);

  FW_DECLARE_MESSAGE_MAP()

 private:
  bool m_bInModal = false;
  bool m_bEnded = false;
  int m_nModalResult = -1;
  bool* m_pUnhandled = nullptr;  // set while the dialog procedure runs
};

}  // namespace fw
