#pragma once
// The decimal conversion every stored number goes through: leading blanks, an optional
// sign, then digits up to the first other character; no digits read as 0. Values beyond
// the 32-bit range saturate instead of wrapping.
#include <cstdint>
#include <string>

namespace softap {

int DecimalValue(const std::string& text);

// An unsigned 32-bit value such as an IPv4 address: 0..4294967295, or a negative decimal
// of the same bits (as older versions wrote it).
uint32_t DecimalValueU32(const std::string& text);

std::string DecimalText(int value);
std::string DecimalText(uint32_t value);

}  // namespace softap
