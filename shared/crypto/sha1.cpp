#include "shared/crypto/sha1.h"

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

#if defined(__GNUC__)
#define WL_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define WL_ALWAYS_INLINE inline
#endif

// The last block of an 84-byte text: the 20 message bytes, 0x80, zeros, and the length.
constexpr uint32_t kPadWord = 0x80000000u;
constexpr uint32_t kBitLength = 84 * 8;

// The plain 20-byte form, unrolled: the compiler sees which schedule words are constant
// and keeps the working words in registers. v holds a..e in roles that rotate each round
// instead of being moved.
struct Chain20 {
    uint32_t v[5];
    uint32_t w[16];  // the schedule's last 16 words
};

constexpr int Role(int role, int round) { return ((role - round) % 5 + 5) % 5; }

template <int I>
WL_ALWAYS_INLINE void Round(Chain20& s)
{
    uint32_t& a = s.v[Role(0, I)];
    uint32_t& b = s.v[Role(1, I)];
    const uint32_t c = s.v[Role(2, I)];
    const uint32_t d = s.v[Role(3, I)];
    uint32_t& e = s.v[Role(4, I)];
    uint32_t w;
    if constexpr (I < 16) {
        w = s.w[I];
    } else {
        w = Rotl(s.w[(I - 3) & 15] ^ s.w[(I - 8) & 15] ^ s.w[(I - 14) & 15] ^ s.w[I & 15], 1);
        s.w[I & 15] = w;
    }
    if constexpr (I < 20) e += Rotl(a, 5) + (d ^ (b & (c ^ d))) + 0x5A827999u + w;
    else if constexpr (I < 40) e += Rotl(a, 5) + (b ^ c ^ d) + 0x6ED9EBA1u + w;
    else if constexpr (I < 60) e += Rotl(a, 5) + ((b & c) | (d & (b | c))) + 0x8F1BBCDCu + w;
    else e += Rotl(a, 5) + (b ^ c ^ d) + 0xCA62C1D6u + w;
    b = Rotl(b, 30);
}

template <int... I>
WL_ALWAYS_INLINE void AllRounds(Chain20& chain, std::integer_sequence<int, I...>)
{
    (Round<I>(chain), ...);
}

// One chain at a time: the plain rounds already keep the processor's units busy (two
// chains side by side measured no faster), and the 32-bit form has too few registers for
// two chains' working words.
void Digest20Portable(const uint32_t start[5], uint32_t words[5])
{
    Chain20 chain;
    for (int i = 0; i < 5; ++i) chain.v[i] = start[i];
    for (int i = 0; i < 5; ++i) chain.w[i] = words[i];
    chain.w[5] = kPadWord;
    for (int i = 6; i < 15; ++i) chain.w[i] = 0;
    chain.w[15] = kBitLength;
    AllRounds(chain, std::make_integer_sequence<int, 80>{});
    // 80 rounds bring the roles back to where they started.
    for (int i = 0; i < 5; ++i) words[i] = start[i] + chain.v[i];
}

#ifdef WL_SHA1_X86
#define WL_SHA_TARGET __attribute__((target("sha,sse4.1")))

template <int F>
WL_SHA_TARGET inline __m128i Rounds4(__m128i abcd, __m128i e)
{
    return _mm_sha1rnds4_epu32(abcd, e, F);
}

// One chain in the SHA-extension form. m[g % 4] holds schedule words 4g..4g+3 when group
// g (rounds 4g..4g+3) starts.
struct ShaChain {
    __m128i abcd, abcdStart, eStart, saved;
    __m128i m[4];
};

// Group G; the three later groups' words are prepared here, four ahead.
template <int G>
WL_SHA_TARGET inline void Group(ShaChain& s)
{
    __m128i e;
    if constexpr (G == 0) e = _mm_add_epi32(s.eStart, s.m[0]);
    else e = _mm_sha1nexte_epu32(s.saved, s.m[G & 3]);
    s.saved = s.abcd;
    if constexpr (G >= 3 && G <= 18) s.m[(G + 1) & 3] = _mm_sha1msg2_epu32(s.m[(G + 1) & 3], s.m[G & 3]);
    s.abcd = Rounds4<G / 5>(s.abcd, e);
    if constexpr (G >= 1 && G <= 16) s.m[(G - 1) & 3] = _mm_sha1msg1_epu32(s.m[(G - 1) & 3], s.m[G & 3]);
    if constexpr (G >= 2 && G <= 17) s.m[(G - 2) & 3] = _mm_xor_si128(s.m[(G - 2) & 3], s.m[G & 3]);
}

template <int G, size_t... C>
WL_SHA_TARGET inline void GroupOfEach(ShaChain* chains, std::index_sequence<C...>)
{
    (Group<G>(chains[C]), ...);
}

template <size_t N, int... G>
WL_SHA_TARGET inline void AllGroups(ShaChain (&chains)[N], std::integer_sequence<int, G...>)
{
    (GroupOfEach<G>(chains, std::make_index_sequence<N>{}), ...);
}

WL_SHA_TARGET inline void StartSha(ShaChain& s, const uint32_t state[5])
{
    s.abcd = s.abcdStart = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
    s.eStart = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
}

WL_SHA_TARGET inline void FinishSha(const ShaChain& s, uint32_t state[5])
{
    const __m128i e = _mm_sha1nexte_epu32(s.saved, s.eStart);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(_mm_add_epi32(s.abcd, s.abcdStart), 0x1B));
    state[4] = static_cast<uint32_t>(_mm_extract_epi32(e, 3));
}

WL_SHA_TARGET void CompressSha(uint32_t state[5], const uint8_t block[64])
{
    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
    ShaChain chains[1];
    StartSha(chains[0], state);
    for (int i = 0; i < 4; ++i) {
        chains[0].m[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), byteSwap);
    }
    AllGroups(chains, std::make_integer_sequence<int, 20>{});
    FinishSha(chains[0], state);
}

template <size_t N>
WL_SHA_TARGET void Digest20Sha(const uint32_t start[5], uint32_t (*words)[5])
{
    ShaChain chains[N];
    for (size_t c = 0; c < N; ++c) {
        StartSha(chains[c], start);
        // Word 0 of a group sits in the vector's top lane.
        chains[c].m[0] = _mm_set_epi32(static_cast<int>(words[c][0]), static_cast<int>(words[c][1]),
                                       static_cast<int>(words[c][2]), static_cast<int>(words[c][3]));
        chains[c].m[1] = _mm_set_epi32(static_cast<int>(words[c][4]), static_cast<int>(kPadWord), 0, 0);
        chains[c].m[2] = _mm_setzero_si128();
        chains[c].m[3] = _mm_set_epi32(0, 0, 0, static_cast<int>(kBitLength));
    }
    AllGroups(chains, std::make_integer_sequence<int, 20>{});
    for (size_t c = 0; c < N; ++c) FinishSha(chains[c], words[c]);
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

const bool g_HasSha = HasShaExtensions();
bool g_UseSha = g_HasSha;
#endif

}  // namespace

void Sha1Compress(uint32_t state[5], const uint8_t block[64])
{
#ifdef WL_SHA1_X86
    if (g_UseSha) return CompressSha(state, block);
#endif
    Sha1CompressPortable(state, block);
}

void Sha1Digest20(const uint32_t start[5], uint32_t (*words)[5], int chains)
{
#ifdef WL_SHA1_X86
    if (g_UseSha) return chains == 2 ? Digest20Sha<2>(start, words) : Digest20Sha<1>(start, words);
#endif
    for (int c = 0; c < chains; ++c) Digest20Portable(start, words[c]);
}

bool Sha1FormAvailable(Sha1Form form)
{
#ifdef WL_SHA1_X86
    if (form == Sha1Form::ShaExtensions) return g_HasSha;
#endif
    return form == Sha1Form::Portable;
}

Sha1Form Sha1SelectedForm()
{
#ifdef WL_SHA1_X86
    if (g_UseSha) return Sha1Form::ShaExtensions;
#endif
    return Sha1Form::Portable;
}

bool Sha1SelectForm(Sha1Form form)
{
    if (!Sha1FormAvailable(form)) return false;
#ifdef WL_SHA1_X86
    g_UseSha = form == Sha1Form::ShaExtensions;
#endif
    return true;
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
