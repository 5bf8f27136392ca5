#pragma once
// The driver as the configuration pushes reach it: the OID query and the set with
// retries (SetOid; bit 23 is ORed into the OID on the way).
#include <cstdint>

namespace softap {

class ApDriver {
public:
    virtual ~ApDriver() = default;
    // The driver's answer lands in buffer; *returned is at most length.
    virtual bool Query(uint32_t oid, void* buffer, uint32_t length, uint32_t* returned) = 0;
    // Result of the first attempt; a refused set is retried attempts-1 more times.
    virtual bool Set(uint32_t oid, const void* buffer, uint32_t length, int attempts) = 0;
};

}  // namespace softap
