#include "shared/text/hex_text.h"

#include <cstring>

uint8_t HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
    return 0xFF;
}

void HexStringToBytes(const char* text, uint8_t* output, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        output[i] = static_cast<uint8_t>(HexDigitValue(text[2 * i]) * 16 + HexDigitValue(text[2 * i + 1]));
    }
}

size_t HexTextToBytes(const char* text, size_t textLength, uint8_t* output, size_t count)
{
    size_t pairs = textLength / 2;
    if (pairs > count) pairs = count;
    HexStringToBytes(text, output, pairs);
    if (pairs < count) std::memset(output + pairs, 0, count - pairs);
    return pairs;
}

bool IsHexText(const char* text, size_t length)
{
    return text != nullptr && strnlen(text, length + 1) == length && IsHexDigits(text, length);
}

bool IsHexDigits(const char* text, size_t length)
{
    if (text == nullptr) return false;
    for (size_t i = 0; i < length; ++i) {
        if (HexDigitValue(text[i]) == 0xFF) return false;
    }
    return true;
}

bool ParseHexNumber(const char* text, size_t maxDigits, uint32_t* value)
{
    if (text == nullptr || maxDigits == 0 || maxDigits > 8) return false;
    const size_t length = strnlen(text, maxDigits + 1);
    if (length == 0 || length > maxDigits) return false;
    uint32_t v = 0;
    for (size_t i = 0; i < length; ++i) {
        const uint8_t digit = HexDigitValue(text[i]);
        if (digit == 0xFF) return false;
        v = (v << 4) | digit;
    }
    *value = v;
    return true;
}
