#include "station/profiles/station_config.h"

#include "shared/adapter/adapter_identity.h"
#include "station/core/action_data.h"
#include "station/core/settings/settings_file.h"
#include "station/core/station_globals.h"
#include "station/core/wps/wps_poll.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/station_config_reader.h"

void ReadStationConfig(ProfileApplyRecord& record) {
    StationConfigContext context;
    context.wpaSupported = g_WpaSupported;
    context.driverVersion = g_DriverVersion;
    context.clientCert = &g_ClientCertDesc;
    context.serverCert = &g_ServerCertDesc;
    ReadStationConfig(record, IniFileSource(g_NetCfgInstanceId, kSettingsStation), context);
}

void ReadWpsCredentials() {
    const WpsSettings settings = ReadWpsCredentials(IniFileSource(g_NetCfgInstanceId, kSettingsStation),
                                                    IniFileSource(g_NetCfgInstanceId, kSettingsWps), g_WpsCredentialTable);
    g_WpsSessionActive = settings.sessionActive;
    if (settings.hasConfigMode) g_WpsRegistrarMode = settings.configMode;
    if (settings.hasPinCode) g_WpsPinCode = settings.pinCode;
}
