#include "softap/core/config/ap_numbers.h"

#include <climits>
#include <cstdio>

namespace softap {
namespace {

// Sign and magnitude, the magnitude capped just above 2^32.
long long Parse(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= 0x100000000LL)
            value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

}  // namespace

int DecimalValue(const std::string& text)
{
    const long long v = Parse(text);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

uint32_t DecimalValueU32(const std::string& text)
{
    const long long v = Parse(text);
    if (v > 0xFFFFFFFFLL)
        return 0xFFFFFFFFu;
    if (v < INT_MIN)
        return 0;
    return static_cast<uint32_t>(v);
}

std::string DecimalText(int value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    return text;
}

std::string DecimalText(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%u", static_cast<unsigned>(value));
    return text;
}

}  // namespace softap
