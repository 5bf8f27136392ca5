// An access point's information elements as the WPS Information dialog decodes them: any
// bytes, walked as an element blob.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "station/pages/wps/wsc_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that a read one byte past the end is caught.
    std::vector<uint8_t> ies(data, data + size);
    WscInfoTexts t;
    DecodeWscInfo(ies.data(), ies.size(), t);
    // Every text comes from attributes inside the blob: none can be longer than it allows.
    if (t.configMethods.size() > 6 || t.devicePasswordId.size() > 6) std::abort();
    if (t.uuidE.size() > 2 * size || t.selectedRegistrar.size() > 5 + 2 * size) std::abort();
    return 0;
}
