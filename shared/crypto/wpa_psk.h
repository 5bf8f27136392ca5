#pragma once
// WPA passphrase-to-PSK mapping: PBKDF2 with HMAC-SHA1, 4096 iterations, 256-bit key.
#include <cstddef>
#include <cstdint>

constexpr size_t kWpaPskLength = 32;
constexpr size_t kWpaMinPassphrase = 8;
constexpr size_t kWpaMaxPassphrase = 63;
constexpr size_t kWpaMaxSalt = 32;

// Writes exactly the 32 key bytes into out and returns 1; returns 0 and writes nothing
// when the passphrase has fewer than 8 or more than 63 characters, the salt is longer
// than 32 bytes or an argument is null.
int DeriveWpaPsk(const char* passphrase, const uint8_t* salt, size_t saltLength, uint8_t out[kWpaPskLength]);

// One PBKDF2 block (1-based blockIndex) of the given number of iterations.
void PbkdfBlock(const char* passphrase, const uint8_t* salt, size_t saltLength, int iterations,
                uint32_t blockIndex, uint8_t out[20]);

void HmacSha1(const uint8_t* text, size_t textLength, const uint8_t* key, size_t keyLength, uint8_t out[20]);
