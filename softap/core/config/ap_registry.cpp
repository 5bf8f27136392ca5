#include "softap/core/config/ap_registry.h"

#include <cstring>
#include <string>

#include "softap/core/config/ap_key_reader.h"
#include "softap/core/config/ap_numbers.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/config/ap_seed_values.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "softap/core/havix_trace.h"
#include "softap/core/config/reg_key.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_key.h"
#include "shared/driver/oid_access.h"

namespace softap {
namespace {

constexpr const char* kApDefault = "ApDefault";

void WriteSeedValue(HKEY key, const SeedValue& value, const std::string& ssid, int mode)
{
    switch (value.kind) {
    case SeedKind::kText: WriteRegText(key, value.name, value.text); break;
    case SeedKind::kEmptyMultiString: WriteRegMultiString(key, value.name, {0}); break;
    case SeedKind::kSsid: WriteRegText(key, value.name, ssid); break;
    case SeedKind::kWirelessMode: WriteRegNumber(key, value.name, mode); break;
    }
}

// The seeded SSID is named after the adapter's address; without one there is no name to
// store ("DaduVE-00" would stay for good), and the next start adds it.
bool SeedSsid(std::string* ssid)
{
    uint8_t mac[6] = {};
    DWORD returned = 0;
    if (!QueryOid(kOidCurrentAddress, mac, sizeof(mac), &returned) || returned < sizeof(mac)) {
        Trace("OID_802_3_CURRENT_ADDRESS failed: SSID not seeded\n");
        return false;
    }
    *ssid = DefaultApSsid(mac);
    return true;
}

// The regions are the adapter's own: added to an existing ApDefault they would overwrite
// the driver key's codes on the copy that follows.
bool IsRegionValue(const char* name)
{
    return std::strcmp(name, "CountryRegion") == 0 || std::strcmp(name, "CountryRegionABand") == 0;
}

}  // namespace

void CopyTxBurstToApDefault()
{
    ScopedKey apDefault(OpenDriverKeyTraced(kApDefault, KEY_ALL_ACCESS));
    if (!apDefault || HasRegValue(apDefault.get(), "RunOnceInitConfigTxBurst"))
        return;
    ScopedKey driverKey(OpenDriverKeyTraced(nullptr, KEY_ALL_ACCESS));
    if (!driverKey)
        return;
    std::string burst;
    if (!ReadRegText(RegistryKeyReader(driverKey.get()), "RunOnceInitConfigTxBurst", kStartupBufferBytes, &burst))
        return;
    WriteRegText(apDefault.get(), "TXBurst", burst);
    WriteRegText(apDefault.get(), "RunOnceInitConfigTxBurst", burst);
}

int InitApDefaults()
{
    int mode = kSeedWirelessMode;
    NormalizeWirelessMode(mode);

    HKEY existing = OpenDriverKey(kApDefault, KEY_ALL_ACCESS);
    if (existing) {
        // Only what is missing: an ApDefault the station utility seeded lacks the names
        // Havix reads (AuthenType, Encryption, IdleTime).
        ScopedKey key(existing);
        for (size_t i = 0; i < kApSeedValueCount; ++i) {
            const SeedValue& value = kApSeedValues[i];
            if (IsRegionValue(value.name) || HasRegValue(key.get(), value.name))
                continue;
            std::string ssid;
            if (value.kind == SeedKind::kSsid && !SeedSsid(&ssid))
                continue;
            WriteSeedValue(key.get(), value, ssid, mode);
        }
    } else {
        if (g_DriverKeyPath[0] == 0)
            return 1;
        HKEY created = nullptr;
        const std::string path = std::string(g_DriverKeyPath) + "\\" + kApDefault;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &created, nullptr) != ERROR_SUCCESS) {
            Trace("RegCreateKeyEx '%s' failed\n", path.c_str());
            return 1;
        }
        ScopedKey key(created);
        std::string ssid;
        const bool named = SeedSsid(&ssid);
        for (size_t i = 0; i < kApSeedValueCount; ++i)
            if (named || kApSeedValues[i].kind != SeedKind::kSsid)
                WriteSeedValue(key.get(), kApSeedValues[i], ssid, mode);
    }
    CopyDriverKeyValues(kApDefault, KEY_QUERY_VALUE, nullptr, KEY_ALL_ACCESS);
    return 1;
}

int ReadAllowBW40InBGBand(int* flag)
{
    ScopedKey driverKey(OpenDriverKeyTraced(nullptr, KEY_READ));
    if (!driverKey)
        return 0;
    std::string text;
    if (ReadRegText(RegistryKeyReader(driverKey.get()), "AllowBW40InBGBand", kPageBufferBytes, &text))
        *flag = text == "1" ? 1 : 0;
    return 1;
}

}  // namespace softap
