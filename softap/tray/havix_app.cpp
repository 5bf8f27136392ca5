#include "softap/tray/havix_app.h"

#include "softap/core/help_path.h"
#include "softap/tray/tray_wnd.h"
#include "platform/platform.h"
#include "resources/softap/resource.h"
#include "shared/driver/oid_access.h"
#include "shared/system/wow64.h"

namespace softap {
namespace {

std::string g_HelpPath;

}  // namespace

const std::string& CHavixApp::HelpPath() { return g_HelpPath; }

void CHavixApp::SetHelpPath(const std::string& path) { g_HelpPath = path; }

bool CHavixApp::IsTrayOnlyCommandLine(const char* commandLine)
{
    return commandLine && _stricmp(commandLine, "-s") == 0;
}

BOOL CHavixApp::InitInstance()
{
    InitCommonControls();
    platform::Init();
    InitWow64Functions();

    m_hMutex = CreateMutexA(nullptr, FALSE, kInstanceMutex);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // The station utility or another Havix runs: it opens its sheet, this one ends.
        if (m_hMutex)
            CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        if (HWND first = FindWindowA(nullptr, kTrayWindowTitle))
            PostMessageA(first, WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        return FALSE;
    }

    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof(module) - 1);
    SetHelpPath(HelpFilePath(module, GetSystemDefaultLangID()));

    CTrayWnd window;
    if (IsTrayOnlyCommandLine(m_lpCmdLine))
        window.m_bOpenSheet = 0;
    m_pMainWnd = &window;
    window.DoModal();
    m_pMainWnd = nullptr;
    DrainSetOidQueue();
    return FALSE;
}

int CHavixApp::ExitInstance()
{
    if (m_hMutex)
        CloseHandle(m_hMutex);
    m_hMutex = nullptr;
    return 0;
}

}  // namespace softap
