#pragma once
// The station utility's application object: single instance, data directory, help path,
// and the hidden main window whose modal loop is the program's only loop.
#include <windows.h>

#include <string>

#include "framework/app.h"

class CQelConfigApp : public fw::CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // 1 when the data directory came from the "dir" key of ".\setting".
    static int IsCustomDataDirectory();
    static const std::string& DataDirectory();
    // The executable's folder, with a trailing backslash.
    static const std::string& ProgramDirectory();
    static const std::string& HelpPath();

    // Reads ".\setting" (section config): type 1 the local application-data folder,
    // type 2 the folder named by dir, anything else the current folder.
    static void ReadDataDirectory();
    // True when the whole command line asks to start in the notification area only.
    static bool IsSilentCommandLine(const char* commandLine);

private:
    HANDLE m_hMutex = nullptr;
};
