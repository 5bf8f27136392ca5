// The system's preferred random generator.
#include <windows.h>

#include <bcrypt.h>

#include <climits>

#include "platform/secure_random.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

class RealSecureRandom final : public SecureRandom {
public:
    bool Fill(void* out, std::size_t n) override {
        if (n > ULONG_MAX) return false;
        return BCRYPT_SUCCESS(BCryptGenRandom(nullptr, static_cast<PUCHAR>(out), static_cast<ULONG>(n),
                                              BCRYPT_USE_SYSTEM_PREFERRED_RNG));
    }
};

}  // namespace

SecureRandom& RealRandom() {
    static RealSecureRandom random;
    return random;
}

}  // namespace platform::win32
