#pragma once
// Names of the per-adapter settings files: folder + chip prefix + adapter name + kind suffix.
// The chip family and the adapter's NetCfgInstanceId keep two adapters from sharing a file.
#include <string>

enum SettingsKind {
    kSettingsStation = 0,  // "_sta": station state, [Config]
    kSettingsAp = 1,       // "_ap": soft-AP data
    kSettingsProfiles = 2, // "_prof": one section per profile
    kSettingsWps = 3,      // "_wsc": WPS credentials
};

// "" for a chip index outside the table.
const char* SettingsChipPrefix(int chipIndex);
// "" for a kind not in the table.
const char* SettingsKindSuffix(int kind);
std::string SettingsFileName(const std::string& folder, int chipIndex, const std::string& adapterName,
                             int kind);
