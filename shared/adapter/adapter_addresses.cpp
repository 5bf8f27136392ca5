#include "shared/adapter/adapter_addresses.h"

#include <cstring>
#include <vector>

#include "platform/ip_helper.h"
#include "platform/platform.h"

namespace {

// A text field of the IP Helper's record, which need not be terminated.
std::string AddressText(const IP_ADDRESS_STRING& a) { return std::string(a.String, strnlen(a.String, sizeof a.String)); }

}  // namespace

AdapterAddressTexts FindAdapterAddresses(const uint8_t (&mac)[6]) {
    AdapterAddressTexts texts;
    platform::IpHelper& ip = platform::Ip();
    ULONG size = 0;
    if (ip.GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size < sizeof(IP_ADAPTER_INFO)) return texts;
    // IP_ADAPTER_INFO holds pointers: the buffer keeps their alignment.
    std::vector<ULONGLONG> buffer((size + sizeof(ULONGLONG) - 1) / sizeof(ULONGLONG));
    auto* info = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    if (ip.GetAdaptersInfo(info, &size) != ERROR_SUCCESS) return texts;
    for (const IP_ADAPTER_INFO* a = info; a; a = a->Next) {
        if (a->AddressLength != 6 || std::memcmp(a->Address, mac, 6) != 0) continue;
        texts.address = AddressText(a->IpAddressList.IpAddress);
        texts.mask = AddressText(a->IpAddressList.IpMask);
        texts.gateway = AddressText(a->GatewayList.IpAddress);
    }
    return texts;
}
