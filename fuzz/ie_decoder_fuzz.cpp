// Information elements and BSSID lists as they come: any bytes.
// Input: Privacy field, infrastructure mode, then the element blob. The whole input is also
// walked as a BSSID list and each entry decoded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "station/core/scan/bss_ie_decoder.h"
#include "station/core/scan/bssid_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // Exact-size copies, so that a read one byte past the end is caught.
    std::vector<uint8_t> ies(data + 2, data + size);
    BssIeFlags f = DecodeInformationElements(ies.data(), ies.size(), data[0], data[1]);
    if (f.wpsDevicePasswordId.size() != 0 && f.wpsDevicePasswordId.size() != 6) std::abort();
    if (f.privacy != (data[0] == 1)) std::abort();

    std::vector<uint8_t> list(data, data + size);
    for (const BssidEntryView& e : ReadBssidList(list.data(), list.size())) {
        if (e.Size() < bssid_entry::kFixedSize || e.IeSize() > e.Size() - bssid_entry::kFixedSize) std::abort();
        if (e.Data() + e.Size() > list.data() + list.size()) std::abort();
        DecodeBssInformationElements(e);
        if (e.Ssid().size() > bssid_entry::kSsidMax) std::abort();
    }
    return 0;
}
