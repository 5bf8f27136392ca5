#pragma once
// The configuration pushes' driver: the shared OID access (QueryOid, SetOid with its
// retry queue) on the selected adapter.
#include "softap/core/push/ap_driver.h"

namespace softap {

class OidApDriver : public ApDriver {
public:
    bool Query(uint32_t oid, void* buffer, uint32_t length, uint32_t* returned) override;
    bool Set(uint32_t oid, const void* buffer, uint32_t length, int attempts) override;
};

}  // namespace softap
