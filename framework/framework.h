// Thin class framework over Win32 dialogs, property sheets and common controls.
//
// A dialog: derive from fw::CDialog, pass the template id, override OnInitDialog (call
// the base first: it loads the controls through DoDataExchange) and DoDataExchange
// (fw::DDX_Text, DDX_Check, DDX_Radio, DDX_Control...). dlg.DoModal() runs the
// framework's own loop and returns the EndDialog code; Create() makes it modeless.
// OnOK saves with UpdateData(TRUE) and ends with IDOK unless a DDX routine failed.
//
// A page: derive from fw::CPropertyPage(templateId, captionStringId); override
// OnSetActive / OnKillActive (FALSE vetoes leaving) / OnApply. A sheet
// (fw::CPropertySheet) holds pages added with AddPage before or after Create();
// RemovePage takes one out. A modeless sheet whose OK/Cancel ended it loses its window
// on the next loop turn; the object stays until its owner deletes it.
//
// A message map: FW_DECLARE_MESSAGE_MAP() in the class, then in the .cpp
//   FW_BEGIN_MESSAGE_MAP(CMyPage, fw::CPropertyPage)
//     FW_ON_BN_CLICKED(IDC_SCAN, OnScan)              // void OnScan()
//     FW_ON_NOTIFY(NM_DBLCLK, IDC_LIST, OnDblClk)      // void (NMHDR*, LRESULT*)
//     FW_ON_MESSAGE(WM_USER + 4, OnScanDone)           // LRESULT (WPARAM, LPARAM)
//     FW_ON_WM_TIMER(OnTimer)                          // void (UINT_PTR)
//   FW_END_MESSAGE_MAP()
// A wrong handler signature does not compile. Unhandled messages get the default.
// Windows torn down from inside their own handlers: fw::DeleteLater(p).
#pragma once

#include "framework/app.h"
#include "framework/ddx.h"
#include "framework/dialog.h"
#include "framework/message_loop.h"
#include "framework/message_map.h"
#include "framework/property_page.h"
#include "framework/property_sheet.h"
#include "framework/resources.h"
#include "framework/thread.h"
#include "framework/wnd.h"
