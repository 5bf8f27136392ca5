#include "station/core/scan/scan_results.h"

#include <cstddef>
#include <cstring>

#include "platform/native_wifi.h"
#include "platform/platform.h"
#include "station/core/radio/channel_plan.h"
#include "station/core/registry/radio_defaults.h"
#include "station/core/scan/scan_merge.h"
#include "station/core/wlan/wlan_manager.h"

void DescribeBssList(const WLAN_BSS_LIST* list, std::vector<BssDescription>& out) {
    if (list == nullptr) return;
    const size_t total = list->dwTotalSize;
    const size_t header = offsetof(WLAN_BSS_LIST, wlanBssEntries);
    const size_t items = ServiceItemsThatFit(total, header, sizeof(WLAN_BSS_ENTRY), list->dwNumberOfItems);
    for (size_t i = 0; i < items; ++i) {
        const WLAN_BSS_ENTRY& e = list->wlanBssEntries[i];
        BssDescription d;
        std::memcpy(d.bssid.data(), e.dot11Bssid, d.bssid.size());
        d.ssidLength = e.dot11Ssid.uSSIDLength < d.ssid.size() ? e.dot11Ssid.uSSIDLength : d.ssid.size();
        std::memcpy(d.ssid.data(), e.dot11Ssid.ucSSID, d.ssidLength);
        d.rssi = e.lRssi;
        d.centerFrequencyKhz = e.ulChCenterFrequency;
        d.capability = e.usCapabilityInformation;
        d.phyType = static_cast<int>(e.dot11BssPhyType);
        d.bssType = static_cast<int>(e.dot11BssType);
        const size_t itemOffset = header + i * sizeof(WLAN_BSS_ENTRY);
        if (e.ulIeSize != 0 && ServiceBlobInBounds(total, itemOffset, e.ulIeOffset, e.ulIeSize)) {
            const auto* ies = reinterpret_cast<const uint8_t*>(&e) + e.ulIeOffset;
            d.ies.assign(ies, ies + e.ulIeSize);
        }
        out.push_back(std::move(d));
    }
}

DWORD FillScanList(WlanManager& manager, BssidLists& lists) {
    if (!lists.Attached()) return ERROR_INVALID_PARAMETER;
    platform::NativeWifi& wlan = platform::Wlan();
    HANDLE client = manager.ClientHandle();
    const GUID* iface = &manager.InterfaceGuid();

    std::vector<BssDescription> reports;
    WLAN_AVAILABLE_NETWORK_LIST* networks = nullptr;
    DWORD rc = wlan.GetAvailableNetworkList(client, iface, 0, &networks);
    if (rc == ERROR_SUCCESS && networks != nullptr) {
        for (DWORD n = 0; n < networks->dwNumberOfItems; ++n) {
            const WLAN_AVAILABLE_NETWORK& net = networks->Network[n];
            DOT11_SSID ssid = net.dot11Ssid;
            if (ssid.uSSIDLength > DOT11_SSID_MAX_LENGTH) ssid.uSSIDLength = DOT11_SSID_MAX_LENGTH;
            WLAN_BSS_LIST* bss = nullptr;
            rc = wlan.GetNetworkBssList(client, iface, &ssid, net.dot11BssType, net.bSecurityEnabled, &bss);
            if (rc == ERROR_SUCCESS) DescribeBssList(bss, reports);
            if (bss != nullptr) wlan.FreeMemory(bss);
        }
    }
    if (networks != nullptr) wlan.FreeMemory(networks);
    BuildScanList(reports, lists.ScanList(), kBssidListSize, lists.ScanPhyTypes());
    return rc;
}

DWORD UpdateBssList(WlanManager& manager, BssidLists& lists) {
    DWORD rc = FillScanList(manager, lists);
    uint8_t channels[kMaxChannelListLength] = {};
    int count = 0;
    BuildChannelList(1, g_WirelessMode, g_WirelessMode, channels, &count);
    lists.Merge(CurrentFileTime(), channels, static_cast<size_t>(count));
    return rc;
}

DWORD SeedBssList(WlanManager& manager, BssidLists& lists) {
    DWORD rc = FillScanList(manager, lists);
    lists.Seed(CurrentFileTime());
    return rc;
}

uint64_t CurrentFileTime() {
    SYSTEMTIME st;
    GetSystemTime(&st);
    FILETIME ft{};
    SystemTimeToFileTime(&st, &ft);
    return static_cast<uint64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime;
}
