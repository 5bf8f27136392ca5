#pragma once
// Which channels the adapter may use: by chip group, the driver's country region word and
// the wireless mode. Also the channel-to-frequency table of the Native Wifi layer.
#include <cstddef>
#include <cstdint>
#include <vector>

// 14 channels of 2.4 GHz at most, then 24 of 5 GHz at most.
constexpr size_t kMaxChannelListLength = 38;

// Chip groups of the 2.4 GHz tables.
enum class ChannelGroup { None, A, B };
ChannelGroup ChannelGroupOf(int chipIndex);

// The tables themselves; region is the 7-bit region code.
std::vector<uint8_t> Channels24(ChannelGroup group, int region);
std::vector<uint8_t> Channels5(int region);

// numbering 1: the mode is the driver wireless-mode number driverMode; numbering 0: it is the
// position listMode in the wireless-mode list. 2.4 GHz channels unless the mode is A only,
// then 5 GHz channels for the modes with A.
std::vector<uint8_t> AllowedChannels(int chipIndex, uint32_t regionWord, int numbering, int driverMode,
                                     int listMode);

// The same for the selected adapter (g_ChipIndex) and g_RegionWord. buffer holds
// kMaxChannelListLength bytes.
void BuildChannelList(int numbering, int driverMode, int listMode, uint8_t* buffer, int* count);

// Japanese channels are numbered from this base: "J8" is 208.
constexpr int kJChannelBase = 200;

struct ChannelFrequency {
    int channel;
    uint32_t kHz;
};
constexpr size_t kChannelFrequencyRows = 49;
// 46 rows of 2.4, 5 and 4.9 GHz channels, then the three J-channels.
extern const ChannelFrequency kChannelFrequencyTable[kChannelFrequencyRows];

// First row with that frequency; -1 when none.
int ChannelOfFrequency(uint32_t kHz);
// 0 when the channel is not in the table.
uint32_t FrequencyOfChannel(int channel);
