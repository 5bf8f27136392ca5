#include "shared/sha1.h"

#include <cstring>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define WL_SHA1_X86 1
#endif

namespace {

constexpr uint32_t kInitial[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};

inline uint32_t Rotl(uint32_t v, int n) { return (v << n) | (v >> (32 - n)); }

inline uint32_t LoadBigEndian(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

}  // namespace

void Sha1CompressPortable(uint32_t state[5], const uint8_t block[64])
{
    uint32_t w[80];
    for (int i = 0; i < 16; ++i) w[i] = LoadBigEndian(block + 4 * i);
    for (int i = 16; i < 80; ++i) w[i] = Rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    for (int i = 0; i < 80; ++i) {
        uint32_t f, k;
        if (i < 20) { f = (b & c) | (~b & d); k = 0x5A827999u; }
        else if (i < 40) { f = b ^ c ^ d; k = 0x6ED9EBA1u; }
        else if (i < 60) { f = (b & c) | (b & d) | (c & d); k = 0x8F1BBCDCu; }
        else { f = b ^ c ^ d; k = 0xCA62C1D6u; }
        const uint32_t t = Rotl(a, 5) + f + e + k + w[i];
        e = d; d = c; c = Rotl(b, 30); b = a; a = t;
    }
    state[0] += a; state[1] += b; state[2] += c; state[3] += d; state[4] += e;
}

namespace {

#ifdef WL_SHA1_X86
template <int F>
__attribute__((target("sha,sse4.1"))) inline __m128i Rounds4(__m128i abcd, __m128i e)
{
    return _mm_sha1rnds4_epu32(abcd, e, F);
}

// Group g covers rounds 4g..4g+3. m[g % 4] holds schedule words 4g..4g+3 when the
// group starts; the three later groups' words are prepared here, four ahead.
template <int G>
__attribute__((target("sha,sse4.1"))) inline void Group(__m128i& abcd, __m128i& saved, __m128i (&m)[4])
{
    const __m128i e = _mm_sha1nexte_epu32(saved, m[G & 3]);
    saved = abcd;
    if constexpr (G >= 3 && G <= 18) m[(G + 1) & 3] = _mm_sha1msg2_epu32(m[(G + 1) & 3], m[G & 3]);
    abcd = Rounds4<G / 5>(abcd, e);
    if constexpr (G >= 1 && G <= 16) m[(G - 1) & 3] = _mm_sha1msg1_epu32(m[(G - 1) & 3], m[G & 3]);
    if constexpr (G >= 2 && G <= 17) m[(G - 2) & 3] = _mm_xor_si128(m[(G - 2) & 3], m[G & 3]);
}

template <int... G>
__attribute__((target("sha,sse4.1"))) inline void Groups(__m128i& abcd, __m128i& saved, __m128i (&m)[4],
                                                          std::integer_sequence<int, G...>)
{
    (Group<G + 1>(abcd, saved, m), ...);
}

__attribute__((target("sha,sse4.1"))) void CompressSha(uint32_t state[5], const uint8_t block[64])
{
    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
    __m128i abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
    const __m128i eStart = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    const __m128i abcdStart = abcd;
    __m128i m[4];
    for (int i = 0; i < 4; ++i) {
        m[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), byteSwap);
    }
    __m128i saved = abcd;
    abcd = Rounds4<0>(abcd, _mm_add_epi32(eStart, m[0]));
    Groups(abcd, saved, m, std::make_integer_sequence<int, 19>{});
    const __m128i e = _mm_sha1nexte_epu32(saved, eStart);
    abcd = _mm_shuffle_epi32(_mm_add_epi32(abcd, abcdStart), 0x1B);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), abcd);
    state[4] = static_cast<uint32_t>(_mm_extract_epi32(e, 3));
}

bool HasShaExtensions()
{
    unsigned a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
    const bool sse41 = (c & (1u << 19)) != 0, ssse3 = (c & (1u << 9)) != 0;
    if (!sse41 || !ssse3 || __get_cpuid_max(0, nullptr) < 7) return false;
    __cpuid_count(7, 0, a, b, c, d);
    return (b & (1u << 29)) != 0;
}

using CompressFn = void (*)(uint32_t*, const uint8_t*);
const CompressFn g_Compress = HasShaExtensions() ? CompressSha : Sha1CompressPortable;
#endif

}  // namespace

void Sha1Compress(uint32_t state[5], const uint8_t block[64])
{
#ifdef WL_SHA1_X86
    g_Compress(state, block);
#else
    Sha1CompressPortable(state, block);
#endif
}

void Sha1Init(Sha1Context& ctx)
{
    std::memcpy(ctx.state, kInitial, sizeof ctx.state);
    std::memset(ctx.block, 0, sizeof ctx.block);
    ctx.byteCount = 0;
    ctx.bitCountHigh = 0;
    ctx.bitCountLow = 0;
}

namespace {

// The block words are kept big-endian as numbers; compress from their bytes.
void CompressCollected(Sha1Context& ctx)
{
    uint8_t bytes[64];
    for (int i = 0; i < 16; ++i) {
        bytes[4 * i] = static_cast<uint8_t>(ctx.block[i] >> 24);
        bytes[4 * i + 1] = static_cast<uint8_t>(ctx.block[i] >> 16);
        bytes[4 * i + 2] = static_cast<uint8_t>(ctx.block[i] >> 8);
        bytes[4 * i + 3] = static_cast<uint8_t>(ctx.block[i]);
    }
    Sha1Compress(ctx.state, bytes);
    std::memset(ctx.block, 0, 16 * sizeof ctx.block[0]);
    ctx.byteCount = 0;
}

void AddByte(Sha1Context& ctx, uint8_t byte)
{
    ctx.block[ctx.byteCount / 4] |= uint32_t(byte) << (24 - 8 * (ctx.byteCount % 4));
    if (++ctx.byteCount == 64) CompressCollected(ctx);
}

}  // namespace

void Sha1Update(Sha1Context& ctx, const uint8_t* data, size_t length)
{
    const uint64_t bits = (uint64_t(ctx.bitCountHigh) << 32 | ctx.bitCountLow) + uint64_t(length) * 8;
    ctx.bitCountHigh = static_cast<uint32_t>(bits >> 32);
    ctx.bitCountLow = static_cast<uint32_t>(bits);
    while (length > 0 && ctx.byteCount != 0) { AddByte(ctx, *data++); --length; }
    // Whole blocks go straight to the compression; the bits are the same.
    for (; length >= 64; data += 64, length -= 64) Sha1Compress(ctx.state, data);
    while (length > 0) { AddByte(ctx, *data++); --length; }
}

void Sha1Final(Sha1Context& ctx, uint8_t out[20])
{
    const uint32_t high = ctx.bitCountHigh, low = ctx.bitCountLow;
    AddByte(ctx, 0x80);
    while (ctx.byteCount != 56) AddByte(ctx, 0);
    ctx.block[14] = high;
    ctx.block[15] = low;
    ctx.byteCount = 64;
    CompressCollected(ctx);
    for (int i = 0; i < 5; ++i) {
        out[4 * i] = static_cast<uint8_t>(ctx.state[i] >> 24);
        out[4 * i + 1] = static_cast<uint8_t>(ctx.state[i] >> 16);
        out[4 * i + 2] = static_cast<uint8_t>(ctx.state[i] >> 8);
        out[4 * i + 3] = static_cast<uint8_t>(ctx.state[i]);
    }
    Sha1Init(ctx);
}
