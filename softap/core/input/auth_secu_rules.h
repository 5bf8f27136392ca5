#pragma once
// The rules of the access point's security dialog: its authentication and cipher rows and
// how they map to the stored numbers, which controls each choice enables, the checks of
// the passphrase and the WEP keys, and the WEP key texts in hex and ASCII. Window-less.
#include <string>

namespace softap {

// Rows "Open", "Shared", "WPA-PSK", "WPA2-PSK", "WPA-PSK/WPA2-PSK" are AuthenType 0, 1, 4,
// 7, 9.
constexpr int kAuthRows = 5;
int AuthenTypeOfRow(int row);
// 4, 7, 9 select rows 2, 3, 4; any other value the row of its number, or row 0 (and
// AuthenType 0) when there is no such row.
int AuthRowOfAuthenType(int authenType);

// The cipher rows of an authentication: Open and Shared "Not Use", "WEP"; WPA2-PSK "TKIP",
// "AES", "BOTH"; the other pre-shared kinds "TKIP", "AES".
int EncryptionRowCount(int authenType);
// Loading: 0 (WEP) and 6 (AES) are row 1, 8 (both) row 2, anything else row 0.
int EncryptionRowOfStored(int encryption);
// Committing: Open and Shared row 1 is WEP (0), any other row none (1); the pre-shared
// kinds row 0 TKIP (4), 1 AES (6), 2 both (8).
int EncryptionOfRow(int authenType, int row);

// WEP is in use: Shared with any cipher row, or Open with "WEP".
bool UsesWep(int authenType, int encryptionRow);
bool IsPskKind(int authenType);

// Which groups of controls a choice enables; nullopt-like `known` false for an
// authentication the table has no row for (the enabling is then left alone).
struct SecurityEnabling {
    bool known = false;
    bool passphrase = false;
    bool rekey = false;
    bool radius = false;
    bool wep = false;
};
SecurityEnabling EnablingFor(int authenType, int encryptionRow);

constexpr int kKeyHex = 0;
constexpr int kKeyAscii = 1;

// What OK finds wrong, with the message it shows.
enum class SecurityCheck { kOk, kBadWepKey, kBadPassphrase };
// keyTexts are the visible texts (hex or ASCII by keyTypes). A pre-shared key is 8 to 63
// characters, or 64 hex digits in either case. A WEP key is empty or complete: 10 or 26
// hex digits, or 5 or 13 characters; the default key may not be empty.
SecurityCheck CheckSecurity(int authenType, int encryptionRow, const std::string& passphrase, int defaultKey,
                            const int keyTypes[4], const std::string keyTexts[4]);

// A stored key shown as ASCII: 10 or 26 hex digits become 5 or 13 characters; anything
// else shows as no text.
std::string AsciiOfHexKey(const std::string& hex);
// An ASCII key stored: each character's 8-bit code as two lower-case hex digits.
std::string HexOfAsciiKey(const std::string& ascii);

}  // namespace softap
