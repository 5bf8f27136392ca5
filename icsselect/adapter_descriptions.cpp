#include "icsselect/adapter_descriptions.h"

#include <cstring>

namespace {

constexpr AdapterDescriptionTable kTable = {
    {
        // This suite's own cards first.
        {"Norvane ZQ-4402 Wireless LAN Card"},
        {"Norvane ZQ-4402 Wireless LAN PCI Card"},
        {"Norvane ZQ-4402 Wireless LAN USB Card"},
        {"Norvane ZQ-4402 802.11n Wireless LAN Card"},
        {"Norvane ZQ-4402 802.11a/b/g Wireless LAN Card"},
        {"Norvane ZQ-4402 Mini PCI Wireless LAN Card"},
        {"Norvane ZQ-4402 CardBus Wireless LAN Card"},
        {"Norvane ZQ-4402 Soft AP Adapter"},
        {"Tesmar Wireless LAN Card"},
        {"Tesmar Wireless LAN PCI Card"},
        {"Tesmar Wireless LAN USB Card"},
        {"Tesmar 802.11b/g Wireless LAN Card"},
        {"Tesmar 802.11a/b/g Wireless LAN Card"},
        {"Tesmar 802.11n Wireless LAN Card"},
        {"Tesmar 802.11n USB Wireless LAN Card"},
        {"Tesmar 802.11n PCI-E Wireless LAN Card"},
        {"Tesmar KV10 Wireless LAN Card"},
        {"Tesmar KV11 Wireless LAN Card"},
        {"Tesmar KV20 Wireless LAN Card"},
        {"Tesmar KV21 Wireless LAN Card"},
        {"Tesmar KV30 Wireless LAN Card"},
        {"Tesmar KV31 Wireless LAN Card"},
        {"Tesmar KV40_A Wireless LAN Card"},
        {"Tesmar KV40 Wireless LAN Card"},
        {"Tesmar KV41 Wireless LAN Card"},
        // Cards of other makers that the same driver serves.
        {"Aldrenet WL-154G USB Wireless Adapter"},
        {"Aldrenet WN-2300 802.11n Wireless PCI Adapter"},
        {"Aldrenet 30 Series Wireless LAN Card"},
        {"Aldrenet Air4 Wireless USB Stick"},
        {"Aldrenet WG-511 Wireless CardBus Adapter"},
        {"Brisquo WL-254G USB Wireless Adapter"},
        {"Brisquo WN-3300 802.11n Wireless PCI Adapter"},
        {"Brisquo 40 Series Wireless LAN Card"},
        {"Brisquo Air5 Wireless USB Stick"},
        {"Brisquo WG-611 Wireless CardBus Adapter"},
        {"Caldonyx WL-354G USB Wireless Adapter"},
        {"Caldonyx WN-4300 802.11n Wireless PCI Adapter"},
        {"Caldonyx 50 Series Wireless LAN Card"},
        {"Caldonyx Air6 Wireless USB Stick"},
        {"Caldonyx WG-711 Wireless CardBus Adapter"},
        {"Dravien WL-454G USB Wireless Adapter"},
        {"Dravien WN-5300 802.11n Wireless PCI Adapter"},
        {"Dravien 60 Series Wireless LAN Card"},
        {"Dravien Air7 Wireless USB Stick"},
        {"Dravien WG-811 Wireless CardBus Adapter"},
        {"Fyrelink WL-554G USB Wireless Adapter"},
        {"Fyrelink WN-6300 802.11n Wireless PCI Adapter"},
        {"Fyrelink 70 Series Wireless LAN Card"},
        {"Fyrelink Air8 Wireless USB Stick"},
        {"Fyrelink WG-911 Wireless CardBus Adapter"},
        {"Glimmora WL-654G USB Wireless Adapter"},
        {"Glimmora WN-7300 802.11n Wireless PCI Adapter"},
        {"Glimmora 80 Series Wireless LAN Card"},
        {"Glimmora Air9 Wireless USB Stick"},
        {"Glimmora WG-1011 Wireless CardBus Adapter"},
        {"Hollatek WL-754G USB Wireless Adapter"},
        {"Hollatek WN-8300 802.11n Wireless PCI Adapter"},
        {"Hollatek 90 Series Wireless LAN Card"},
        {"Hollatek Air10 Wireless USB Stick"},
        {"Hollatek WG-1111 Wireless CardBus Adapter"},
        {"Ivorsan WL-154G USB Wireless Adapter"},
        {"Ivorsan WN-2300 802.11n Wireless PCI Adapter"},
        {"Ivorsan 30 Series Wireless LAN Card"},
        {"Ivorsan Air4 Wireless USB Stick"},
        {"Ivorsan WG-511 Wireless CardBus Adapter"},
        {"Jadewick WL-254G USB Wireless Adapter"},
        {"Jadewick WN-3300 802.11n Wireless PCI Adapter"},
        {"Jadewick 40 Series Wireless LAN Card"},
        {"Jadewick Air5 Wireless USB Stick"},
        {"Jadewick WG-611 Wireless CardBus Adapter"},
        {"Korvalis WL-354G USB Wireless Adapter"},
        {"Korvalis WN-4300 802.11n Wireless PCI Adapter"},
        {"Korvalis 50 Series Wireless LAN Card"},
        {"Korvalis Air6 Wireless USB Stick"},
        {"Korvalis WG-711 Wireless CardBus Adapter"},
        {"Mistrale WL-454G USB Wireless Adapter"},
        {"Mistrale WN-5300 802.11n Wireless PCI Adapter"},
        {"Mistrale 60 Series Wireless LAN Card"},
        {"Mistrale Air7 Wireless USB Stick"},
        {"Mistrale WG-811 Wireless CardBus Adapter"},
        {"Nevarine WL-554G USB Wireless Adapter"},
        {"Nevarine WN-6300 802.11n Wireless PCI Adapter"},
        {"Nevarine 70 Series Wireless LAN Card"},
        {"Nevarine Air8 Wireless USB Stick"},
        {"Nevarine WG-911 Wireless CardBus Adapter"},
        {"Orlitz WL-654G USB Wireless Adapter"},
        {"Orlitz WN-7300 802.11n Wireless PCI Adapter"},
        {"Orlitz 80 Series Wireless LAN Card"},
        {"Orlitz Air9 Wireless USB Stick"},
        {"Orlitz WG-1011 Wireless CardBus Adapter"},
        {"Pellarin WL-754G USB Wireless Adapter"},
        {"Pellarin WN-8300 802.11n Wireless PCI Adapter"},
        {"Pellarin 90 Series Wireless LAN Card"},
        {"Pellarin Air10 Wireless USB Stick"},
        {"Pellarin WG-1111 Wireless CardBus Adapter"},
        {"Quorvex WL-154G USB Wireless Adapter"},
        {"Quorvex WN-2300 802.11n Wireless PCI Adapter"},
        {"Quorvex 30 Series Wireless LAN Card"},
        {"Quorvex Air4 Wireless USB Stick"},
        {"Quorvex WG-511 Wireless CardBus Adapter"},
        {"Rovanta WL-254G USB Wireless Adapter"},
        {"Rovanta WN-3300 802.11n Wireless PCI Adapter"},
        {"Rovanta 40 Series Wireless LAN Card"},
        {"Rovanta Air5 Wireless USB Stick"},
        {"Rovanta WG-611 Wireless CardBus Adapter"},
        {"Silvaro WL-354G USB Wireless Adapter"},
        {"Silvaro WN-4300 802.11n Wireless PCI Adapter"},
        {"Silvaro 50 Series Wireless LAN Card"},
        {"Silvaro Air6 Wireless USB Stick"},
        {"Silvaro WG-711 Wireless CardBus Adapter"},
        {"Tandrel WL-454G USB Wireless Adapter"},
        {"Tandrel WN-5300 802.11n Wireless PCI Adapter"},
        {"Tandrel 60 Series Wireless LAN Card"},
        {"Tandrel Air7 Wireless USB Stick"},
        {"Tandrel WG-811 Wireless CardBus Adapter"},
        {"Umbrix WL-554G USB Wireless Adapter"},
        {"Umbrix WN-6300 802.11n Wireless PCI Adapter"},
        {"Umbrix 70 Series Wireless LAN Card"},
        {"Umbrix Air8 Wireless USB Stick"},
        {"Umbrix WG-911 Wireless CardBus Adapter"},
        {"Velmora WL-654G USB Wireless Adapter"},
        {"Velmora WN-7300 802.11n Wireless PCI Adapter"},
        {"Velmora 80 Series Wireless LAN Card"},
        {"Velmora Air9 Wireless USB Stick"},
        {"Velmora WG-1011 Wireless CardBus Adapter"},
        {"Wistrel WL-754G USB Wireless Adapter"},
        {"Wistrel WN-8300 802.11n Wireless PCI Adapter"},
        {"Wistrel 90 Series Wireless LAN Card"},
        {"Wistrel Air10 Wireless USB Stick"},
        {"Wistrel WG-1111 Wireless CardBus Adapter"},
    },
    kAdapterDescriptionCount,
};

constexpr bool EntriesFit(const AdapterDescriptionTable& t) {
    for (std::size_t i = 0; i < kAdapterDescriptionCount; ++i) {
        std::size_t n = 0;
        while (n < kAdapterDescriptionSlot && t.entries[i][n] != 0) ++n;
        // An empty entry would match every line.
        if (n == 0 || n > kAdapterDescriptionMaxLength) return false;
    }
    return true;
}
static_assert(EntriesFit(kTable), "every description is 1 to 111 characters");

}  // namespace

const AdapterDescriptionTable g_AdapterDescriptions = kTable;

int FindAdapterDescription(std::string_view line) {
    std::size_t count = g_AdapterDescriptions.count;
    if (count > kAdapterDescriptionCount) count = kAdapterDescriptionCount;
    for (std::size_t i = 0; i < count; ++i) {
        const char* slot = g_AdapterDescriptions.entries[i];
        std::string_view entry(slot, strnlen(slot, kAdapterDescriptionSlot));
        if (!entry.empty() && line.find(entry) != std::string_view::npos) return static_cast<int>(i);
    }
    return -1;
}
