// The texts of the access point's Link Status page built from driver answers: the transmit
// power, the channel from a frequency, the status line from the SSID record and the 802.11n
// group from the receive rate word.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "softap/core/tables/ap_link_values.h"

namespace {

TEST(ApLinkValues, TransmitPowerAndChannelTexts) {
    const struct {
        int32_t power;
        const char* text;
    } powers[] = {{0, "Lowest"}, {6, "Lowest"}, {-1, "100%"}, {7, "7%"}, {100, "100%"}, {-5, "-5%"}};
    for (const auto& p : powers) EXPECT_EQ(softap::ApTxPowerText(p.power), p.text) << p.power;

    const struct {
        uint32_t kHz;
        const char* text;
    } channels[] = {{2437000, "6 <--> 2437000 KHz"},  {2484000, "14 <--> 2484000 KHz"},
                    {5180000, "36 <--> 5180000 KHz"}, {4920000, "184 <--> 4920000 KHz"},
                    {5040000, "J8 <--> 5040000 KHz"}, {5080000, "J16 <--> 5080000 KHz"},
                    {2436000, ""},                    {0, ""}};
    for (const auto& c : channels) EXPECT_EQ(softap::ApChannelText(c.kHz), c.text) << c.kHz;
}

// The SSID record's length is the driver's: never more than its 32 bytes are shown.
TEST(ApLinkValues, StatusFromTheSsidRecordTheBssidAndTheAddress) {
    const uint8_t bssid[6] = {0x02, 0xE1, 0xF0, 0x70, 0x01, 0x21};
    const uint8_t ip[4] = {192, 168, 0, 1}, noIp[4] = {};
    uint8_t ssid[36] = {};
    const char* name = "Quay AP";
    ssid[0] = 7;
    std::memcpy(ssid + 4, name, 7);
    EXPECT_EQ(softap::ApStatusText(ssid, bssid, ip), "Quay AP <--> 02-E1-F0-70-01-21 [192.168.0.1]");
    EXPECT_EQ(softap::ApStatusText(ssid, bssid, noIp), "Quay AP <--> 02-E1-F0-70-01-21");
    ssid[0] = 4;
    EXPECT_EQ(softap::ApStatusText(ssid, bssid, noIp), "Quay <--> 02-E1-F0-70-01-21");
    ssid[0] = 0xFF;
    ssid[1] = 0xFF;
    std::memset(ssid + 4, 'x', 32);
    EXPECT_EQ(softap::ApStatusText(ssid, bssid, noIp), std::string(32, 'x') + " <--> 02-E1-F0-70-01-21");
}

TEST(ApLinkValues, EightOTwoElevenNGroupOfTheReceiveWord) {
    const struct {
        uint32_t word;
        bool ht;
        const char *bw, *gi, *stbc, *mcs;
    } cases[] = {
        {0x8000 | 0x0180 | 15, true, "BW: 40", "GI: short", "STBC: none", "MCS: 15"},
        {0xC000 | 0x0200 | 7, true, "BW: 20", "GI: long", "STBC: used", "MCS: 7"},
        {0x4000 | 7, false, "BW: n/a", "GI: n/a", "STBC: n/a", "MCS: n/a"},
        {0x0003, false, "BW: n/a", "GI: n/a", "STBC: n/a", "MCS: n/a"},
    };
    for (const auto& c : cases) {
        const softap::HtRateTexts t = softap::RxRateTexts(c.word);
        EXPECT_EQ(t.ht, c.ht) << c.word;
        EXPECT_EQ(t.bw, c.bw) << c.word;
        EXPECT_EQ(t.gi, c.gi) << c.word;
        EXPECT_EQ(t.stbc, c.stbc) << c.word;
        EXPECT_EQ(t.mcs, c.mcs) << c.word;
    }
}

}  // namespace
