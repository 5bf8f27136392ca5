#pragma once
// SHA-1 (FIPS 180-1), for HMAC-SHA1 and the WPA passphrase mapping.
#include <cstddef>
#include <cstdint>

struct Sha1Context {
    uint32_t state[5];
    uint32_t block[80];    // the first 16 words collect the current block, big-endian
    uint32_t byteCount;    // bytes of the current block collected so far
    uint32_t bitCountHigh;
    uint32_t bitCountLow;
};

void Sha1Init(Sha1Context& ctx);
void Sha1Update(Sha1Context& ctx, const uint8_t* data, size_t length);
// Writes the 20-byte digest and starts the context afresh.
void Sha1Final(Sha1Context& ctx, uint8_t out[20]);

// One 64-byte block into five chaining words. Uses the processor's SHA extensions
// when it has them.
void Sha1Compress(uint32_t state[5], const uint8_t block[64]);
// The plain C form Sha1Compress falls back to.
void Sha1CompressPortable(uint32_t state[5], const uint8_t block[64]);
