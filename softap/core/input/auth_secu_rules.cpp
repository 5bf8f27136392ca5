#include "softap/core/input/auth_secu_rules.h"

#include <cstdio>

#include "shared/text/hex_text.h"

namespace softap {
namespace {

bool AllHex(const std::string& text)
{
    for (char c : text)
        if (HexDigitValue(c) == 0xFF)
            return false;
    return true;
}

// Complete by its type: 10 or 26 hex digits, or 5 or 13 characters.
bool CompleteKey(int type, const std::string& text)
{
    if (type == kKeyAscii)
        return text.size() == 5 || text.size() == 13;
    // A pasted key passes the keystroke filter: its digits are checked here.
    return (text.size() == 10 || text.size() == 26) && AllHex(text);
}

}  // namespace

int AuthenTypeOfRow(int row)
{
    static const int kTypes[kAuthRows] = {0, 1, 4, 7, 9};
    return row >= 0 && row < kAuthRows ? kTypes[row] : 0;
}

int AuthRowOfAuthenType(int authenType)
{
    switch (authenType) {
    case 4: return 2;
    case 7: return 3;
    case 9: return 4;
    default: return authenType >= 0 && authenType < kAuthRows ? authenType : 0;
    }
}

bool IsPskKind(int authenType) { return authenType == 4 || authenType == 7 || authenType == 9; }

int EncryptionRowCount(int authenType)
{
    if (authenType == 7)
        return 3;
    return 2;
}

int EncryptionRowOfStored(int encryption)
{
    if (encryption == 0 || encryption == 6)
        return 1;
    if (encryption == 8)
        return 2;
    return 0;
}

int EncryptionOfRow(int authenType, int row)
{
    if (IsPskKind(authenType))
        return row == 2 ? 8 : row == 1 ? 6 : 4;
    return row == 1 ? 0 : 1;
}

bool UsesWep(int authenType, int encryptionRow)
{
    return authenType == 1 || (authenType == 0 && encryptionRow == 1);
}

SecurityEnabling EnablingFor(int authenType, int row)
{
    SecurityEnabling e;
    if (authenType == 0 || authenType == 1) {
        e.known = true;
        e.wep = UsesWep(authenType, row);
    } else if (IsPskKind(authenType)) {
        e.known = true;
        e.passphrase = true;
        e.rekey = true;
    } else if (authenType == 3 || authenType == 6) {
        e.known = true;
        e.rekey = true;
        e.radius = true;
    }
    return e;
}

SecurityCheck CheckSecurity(int authenType, int row, const std::string& passphrase, int defaultKey,
                            const int keyTypes[4], const std::string keyTexts[4])
{
    if (IsPskKind(authenType)) {
        if (passphrase.size() < 8 || passphrase.size() > 64)
            return SecurityCheck::kBadPassphrase;
        if (passphrase.size() == 64 && !AllHex(passphrase))
            return SecurityCheck::kBadPassphrase;
        return SecurityCheck::kOk;
    }
    if (!UsesWep(authenType, row))
        return SecurityCheck::kOk;
    const int d = defaultKey >= 0 && defaultKey < 4 ? defaultKey : 0;
    if (!CompleteKey(keyTypes[d], keyTexts[d]))
        return SecurityCheck::kBadWepKey;
    for (int n = 0; n < 4; ++n)
        if (!keyTexts[n].empty() && !CompleteKey(keyTypes[n], keyTexts[n]))
            return SecurityCheck::kBadWepKey;
    return SecurityCheck::kOk;
}

std::string AsciiOfHexKey(const std::string& hex)
{
    if ((hex.size() != 10 && hex.size() != 26) || !AllHex(hex))
        return {};
    std::string ascii;
    for (size_t i = 0; i < hex.size(); i += 2)
        ascii += static_cast<char>(HexDigitValue(hex[i]) * 16 + HexDigitValue(hex[i + 1]));
    return ascii;
}

std::string HexOfAsciiKey(const std::string& ascii)
{
    std::string hex;
    char pair[3];
    for (unsigned char c : ascii) {
        std::snprintf(pair, sizeof(pair), "%02x", c);
        hex += pair;
    }
    return hex;
}

}  // namespace softap
