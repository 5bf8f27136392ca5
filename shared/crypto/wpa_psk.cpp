#include "shared/crypto/wpa_psk.h"

#include <cstring>

#include "shared/crypto/sha1.h"

namespace {

// The compressed states after the key's inner and outer pads: every HMAC of one key
// starts from them, so the 8192 HMACs of a derivation hash the pads only once.
struct HmacPads {
    uint32_t inner[5];
    uint32_t outer[5];
};

HmacPads PrepareKey(const uint8_t* key, size_t keyLength)
{
    uint8_t padded[64] = {};
    if (keyLength > 64) {
        Sha1Context ctx;
        Sha1Init(ctx);
        Sha1Update(ctx, key, keyLength);
        Sha1Final(ctx, padded);
    } else if (keyLength > 0) {
        std::memcpy(padded, key, keyLength);
    }
    HmacPads pads;
    uint8_t block[64];
    Sha1Context ctx;
    Sha1Init(ctx);
    std::memcpy(pads.inner, ctx.state, sizeof pads.inner);
    std::memcpy(pads.outer, ctx.state, sizeof pads.outer);
    for (int i = 0; i < 64; ++i) block[i] = padded[i] ^ 0x36;
    Sha1Compress(pads.inner, block);
    for (int i = 0; i < 64; ++i) block[i] = padded[i] ^ 0x5C;
    Sha1Compress(pads.outer, block);
    return pads;
}

void StoreWords(const uint32_t state[5], uint8_t out[20])
{
    for (int i = 0; i < 5; ++i) {
        out[4 * i] = static_cast<uint8_t>(state[i] >> 24);
        out[4 * i + 1] = static_cast<uint8_t>(state[i] >> 16);
        out[4 * i + 2] = static_cast<uint8_t>(state[i] >> 8);
        out[4 * i + 3] = static_cast<uint8_t>(state[i]);
    }
}

// SHA-1 of (pad block, message) where the pad block is already compressed into `start`.
void FinishFromPad(const uint32_t start[5], const uint8_t* message, size_t length, uint8_t out[20])
{
    Sha1Context ctx;
    Sha1Init(ctx);
    std::memcpy(ctx.state, start, sizeof ctx.state);
    ctx.bitCountLow = 512;  // the pad block already counted
    Sha1Update(ctx, message, length);
    Sha1Final(ctx, out);
}

void HmacWithPads(const HmacPads& pads, const uint8_t* text, size_t length, uint8_t out[20])
{
    uint8_t inner[20];
    FinishFromPad(pads.inner, text, length, inner);
    FinishFromPad(pads.outer, inner, sizeof inner, out);
}

// U1 of one block: the HMAC of the salt followed by the block's big-endian index.
void FirstU(const HmacPads& pads, const uint8_t* salt, size_t saltLength, uint32_t blockIndex, uint32_t u[5])
{
    uint8_t first[kWpaMaxSalt + 4 + 64];
    uint8_t* message = first;
    uint8_t* heap = nullptr;
    if (saltLength > kWpaMaxSalt + 64) message = heap = new uint8_t[saltLength + 4];
    if (saltLength > 0) std::memcpy(message, salt, saltLength);
    message[saltLength] = static_cast<uint8_t>(blockIndex >> 24);
    message[saltLength + 1] = static_cast<uint8_t>(blockIndex >> 16);
    message[saltLength + 2] = static_cast<uint8_t>(blockIndex >> 8);
    message[saltLength + 3] = static_cast<uint8_t>(blockIndex);
    uint8_t digest[20];
    HmacWithPads(pads, message, saltLength + 4, digest);
    delete[] heap;
    for (int i = 0; i < 5; ++i) {
        u[i] = (uint32_t(digest[4 * i]) << 24) | (uint32_t(digest[4 * i + 1]) << 16) |
               (uint32_t(digest[4 * i + 2]) << 8) | uint32_t(digest[4 * i + 3]);
    }
}

// `count` (1 or 2) consecutive blocks from firstIndex, 20 bytes each into out. Each later
// U is the HMAC of the previous one, two compressions from the pads; the blocks' chains
// are independent, so the SHA-extension form interleaves them.
void Blocks(const HmacPads& pads, const uint8_t* salt, size_t saltLength, int iterations, uint32_t firstIndex,
            int count, uint8_t* out)
{
    uint32_t u[2][5], t[2][5];
    for (int c = 0; c < count; ++c) {
        FirstU(pads, salt, saltLength, firstIndex + static_cast<uint32_t>(c), u[c]);
        std::memcpy(t[c], u[c], sizeof t[c]);
    }
    for (int i = 2; i <= iterations; ++i) {
        Sha1Digest20(pads.inner, u, count);
        Sha1Digest20(pads.outer, u, count);
        for (int c = 0; c < count; ++c) {
            for (int j = 0; j < 5; ++j) t[c][j] ^= u[c][j];
        }
    }
    for (int c = 0; c < count; ++c) StoreWords(t[c], out + 20 * c);
}

}  // namespace

void HmacSha1(const uint8_t* text, size_t textLength, const uint8_t* key, size_t keyLength, uint8_t out[20])
{
    HmacWithPads(PrepareKey(key, keyLength), text, textLength, out);
}

void PbkdfBlock(const char* passphrase, const uint8_t* salt, size_t saltLength, int iterations,
                uint32_t blockIndex, uint8_t out[20])
{
    const HmacPads pads = PrepareKey(reinterpret_cast<const uint8_t*>(passphrase), std::strlen(passphrase));
    Blocks(pads, salt, saltLength, iterations, blockIndex, 1, out);
}

int DeriveWpaPsk(const char* passphrase, const uint8_t* salt, size_t saltLength, uint8_t out[kWpaPskLength])
{
    if (passphrase == nullptr || out == nullptr || (salt == nullptr && saltLength > 0)) return 0;
    const size_t length = strnlen(passphrase, kWpaMaxPassphrase + 1);
    if (length < kWpaMinPassphrase || length > kWpaMaxPassphrase || saltLength > kWpaMaxSalt) return 0;
    const HmacPads pads = PrepareKey(reinterpret_cast<const uint8_t*>(passphrase), length);
    uint8_t blocks[40];
    Blocks(pads, salt, saltLength, 4096, 1, 2, blocks);
    std::memcpy(out, blocks, kWpaPskLength);
    return 1;
}
