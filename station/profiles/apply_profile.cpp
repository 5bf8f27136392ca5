#include "station/profiles/apply_profile.h"

#include <cstring>

#include "station/core/action_data.h"
#include "station/core/hide_dlg.h"
#include "station/core/station_globals.h"
#include "station/core/wps/wps_poll.h"
#include "station/profiles/driver_registry_settings.h"
#include "station/profiles/profile_globals.h"
#include "station/profiles/station_config.h"

void ApplyProfile(int withDriverSettings, const char* profileName, int connectRequested) {
    g_WpsSessionActive = 0;
    ProfileApplyRecord* record = AllocApplyRecord();
    if (profileName) std::strncpy(record->ProfileName, profileName, sizeof(record->ProfileName) - 1);

    ReadWpsCredentials();
    ReadDriverRegistrySettings(*record, withDriverSettings);

    g_ProfileApplied = 0;
    if (g_WpsSessionActive) {
        g_WpsCycleCredentials = 1;
        // This record holds no network: its empty SSID would take the adapter off the one
        // the credential joins. Its driver settings go out all the same, with the
        // credential's connect when there is one (a connect queued behind it would take its
        // place in the queue), else alone.
        if (g_WpsCredentialTable.Count >= 1 && QueueWpsConnect(record->ApplyDriverSettings ? record : nullptr)) {
            if (g_pHideDlg) g_pHideDlg->SetTimer(kWpsReconnectTimer, kWpsReconnectMs);
            FreeApplyRecord(record);
            return;
        }
        record->SettingsOnly = 1;
    } else {
        g_ProfileApplied = 1;
        ReadStationConfig(*record);
    }
    // 802.1X at start-up waits for the user.
    record->ApplyFlag = (connectRequested == 0 && record->Use8021X != 0) || g_WpsSessionActive ? 0 : 1;

    if (!g_pHideDlg) {
        FreeApplyRecord(record);
        return;
    }
    if (g_pHideDlg->AddAction(kActionConnect, record)) g_pHideDlg->ActionExec();
}
