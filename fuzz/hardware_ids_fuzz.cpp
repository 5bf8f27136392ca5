// The hardware ID of a device as the Setup API hands it over, a property buffer that need not
// end in a zero: copied and looked up in both utilities' tables as discovery does.
// Input: the property's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "softap/core/device/ap_hardware_ids.h"
#include "shared/adapter/chip_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Exactly the property's bytes, so that a read past them is caught.
    std::vector<char> property(data, data + size);
    char id[kHardwareIdLength + 1];
    CopyHardwareId(property.data(), property.size(), id);
    if (id[kHardwareIdLength] != '\0') std::abort();
    int chip = -1;
    if (FindChipIndex(id, &chip) && (chip < 0 || chip >= kChipCount)) std::abort();
    IsUsbHardwareId(id);
    const int ap = softap::FindChipIndex(id);
    if (ap < -1 || ap >= kChipCount) std::abort();
    return 0;
}
