#pragma once
// The operating system's cryptographically secure random source.
#include <cstddef>

namespace platform {

class SecureRandom {
public:
    virtual ~SecureRandom() = default;
    // n random bytes into out; false when the source failed (out is then not to be used).
    virtual bool Fill(void* out, std::size_t n) = 0;
};

}  // namespace platform
