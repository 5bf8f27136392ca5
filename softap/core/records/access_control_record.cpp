#include "softap/core/records/access_control_record.h"

#include "softap/core/le_bytes.h"
#include "softap/core/input/mac_entry.h"

namespace softap {

static_assert(sizeof(AccessControlRecord) == 8 + kAccessControlMaxEntries * 8);

AccessControlRecord BuildAccessControlRecord(int policy, const std::vector<std::string>& digits)
{
    AccessControlRecord r{};
    if (policy == kPolicyDisable)
        return r;
    uint32_t count = 0;
    for (const std::string& d : digits) {
        if (count == kAccessControlMaxEntries)
            break;
        if (MacBytes(d, r.data() + 8 + count * 8))
            ++count;
    }
    if (count == 0)
        return r;
    PutU32(r.data(), static_cast<uint32_t>(policy));
    PutU32(r.data() + 4, count);
    return r;
}

}  // namespace softap
