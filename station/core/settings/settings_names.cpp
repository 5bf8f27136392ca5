#include "station/core/settings/settings_names.h"

namespace {

// Chip indices 6 and 7 share a prefix: an adapter moving between those rows keeps its files.
constexpr const char* kChipPrefixes[] = {
    "KV10PCI_", "KV10USB_", "KV20PCI_", "KV20USB_", "KV30_", "KV31_", "KV40_", "KV40_", "KV41_",
};

struct KindSuffix {
    int kind;
    const char* suffix;
};

constexpr KindSuffix kKindSuffixes[] = {
    {kSettingsStation, "_sta"},
    {kSettingsAp, "_ap"},
    {kSettingsProfiles, "_prof"},
    {kSettingsWps, "_wsc"},
};

}  // namespace

const char* SettingsChipPrefix(int chipIndex) {
    constexpr int count = static_cast<int>(sizeof(kChipPrefixes) / sizeof(kChipPrefixes[0]));
    return chipIndex >= 0 && chipIndex < count ? kChipPrefixes[chipIndex] : "";
}

const char* SettingsKindSuffix(int kind) {
    for (const KindSuffix& row : kKindSuffixes)
        if (row.kind == kind) return row.suffix;
    return "";
}

std::string SettingsFileName(const std::string& folder, int chipIndex, const std::string& adapterName,
                             int kind) {
    return folder + SettingsChipPrefix(chipIndex) + adapterName + SettingsKindSuffix(kind);
}
