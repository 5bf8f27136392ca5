#pragma once
// Havix's application object: the instance rule shared with the station utility, the help
// file, and the hidden tray window whose modal loop is the program's only loop.
#include <windows.h>

#include <string>

#include "framework/app.h"

namespace softap {

constexpr const char* kInstanceMutex = "KV30";

class CHavixApp : public fw::CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // The Windows Help file beside the program, by the system's language.
    static const std::string& HelpPath();
    static void SetHelpPath(const std::string& path);
    // True when the whole command line asks to start in the notification area only.
    static bool IsTrayOnlyCommandLine(const char* commandLine);

private:
    HANDLE m_hMutex = nullptr;
};

}  // namespace softap
