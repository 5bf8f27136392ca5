#pragma once
// The selector's application object: "ICS_DOWN" turns sharing off everywhere without a
// window; any other command line shows the WAN selection dialog. Either way the program
// ends after that one step.
#include <windows.h>

#include "framework/app.h"

class CPelcorApp : public fw::CWinApp {
public:
    BOOL InitInstance() override;

    // The whole command line, byte for byte: "ics_down" or "ICS_DOWN " show the dialog.
    static bool IsIcsDownCommandLine(const char* commandLine);
};
