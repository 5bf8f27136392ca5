#include <gtest/gtest.h>

#include <cstring>

#include "shared/text/hex_text.h"

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

// What the register page accepts from an edit, typed or pasted.
TEST(HexText, ParsesOneToMaxDigitsOnly)
{
    const struct { const char* text; size_t maxDigits; bool ok; uint32_t value; } cases[] = {
        {"0", 8, true, 0},
        {"FFFFFFFF", 8, true, 0xFFFFFFFF},
        {"1a2B", 8, true, 0x1A2B},
        {"00000010", 8, true, 0x10},
        {"123456789", 8, false, 0},  // one digit too many
        {"", 8, false, 0},
        {"12 3", 8, false, 0},
        {" 12", 8, false, 0},
        {"0x12", 8, false, 0},
        {"-1", 8, false, 0},
        {"G0", 8, false, 0},
        {"FF", 2, true, 0xFF},
        {"100", 2, false, 0},
    };
    for (const auto& c : cases) {
        uint32_t value = 0xDEADBEEF;
        EXPECT_EQ(ParseHexNumber(c.text, c.maxDigits, &value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : 0xDEADBEEF) << c.text;
    }
    uint32_t value = 0;
    EXPECT_FALSE(ParseHexNumber(nullptr, 8, &value));
}

}  // namespace
