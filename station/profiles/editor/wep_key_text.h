#pragma once
// WEP keys and the WPA pre-shared key as the profile editor takes them: typed as hexadecimal
// digits or as ASCII characters, stored as hexadecimal digits, packed into the bytes a key
// block carries. Window-less.
#include <cstdint>
#include <string>

constexpr int kKeyFormatHex = 0;
constexpr int kKeyFormatAscii = 1;
constexpr size_t kWepKeyPackSize = 14;

// 10 or 26 hex digits and nothing else; 5 or 13 characters for an ASCII key.
bool IsWepKeyText(const std::string& text, int format);
// 8 to 63 characters, or 64 hex digits.
bool IsPskText(const std::string& text);

// Two lower-case hex digits per byte, whatever the byte (a character above 0x7F too).
std::string HexOfBytes(const uint8_t* bytes, size_t count);
// An ASCII key as the settings file keeps it.
inline std::string HexOfAsciiKey(const std::string& ascii) {
    return HexOfBytes(reinterpret_cast<const uint8_t*>(ascii.data()), ascii.size());
}
// A stored key of 10 or 26 hex digits back into its 5 or 13 characters; false otherwise.
bool AsciiOfStoredKey(const std::string& stored, std::string& ascii);

// The key's bytes into out (kWepKeyPackSize bytes, zero-filled): an ASCII key as its
// characters, a hex key two digits a byte; returns the byte count (0 for an empty key).
uint32_t PackWepKey(const std::string& text, int format, uint8_t out[kWepKeyPackSize]);
