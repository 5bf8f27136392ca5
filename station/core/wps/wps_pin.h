#pragma once
// WPS PINs: seven digits and a checksum digit. Window-less.
#include <cstdint>

constexpr uint32_t kWpsPinLimit = 100000000;  // eight digits

// The checksum digit of a seven-digit value (0..9999999).
uint32_t PinChecksum(uint32_t value7);
// value7 x 10 + its checksum.
uint32_t PinWithChecksum(uint32_t value7);
// True for an eight-digit value whose last digit is the checksum of the first seven.
bool IsValidPin(uint32_t pin);
// A PIN as the user typed it: exactly eight ASCII digits with a valid checksum. On success
// *pin holds its value.
bool CheckPinCode(const char* text, uint32_t* pin);
// A PIN from three random bytes: (b0 x 65536 + b1 x 256 + b2) mod 10^7 and its checksum.
uint32_t PinFromRandomBytes(const uint8_t bytes[3]);
