// Tray commands of the main window that hand the adapter to other tools: the switch to
// access-point mode and the choice of configuration tool.
#include <cstdio>

#include "platform/platform.h"
#include "platform/programs.h"
#include "shared/adapter/adapter_identity.h"
#include "station/core/registry/driver_registry.h"
#include "station/core/hide_dlg.h"
#include "station/core/station_globals.h"

void CHideDlg::OnSwitchToApMode() {
    // As Exit: a blocking step is pumping messages, and ending under it is not safe.
    if (m_bBusy) return;
    OnTrayExit();
    // The station values are saved here, before ApDefault overwrites them; not again on destroy.
    m_bSkipDefaultSave = 1;
    SaveDriverKeyToDefault();
    CopyApDefaultToDriverKey();
    WriteOpModeAp();

    char commandLine[160];
    std::snprintf(commandLine, sizeof(commandLine),
                  "\"Trelby.exe\" ON Lumora Havix \"Tesmar Wireless\" %s %d %s", g_IsUsbAdapter ? "USB" : "PCI",
                  g_ChipIndex, g_HardwareId);
    platform::Outside().WinExec(commandLine, SW_MINIMIZE);
}

void CHideDlg::OnUseZeroConfig() { g_ConfigToolMode = 2; }

void CHideDlg::OnUseOwnConfig() {
    g_WpaSupported = 1;
    g_EncryptionLevel = 6;
    g_ConfigToolMode = 0;
}
