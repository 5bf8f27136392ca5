#include "station/core/scan/bssid_list.h"

#include <cstring>

uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void WriteU32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

MacAddress BssidEntryView::Mac() const {
    MacAddress mac;
    std::memcpy(mac.data(), m_data + bssid_entry::kMac, mac.size());
    return mac;
}

bool BssidEntryView::HasMac(const uint8_t mac[6]) const {
    return std::memcmp(m_data + bssid_entry::kMac, mac, 6) == 0;
}

std::string BssidEntryView::Ssid() const {
    const uint8_t* p = m_data + bssid_entry::kSsid;
    size_t limit = SsidLength() < bssid_entry::kSsidMax ? SsidLength() : bssid_entry::kSsidMax;
    size_t n = 0;
    while (n < limit && p[n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(p), n);
}

int32_t BssidEntryView::Rssi() const {
    uint32_t raw = ReadU32(m_data + bssid_entry::kRssi);
    int32_t v;
    std::memcpy(&v, &raw, sizeof v);
    return v;
}

size_t BssidEntryView::IeSize() const {
    size_t room = m_size - bssid_entry::kFixedSize;
    return IeLength() < room ? IeLength() : room;
}

uint32_t BssidListCount(const uint8_t* list) { return ReadU32(list); }

std::vector<BssidEntryView> ReadBssidList(const uint8_t* list, size_t size) {
    std::vector<BssidEntryView> entries;
    if (list == nullptr || size < 4) return entries;
    uint32_t count = ReadU32(list);
    size_t at = 4;
    while (entries.size() < count && entries.size() < kBssidListMaxEntries) {
        if (size - at < bssid_entry::kFixedSize) break;
        uint32_t length = ReadU32(list + at);
        if (length < bssid_entry::kFixedSize || length > size - at) break;
        entries.emplace_back(list + at, length);
        at += length;
    }
    return entries;
}

BssidListWriter::BssidListWriter(uint8_t* list, size_t size) : m_list(list), m_size(size) {
    if (size < 4) {
        m_count = kBssidListMaxEntries;  // nothing fits
        m_end = size;
        return;
    }
    for (const BssidEntryView& e : ReadBssidList(list, size)) {
        ++m_count;
        m_end += e.Size();
    }
    WriteU32(m_list, m_count);
}

bool BssidListWriter::Room(size_t entrySize) const {
    return m_count < kBssidListMaxEntries && entrySize <= m_size - m_end;
}

void BssidListWriter::Commit(size_t entrySize) {
    m_end += entrySize;
    ++m_count;
    WriteU32(m_list, m_count);
}

bool BssidListWriter::Append(const BssidEntryFields& f) {
    if (f.ieSize > m_size) return false;  // keeps the sum below from wrapping
    size_t entrySize = bssid_entry::kFixedSize + f.ieSize;
    if (!Room(entrySize)) return false;
    uint8_t* e = m_list + m_end;
    std::memset(e, 0, bssid_entry::kFixedSize);
    WriteU32(e + bssid_entry::kLength, static_cast<uint32_t>(entrySize));
    std::memcpy(e + bssid_entry::kMac, f.mac.data(), f.mac.size());
    uint32_t ssidLength = f.ssidLength < bssid_entry::kSsidMax ? f.ssidLength : bssid_entry::kSsidMax;
    WriteU32(e + bssid_entry::kSsidLength, ssidLength);
    std::memcpy(e + bssid_entry::kSsid, f.ssid.data(), ssidLength);
    WriteU32(e + bssid_entry::kPrivacy, f.privacy);
    uint32_t rssi;
    std::memcpy(&rssi, &f.rssi, sizeof rssi);
    WriteU32(e + bssid_entry::kRssi, rssi);
    WriteU32(e + bssid_entry::kDsConfig, f.dsConfigKhz);
    WriteU32(e + bssid_entry::kInfrastructureMode, f.infrastructureMode);
    WriteU32(e + bssid_entry::kIeLength, static_cast<uint32_t>(f.ieSize));
    if (f.ieSize != 0) std::memcpy(e + bssid_entry::kIes, f.ies, f.ieSize);
    Commit(entrySize);
    return true;
}

bool BssidListWriter::AppendRaw(const BssidEntryView& entry) {
    if (!Room(entry.Size())) return false;
    std::memmove(m_list + m_end, entry.Data(), entry.Size());
    Commit(entry.Size());
    return true;
}
