#include "framework/app.h"

#include <commctrl.h>

#include "framework/message_loop.h"

namespace fw {
namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
  if (g_app == nullptr) g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* CWinApp::Get() { return g_app; }

void CWinApp::InitCommonControls() {
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof icc;
  icc.dwICC = ICC_WIN95_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
              ICC_PROGRESS_CLASS | ICC_INTERNET_CLASSES | ICC_UPDOWN_CLASS;
  InitCommonControlsEx(&icc);
}

int CWinApp::Run(HINSTANCE instance, const char* cmdLine) {
  m_hInstance = instance;
  m_lpCmdLine = cmdLine != nullptr ? cmdLine : "";
  if (InitInstance()) m_nExitCode = RunMessageLoop();
  return ExitInstance();
}

}  // namespace fw
