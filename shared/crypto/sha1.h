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

// One 64-byte block into five chaining words, in the selected form (below).
void Sha1Compress(uint32_t state[5], const uint8_t block[64]);
// The plain C form, whatever form is selected.
void Sha1CompressPortable(uint32_t state[5], const uint8_t block[64]);

// PBKDF2-HMAC-SHA1's step, for 1 or 2 independent chains at once: each chain's five words
// are a 20-byte message hashed as the last block of an 84-byte text whose first block is
// already compressed into `start` (an HMAC pad); they are replaced by the digest's words.
// Words 5..15 of that block are fixed. The SHA-extension form interleaves two chains.
void Sha1Digest20(const uint32_t start[5], uint32_t (*words)[5], int chains);

// The processor's SHA extensions are selected when it has them, else the plain form.
// The tests and the benchmark select each form in turn to check and time it.
enum class Sha1Form { Portable, ShaExtensions };
bool Sha1FormAvailable(Sha1Form form);
Sha1Form Sha1SelectedForm();
// Returns false and changes nothing when the processor lacks the form.
bool Sha1SelectForm(Sha1Form form);
