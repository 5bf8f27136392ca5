// Microseconds per WPA key: DeriveWpaPsk in one SHA-1 form, and OpenSSL's
// PBKDF2-HMAC-SHA1 beside it when its development package was found at configure time.
// A program, not a test.
//   psk_bench [keys] [sha|portable]
// OpenSSL picks its own code by the processor; tools/bench restricts it with
// OPENSSL_ia32cap for the portable pair.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shared/crypto/sha1.h"
#include "shared/crypto/wpa_psk.h"

#ifdef WL_BENCH_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

constexpr int kRounds = 5;

template <typename F>
double MicrosecondsPerKey(F derive, int keys)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < keys; ++i) derive();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / keys;
}

}  // namespace

int main(int argc, char** argv)
{
    const int keys = std::max(kRounds, argc > 1 ? std::atoi(argv[1]) : 200);
    const bool portable = argc > 2 && std::strcmp(argv[2], "portable") == 0;
    const Sha1Form form = portable ? Sha1Form::Portable : Sha1Form::ShaExtensions;
    if (!Sha1SelectForm(form)) {
        std::printf("DeriveWpaPsk        not measured (the processor has no SHA extensions)\n");
        return 0;
    }
    const char* passphrase = "ThisIsAPassword";
    const char* ssid = "ThisIsASSID";
    uint8_t key[kWpaPskLength];
    auto ours = [&] { DeriveWpaPsk(passphrase, reinterpret_cast<const uint8_t*>(ssid), std::strlen(ssid), key); };
    ours();  // warm-up
#ifdef WL_BENCH_OPENSSL
    uint8_t theirs[kWpaPskLength];
    auto openssl = [&] {
        PKCS5_PBKDF2_HMAC_SHA1(passphrase, static_cast<int>(std::strlen(passphrase)),
                               reinterpret_cast<const unsigned char*>(ssid), static_cast<int>(std::strlen(ssid)),
                               4096, sizeof theirs, theirs);
    };
    openssl();
#endif
    // Rounds taking turns, the best of each kept: a busy machine slows some rounds, never
    // speeds one up.
    double bestOurs = 1e30, bestTheirs = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        bestOurs = std::min(bestOurs, MicrosecondsPerKey(ours, keys / kRounds));
#ifdef WL_BENCH_OPENSSL
        bestTheirs = std::min(bestTheirs, MicrosecondsPerKey(openssl, keys / kRounds));
#endif
    }
    std::printf("%-44s %8.1f us/key\n", portable ? "DeriveWpaPsk, portable" : "DeriveWpaPsk, SHA extensions", bestOurs);
#ifdef WL_BENCH_OPENSSL
    const char* restricted = std::getenv("OPENSSL_ia32cap");
    char label[96];
    std::snprintf(label, sizeof label, "OpenSSL PBKDF2, %s%s", restricted ? "OPENSSL_ia32cap=" : "its own choice",
                  restricted ? restricted : "");
    std::printf("%-44s %8.1f us/key\n", label, bestTheirs);
    std::printf("%-44s %8.2f (goal: 1.5 or less)\n", "ratio", bestOurs / bestTheirs);
    if (std::memcmp(key, theirs, sizeof key) != 0) {
        std::printf("keys differ\n");
        return 1;
    }
#else
    (void)bestTheirs;
    std::printf("OpenSSL PBKDF2      not measured (libssl-dev not found when configuring)\n");
#endif
    return 0;
}
