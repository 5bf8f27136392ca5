#pragma once
// Hexadecimal text to bytes, for WEP keys, PSKs and MAC addresses typed by the user.
#include <cstddef>
#include <cstdint>

// 0..15 for '0'-'9', 'A'-'F', 'a'-'f'; 0xFF for any other character.
uint8_t HexDigitValue(char c);

// Fills count bytes from the next 2*count characters of text, 16 x first + second,
// kept to 8 bits. The caller guarantees 2*count characters; see HexTextToBytes for
// text of unknown length.
void HexStringToBytes(const char* text, uint8_t* output, size_t count);

// Bounded form: decodes only complete hex pairs within the first textLength
// characters; bytes beyond them are zero. Returns the number of pairs decoded.
size_t HexTextToBytes(const char* text, size_t textLength, uint8_t* output, size_t count);

// True when text holds exactly `length` characters, every one a hex digit. Reads at most
// length + 1 characters.
bool IsHexText(const char* text, size_t length);
// True when the first `length` characters of a field, which need not end in a zero, are all
// hex digits. Reads exactly those characters.
bool IsHexDigits(const char* text, size_t length);

// A register value or offset typed by the user: 1 to maxDigits hex digits and nothing else
// (no sign, no blanks, no "0x"). False, with *value untouched, for anything else.
bool ParseHexNumber(const char* text, size_t maxDigits, uint32_t* value);
