#include "station/profiles/apply_profile.h"

#include <cstring>

#include "station/core/action_data.h"
#include "station/core/hide_dlg.h"
#include "station/core/station_globals.h"
#include "station/core/wps_poll.h"
#include "station/profiles/driver_registry_settings.h"
#include "station/profiles/profile_globals.h"
#include "station/profiles/station_config.h"

namespace {
constexpr UINT_PTR kWpsReconnectTimer = 4;
constexpr UINT kWpsReconnectMs = 10000;
}  // namespace

void ApplyProfile(int withDriverSettings, const char* profileName, int connectRequested) {
    g_WpsSessionActive = 0;
    ProfileApplyRecord* record = AllocApplyRecord();
    if (profileName) std::strncpy(record->ProfileName, profileName, sizeof(record->ProfileName) - 1);

    ReadWpsCredentials();
    ReadDriverRegistrySettings(*record, withDriverSettings);

    g_ProfileApplied = 0;
    if (g_WpsSessionActive) {
        g_WpsCycleCredentials = 1;
        if (g_WpsCredentialTable.Count >= 1) {
            QueueWpsConnect();
            if (g_pHideDlg) g_pHideDlg->SetTimer(kWpsReconnectTimer, kWpsReconnectMs);
        }
    } else {
        g_ProfileApplied = 1;
        ReadStationConfig(*record);
    }
    // 802.1X at start-up waits for the user; a WPS session connects with its credentials.
    record->ApplyFlag = (connectRequested == 0 && record->Use8021X != 0) || g_WpsSessionActive ? 0 : 1;

    if (!g_pHideDlg) {
        FreeApplyRecord(record);
        return;
    }
    if (g_pHideDlg->AddAction(kActionConnect, record)) g_pHideDlg->ActionExec();
}
