#include "softap/core/config/ap_settings.h"

#include "softap/core/radio/ap_channels.h"
#include "softap/core/config/ap_numbers.h"

namespace softap {

int McsFromText(const std::string& text)
{
    return text == "Auto" ? kMcsAuto : DecimalValue(text);
}

std::string McsText(int mcs)
{
    return mcs == kMcsAuto ? std::string("Auto") : DecimalText(mcs);
}

int ExtChannelCode(int bw40, const std::string& text, int channel)
{
    if (!bw40 || text.empty() || text == "none")
        return kExtChannelNone;
    const int ext = ChannelFromText(text);
    if (ext > channel)
        return kExtChannelAbove;
    if (ext < channel)
        return kExtChannelBelow;
    return kExtChannelNone;
}

std::string ExtChannelTextFor(int bw40, int code, int channel)
{
    if (bw40 && code == kExtChannelAbove)
        return DecimalText(channel + 4);
    if (bw40 && code == kExtChannelBelow)
        return DecimalText(channel - 4);
    return "none";
}

uint32_t PackTransmitSetting(const TransmitSettingFields& f)
{
    uint32_t v = static_cast<uint32_t>(f.phyMode) & 0xF;
    v |= (static_cast<uint32_t>(f.mcs) & 0x7F) << 4;
    v |= (f.bw40 ? 1u : 0u) << 11;
    v |= (f.shortGi ? 1u : 0u) << 12;
    v |= (f.stbc ? 1u : 0u) << 13;
    v |= 1u << 15;  // transmit mode 2: HT
    v |= (f.htMode ? 1u : 0u) << 16;
    v |= (static_cast<uint32_t>(f.extChannel) & 0x3) << 17;
    return v;
}

TransmitSettingFields UnpackTransmitSetting(uint32_t v)
{
    TransmitSettingFields f;
    f.phyMode = static_cast<int>(v & 0xF);
    f.mcs = static_cast<int>((v >> 4) & 0x7F);
    f.bw40 = static_cast<int>((v >> 11) & 1);
    f.shortGi = static_cast<int>((v >> 12) & 1);
    f.stbc = static_cast<int>((v >> 13) & 1);
    f.transmitMode = static_cast<int>((v >> 14) & 3);
    f.htMode = static_cast<int>((v >> 16) & 1);
    f.extChannel = static_cast<int>((v >> 17) & 3);
    return f;
}

}  // namespace softap
