#pragma once
// Station and peer addresses as the Access Control and WDS pages take them: 12 hex digits
// typed without separators, shown as six dash-joined pairs, stored as a multi-string of
// the 12 digits in the case typed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace softap {

enum class MacEntryCheck { kValid, kInvalid, kMulticast };

// kInvalid unless exactly 12 hex digits (a pasted text is not filtered as typed keys
// are); kMulticast when the group bit of the first byte is set.
MacEntryCheck CheckMacEntry(const std::string& digits);

// "00A0c5112233" -> "00-A0-c5-11-22-33". The text is taken as it is.
std::string MacDisplayText(const std::string& digits);
// The display text without its dashes.
std::string MacDigits(const std::string& display);
// 12 hex digits to the six bytes in transmission order; false for anything else.
bool MacBytes(const std::string& digits, uint8_t out[6]);

// The strings of a stored multi-string, bounded by its size (no terminator is trusted),
// up to the first empty one: each that is 12 hex digits and not yet taken (case does
// not matter), at most maxEntries of them.
std::vector<std::string> ParseMacMultiString(const uint8_t* data, size_t size, size_t maxEntries);

// Each address and a zero byte, then one more zero byte.
std::vector<uint8_t> BuildMacMultiString(const std::vector<std::string>& digits);

// Case-insensitive equality of two address texts.
bool SameMacText(const std::string& a, const std::string& b);

}  // namespace softap
