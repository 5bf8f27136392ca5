#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/ip_helper.h"
#include "platform/programs.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

using SimIpHelper = SimWorldTest;

const char* kTwoBound = R"(
[adapter]
hardware_id = USB\VID_F0E1&PID_5101
description = Norvane ZQ-4402 Wireless LAN Card
friendly_name = Wireless Network Connection
instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0007
mac = 02-E1-F0-51-01-07
ip = 192.168.001.020 255.255.255.0

[adapter]
hardware_id = PCI\VEN_F0E1&DEV_7001
description = Second card
instance_id = {11111111-2222-3333-4444-555555555555}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0008
mac = 02-E1-F0-70-01-08
ip = 10.0.0.2 255.0.0.0 10.0.0.1

[adapter]
hardware_id = PCI\VEN_F0E1&DEV_7002
description = Not bound to IPv4
instance_id = {21111111-2222-3333-4444-555555555555}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0009
mac = 02-E1-F0-70-01-09
)";

// Asks for the size first, as callers must, then for the list.
std::vector<ULONGLONG> AdapterList(ULONG* result) {
    ULONG size = 0;
    *result = platform::Ip().GetAdaptersInfo(nullptr, &size);
    if (*result != ERROR_BUFFER_OVERFLOW) return {};
    std::vector<ULONGLONG> buffer((size + 7) / 8);
    *result = platform::Ip().GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size);
    return buffer;
}

TEST_F(SimIpHelper, ListsTheBoundAdaptersInTheCallersBuffer) {
    Load(kTwoBound);
    ULONG result = 0;
    std::vector<ULONGLONG> buffer = AdapterList(&result);
    ASSERT_EQ(result, static_cast<ULONG>(ERROR_SUCCESS));
    const auto* first = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data());
    ASSERT_NE(first->Next, nullptr);
    const IP_ADAPTER_INFO* second = first->Next;
    EXPECT_EQ(second->Next, nullptr);
    // The links point into the caller's own buffer.
    EXPECT_GE(reinterpret_cast<const char*>(second), reinterpret_cast<const char*>(buffer.data()));
    EXPECT_LT(reinterpret_cast<const char*>(second), reinterpret_cast<const char*>(buffer.data() + buffer.size()));

    EXPECT_STREQ(first->AdapterName, "{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}");
    EXPECT_STREQ(first->Description, "Wireless Network Connection");
    EXPECT_EQ(first->AddressLength, 6u);
    const BYTE mac[6] = {0x02, 0xE1, 0xF0, 0x51, 0x01, 0x07};
    EXPECT_EQ(std::memcmp(first->Address, mac, 6), 0);
    EXPECT_STREQ(first->IpAddressList.IpAddress.String, "192.168.1.20");
    EXPECT_STREQ(first->IpAddressList.IpMask.String, "255.255.255.0");
    EXPECT_STREQ(first->GatewayList.IpAddress.String, "0.0.0.0");
    EXPECT_STREQ(second->IpAddressList.IpAddress.String, "10.0.0.2");
    EXPECT_STREQ(second->GatewayList.IpAddress.String, "10.0.0.1");
}

TEST_F(SimIpHelper, RefusesWhatTheSystemRefuses) {
    Load(kTwoBound);
    ULONG size = sizeof(IP_ADAPTER_INFO);  // room for one of two
    std::vector<ULONGLONG> buffer(sizeof(IP_ADAPTER_INFO) / 8 + 1);
    auto* info = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    std::memset(info, 0xEE, sizeof(IP_ADAPTER_INFO));
    EXPECT_EQ(platform::Ip().GetAdaptersInfo(info, &size), static_cast<ULONG>(ERROR_BUFFER_OVERFLOW));
    EXPECT_EQ(size, 2 * sizeof(IP_ADAPTER_INFO));
    EXPECT_EQ(reinterpret_cast<const BYTE*>(info)[0], 0xEE);  // untouched
    EXPECT_EQ(platform::Ip().GetAdaptersInfo(info, nullptr), static_cast<ULONG>(ERROR_INVALID_PARAMETER));

    // Gone from the list when unplugged or unbound; nothing left is ERROR_NO_DATA.
    world_.Unplug(0);
    world_.SetIpConfig(1, false);
    size = 0;
    EXPECT_EQ(platform::Ip().GetAdaptersInfo(nullptr, &size), static_cast<ULONG>(ERROR_NO_DATA));
    world_.SetIpConfig(2, true, "172.16.0.9", "255.255.0.0");
    ULONG result = 0;
    buffer = AdapterList(&result);
    ASSERT_EQ(result, static_cast<ULONG>(ERROR_SUCCESS));
    info = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    EXPECT_STREQ(info->Description, "Not bound to IPv4");
    EXPECT_STREQ(info->IpAddressList.IpAddress.String, "172.16.0.9");
    EXPECT_EQ(info->Next, nullptr);
}

TEST_F(SimIpHelper, ShellOpensAreRecordedWithTheirThread) {
    Load(kTwoBound);
    HINSTANCE r = platform::Outside().ShellExecute(nullptr, "open", "http://www.norvane.com", nullptr, nullptr,
                                                   SW_SHOWNORMAL);
    EXPECT_GT(reinterpret_cast<INT_PTR>(r), 32);
    EXPECT_LE(reinterpret_cast<INT_PTR>(platform::Outside().ShellExecute(nullptr, "open", "", nullptr, nullptr, 1)), 32);
    auto opens = world_.ShellOpens();
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].verb, "open");
    EXPECT_EQ(opens[0].file, "http://www.norvane.com");
    EXPECT_EQ(opens[0].show, SW_SHOWNORMAL);
    EXPECT_EQ(opens[0].threadId, GetCurrentThreadId());
}

}  // namespace
