#include "shared/radio/wireless_mode.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "shared/adapter/adapter_identity.h"

void NormalizeWirelessMode(int& mode)
{
    if (mode == 7)
        mode = 4;
    else if (mode == 8 || mode == 10)
        mode = 2;

    if (g_Supports5GHz == 0) {
        if (mode == 2 || mode == 3)
            mode = 0;
        else if (mode == 5)
            mode = 9;
    }
    if (g_IsHtChip == 0) {
        if (mode == 5)
            mode = 3;
        else if (mode == 6 || mode == 9)
            mode = 0;
    }
}

void NormalizeWirelessModeText(char* text)
{
    if (text == nullptr)
        return;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return;  // not a mode number: leave the text alone
    int mode = static_cast<int>(parsed);
    const int before = mode;
    NormalizeWirelessMode(mode);
    if (mode == before)
        return;
    // Every changed mode is a single digit and the text held at least one digit.
    text[0] = static_cast<char>('0' + mode);
    text[1] = '\0';
}

namespace {

struct ModeMapRow {
    int value;
    int index;
};
constexpr ModeMapRow kModeMap[] = {
    {0, 1}, {1, 0}, {2, 3}, {3, 4}, {4, 2}, {5, 5}, {6, 6}, {9, 9},
};

}  // namespace

int MapWirelessModeIndex(int value, int& out)
{
    for (const ModeMapRow& row : kModeMap) {
        if (row.value == value) {
            out = row.index;
            return 1;
        }
    }
    return 0;
}

int MapWirelessModeValue(int value, int& out)
{
    for (const ModeMapRow& row : kModeMap) {
        if (row.index == value) {
            out = row.value;
            return 1;
        }
    }
    return 0;
}
