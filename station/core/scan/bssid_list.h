#pragma once
// The driver's NDIS BSSID-list layout that the station pages read, whoever filled it: a
// 32-bit entry count, then NDIS_WLAN_BSSID_EX entries back to back, each as long as its own
// Length field. Fields are little-endian and read with memcpy: entries start at any offset.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kBssidListSize = 65536;
// Room of the per-entry PHY-type and last-seen arrays kept beside a list.
constexpr size_t kBssidListMaxEntries = 1024;

using MacAddress = std::array<uint8_t, 6>;

// Offsets within an entry.
namespace bssid_entry {
constexpr size_t kLength = 0;
constexpr size_t kMac = 4;
constexpr size_t kSsidLength = 12;
constexpr size_t kSsid = 16;
constexpr size_t kSsidMax = 32;
constexpr size_t kPrivacy = 48;
constexpr size_t kRssi = 52;
constexpr size_t kNetworkTypeInUse = 56;
constexpr size_t kConfigLength = 60;
constexpr size_t kBeaconPeriod = 64;
constexpr size_t kAtimWindow = 68;
constexpr size_t kDsConfig = 72;
constexpr size_t kFhConfig = 76;
constexpr size_t kInfrastructureMode = 92;
constexpr size_t kSupportedRates = 96;
constexpr size_t kIeLength = 112;
constexpr size_t kIes = 116;
constexpr size_t kFixedSize = 116;
}  // namespace bssid_entry

// NDIS infrastructure modes.
constexpr uint32_t kNdisIbss = 0;
constexpr uint32_t kNdisInfrastructure = 1;
constexpr uint32_t kNdisAutoUnknown = 2;

uint32_t ReadU32(const uint8_t* p);

// A MAC address as one number, for sets and maps keyed by BSSID.
constexpr uint64_t MacKey(const MacAddress& mac) {
    uint64_t key = 0;
    for (uint8_t b : mac) key = key << 8 | b;
    return key;
}
void WriteU32(uint8_t* p, uint32_t v);

// One entry inside a list; only built by ReadBssidList, so the entry's bytes are known to
// lie inside the buffer and to cover the fixed part.
class BssidEntryView {
public:
    BssidEntryView(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    const uint8_t* Data() const { return m_data; }
    size_t Size() const { return m_size; }  // the entry's Length

    MacAddress Mac() const;
    bool HasMac(const uint8_t mac[6]) const;
    uint32_t SsidLength() const { return ReadU32(m_data + bssid_entry::kSsidLength); }
    // The SSID bytes up to the first zero, cut to SsidLength (at most 32).
    std::string Ssid() const;
    uint32_t Privacy() const { return ReadU32(m_data + bssid_entry::kPrivacy); }
    int32_t Rssi() const;
    uint32_t DsConfig() const { return ReadU32(m_data + bssid_entry::kDsConfig); }
    uint32_t InfrastructureMode() const { return ReadU32(m_data + bssid_entry::kInfrastructureMode); }
    uint32_t IeLength() const { return ReadU32(m_data + bssid_entry::kIeLength); }
    // The information elements, bounded by the entry: an IE length that claims more than
    // the entry holds is cut to what it holds.
    const uint8_t* Ies() const { return m_data + bssid_entry::kIes; }
    size_t IeSize() const;

private:
    const uint8_t* m_data;
    size_t m_size;
};

// The entries of a list in order. The walk ends at the count, at the 1,024th entry, or at
// the first entry whose Length is below the fixed part or runs past the buffer.
std::vector<BssidEntryView> ReadBssidList(const uint8_t* list, size_t size = kBssidListSize);
// The count field as stored (not checked against the entries).
uint32_t BssidListCount(const uint8_t* list);

// What the converter writes into one entry.
struct BssidEntryFields {
    MacAddress mac{};
    uint32_t ssidLength = 0;  // cut to 32 when written
    std::array<uint8_t, 32> ssid{};
    uint32_t privacy = 0;
    int32_t rssi = 0;
    uint32_t dsConfigKhz = 0;
    uint32_t infrastructureMode = kNdisAutoUnknown;
    const uint8_t* ies = nullptr;
    size_t ieSize = 0;
};

// Appends entries to a list in place. The list is not cleared: the writer continues after
// the valid entries it holds.
class BssidListWriter {
public:
    BssidListWriter(uint8_t* list, size_t size = kBssidListSize);

    // False, with the list unchanged, when the entry would pass the buffer's end or the
    // list already has kBssidListMaxEntries entries.
    bool Append(const BssidEntryFields& fields);
    // Copies an entry as it is (its own Length bytes).
    bool AppendRaw(const BssidEntryView& entry);
    bool Full() const { return m_count >= kBssidListMaxEntries; }
    uint32_t Count() const { return m_count; }
    size_t BytesUsed() const { return m_end; }

private:
    bool Room(size_t entrySize) const;
    void Commit(size_t entrySize);

    uint8_t* m_list;
    size_t m_size;
    uint32_t m_count = 0;
    size_t m_end = 4;
};
