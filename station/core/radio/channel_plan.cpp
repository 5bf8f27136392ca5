#include "station/core/radio/channel_plan.h"

#include "shared/adapter/adapter_identity.h"
#include "station/core/registry/radio_defaults.h"

namespace {

std::vector<uint8_t> Range(int first, int last, int step = 1) {
    std::vector<uint8_t> out;
    for (int c = first; c <= last; c += step) out.push_back(static_cast<uint8_t>(c));
    return out;
}

std::vector<uint8_t> Join(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Rows 0-8 of group A, 0-7 of group B; any other region gets 1-11.
std::vector<uint8_t> GroupA(int region) {
    switch (region) {
        case 0: return Range(1, 11);
        case 1: return Range(1, 11);
        case 2: return Range(1, 13);
        case 3: return Range(10, 11);
        case 4: return Range(10, 13);
        case 5: return Range(14, 14);
        case 6: return Range(1, 14);
        case 7: return Range(3, 9);
        case 8: return Range(5, 13);
        default: return Range(1, 11);
    }
}

std::vector<uint8_t> GroupB(int region) {
    switch (region) {
        case 0: return Range(1, 11);
        case 1: return Range(1, 13);
        case 2: return Range(10, 11);
        case 3: return Range(10, 13);
        case 4: return Range(14, 14);
        case 5: return Range(1, 14);
        case 6: return Range(3, 9);
        case 7: return Range(5, 13);
        default: return Range(1, 11);
    }
}

bool ModeHas24(int numbering, int driverMode, int listMode) {
    return numbering == 1 ? driverMode != 2 : listMode != 3;
}

bool ModeHas5(int numbering, int driverMode, int listMode) {
    if (numbering == 1) return driverMode == 2 || driverMode == 3 || driverMode == 5;
    return listMode == 3 || listMode == 4 || listMode == 5;
}

constexpr ChannelFrequency Row24(int channel) {
    return {channel, channel == 14 ? 2484000u : 2412000u + 5000u * static_cast<uint32_t>(channel - 1)};
}
constexpr ChannelFrequency Row5(int channel) { return {channel, 5000000u + 5000u * static_cast<uint32_t>(channel)}; }
constexpr ChannelFrequency Row49(int channel) { return {channel, 4000000u + 5000u * static_cast<uint32_t>(channel)}; }

}  // namespace

ChannelGroup ChannelGroupOf(int chipIndex) {
    if (chipIndex == 0 || chipIndex == 1) return ChannelGroup::A;
    if (chipIndex >= 4 && chipIndex <= 8) return ChannelGroup::B;
    return ChannelGroup::None;
}

std::vector<uint8_t> Channels24(ChannelGroup group, int region) {
    switch (group) {
        case ChannelGroup::A: return GroupA(region);
        case ChannelGroup::B: return GroupB(region);
        default: return {};
    }
}

std::vector<uint8_t> Channels5(int region) {
    switch (region) {
        case 1: return Join(Range(36, 64, 4), Range(100, 140, 4));
        case 2: return Range(36, 64, 4);
        case 3: return Join(Range(52, 64, 4), Range(149, 161, 4));
        case 4: return Range(149, 165, 4);
        case 5: return Range(149, 161, 4);
        case 6: return Range(36, 48, 4);
        case 7: return Join(Join(Range(36, 64, 4), Range(100, 140, 4)), Range(149, 165, 4));
        case 8: return Range(52, 64, 4);
        case 9: return Range(34, 46, 4);
        case 10: return Join(Range(34, 48, 2), Range(52, 64, 4));
        default: return Join(Range(36, 64, 4), Range(149, 165, 4));
    }
}

std::vector<uint8_t> AllowedChannels(int chipIndex, uint32_t regionWord, int numbering, int driverMode,
                                     int listMode) {
    std::vector<uint8_t> out;
    if (ModeHas24(numbering, driverMode, listMode))
        out = Channels24(ChannelGroupOf(chipIndex), static_cast<int>(regionWord & 0x7F));
    if (ModeHas5(numbering, driverMode, listMode))
        out = Join(std::move(out), Channels5(static_cast<int>((regionWord >> 8) & 0x7F)));
    return out;
}

void BuildChannelList(int numbering, int driverMode, int listMode, uint8_t* buffer, int* count) {
    std::vector<uint8_t> list = AllowedChannels(g_ChipIndex, g_RegionWord, numbering, driverMode, listMode);
    size_t n = list.size() < kMaxChannelListLength ? list.size() : kMaxChannelListLength;
    for (size_t i = 0; i < n; ++i) buffer[i] = list[i];
    *count = static_cast<int>(n);
}

const ChannelFrequency kChannelFrequencyTable[kChannelFrequencyRows] = {
    Row24(1),   Row24(2),   Row24(3),   Row24(4),   Row24(5),   Row24(6),   Row24(7),
    Row24(8),   Row24(9),   Row24(10),  Row24(11),  Row24(12),  Row24(13),  Row24(14),
    Row5(34),   Row5(36),   Row5(38),   Row5(40),   Row5(42),   Row5(44),   Row5(46),
    Row5(48),   Row5(52),   Row5(56),   Row5(60),   Row5(64),   Row5(100),  Row5(104),
    Row5(108),  Row5(112),  Row5(116),  Row5(120),  Row5(124),  Row5(128),  Row5(132),
    Row5(136),  Row5(140),  Row5(149),  Row5(153),  Row5(157),  Row5(161),  Row5(165),
    Row49(184), Row49(188), Row49(192), Row49(196),
    {kJChannelBase + 8, 5040000},
    {kJChannelBase + 12, 5060000},
    {kJChannelBase + 16, 5080000},
};

int ChannelOfFrequency(uint32_t kHz) {
    for (const ChannelFrequency& row : kChannelFrequencyTable)
        if (row.kHz == kHz) return row.channel;
    return -1;
}

uint32_t FrequencyOfChannel(int channel) {
    for (const ChannelFrequency& row : kChannelFrequencyTable)
        if (row.channel == channel) return row.kHz;
    return 0;
}
