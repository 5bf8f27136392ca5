// fw::CWinApp: the one application object, and the WinMain that runs it.
#pragma once

#include <windows.h>

namespace fw {

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  HINSTANCE m_hInstance = nullptr;
  const char* m_lpCmdLine = "";  // the command line without the program name
  CWnd* m_pMainWnd = nullptr;

  // FALSE ends the program (after ExitInstance); TRUE runs the message loop until WM_QUIT.
  virtual BOOL InitInstance() { return FALSE; }
  // Its result is the process exit code; by default the WM_QUIT code (0 without one).
  virtual int ExitInstance() { return m_nExitCode; }

  // The application object, or nullptr (tests make windows without one).
  static CWinApp* Get();
  // Registers the common controls the programs use: list view, tab, bar, progress, IP
  // address and up-down.
  static void InitCommonControls();

  // What WinMain does.
  int Run(HINSTANCE instance, const char* cmdLine);

 protected:
  int m_nExitCode = 0;
};

}  // namespace fw

// Defines WinMain around one application object of the given class.
#define FW_IMPLEMENT_APP(ClassName)                                        \
  int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int) { \
    static ClassName theApp;                                               \
    return theApp.Run(instance, cmdLine);                                  \
  }
