#include "softap/core/input/mac_entry.h"

#include "shared/text/hex_text.h"
#include "shared/text/mac_text.h"

namespace softap {

MacEntryCheck CheckMacEntry(const std::string& digits)
{
    if (!IsHexText(digits.c_str(), 12) || digits.size() != 12)
        return MacEntryCheck::kInvalid;
    uint8_t first = 0;
    HexStringToBytes(digits.c_str(), &first, 1);
    return (first & 0x01) ? MacEntryCheck::kMulticast : MacEntryCheck::kValid;
}

std::string MacDisplayText(const std::string& digits)
{
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i % 2 == 0)
            text += '-';
        text += digits[i];
    }
    return text;
}

std::string MacDigits(const std::string& display)
{
    std::string digits;
    for (char c : display)
        if (c != '-')
            digits += c;
    return digits;
}

bool MacBytes(const std::string& digits, uint8_t out[6])
{
    return digits.size() == 12 && ParseMacText(digits, out);
}

bool SameMacText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

std::vector<std::string> ParseMacMultiString(const uint8_t* data, size_t size, size_t maxEntries)
{
    std::vector<std::string> out;
    size_t at = 0;
    while (at < size && out.size() < maxEntries) {
        size_t end = at;
        while (end < size && data[end] != 0)
            ++end;
        if (end == at)
            break;  // the empty string ends the list
        std::string entry(reinterpret_cast<const char*>(data + at), end - at);
        at = end + 1;
        if (entry.size() != 12 || !IsHexText(entry.c_str(), 12))
            continue;
        bool taken = false;
        for (const std::string& e : out)
            taken = taken || SameMacText(e, entry);
        if (!taken)
            out.push_back(entry);
    }
    return out;
}

std::vector<uint8_t> BuildMacMultiString(const std::vector<std::string>& digits)
{
    std::vector<uint8_t> out;
    for (const std::string& d : digits) {
        out.insert(out.end(), d.begin(), d.end());
        out.push_back(0);
    }
    out.push_back(0);
    return out;
}

}  // namespace softap
