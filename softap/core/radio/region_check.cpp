#include "softap/core/radio/region_check.h"

#include <algorithm>
#include <string>

#include "softap/core/radio/ap_channels.h"
#include "softap/core/config/ap_key_reader.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/radio/ap_wireless_mode.h"
#include "softap/core/havix_trace.h"
#include "softap/core/config/reg_key.h"
#include "shared/driver/oid_access.h"

namespace softap {

int CheckRegionAndChannel()
{
    ScopedKey key(OpenDriverKeyTraced(nullptr, KEY_ALL_ACCESS));
    if (!key)
        return FALSE;

    uint8_t region[4] = {};
    DWORD returned = 0;
    if (!QueryOid(kOidQueryCountryRegion, region, sizeof(region), &returned) || returned < 2) {
        // Zeros are no region: a locked driver would get region 0's codes and a channel
        // from region 0's list. Nothing is written and the regions are not the page's.
        g_Ap.region24Selectable = 0;
        g_Ap.region5Selectable = 0;
        Trace("Country region query failed: channel and regions left as stored\n");
        return FALSE;
    }
    g_Ap.region24Selectable = (region[0] & 0x80) ? 0 : 1;
    g_Ap.region5Selectable = (region[1] & 0x80) ? 0 : 1;
    region[0] &= 0x7F;
    region[1] &= 0x7F;
    g_Ap.regionWord = static_cast<uint32_t>(region[0]) | static_cast<uint32_t>(region[1]) << 8 |
                      static_cast<uint32_t>(region[2]) << 16 | static_cast<uint32_t>(region[3]) << 24;

    const RegistryKeyReader reader(key.get());
    int mode = 0;
    ReadRegNumber(reader, "WirelessMode", kPageBufferBytes, &mode);
    NormalizeWirelessMode(mode);

    const std::vector<uint8_t> allowed = AllowedChannels(mode, region[0], region[1]);
    int channel = 0;
    const bool stored = ReadRegNumber(reader, "Channel", kPageBufferBytes, &channel);
    const bool ok = stored && std::find(allowed.begin(), allowed.end(), channel) != allowed.end();
    if (!ok && !allowed.empty()) {
        WriteRegNumber(key.get(), "Channel", allowed[0]);
        ScopedKey apDefault(OpenDriverKeyTraced("ApDefault", KEY_ALL_ACCESS));
        if (apDefault)
            WriteRegNumber(apDefault.get(), "Channel", allowed[0]);
    }

    if (g_Ap.region24Selectable)
        WriteRegNumber(key.get(), "CountryRegion", region[0]);
    if (g_Ap.region5Selectable)
        WriteRegNumber(key.get(), "CountryRegionABand", region[1]);
    return TRUE;
}

}  // namespace softap
