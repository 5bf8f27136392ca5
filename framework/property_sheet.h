// fw::CPropertySheet: a modeless or modal property sheet over the common controls' one.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "framework/property_page.h"
#include "framework/wnd.h"

namespace fw {

// Control ids of the sheet window's own children.
constexpr int ID_APPLY_NOW = 0x3021;
constexpr int ID_SHEET_TAB = 0x3020;

class CPropertySheet : public CWnd {
 public:
  explicit CPropertySheet(const char* caption = "", CWnd* parent = nullptr, UINT startPage = 0);
  explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT startPage = 0);
  ~CPropertySheet() override;

  // Before or after Create. The sheet does not own the pages.
  void AddPage(CPropertyPage* page);
  void RemovePage(CPropertyPage* page);
  void RemovePage(int index);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;
  int GetPageIndex(const CPropertyPage* page) const;  // -1 when not in the sheet
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  // FALSE when the index is out of range or the current page vetoed leaving.
  BOOL SetActivePage(int index);
  BOOL SetActivePage(CPropertyPage* page);
  HWND GetTabControl() const;

  static constexpr DWORD kDefaultStyle = WS_SYSMENU | WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | WS_VISIBLE;
  // Modeless (PSH_MODELESS). style (DWORD)-1: kDefaultStyle. When OK, Cancel or the close
  // box ends the sheet, the framework destroys its window on the next loop turn; the
  // object stays (its owner deletes it) and IsWindow() turns false.
  BOOL Create(CWnd* parent = nullptr, DWORD style = static_cast<DWORD>(-1), DWORD exStyle = 0);
  // Modal through the framework's loop: IDOK or IDCANCEL, -1 when it could not be created.
  INT_PTR DoModal();

  // After the sheet window and its first page exist. The base hides and disables OK,
  // Cancel, Apply and Help of a modeless sheet (show the ones you want here).
  virtual BOOL OnInitDialog();
  // Ends a sheet whose current page went away; Tab and Ctrl+Tab for the pages.
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

  // Flags and icon may be set before Create (PSH_NOAPPLYNOW, PSH_HASHELP, PSH_USEHICON...).
  PROPSHEETHEADERA m_psh;
  CWnd* m_pParentWnd;

 private:
  friend class CPropertyPage;
  static int CALLBACK SheetCallback(HWND h, UINT msg, LPARAM lp);
  BOOL CreateSheetWindow(DWORD style, DWORD exStyle);
  // True when the current page is gone (the sheet ended); a modeless sheet is destroyed.
  bool CheckEnded();

  std::vector<CPropertyPage*> m_pages;
  std::vector<HPROPSHEETPAGE> m_handles;
  std::string m_strCaption;
  DWORD m_dwStyle = kDefaultStyle;
  DWORD m_dwExStyle = 0;
  bool m_bModal = false;
  int m_nResult = IDCANCEL;
};

}  // namespace fw
