#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "shared/crypto/sha1.h"
#include "shared/crypto/wpa_psk.h"

namespace {

std::string Hex(const uint8_t* p, size_t n)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < n; ++i) { s += kDigits[p[i] >> 4]; s += kDigits[p[i] & 15]; }
    return s;
}

const uint8_t* Bytes(const char* s) { return reinterpret_cast<const uint8_t*>(s); }

std::string Sha1Of(const std::string& text, size_t chunk)
{
    Sha1Context ctx;
    Sha1Init(ctx);
    for (size_t i = 0; i < text.size(); i += chunk) {
        Sha1Update(ctx, Bytes(text.data()) + i, std::min(chunk, text.size() - i));
    }
    uint8_t out[20];
    Sha1Final(ctx, out);
    return Hex(out, 20);
}

// Each SHA-1 form in turn (the SHA extensions only where the processor has them): the
// derivation's key bytes must not depend on the form.
class EachForm : public ::testing::TestWithParam<Sha1Form> {
protected:
    void SetUp() override
    {
        if (!Sha1FormAvailable(GetParam())) GTEST_SKIP() << "the processor has no SHA extensions";
        Sha1SelectForm(GetParam());
    }
    void TearDown() override { Sha1SelectForm(saved_); }

private:
    const Sha1Form saved_ = Sha1SelectedForm();
};

INSTANTIATE_TEST_SUITE_P(Sha1Forms, EachForm, ::testing::Values(Sha1Form::Portable, Sha1Form::ShaExtensions),
                         [](const auto& info) {
                             return info.param == Sha1Form::Portable ? "Portable" : "ShaExtensions";
                         });

TEST_P(EachForm, Sha1Fips180Vectors)
{
    const struct { std::string text; const char* digest; } cases[] = {
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {std::string(1000, 'a'), "291e9a6c66994949b57ba5e650361e98fc36b1ba"},
        {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    };
    // Feeding the text in odd pieces crosses block boundaries in every way.
    for (const auto& c : cases) {
        for (size_t chunk : {size_t{1}, size_t{7}, size_t{64}, size_t{1000000}}) {
            EXPECT_EQ(Sha1Of(c.text, chunk), c.digest) << c.text.size() << " bytes in pieces of " << chunk;
        }
    }
}

TEST(Sha1, FinalStartsAfresh)
{
    Sha1Context ctx;
    Sha1Init(ctx);
    uint8_t out[20];
    Sha1Update(ctx, Bytes("junk"), 4);
    Sha1Final(ctx, out);
    Sha1Update(ctx, Bytes("abc"), 3);
    Sha1Final(ctx, out);
    EXPECT_EQ(Hex(out, 20), "a9993e364706816aba3e25717850c26c9cd0d89d");
}

// The processor's SHA extensions and the plain form must agree block for block.
TEST(Sha1, CompressionFormsAgree)
{
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        uint32_t a[5], b[5];
        uint8_t block[64];
        for (auto& w : a) w = random();
        std::memcpy(b, a, sizeof b);
        for (auto& byte : block) byte = static_cast<uint8_t>(random());
        Sha1Compress(a, block);
        Sha1CompressPortable(b, block);
        ASSERT_EQ(0, std::memcmp(a, b, sizeof a)) << "round " << round;
    }
}

// The 20-byte step against the general compression of the block it stands for (message,
// 0x80, zeros, 672 bits), for one chain and for two side by side.
TEST_P(EachForm, Digest20IsTheCompressionOfThePaddedBlock)
{
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        uint32_t start[5], words[2][5], expected[2][5];
        for (auto& w : start) w = random();
        for (auto& chain : words) {
            for (auto& w : chain) w = random();
        }
        for (int c = 0; c < 2; ++c) {
            uint8_t block[64] = {};
            for (int i = 0; i < 5; ++i) {
                for (int j = 0; j < 4; ++j) block[4 * i + j] = static_cast<uint8_t>(words[c][i] >> (24 - 8 * j));
            }
            block[20] = 0x80;
            block[62] = 0x02;
            block[63] = 0xA0;
            std::memcpy(expected[c], start, sizeof start);
            Sha1CompressPortable(expected[c], block);
        }
        uint32_t one[1][5];
        std::memcpy(one[0], words[1], sizeof one[0]);
        Sha1Digest20(start, one, 1);
        Sha1Digest20(start, words, 2);
        ASSERT_EQ(0, std::memcmp(one[0], expected[1], sizeof one[0])) << "one chain, round " << round;
        ASSERT_EQ(0, std::memcmp(words, expected, sizeof words)) << "two chains, round " << round;
    }
}

TEST_P(EachForm, HmacSha1KeysShortAndLong)
{
    uint8_t out[20];
    // RFC 2202 case 2, and a key longer than a block (hashed first).
    HmacSha1(Bytes("what do ya want for nothing?"), 28, Bytes("Jefe"), 4, out);
    EXPECT_EQ(Hex(out, 20), "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");
    const std::string longKey(100, 'k');
    HmacSha1(Bytes("what"), 4, Bytes(longKey.c_str()), longKey.size(), out);
    EXPECT_EQ(Hex(out, 20), "44ae553e289c92d3b7d99cc4b2f07a8f3e622f8e");
}

TEST_P(EachForm, PbkdfBlockRfc6070Vectors)
{
    const struct { const char* pass; const char* salt; int iterations; const char* first; } cases[] = {
        {"password", "salt", 1, "0c60c80f961f0e71f3a9b524af6012062fe037a6"},
        {"password", "salt", 2, "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957"},
        {"password", "salt", 4096, "4b007901b765489abead49d926f721d065a429c1"},
    };
    for (const auto& c : cases) {
        uint8_t out[20];
        PbkdfBlock(c.pass, Bytes(c.salt), std::strlen(c.salt), c.iterations, 1, out);
        EXPECT_EQ(Hex(out, 20), c.first) << c.iterations;
    }
    // 25 bytes of output: block 1 whole and the start of block 2.
    const char* pass = "passwordPASSWORDpassword";
    const char* salt = "saltSALTsaltSALTsaltSALTsaltSALTsalt";
    uint8_t b1[20], b2[20];
    PbkdfBlock(pass, Bytes(salt), std::strlen(salt), 4096, 1, b1);
    PbkdfBlock(pass, Bytes(salt), std::strlen(salt), 4096, 2, b2);
    EXPECT_EQ(Hex(b1, 20) + Hex(b2, 5), "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
}

struct PskCase {
    std::string passphrase;
    std::string salt;
    const char* key;  // nullptr: refused
};

TEST_P(EachForm, DeriveWpaPskPassphraseToPsk)
{
    const PskCase cases[] = {
        // IEEE 802.11i passphrase-to-PSK vectors; the first is 8 characters, the fewest taken.
        {"password", "IEEE", "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e"},
        {"passwor", "IEEE", nullptr},
        {"abc", "IEEE", nullptr},
        {"", "IEEE", nullptr},
        {"ThisIsAPassword", "ThisIsASSID", "0dc0d6eb90555ed6419756b9a15ec3e3209b63df707dd508d14581f8982721af"},
        {std::string(32, 'a'), std::string(32, 'Z'),
         "becb93866bb8c3832cb777c2f559807c8c59afcb6eae734885001300a981cc62"},
        {std::string(63, 'x'), "", "002e57652045b533d62b2b42ecf3ec9b90658d802cf95c00e773e3e3ea133432"},
        {std::string(64, 'x'), "IEEE", nullptr},
        {"password", std::string(33, 'Z'), nullptr},
    };
    for (const auto& c : cases) {
        uint8_t out[kWpaPskLength + 8];
        std::memset(out, 0xAB, sizeof out);
        const int ok = DeriveWpaPsk(c.passphrase.c_str(), Bytes(c.salt.data()), c.salt.size(), out);
        if (c.key == nullptr) {
            EXPECT_EQ(ok, 0) << c.passphrase.size();
            for (uint8_t byte : out) EXPECT_EQ(byte, 0xAB) << "nothing written when refused";
        } else {
            EXPECT_EQ(ok, 1);
            EXPECT_EQ(Hex(out, kWpaPskLength), c.key) << c.passphrase << " / " << c.salt;
            for (size_t i = kWpaPskLength; i < sizeof out; ++i) EXPECT_EQ(out[i], 0xAB) << "wrote past the key";
        }
    }
}

TEST(DeriveWpaPsk, NullArgumentsRefused)
{
    uint8_t out[kWpaPskLength] = {};
    EXPECT_EQ(DeriveWpaPsk(nullptr, Bytes("IEEE"), 4, out), 0);
    EXPECT_EQ(DeriveWpaPsk("password", nullptr, 4, out), 0);
    EXPECT_EQ(DeriveWpaPsk("password", nullptr, 0, out), 1);
}

}  // namespace
