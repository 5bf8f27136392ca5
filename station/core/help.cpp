#include "station/core/help.h"

#include <windows.h>
#include <htmlhelp.h>

#include "framework/thread.h"
#include "station/core/qel_config_app.h"

namespace {

unsigned HelpThreadProc(void*) {
    HtmlHelpA(nullptr, CQelConfigApp::HelpPath().c_str(), HH_DISPLAY_TOPIC, 0);
    return 1;
}

}  // namespace

void StartHelpThread() {
    if (HANDLE thread = fw::StartThread(HelpThreadProc, nullptr)) CloseHandle(thread);
}
