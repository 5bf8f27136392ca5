#include "station/core/qel_config_app.h"

#include <cstring>

#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/system/wow64.h"
#include "station/core/hide_dlg.h"

namespace {

constexpr const char* kInstanceMutex = "KV30";
constexpr const char* kMainWindowTitle = "Tesmar Wireless UI";
constexpr const char* kSettingFile = ".\\setting";

std::string g_DataDirectory;
int g_CustomDataDirectory = 0;
std::string g_HelpPath;
std::string g_ProgramDirectory;

}  // namespace

int CQelConfigApp::IsCustomDataDirectory() { return g_CustomDataDirectory; }
const std::string& CQelConfigApp::DataDirectory() { return g_DataDirectory; }
const std::string& CQelConfigApp::ProgramDirectory() { return g_ProgramDirectory; }
const std::string& CQelConfigApp::HelpPath() { return g_HelpPath; }

void CQelConfigApp::ReadDataDirectory() {
    char buffer[128] = {};
    g_CustomDataDirectory = 0;
    UINT type = GetPrivateProfileIntA("config", "type", 1, kSettingFile);
    if (type == 1) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Volatile Environment", 0, KEY_READ, &key) == ERROR_SUCCESS) {
            DWORD valueType = 0, size = sizeof(buffer) - 1;
            if (RegQueryValueExA(key, "LOCALAPPDATA", nullptr, &valueType,
                                 reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
                (valueType == REG_SZ || valueType == REG_EXPAND_SZ) && buffer[0]) {
                buffer[sizeof(buffer) - 1] = 0;
                std::strncat(buffer, "\\", sizeof(buffer) - std::strlen(buffer) - 1);
            } else {
                buffer[0] = 0;
            }
            RegCloseKey(key);
        }
    } else if (type == 2) {
        g_CustomDataDirectory = 1;
        GetPrivateProfileStringA("config", "dir", ".\\", buffer, sizeof(buffer), kSettingFile);
    }
    // An empty directory would send the private-profile functions to the Windows folder.
    g_DataDirectory = buffer[0] ? buffer : ".\\";
}

bool CQelConfigApp::IsSilentCommandLine(const char* commandLine) {
    return commandLine && _stricmp(commandLine, "-s") == 0;
}

BOOL CQelConfigApp::InitInstance() {
    InitCommonControls();
    platform::Init();
    InitWow64Functions();

    m_hMutex = CreateMutexA(nullptr, FALSE, kInstanceMutex);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND first = FindWindowA(nullptr, kMainWindowTitle))
            PostMessageA(first, WM_COMMAND, IDM_TRAY_LAUNCH, 0);
        return FALSE;
    }

    ReadDataDirectory();

    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof(module) - 1);
    if (char* slash = std::strrchr(module, '\\')) slash[1] = 0;
    g_ProgramDirectory = module;
    g_HelpPath = g_ProgramDirectory + "QelConfigENG.chm";

    CHideDlg dialog;
    if (IsSilentCommandLine(m_lpCmdLine)) dialog.m_bOpenSheetAtStart = 0;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CQelConfigApp::ExitInstance() {
    // The instance mutex stays open until the process ends.
    return 0;
}
