#include <gtest/gtest.h>

#include <cstring>

#include "shared/hex_text.h"

namespace {

TEST(HexText, DigitValues)
{
    const struct { char c; uint8_t value; } cases[] = {
        {'0', 0}, {'9', 9}, {'A', 10}, {'F', 15}, {'a', 10}, {'f', 15}, {'G', 0xFF}, {'g', 0xFF}, {' ', 0xFF}, {'\0', 0xFF},
    };
    for (const auto& c : cases) EXPECT_EQ(HexDigitValue(c.c), c.value) << c.c;
}

TEST(HexText, PairsToBytes)
{
    uint8_t out[6] = {};
    HexStringToBytes("00aAfF7e12", out, 5);
    const uint8_t expected[6] = {0x00, 0xAA, 0xFF, 0x7E, 0x12, 0x00};
    EXPECT_EQ(0, std::memcmp(out, expected, sizeof out));
}

// Text of the wrong length: only complete pairs inside it, the rest zero, nothing read past it.
TEST(HexText, BoundedDecodeZeroPads)
{
    const struct { const char* text; size_t pairs; uint8_t first[5]; } cases[] = {
        {"1122334455", 5, {0x11, 0x22, 0x33, 0x44, 0x55}},
        {"112233445", 4, {0x11, 0x22, 0x33, 0x44, 0}},
        {"11", 1, {0x11, 0, 0, 0, 0}},
        {"", 0, {0, 0, 0, 0, 0}},
        {"112233445566", 5, {0x11, 0x22, 0x33, 0x44, 0x55}},
    };
    for (const auto& c : cases) {
        uint8_t out[5];
        std::memset(out, 0xEE, sizeof out);
        EXPECT_EQ(HexTextToBytes(c.text, std::strlen(c.text), out, sizeof out), c.pairs) << c.text;
        EXPECT_EQ(0, std::memcmp(out, c.first, sizeof out)) << c.text;
    }
}

TEST(HexText, IsHexText)
{
    EXPECT_TRUE(IsHexText("0123456789", 10));
    EXPECT_TRUE(IsHexText("abcdefABCDEF", 12));
    EXPECT_FALSE(IsHexText("012345678", 10));
    EXPECT_FALSE(IsHexText("01234567890", 10));
    EXPECT_FALSE(IsHexText("01234g6789", 10));
    EXPECT_FALSE(IsHexText(nullptr, 0));
}

}  // namespace
