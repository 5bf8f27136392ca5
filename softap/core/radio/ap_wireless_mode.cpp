#include "softap/core/radio/ap_wireless_mode.h"

#include "shared/adapter/adapter_identity.h"

namespace softap {
namespace {

struct ModeText {
    int mode;
    const char* text;
};
constexpr ModeText kModeTexts[] = {
    {0, "802.11 B/G Mixed"},   {1, "802.11 B Only"}, {2, "802.11 A Only"},   {3, "802.11 A/B/G Mix"},
    {4, "802.11 G Only"},      {5, "802.11 A/B/G/N mix"}, {6, "802.11 N"},   {8, "802.11 A/N mix"},
    {9, "802.11 B/G/N mix"},
};

}  // namespace

void NormalizeWirelessMode(int& mode)
{
    if (g_Supports5GHz == 0) {
        if (mode == 2 || mode == 3)
            mode = 0;
        else if (mode == 5)
            mode = 9;
        else if (mode == 8)
            mode = 6;
    }
    if (g_IsHtChip == 0) {
        if (mode == 5)
            mode = 3;
        else if (mode == 6 || mode == 9)
            mode = 0;
    }
}

const char* WirelessModeText(int mode)
{
    for (const ModeText& m : kModeTexts)
        if (m.mode == mode)
            return m.text;
    return "";
}

int WirelessModeFromText(const std::string& text)
{
    for (const ModeText& m : kModeTexts)
        if (text == m.text)
            return m.mode;
    return 0;
}

void NormalizeWirelessModeText(std::string& text)
{
    int mode = WirelessModeFromText(text);
    NormalizeWirelessMode(mode);
    text = WirelessModeText(mode);
}

}  // namespace softap
