#include "icsselect/pelcor_app.h"

#include <cstring>

#include "icsselect/wan_select_dlg.h"
#include "platform/ics_sharing.h"
#include "platform/platform.h"

bool CPelcorApp::IsIcsDownCommandLine(const char* commandLine) {
    return commandLine && std::strcmp(commandLine, "ICS_DOWN") == 0;
}

BOOL CPelcorApp::InitInstance() {
    InitCommonControls();
    platform::Init();

    CWanSelectDlg dialog;
    m_pMainWnd = &dialog;
    if (IsIcsDownCommandLine(m_lpCmdLine))
        platform::Sharing().DisableAllIcs();
    else
        dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
