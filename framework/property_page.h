// fw::CPropertyPage: one page of a fw::CPropertySheet.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>

#include "framework/dialog.h"

namespace fw {

class CPropertySheet;

// The sheet creates a page's window when the page is first shown: a page never shown
// has no window, gets no notification and keeps its members as they were.
class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId, UINT captionStringId = 0);
  ~CPropertyPage() override;

  // PSN_SETACTIVE. FALSE refuses the page. Default: UpdateData(FALSE) from the second time.
  virtual BOOL OnSetActive();
  // PSN_KILLACTIVE. FALSE keeps the page (a veto). Default: UpdateData(TRUE).
  virtual BOOL OnKillActive();
  // PSN_APPLY (OK or Apply). FALSE keeps the sheet open on this page. Default: OnOK().
  virtual BOOL OnApply();
  // PSN_RESET (Cancel). Default: OnCancel().
  virtual void OnReset();
  // Page OK and Cancel do nothing by default: the sheet closes, not the page.
  void OnOK() override {}
  void OnCancel() override {}
  // PSN_QUERYCANCEL. FALSE stops the Cancel.
  virtual BOOL OnQueryCancel() { return TRUE; }

  // Enables or disables the sheet's Apply button for this page.
  void SetModified(BOOL changed = TRUE);
  CPropertySheet* GetParentSheet() const { return m_pSheet; }

  // The sheet does IsDialogMessage for its pages.
  BOOL PreTranslateMessage(MSG*) override { return FALSE; }
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

  // May be adjusted before the page is added (PSP_HASHELP...); the framework sets
  // dwSize, hInstance, the template, the dialog procedure, lParam and the title.
  PROPSHEETPAGEA m_psp;

 private:
  friend class CPropertySheet;
  static INT_PTR CALLBACK PageProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
  HPROPSHEETPAGE CreatePageHandle();

  CPropertySheet* m_pSheet = nullptr;
  std::string m_strCaption;
  bool m_bFirstSetActive = true;
};

}  // namespace fw
