#include "softap/core/radio/ap_channels.h"

#include <cstdlib>

#include "softap/core/config/ap_numbers.h"

namespace softap {
namespace {

std::vector<uint8_t> Range(int first, int last, int step = 1)
{
    std::vector<uint8_t> out;
    for (int c = first; c <= last; c += step)
        out.push_back(static_cast<uint8_t>(c));
    return out;
}

std::vector<uint8_t> Join(std::vector<uint8_t> a, const std::vector<uint8_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct ChannelFrequency {
    uint16_t channel;
    uint32_t kHz;
};

// Built once: 1-13, 14, the 5 GHz channels, the 4.9 GHz ones, then the Japanese entries.
std::vector<ChannelFrequency> BuildFrequencyTable()
{
    std::vector<ChannelFrequency> t;
    for (int c = 1; c <= 13; ++c)
        t.push_back({static_cast<uint16_t>(c), static_cast<uint32_t>((2407 + 5 * c) * 1000)});
    t.push_back({14, 2484000});
    auto five = [&](int c) { t.push_back({static_cast<uint16_t>(c), static_cast<uint32_t>((5000 + 5 * c) * 1000)}); };
    for (int c : {34, 36, 38, 40, 42, 44, 46, 48, 52, 56, 60, 64})
        five(c);
    for (int c = 100; c <= 140; c += 4)
        five(c);
    for (int c : {149, 153, 157, 161, 165})
        five(c);
    for (int c : {184, 188, 192, 196})
        t.push_back({static_cast<uint16_t>(c), static_cast<uint32_t>((4000 + 5 * c) * 1000)});
    t.push_back({kJapanChannelBase + 8, 5040000});
    t.push_back({kJapanChannelBase + 12, 5060000});
    t.push_back({kJapanChannelBase + 16, 5080000});
    return t;
}

const std::vector<ChannelFrequency>& FrequencyTable()
{
    static const std::vector<ChannelFrequency> kTable = BuildFrequencyTable();
    return kTable;
}

}  // namespace

std::vector<uint8_t> Channels24(int code)
{
    switch (code) {
    case 1: return Range(1, 13);
    case 2: return Range(10, 11);
    case 3: return Range(10, 13);
    case 4: return {14};
    case 5: return Range(1, 14);
    case 6: return Range(3, 9);
    case 7: return Range(5, 13);
    default: return Range(1, 11);
    }
}

std::vector<uint8_t> Channels5(int code)
{
    const std::vector<uint8_t> low = Range(36, 64, 4);   // 36 .. 64
    const std::vector<uint8_t> mid = Range(100, 140, 4);  // 100 .. 140
    switch (code) {
    case 1: return Join(low, mid);
    case 2: return low;
    case 3: return {52, 56, 60, 64, 149, 153, 157, 161};
    case 4: return {149, 153, 157, 161, 165};
    case 5: return {149, 153, 157, 161};
    case 6: return {36, 40, 44, 48};
    case 7: return Join(Join(low, mid), Range(149, 165, 4));
    case 8: return {52, 56, 60, 64};
    case 9: return {34, 38, 42, 46};
    case 10: return {34, 36, 38, 40, 42, 44, 46, 48, 52, 56, 60, 64};
    default: return Join(low, {149, 153, 157, 161, 165});
    }
}

std::vector<uint8_t> AllowedChannels(int mode, int region24, int region5)
{
    std::vector<uint8_t> out;
    if (mode != 2)
        out = Channels24(region24);
    if (mode == 2 || mode == 3 || mode == 8)
        out = Join(out, Channels5(region5));
    return out;
}

int ChannelFromText(const std::string& text)
{
    if (text == "J8")
        return kJapanChannelBase + 8;
    if (text == "J12")
        return kJapanChannelBase + 12;
    if (text == "J16")
        return kJapanChannelBase + 16;
    return DecimalValue(text);
}

bool ChannelToFrequencyKhz(int channel, uint32_t* kHz)
{
    for (const ChannelFrequency& e : FrequencyTable()) {
        if (e.channel == channel) {
            *kHz = e.kHz;
            return true;
        }
    }
    return false;
}

bool FrequencyKhzToChannel(uint32_t kHz, int* channel)
{
    for (const ChannelFrequency& e : FrequencyTable()) {
        if (e.kHz == kHz) {
            *channel = e.channel;
            return true;
        }
    }
    return false;
}

}  // namespace softap
