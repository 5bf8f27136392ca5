// Microseconds per WPA key: DeriveWpaPsk, and OpenSSL's PBKDF2-HMAC-SHA1 beside it when
// its development package was found at configure time. A program, not a test.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "shared/wpa_psk.h"

#ifdef WL_BENCH_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

template <typename F>
double MicrosecondsPerKey(F derive, int keys)
{
    derive();  // warm-up
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < keys; ++i) derive();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / keys;
}

}  // namespace

int main(int argc, char** argv)
{
    const int keys = argc > 1 ? std::atoi(argv[1]) : 200;
    const char* passphrase = "ThisIsAPassword";
    const char* ssid = "ThisIsASSID";
    uint8_t key[kWpaPskLength];
    const double ours = MicrosecondsPerKey(
        [&] { DeriveWpaPsk(passphrase, reinterpret_cast<const uint8_t*>(ssid), std::strlen(ssid), key); }, keys);
    std::printf("DeriveWpaPsk        %9.1f us/key\n", ours);
#ifdef WL_BENCH_OPENSSL
    uint8_t theirs[kWpaPskLength];
    const double openssl = MicrosecondsPerKey(
        [&] {
            PKCS5_PBKDF2_HMAC_SHA1(passphrase, static_cast<int>(std::strlen(passphrase)),
                                   reinterpret_cast<const unsigned char*>(ssid), static_cast<int>(std::strlen(ssid)),
                                   4096, sizeof theirs, theirs);
        },
        keys);
    std::printf("OpenSSL PBKDF2      %9.1f us/key\n", openssl);
    std::printf("ratio               %9.2f (goal: 1.5 or less)\n", ours / openssl);
    if (std::memcmp(key, theirs, sizeof key) != 0) {
        std::printf("keys differ\n");
        return 1;
    }
#else
    std::printf("OpenSSL PBKDF2      not measured (libssl-dev not found when configuring)\n");
#endif
    return 0;
}
