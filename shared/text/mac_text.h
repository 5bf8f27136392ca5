#pragma once
// MAC addresses as the pages show them: six upper-case hex pairs joined by dashes.
// Window-less.
#include <cstdint>
#include <string>

// "00-11-22-33-44-55"
std::string FormatMacText(const uint8_t mac[6]);
// The text with its dashes removed must be exactly 12 hex digits; false (mac untouched)
// for anything else.
bool ParseMacText(const std::string& text, uint8_t mac[6]);
